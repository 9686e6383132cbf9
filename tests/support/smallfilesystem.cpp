#include "smallfilesystem.h"

#include <sys/mount.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <cstring>

bool SmallFilesystem::start(int kilobytes, QString *why) {
  const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k";
  if (::mount("tmpfs", QFile::encodeName(dir_.path()).constData(), "tmpfs", 0,
              options.constData()) != 0) {
    *why = QStringLiteral("cannot mount a small tmpfs (%1): run as root")
               .arg(QString::fromLocal8Bit(std::strerror(errno)));
    return false;
  }
  mounted_ = true;
  return true;
}

SmallFilesystem::~SmallFilesystem() {
  if (mounted_)
    ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
}

void SmallFilesystem::fill() {
  QFile filler(filePath(QStringLiteral(".filler")));
  if (!filler.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
    return;
  const QByteArray block(4096, 'f');
  while (filler.write(block) == block.size()) {
  }
  // The last partial block.
  for (int size = 2048; size >= 1; size /= 2) {
    while (filler.write(block.left(size)) == size) {
    }
  }
}

void SmallFilesystem::free() {
  QFile::remove(filePath(QStringLiteral(".filler")));
}

bool SmallFilesystem::setReadOnly() {
  return ::mount(nullptr, QFile::encodeName(dir_.path()).constData(), nullptr,
                 MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}
