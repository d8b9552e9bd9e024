// SPDX-License-Identifier: MIT
#include "adapters/qzone/qzonetoken.h"

namespace phodex {

quint32 QzoneToken(const QString& text) {
    quint32 hash = 5381;
    for (const QChar c : text)
        hash = hash * 33u + c.unicode();
    return hash & 0x7FFFFFFFu;
}

} // namespace phodex
