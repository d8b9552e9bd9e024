// SPDX-License-Identifier: MIT
#include "settings/recordformat.h"

#include "settings/fixedtext.h"

#include <QtEndian>

namespace phodex {
namespace {

// The six profile texts in their stored order.
template <typename Profile> auto ProfileTexts(Profile& p) {
    return std::array{&p.filePrefix, &p.fileSuffix,   &p.replaceFrom,
                      &p.replaceTo,  &p.folderPrefix, &p.folderSuffix};
}

void EncodeDownload(char* entry, const DownloadParams& d) {
    qToLittleEndian<quint16>(d.minSizeKb, entry + kMinSizeOffset);
    qToLittleEndian<quint16>(d.maxSizeKb, entry + kMaxSizeOffset);
    qToLittleEndian<quint16>(d.threads, entry + kThreadsOffset);
    qToLittleEndian<quint16>(d.timeoutSeconds, entry + kTimeoutOffset);
}

DownloadParams DecodeDownload(const char* entry) {
    DownloadParams d;
    d.minSizeKb = qFromLittleEndian<quint16>(entry + kMinSizeOffset);
    d.maxSizeKb = qFromLittleEndian<quint16>(entry + kMaxSizeOffset);
    d.threads = qFromLittleEndian<quint16>(entry + kThreadsOffset);
    d.timeoutSeconds = qFromLittleEndian<quint16>(entry + kTimeoutOffset);
    return d;
}

void EncodeProfile(char* entry, const NamingProfile& p) {
    int offset = kFilePrefixOffset;
    for (const QString* text : ProfileTexts(p)) {
        WriteFixedText(entry + offset, kProfileTextUnits, *text);
        offset += kProfileTextSize;
    }
    qToLittleEndian<quint16>(p.optionFlags, entry + kOptionFlagsOffset);
    entry[kNameBaseOffset] = static_cast<char>(p.nameBase);
    entry[kFolderModeOffset] = static_cast<char>(p.folderMode);
}

NamingProfile DecodeProfile(const char* entry) {
    NamingProfile p;
    int offset = kFilePrefixOffset;
    for (QString* text : ProfileTexts(p)) {
        *text = ReadFixedText(entry + offset, kProfileTextUnits);
        offset += kProfileTextSize;
    }
    p.optionFlags = qFromLittleEndian<quint16>(entry + kOptionFlagsOffset);
    p.nameBase = static_cast<NameBase>(static_cast<quint8>(entry[kNameBaseOffset]));
    p.folderMode = static_cast<FolderMode>(static_cast<quint8>(entry[kFolderModeOffset]));
    return p;
}

} // namespace

QByteArray EncodeSettings(const SettingsRecord& record) {
    QByteArray bytes(kSettingsFileSize, '\0');
    char* data = bytes.data();
    for (int i = 0; i < kSettingsEntryCount; ++i) {
        EncodeDownload(data + kDownloadAreaOffset + i * kDownloadEntrySize, record.download[i]);
        EncodeProfile(data + kProfileAreaOffset + i * kProfileSize, record.profiles[i]);
    }
    for (int i = 0; i < kRecentCount; ++i) {
        WriteFixedText(data + kRecentAddressesOffset + i * kRecentEntrySize, kRecentTextUnits,
                       record.recentAddresses[i]);
        WriteFixedText(data + kRecentSavePathsOffset + i * kRecentEntrySize, kRecentTextUnits,
                       record.recentSavePaths[i]);
    }
    return bytes;
}

SettingsRecord DecodeSettings(const QByteArray& bytes) {
    // A short file reads as if the missing tail were zeros.
    QByteArray full = bytes.left(kSettingsFileSize);
    full.append(QByteArray(kSettingsFileSize - full.size(), '\0'));
    const char* data = full.constData();

    SettingsRecord record;
    for (int i = 0; i < kSettingsEntryCount; ++i) {
        record.download[i] = DecodeDownload(data + kDownloadAreaOffset + i * kDownloadEntrySize);
        record.profiles[i] = DecodeProfile(data + kProfileAreaOffset + i * kProfileSize);
    }
    for (int i = 0; i < kRecentCount; ++i) {
        record.recentAddresses[i] =
            ReadFixedText(data + kRecentAddressesOffset + i * kRecentEntrySize, kRecentTextUnits);
        record.recentSavePaths[i] =
            ReadFixedText(data + kRecentSavePathsOffset + i * kRecentEntrySize, kRecentTextUnits);
    }
    return record;
}

} // namespace phodex
