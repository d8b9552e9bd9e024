// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

// Code page conversions through ICU. Code page numbers are the Windows ones
// the sites and stored files are described with: 65001 UTF-8, 936 GBK (the
// "ANSI code page"), 950 Big5, 51949 EUC-KR.
namespace phodex {

constexpr int kCodePageUtf8 = 65001;
constexpr int kCodePageGbk = 936;
constexpr int kCodePageBig5 = 950;
constexpr int kCodePageEucKr = 51949;

// Never fails: invalid sequences become replacement characters and the text
// ends at the first NUL produced; nothing convertible gives "".
QString DecodeBytes(int codePage, const QByteArray& bytes);
bool IsUtf8(const QByteArray& bytes);
QByteArray ToGbk(const QString& text);

} // namespace phodex
