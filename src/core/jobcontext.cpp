// SPDX-License-Identifier: MIT
#include "core/jobcontext.h"

namespace phodex {

namespace {

// Categories outside the record (a category a test table adds) use the last entry.
Category EntryCategory(Category listType) {
    return hasSettingsEntry(listType) ? listType : categoryAt(kSettingsEntryCount - 1);
}

} // namespace

JobContext::JobContext(const JobEnv& env, Category listType, SettingsRecord settings,
                       ExtensionSettings extension)
    : env(env), m_listType(listType), m_settings(std::move(settings)), m_extension(extension) {}

const NamingProfile& JobContext::profile() const {
    return m_settings.profileFor(EntryCategory(m_listType));
}

const DownloadParams& JobContext::downloadParams() const {
    return m_settings.downloadFor(EntryCategory(m_listType));
}

} // namespace phodex
