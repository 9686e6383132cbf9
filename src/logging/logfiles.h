// What the two logs' file names have to do with each other.
#pragma once

#include <QString>

namespace logfiles {
// Whether two names lead to the same file, after resolving links and "..",
// also when the file does not exist yet (then its folder is resolved).
bool sameFile(const QString &a, const QString &b);
}  // namespace logfiles
