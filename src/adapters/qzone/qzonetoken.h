// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace phodex {

// The g_tk token of the QQ services: a 31-bit hash of the login cookie's
// value over its UTF-16 code units. An empty value gives 5381.
quint32 QzoneToken(const QString& text);

} // namespace phodex
