// SPDX-License-Identifier: MIT
#pragma once

#include "settings/record.h"

#include <QByteArray>

// The byte layout of "soft.dat": little-endian, no header, four areas at fixed
// offsets, texts as UTF-16LE inside fixed arrays, NUL-terminated.
namespace phodex {

constexpr int kDownloadEntrySize = 8;
constexpr int kProfileSize = 484;
constexpr int kRecentEntrySize = kRecentTextUnits * 2;

constexpr int kDownloadAreaOffset = 0;
constexpr int kProfileAreaOffset = kDownloadAreaOffset + kSettingsEntryCount * kDownloadEntrySize;
constexpr int kRecentAddressesOffset = kProfileAreaOffset + kSettingsEntryCount * kProfileSize;
constexpr int kRecentSavePathsOffset = kRecentAddressesOffset + kRecentCount * kRecentEntrySize;
constexpr int kSettingsFileSize = kRecentSavePathsOffset + kRecentCount * kRecentEntrySize;

// Offsets inside one download-parameters entry.
constexpr int kMinSizeOffset = 0;
constexpr int kMaxSizeOffset = 2;
constexpr int kThreadsOffset = 4;
constexpr int kTimeoutOffset = 6;

// Offsets inside one naming profile: six texts of 40 units, then the numbers.
constexpr int kProfileTextSize = kProfileTextUnits * 2;
constexpr int kFilePrefixOffset = 0;
constexpr int kFileSuffixOffset = 1 * kProfileTextSize;
constexpr int kReplaceFromOffset = 2 * kProfileTextSize;
constexpr int kReplaceToOffset = 3 * kProfileTextSize;
constexpr int kFolderPrefixOffset = 4 * kProfileTextSize;
constexpr int kFolderSuffixOffset = 5 * kProfileTextSize;
constexpr int kOptionFlagsOffset = 6 * kProfileTextSize;
constexpr int kNameBaseOffset = kOptionFlagsOffset + 2;
constexpr int kFolderModeOffset = kNameBaseOffset + 1;

static_assert(kProfileAreaOffset == 192);
static_assert(kRecentAddressesOffset == 11808);
static_assert(kRecentSavePathsOffset == 15808);
static_assert(kSettingsFileSize == 19808);
static_assert(kFolderModeOffset + 1 == kProfileSize);

// Always kSettingsFileSize bytes. A text too long for its array is cut to
// leave room for the NUL, never inside a surrogate pair.
QByteArray EncodeSettings(const SettingsRecord& record);

// Reads as much of the layout as bytes holds; the rest stays zero. A text
// without its NUL ends at the end of its own array.
SettingsRecord DecodeSettings(const QByteArray& bytes);

} // namespace phodex
