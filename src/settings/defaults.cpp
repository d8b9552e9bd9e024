// SPDX-License-Identifier: MIT
#include "settings/defaults.h"

namespace phodex {
namespace {

// Categories whose first-run settings differ from the rest.
constexpr int kYupoo = 7;
constexpr int kHome51 = 8;
constexpr int kStoreA = 11;
constexpr int kStoreB = 16;
constexpr int kShopAlbums = 17;
constexpr int kHuabanDuitang = 18;

} // namespace

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
    record.profiles[kYupoo].optionFlags = kOptionOpenFolder | kOptionYupooLarge | kOptionFixOrder;
    record.profiles[kStoreA].optionFlags = kOptionOpenFolder | kOptionFixOrder;
    record.profiles[kStoreB].optionFlags = kOptionOpenFolder | kOptionFixOrder;
    record.profiles[kShopAlbums].optionFlags = kOptionOpenFolder | kOptionFixFormat;
    // Each picture name starts with its number in the album, as in "12) ".
    record.profiles[kShopAlbums].filePrefix = QStringLiteral("?2) ");
    record.profiles[kHome51].nameBase = NameBase::Number;
    record.download[kHuabanDuitang].threads = 3;
}

} // namespace phodex
