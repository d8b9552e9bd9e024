// SPDX-License-Identifier: MIT
#include "settings/ini.h"

#include "settings/initext.h"

#include <QFile>

#include <limits>

namespace phodex {
namespace {

constexpr qsizetype kIntValueUnits = 64;

std::optional<QString> ReadValue(const QString& path, const QString& section, const QString& key) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return FindIniValue(DecodeIniText(file.readAll()), section, key);
}

} // namespace

QString CIni::GetString(const QString& section, const QString& key,
                        const QString& defaultValue) const {
    return ReadValue(m_path, section, key).value_or(defaultValue);
}

int CIni::GetInt(const QString& section, const QString& key, int defaultValue) const {
    const std::optional<QString> value = ReadValue(m_path, section, key);
    if (!value || value->isEmpty())
        return defaultValue;
    return LeadingInt(QStringView(*value).first(qMin(value->size(), kIntValueUnits)));
}

int LeadingInt(QStringView text) {
    qsizetype i = 0;
    const bool negative = i < text.size() && text[i] == u'-';
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        ++i;
    // Counted in 64 bits towards the far limit, then saturated.
    constexpr qint64 limit = qint64(std::numeric_limits<int>::max()) + 1;
    qint64 magnitude = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
        magnitude = qMin(limit, magnitude * 10 + (text[i].unicode() - u'0'));
    if (negative)
        return int(-magnitude);
    return int(qMin(magnitude, limit - 1));
}

} // namespace phodex
