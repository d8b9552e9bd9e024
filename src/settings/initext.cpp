// SPDX-License-Identifier: MIT
#include "settings/initext.h"

#include "text/codepage.h"

#include <QStringDecoder>

namespace phodex {
namespace {

QString DecodeUtf16(const QByteArray& bytes, QStringDecoder::Encoding encoding) {
    QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless);
    return decoder.decode(bytes);
}

bool SameName(QStringView a, QStringView b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QStringView Unquote(QStringView value) {
    if (value.size() >= 2 && value.front() == value.back() &&
        (value.front() == u'"' || value.front() == u'\''))
        return value.sliced(1, value.size() - 2);
    return value;
}

// The name of a "[section]" line; a missing ']' takes the rest of the line.
QStringView SectionName(QStringView line) {
    const qsizetype close = line.indexOf(u']');
    return line.sliced(1, (close < 0 ? line.size() : close) - 1).trimmed();
}

} // namespace

QString DecodeIniText(const QByteArray& bytes) {
    if (bytes.startsWith("\xFF\xFE"))
        return DecodeUtf16(bytes.sliced(2), QStringDecoder::Utf16LE);
    if (bytes.startsWith("\xFE\xFF"))
        return DecodeUtf16(bytes.sliced(2), QStringDecoder::Utf16BE);
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return DecodeBytes(kCodePageUtf8, bytes.sliced(3));
    return DecodeBytes(IsUtf8(bytes) ? kCodePageUtf8 : kCodePageGbk, bytes);
}

std::optional<QString> FindIniValue(const QString& text, const QString& section,
                                    const QString& key) {
    bool inSection = false;
    for (QStringView line : QStringView(text).tokenize(u'\n')) {
        line = line.trimmed(); // also drops the '\r' of CR LF endings
        if (line.isEmpty() || line.front() == u';')
            continue;
        if (line.front() == u'[') {
            inSection = SameName(SectionName(line), section);
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!inSection || equals < 0 || !SameName(line.first(equals).trimmed(), key))
            continue;
        return Unquote(line.sliced(equals + 1).trimmed()).toString();
    }
    return std::nullopt;
}

} // namespace phodex
