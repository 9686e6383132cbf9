#include "journal/seals.h"

#include <openssl/crypto.h>
#include <openssl/evp.h>

#include <memory>

namespace seals {
namespace {
struct PkeyFree {
  void operator()(EVP_PKEY *key) const { EVP_PKEY_free(key); }
};
struct MdCtxFree {
  void operator()(EVP_MD_CTX *context) const { EVP_MD_CTX_free(context); }
};
using Pkey = std::unique_ptr<EVP_PKEY, PkeyFree>;
using MdCtx = std::unique_ptr<EVP_MD_CTX, MdCtxFree>;

const unsigned char *bytesOf(const QByteArray &bytes) {
  return reinterpret_cast<const unsigned char *>(bytes.constData());
}
}  // namespace

QByteArray sha256(const QByteArray &bytes) {
  QByteArray digest(kHashBytes, Qt::Uninitialized);
  unsigned int size = 0;
  if (EVP_Digest(bytes.constData(), size_t(bytes.size()),
                 reinterpret_cast<unsigned char *>(digest.data()), &size, EVP_sha256(),
                 nullptr) != 1 ||
      size != kHashBytes)
    return QByteArray();
  return digest;
}

bool generate(KeyPair *pair) {
  Pkey key(EVP_PKEY_Q_keygen(nullptr, nullptr, "ED25519"));
  if (!key)
    return false;
  size_t publicSize = kPublicKeyBytes;
  size_t secretSize = kSecretKeyBytes;
  pair->publicKey = QByteArray(kPublicKeyBytes, Qt::Uninitialized);
  pair->secretKey = QByteArray(kSecretKeyBytes, Qt::Uninitialized);
  return EVP_PKEY_get_raw_public_key(key.get(),
                                     reinterpret_cast<unsigned char *>(pair->publicKey.data()),
                                     &publicSize) == 1 &&
         EVP_PKEY_get_raw_private_key(key.get(),
                                      reinterpret_cast<unsigned char *>(pair->secretKey.data()),
                                      &secretSize) == 1 &&
         publicSize == kPublicKeyBytes && secretSize == kSecretKeyBytes;
}

Signer::Signer(const QByteArray &secretKey) {
  if (secretKey.size() == kSecretKeyBytes)
    key_ = EVP_PKEY_new_raw_private_key(EVP_PKEY_ED25519, nullptr, bytesOf(secretKey),
                                        size_t(secretKey.size()));
}

Signer::~Signer() {
  EVP_PKEY_free(key_);
}

QByteArray Signer::sign(const QByteArray &message) const {
  MdCtx context(EVP_MD_CTX_new());
  QByteArray signature(kSignatureBytes, Qt::Uninitialized);
  size_t size = kSignatureBytes;
  if (!key_ || !context ||
      EVP_DigestSignInit(context.get(), nullptr, nullptr, nullptr, key_) != 1 ||
      EVP_DigestSign(context.get(), reinterpret_cast<unsigned char *>(signature.data()), &size,
                     bytesOf(message), size_t(message.size())) != 1 ||
      size != kSignatureBytes)
    return QByteArray();
  return signature;
}

QByteArray sign(const QByteArray &secretKey, const QByteArray &message) {
  return Signer(secretKey).sign(message);
}

bool verify(const QByteArray &publicKey, const QByteArray &message, const QByteArray &signature) {
  if (publicKey.size() != kPublicKeyBytes || signature.size() != kSignatureBytes)
    return false;
  Pkey key(EVP_PKEY_new_raw_public_key(EVP_PKEY_ED25519, nullptr, bytesOf(publicKey),
                                       size_t(publicKey.size())));
  MdCtx context(EVP_MD_CTX_new());
  return key && context &&
         EVP_DigestVerifyInit(context.get(), nullptr, nullptr, nullptr, key.get()) == 1 &&
         EVP_DigestVerify(context.get(), bytesOf(signature), size_t(signature.size()),
                          bytesOf(message), size_t(message.size())) == 1;
}

void erase(QByteArray *secret) {
  if (!secret->isEmpty())
    OPENSSL_cleanse(secret->data(), size_t(secret->size()));
  secret->clear();
}

QString fingerprintOf(const QByteArray &bytes) {
  const QByteArray hex = sha256(bytes).left(8).toHex().toUpper();
  return QString::fromLatin1(hex.mid(0, 4) + '-' + hex.mid(4, 4) + '-' + hex.mid(8, 4) + '-' +
                             hex.mid(12, 4));
}

QByteArray toBase64Url(const QByteArray &bytes) {
  return bytes.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
}

QByteArray fromBase64Url(const QByteArray &text, int size) {
  const auto decoded = QByteArray::fromBase64Encoding(
      text, QByteArray::Base64UrlEncoding | QByteArray::AbortOnBase64DecodingErrors |
                QByteArray::OmitTrailingEquals);
  if (!decoded || decoded.decoded.size() != size || toBase64Url(decoded.decoded) != text)
    return QByteArray();
  return decoded.decoded;
}

}  // namespace seals
