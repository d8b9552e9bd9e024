// SPDX-License-Identifier: MIT
#include "core/sitevalues.h"

namespace phodex {

QString SiteValues::value(const QString& key) const {
    std::lock_guard lock(m_mutex);
    return m_values.value(key);
}

void SiteValues::setValue(const QString& key, const QString& value) {
    std::lock_guard lock(m_mutex);
    m_values.insert(key, value);
}

} // namespace phodex
