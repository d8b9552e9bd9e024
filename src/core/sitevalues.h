// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QString>

#include <mutex>

namespace phodex {

// The values one site's operations leave for later ones of the same site (a
// page token, a user id, the text slots), by a key each site family defines
// for itself. The list job, the download job and the login windows use it
// from their own threads, so every access takes the lock.
class SiteValues {
public:
    // "" for a key never set.
    QString value(const QString& key) const;
    void setValue(const QString& key, const QString& value);

private:
    mutable std::mutex m_mutex;
    QHash<QString, QString> m_values;
};

} // namespace phodex
