// SPDX-License-Identifier: MIT
#include "download/picturetype.h"

#include "net/renamenoreplace.h"

#include <QFile>
#include <QFileInfo>

namespace phodex {
namespace {

// Missing bytes count as 0.
unsigned char ByteAt(const QByteArray& head, qsizetype i) {
    return i < head.size() ? static_cast<unsigned char>(head.at(i)) : 0;
}

// TGA, ICO and CUR all start with two zero bytes; the next three tell them apart.
QString DetectZeroLed(unsigned char b2, unsigned char b3, unsigned char b4) {
    if (b3 == 0 && b4 == 0 && (b2 == 0x02 || b2 == 0x10)) {
        return QStringLiteral(".tga");
    }
    if (b3 == 0 && b4 == 1 && b2 == 1) {
        return QStringLiteral(".ico");
    }
    if (b3 == 0 && b4 == 1 && b2 == 2) {
        return QStringLiteral(".cur");
    }
    return QString();
}

// "RIFF", a 4-byte size, "WEBP".
bool IsWebp(const QByteArray& head) {
    return head.startsWith("RIFF") && head.mid(8, 4) == "WEBP";
}

// An ISO media file: a "ftyp" box first, whose brand says what it holds.
// Pictures use the format too (AVIF, HEIF); everything else of it is a video.
bool IsVideo(const QByteArray& head) {
    if (head.mid(4, 4) != "ftyp")
        return false;
    const QByteArray brand = head.mid(8, 4);
    for (const char* picture :
         {"avif", "avis", "heic", "heix", "heim", "heis", "hevc", "hevx", "mif1", "msf1"}) {
        if (brand == picture)
            return false;
    }
    return true;
}

// The position of the extension's dot in path, or -1 when the file name part
// (after the last '/') has none.
qsizetype ExtensionDot(const QString& path) {
    const qsizetype dot = path.lastIndexOf(u'.');
    return dot > path.lastIndexOf(u'/') ? dot : -1;
}

} // namespace

bool HasKnownExtension(const QString& name) {
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot < 0) {
        return false;
    }
    const QString ext = name.mid(dot).toLower();
    for (const char* known : {".jpeg", ".jpg", ".bmp", ".gif", ".png", ".tif", ".mp4"}) {
        if (ext == QLatin1String(known)) {
            return true;
        }
    }
    return false;
}

QString SplitPictureExtension(QString& name) {
    if (!HasKnownExtension(name)) {
        return QLatin1String(kDefaultPictureExtension);
    }
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString ext = name.mid(dot);
    name.truncate(dot);
    return ext;
}

QString DetectPictureExtension(const QByteArray& head) {
    const unsigned char b0 = ByteAt(head, 0);
    const unsigned char b1 = ByteAt(head, 1);
    if (b0 == 0xFF && b1 == 0xD8) {
        return QStringLiteral(".jpg");
    }
    if (b0 == 0x89 && b1 == 0x50) {
        return QStringLiteral(".png");
    }
    if (b0 == 0x47 && b1 == 0x49 && ByteAt(head, 2) == 0x46) {
        return QStringLiteral(".gif");
    }
    if (b0 == 0x42 && b1 == 0x4D) {
        return QStringLiteral(".bmp");
    }
    if (b0 == 0 && b1 == 0) {
        return DetectZeroLed(ByteAt(head, 2), ByteAt(head, 3), ByteAt(head, 4));
    }
    if ((b0 == 0x4D && b1 == 0x4D) || (b0 == 0x49 && b1 == 0x49)) {
        return QStringLiteral(".tiff");
    }
    return IsWebp(head) ? QStringLiteral(".webp") : QString();
}

bool FixPictureType(QString& path, const QString& defaultExt) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray head = file.read(kPictureHeadBytes);
    file.close();
    const QString detected = DetectPictureExtension(head);

    const qsizetype dot = ExtensionDot(path);
    const QString current = dot < 0 ? QString() : path.mid(dot);
    // Content of no known type keeps its name: a picture the fix cannot tell
    // must not become a video file that no viewer opens.
    const QString ext = !detected.isEmpty()                      ? detected
                        : !defaultExt.isEmpty() && IsVideo(head) ? defaultExt
                                                                 : current;
    const QString newPath = (dot < 0 ? path : path.left(dot)) + ext;
    if (newPath == path) {
        return true;
    }
    if (!RenameNoReplace(path, newPath)) {
        return false;
    }
    path = newPath;
    return true;
}

} // namespace phodex
