// SPDX-License-Identifier: MIT
#include "jobs/downloadjobmarker.h"

#include "download/worker.h"

#include <QFile>
#include <QSaveFile>
#include <QtEndian>

namespace phodex {

namespace {

// A marker holds one address; anything much longer is not one of ours.
constexpr qint64 kMaxMarkerBytes = 64 * 1024;

QString MarkerPath(const QString& folder) {
    return folder + QLatin1String(kAlbumMarkerFileName);
}

} // namespace

QString ReadAlbumMarker(const QString& folder) {
    QFile file(MarkerPath(folder));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const QByteArray bytes = file.read(kMaxMarkerBytes);
    QString text(bytes.size() / 2, Qt::Uninitialized);
    qFromLittleEndian<quint16>(bytes.constData(), text.size(), text.data());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == u'\r' || text.at(i) == u'\n')
            return text.left(i);
    }
    return text;
}

bool WriteAlbumMarker(const QString& folder, const QString& address) {
    const QString primary = PrimaryAddress(address);
    QSaveFile file(MarkerPath(folder));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray bytes(2 * primary.size(), Qt::Uninitialized);
    qToLittleEndian<quint16>(primary.utf16(), primary.size(), bytes.data());
    return file.write(bytes) == bytes.size() && file.commit();
}

} // namespace phodex
