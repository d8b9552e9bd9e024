// SPDX-License-Identifier: MIT
#include "core/session.h"

namespace phodex {

namespace {

// Keys no site family uses: the slots belong to whichever site listed last.
QString SlotKey(TextSlot slot) {
    return QStringLiteral("textslot.%1").arg(int(slot));
}

} // namespace

QString Session::textSlot(TextSlot slot) const {
    return m_siteValues.value(SlotKey(slot));
}

void Session::setTextSlot(TextSlot slot, const QString& text) {
    m_siteValues.setValue(SlotKey(slot), text);
}

QString Session::ownerFolder() const {
    std::lock_guard lock(m_mutex);
    return m_ownerFolder;
}

void Session::setOwnerFolder(const QString& folder) {
    std::lock_guard lock(m_mutex);
    m_ownerFolder = folder;
}

QString Session::subFolder() const {
    std::lock_guard lock(m_mutex);
    return m_subFolder;
}

void Session::setSubFolder(const QString& folder) {
    std::lock_guard lock(m_mutex);
    m_subFolder = folder;
}

QString Session::addressText() const {
    std::lock_guard lock(m_mutex);
    return m_addressText;
}

void Session::setAddressText(const QString& text) {
    std::lock_guard lock(m_mutex);
    m_addressText = text;
}

SettingsRecord Session::settings() const {
    std::lock_guard lock(m_mutex);
    return m_settings;
}

void Session::setSettings(const SettingsRecord& record) {
    std::lock_guard lock(m_mutex);
    m_settings = record;
}

bool Session::updateSettings(const std::function<bool(SettingsRecord&)>& change) {
    std::lock_guard lock(m_mutex);
    return change(m_settings);
}

ExtensionSettings Session::extension() const {
    std::lock_guard lock(m_mutex);
    return m_extension;
}

void Session::setExtension(const ExtensionSettings& extension) {
    std::lock_guard lock(m_mutex);
    m_extension = extension;
}

} // namespace phodex
