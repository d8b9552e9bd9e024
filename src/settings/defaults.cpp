// SPDX-License-Identifier: MIT
#include "settings/defaults.h"

namespace phodex {

void RepairDownloadParams(SettingsRecord& record) {
    for (DownloadParams& d : record.download) {
        if (d.threads < kMinThreads || d.threads > kMaxThreads)
            d.threads = kDefaultThreads;
        if (d.timeoutSeconds < kMinTimeoutSeconds)
            d.timeoutSeconds = kDefaultTimeoutSeconds;
    }
}

void ApplyFirstRunDefaults(SettingsRecord& record) {
    for (NamingProfile& p : record.profiles)
        p.optionFlags = kOptionOpenFolder;
    record.profileFor(Category::Yupoo).optionFlags =
        kOptionOpenFolder | kOptionYupooLarge | kOptionFixOrder;
    record.profileFor(Category::Shops).optionFlags = kOptionOpenFolder | kOptionFixOrder;
    record.profileFor(Category::Jd).optionFlags = kOptionOpenFolder | kOptionFixOrder;
    record.profileFor(Category::Wsxc).optionFlags = kOptionOpenFolder | kOptionFixFormat;
    // Each picture name starts with its number in the album, as in "12) ".
    record.profileFor(Category::Wsxc).filePrefix = QStringLiteral("?2) ");
    record.profileFor(Category::Home51).nameBase = NameBase::Number;
    record.downloadFor(Category::HuabanDuitang).threads = 3;
}

} // namespace phodex
