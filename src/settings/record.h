// SPDX-License-Identifier: MIT
#pragma once

#include "settings/category.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

// The persistent settings: per site category the download parameters and the
// naming profile, plus the recent addresses and save folders. The in-memory
// form lives here; the fixed byte layout of "soft.dat" is in recordformat.h.
namespace phodex {

inline constexpr char kSettingsFileName[] = "soft.dat";

// Entries are kept for 24 categories although only the catalogue's are sites.
constexpr int kSettingsEntryCount = 24;
constexpr int kRecentCount = 5;
// A recent text must be shorter than this to be stored (room for its NUL).
constexpr int kRecentTextUnits = 400;
// Each profile text has room for 39 UTF-16 units and the terminating NUL.
constexpr int kProfileTextUnits = 40;

struct DownloadParams {
    std::uint16_t minSizeKb = 0;      // smaller pictures are rejected; 0 = no minimum
    std::uint16_t maxSizeKb = 0;      // larger pictures are rejected; 0 = no maximum
    std::uint16_t threads = 0;        // parallel download workers, 1 to 15
    std::uint16_t timeoutSeconds = 0; // read time-out of one picture, at least 10

    friend bool operator==(const DownloadParams&, const DownloadParams&) = default;
};

constexpr std::uint16_t kMinThreads = 1;
constexpr std::uint16_t kMaxThreads = 15;
constexpr std::uint16_t kDefaultThreads = 5;
constexpr std::uint16_t kMinTimeoutSeconds = 10;
constexpr std::uint16_t kDefaultTimeoutSeconds = 30;

// optionFlags bits; each is one checkable item of the options menu.
constexpr std::uint16_t kOptionFixFormat = 0x0001;        // "修正图片格式"
constexpr std::uint16_t kOptionFixOrder = 0x0002;         // "修正图片顺序"
constexpr std::uint16_t kOptionTitleFile = 0x0004;        // "生成图片原始名文件"
constexpr std::uint16_t kOptionListOnly = 0x0008;         // "只生成迅雷下载列表"
constexpr std::uint16_t kOptionOpenFolder = 0x0010;       // "下载完成后打开保存路径"
constexpr std::uint16_t kOptionMainPicturesOnly = 0x0020; // "只下载宝贝(商品)主图"
constexpr std::uint16_t kOptionSkipPrevious = 0x0040;     // "不下载以前下载过的图片"
constexpr std::uint16_t kOptionYupooLarge = 0x0080;       // "又拍相册下载大图（...）"
constexpr std::uint16_t kOptionDescriptionPicturesOnly = 0x0100; // "只下载宝贝(商品)描述里的图片"

// What a picture file is named after. Stored as one byte; a damaged record
// may hold any value, so readers must treat unknown values sensibly.
enum class NameBase : std::uint8_t {
    Description = 0, // "描述"
    Number = 1,      // "序号"
    Address = 2,     // "网址"
};

enum class FolderMode : std::uint8_t {
    PerAlbum = 0, // one folder per album, named after it ("相册名")
    None = 1,     // pictures go straight into the save folder ("无")
};

struct NamingProfile {
    QString filePrefix;   // put before each picture name (naming escapes allowed)
    QString fileSuffix;   // put after each picture name
    QString replaceFrom;  // '|'-separated texts to replace in picture names
    QString replaceTo;    // '|'-separated replacements
    QString folderPrefix; // put before the album folder name
    QString folderSuffix; // put after the album folder name
    std::uint16_t optionFlags = 0;
    NameBase nameBase = NameBase::Description;
    FolderMode folderMode = FolderMode::PerAlbum;

    bool HasOption(std::uint16_t flag) const { return (optionFlags & flag) != 0; }
    friend bool operator==(const NamingProfile&, const NamingProfile&) = default;
};

// Newest first; an empty text is a free slot.
using RecentTexts = std::array<QString, kRecentCount>;

enum class RecentList { Addresses = 0, SavePaths = 1 };

// True when the record keeps entries for the category.
constexpr bool hasSettingsEntry(Category category) {
    return categoryIndex(category) >= 0 && categoryIndex(category) < kSettingsEntryCount;
}

struct SettingsRecord {
    std::array<DownloadParams, kSettingsEntryCount> download;
    std::array<NamingProfile, kSettingsEntryCount> profiles;
    RecentTexts recentAddresses;
    RecentTexts recentSavePaths;

    // The entries of a category; it must have some (hasSettingsEntry).
    DownloadParams& downloadFor(Category category) { return download.at(entryOf(category)); }
    const DownloadParams& downloadFor(Category category) const {
        return download.at(entryOf(category));
    }
    NamingProfile& profileFor(Category category) { return profiles.at(entryOf(category)); }
    const NamingProfile& profileFor(Category category) const {
        return profiles.at(entryOf(category));
    }

    RecentTexts& Recent(RecentList list) {
        return list == RecentList::Addresses ? recentAddresses : recentSavePaths;
    }
    const RecentTexts& Recent(RecentList list) const {
        return list == RecentList::Addresses ? recentAddresses : recentSavePaths;
    }
    friend bool operator==(const SettingsRecord&, const SettingsRecord&) = default;

private:
    static std::size_t entryOf(Category category) {
        return static_cast<std::size_t>(categoryIndex(category));
    }
};

// Reads "soft.dat" from workDir (a missing file is a first run and gets the
// defaults), repairs out-of-range threads and time-outs, and writes the record
// back. Returns false only when writing back failed; the record is usable anyway.
bool LoadSettings(const QString& workDir, SettingsRecord& record);

// Replaces "soft.dat" in workDir atomically; false when nothing was written
// (the previous file, if any, is then left as it was).
bool SaveSettings(const QString& workDir, const SettingsRecord& record);

// Puts text at the front of a recent list; false, with the list unchanged,
// when text is too long or already stored (compared without regard to case).
// The caller saves the record when this returns true.
bool PushRecent(SettingsRecord& record, RecentList list, const QString& text);

// The non-empty texts of a recent list in stored order, for a drop-down list.
QStringList RecentEntries(const SettingsRecord& record, RecentList list);

} // namespace phodex
