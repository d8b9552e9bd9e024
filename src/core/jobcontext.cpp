// SPDX-License-Identifier: MIT
#include "core/jobcontext.h"

namespace phodex {

namespace {

// Categories outside the record (a category a test table adds) use the last entry.
size_t EntryIndex(int listType) {
    return listType >= 0 && listType < kSettingsEntryCount ? size_t(listType)
                                                           : size_t(kSettingsEntryCount - 1);
}

} // namespace

JobContext::JobContext(const JobEnv& env, int listType, SettingsRecord settings,
                       ExtensionSettings extension)
    : env(env), m_listType(listType), m_settings(std::move(settings)), m_extension(extension) {}

const NamingProfile& JobContext::profile() const {
    return m_settings.profiles[EntryIndex(m_listType)];
}

const DownloadParams& JobContext::downloadParams() const {
    return m_settings.download[EntryIndex(m_listType)];
}

} // namespace phodex
