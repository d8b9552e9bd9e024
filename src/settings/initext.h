// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The text side of INI reading, apart from any file.
namespace phodex {

// UTF-16 when the bytes start with its byte-order mark, else UTF-8 (with or
// without its mark) when they are valid UTF-8, else GBK.
QString DecodeIniText(const QByteArray& bytes);

// The value of the first "key=value" line under a "[section]" line whose
// names match without regard to letter case. Lines starting with ';' are
// comments; names and values are trimmed, and one pair of quotes around a
// value is dropped. Nothing when no line matches.
std::optional<QString> FindIniValue(const QString& text, const QString& section,
                                    const QString& key);

} // namespace phodex
