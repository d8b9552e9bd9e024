// SPDX-License-Identifier: MIT
#include "jobs/downloadjoblist.h"

#include "core/webaddress.h"
#include "download/naming.h"
#include "download/picturetype.h"
#include "jobs/addpicture.h"
#include "text/codepage.h"

#include <algorithm>

namespace phodex {

namespace {

// Short GBK texts are often valid UTF-8 too, but then decode to Latin, Greek
// or Cyrillic letters (two-byte sequences); Chinese in UTF-8 takes three.
bool LooksLikeUtf8(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return true;
    if (!IsUtf8(bytes))
        return false;
    const QString text = QString::fromUtf8(bytes);
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() < 0x80 || c.unicode() >= 0x800; });
}

} // namespace

QStringList ReadAddressList(const QByteArray& bytes) {
    const QString text =
        LooksLikeUtf8(bytes) ? QString::fromUtf8(bytes) : DecodeBytes(kCodePageGbk, bytes);
    QStringList addresses;
    for (const QString& line : text.split(u'\n')) {
        QString address = line.trimmed();
        if (address.startsWith(QChar(0xFEFF)))
            address = address.mid(1).trimmed();
        if (!address.isEmpty())
            addresses << address;
    }
    return addresses;
}

CDownList MakeAddressDownload(const QStringList& addresses, const QString& folder) {
    NamingContext naming;
    naming.profile.nameBase = NameBase::Address;
    CDownList list;
    list.folder = folder;
    for (QString url : addresses) {
        url = WithWebScheme(url);
        const PictureName picture =
            MakePictureName(url, QString(), naming, int(list.urls.size()) + 1);
        QString stem = FitPictureName(picture.name);
        const QString ext = SplitPictureExtension(stem);
        list.names << (picture.numbered ? stem + ext : UniquePictureName(stem, ext, list.names));
        list.urls << url;
        list.headers << QString();
    }
    return list;
}

} // namespace phodex
