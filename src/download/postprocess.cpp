// SPDX-License-Identifier: MIT
#include "download/postprocess.h"

#include "download/picturetype.h"
#include "text/codepage.h"

#include <QDateTime>
#include <QFile>
#include <QSaveFile>

namespace phodex {

namespace {

constexpr qint64 kOrderStepSeconds = 60;

bool SetFileTimes(const QString& path, const QDateTime& time) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly))
        return false;
    const bool modified = file.setFileTime(time, QFileDevice::FileModificationTime);
    const bool accessed = file.setFileTime(time, QFileDevice::FileAccessTime);
    return modified && accessed;
}

} // namespace

bool WriteDownloadList(const QString& path, const QStringList& urls) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray bytes;
    for (const QString& url : urls)
        bytes += ToGbk(url) + "\r\n";
    return file.write(bytes) == bytes.size() && file.commit();
}

void FixPictureFormats(CDownList& list, const QString& defaultExt) {
    for (QString& name : list.names) {
        QString path = list.folder + name;
        if (!QFile::exists(path))
            continue;
        FixPictureType(path, defaultExt);
        name = path.mid(path.lastIndexOf(u'/') + 1);
    }
}

void FixPictureOrder(const CDownList& list, qint64 nowSeconds) {
    for (qsizetype i = 0; i < list.names.size(); ++i) {
        const QDateTime time = QDateTime::fromSecsSinceEpoch(nowSeconds - kOrderStepSeconds * i);
        SetFileTimes(list.folder + list.names.at(i), time);
    }
}

} // namespace phodex
