// SPDX-License-Identifier: MIT
#include "settings/record.h"

#include "settings/defaults.h"
#include "settings/recordformat.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <algorithm>

namespace phodex {
namespace {

QString SettingsPath(const QString& workDir) {
    return QDir(workDir).filePath(QString::fromLatin1(kSettingsFileName));
}

} // namespace

bool LoadSettings(const QString& workDir, SettingsRecord& record) {
    QFile file(SettingsPath(workDir));
    const bool firstRun = !file.open(QIODevice::ReadOnly);
    record = firstRun ? SettingsRecord{} : DecodeSettings(file.read(kSettingsFileSize));
    file.close();

    RepairDownloadParams(record);
    if (firstRun)
        ApplyFirstRunDefaults(record);
    return SaveSettings(workDir, record);
}

bool SaveSettings(const QString& workDir, const SettingsRecord& record) {
    // Written beside the old file and renamed over it, so an interrupted
    // write leaves the previous settings whole.
    QSaveFile file(SettingsPath(workDir));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = EncodeSettings(record);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool PushRecent(SettingsRecord& record, RecentList list, const QString& text) {
    // An empty text would read back as a free slot and leave a hole.
    if (text.isEmpty() || text.size() >= kRecentTextUnits)
        return false;
    RecentTexts& recent = record.Recent(list);
    const bool known = std::any_of(recent.begin(), recent.end(), [&](const QString& stored) {
        return stored.compare(text, Qt::CaseInsensitive) == 0;
    });
    if (known)
        return false;
    std::move_backward(recent.begin(), recent.end() - 1, recent.end());
    recent.front() = text;
    return true;
}

QStringList RecentEntries(const SettingsRecord& record, RecentList list) {
    QStringList entries;
    for (const QString& text : record.Recent(list)) {
        if (!text.isEmpty())
            entries.append(text);
    }
    return entries;
}

} // namespace phodex
