// SPDX-License-Identifier: MIT
#include "net/renamenoreplace.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

namespace phodex {
namespace {

// For file systems without renameat2 support: a hard link fails with EEXIST
// when the target exists, so it is as safe; the old name is dropped after.
bool LinkThenUnlink(const QByteArray& from, const QByteArray& to) {
    if (::link(from.constData(), to.constData()) != 0) {
        return false;
    }
    ::unlink(from.constData());
    return true;
}

} // namespace

bool RenameNoReplace(const QString& from, const QString& to) {
    const QByteArray src = QFile::encodeName(from);
    const QByteArray dst = QFile::encodeName(to);
    if (::renameat2(AT_FDCWD, src.constData(), AT_FDCWD, dst.constData(), RENAME_NOREPLACE) == 0) {
        return true;
    }
    if (errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP) {
        return LinkThenUnlink(src, dst);
    }
    return false;
}

} // namespace phodex
