// The cryptography of the journal's public seals, from OpenSSL's libcrypto:
// Ed25519 signatures and SHA-256 (which uses the processor's SHA
// instructions where it has them). Nothing here is of our own making but
// the encodings around it.
#pragma once

#include <QByteArray>
#include <QString>

struct evp_pkey_st;

namespace seals {

constexpr int kPublicKeyBytes = 32;
constexpr int kSecretKeyBytes = 32;  // an Ed25519 seed
constexpr int kSignatureBytes = 64;
constexpr int kHashBytes = 32;

QByteArray sha256(const QByteArray &bytes);

struct KeyPair {
  QByteArray publicKey;
  QByteArray secretKey;
};
// A new key pair from the system's random source; false when there is none.
bool generate(KeyPair *pair);
// The Ed25519 signature of `message`; empty when the secret is not a key.
QByteArray sign(const QByteArray &secretKey, const QByteArray &message);
bool verify(const QByteArray &publicKey, const QByteArray &message, const QByteArray &signature);

// One secret key made ready once for many signatures (a key made from its
// bytes costs as much as a signature). Freed (and cleared by OpenSSL) with
// the object.
class Signer {
 public:
  explicit Signer(const QByteArray &secretKey);
  ~Signer();
  Signer(const Signer &) = delete;
  Signer &operator=(const Signer &) = delete;
  // Empty when the secret was not a key.
  QByteArray sign(const QByteArray &message) const;

 private:
  evp_pkey_st *key_ = nullptr;
};

// Overwrites the bytes in place (the compiler may not skip it).
void erase(QByteArray *secret);

// "XXXX-XXXX-XXXX-XXXX": the first 8 bytes of a SHA-256, in upper-case hex,
// for a person to compare by eye or over the phone.
QString fingerprintOf(const QByteArray &bytes);

// Base64url without padding, as the ticket's code carries binary fields.
QByteArray toBase64Url(const QByteArray &bytes);
// Empty when `text` is not base64url of exactly `size` bytes.
QByteArray fromBase64Url(const QByteArray &text, int size);

}  // namespace seals
