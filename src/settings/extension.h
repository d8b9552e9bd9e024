// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <cstdint>

// The expert switches of the optional, hand-edited INI file in the work
// folder, read afresh at the start of every list and download job.
namespace phodex {

inline constexpr char16_t kExtensionIniName[] = u"下载器扩展设置.ini";

// Page-text character-set bits a charset text selects.
constexpr std::uint8_t kIniCharsetAnsi = 0x00;
constexpr std::uint8_t kIniCharsetUtf8 = 0x02;
constexpr std::uint8_t kIniCharsetBig5 = 0x08;
constexpr std::uint8_t kIniCharsetAuto = 0x10;

struct ExtensionSettings {
    std::uint8_t qzoneV2Charset = kIniCharsetAnsi; // QQ Zone album list, older interface
    std::uint8_t qzoneV3Charset = kIniCharsetAnsi; // QQ Zone album list, newer interface
    int qzoneTitleMode = 1;     // 1: title from the name, else from the description first
    int qzoneLargePictures = 0; // non-zero: the "url" address instead of "raw"
    int moodListMode = 0;       // 123 lifts the five-page limit of shuoshuo listing
    bool taobaoPriceInName = false;
    int taobaoBig5 = 0;        // 1: Taobao pages are Big5
    int taobaoPriceDelta = 0;  // added to the price put in picture names
    int jdVariantPictures = 1; // 1: also walk the product's variants

    friend bool operator==(const ExtensionSettings&, const ExtensionSettings&) = default;
};

// The charset bits a "V2编码"/"V3编码" value selects by its start, compared
// case-sensitively; an unknown value selects ANSI.
std::uint8_t IniCharsetBits(const QString& value);

// Updates settings from the INI file in workDir. Without the file only the two
// charsets and the two price settings are reset; the other fields keep what
// an earlier read left in them.
void ReadExtensionSettings(const QString& workDir, ExtensionSettings& settings);

} // namespace phodex
