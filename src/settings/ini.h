// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <utility>

namespace phodex {

// Read-only access to one INI file. The file is read again on every call, so
// an edit shows at once; a missing or unreadable file reads as empty.
class CIni {
public:
    explicit CIni(QString path) : m_path(std::move(path)) {}

    const QString& Path() const { return m_path; }

    // The whole value, or defaultValue when the key is absent.
    QString GetString(const QString& section, const QString& key,
                      const QString& defaultValue) const;

    // The leading decimal number of the value's first 64 characters (0 when
    // it has no digits); defaultValue when the key is absent or empty.
    int GetInt(const QString& section, const QString& key, int defaultValue) const;

private:
    QString m_path;
};

// The leading, optionally signed decimal number of text, saturated to the
// int range; 0 when text does not start with one.
int LeadingInt(QStringView text);

} // namespace phodex
