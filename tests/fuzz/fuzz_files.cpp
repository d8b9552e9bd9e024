// SPDX-License-Identifier: MIT
// The small files read back from disk: cookies.txt, pic.korvo and address
// lists, the last turned into picture names that must stay in their folder.
#include "core/downlist.h"
#include "fuzzinput.h"
#include "jobs/downloadjoblist.h"
#include "jobs/downloadjobmarker.h"
#include "net/netscapecookies.h"

#include <QFile>
#include <QTemporaryDir>

using namespace phodex;
using phodex::fuzz::Check;

namespace {

void CookieLines(const QByteArray& bytes) {
    for (const QByteArray& line : bytes.split('\n')) {
        const std::optional<QNetworkCookie> cookie = parseNetscapeLine(line);
        if (!cookie)
            continue;
        // A cookie that was read is written so that it reads back the same.
        const std::optional<QNetworkCookie> again = parseNetscapeLine(formatNetscapeLine(*cookie));
        Check(again.has_value(), "a written cookie line does not read back");
        Check(again->name() == cookie->name() && again->value() == cookie->value() &&
                  again->domain() == cookie->domain() && again->path() == cookie->path(),
              "a written cookie line reads back as another cookie");
    }
}

void AlbumMarker(const QByteArray& bytes) {
    static QTemporaryDir folder;
    QFile file(folder.filePath(QString::fromLatin1(kAlbumMarkerFileName)));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    file.write(bytes);
    file.close();
    const QString address = ReadAlbumMarker(folder.path() + QLatin1Char('/'));
    Check(!address.contains(QLatin1Char('\n')), "a marker address holds a line end");
}

void AddressList(const QByteArray& bytes) {
    const QString folder = QStringLiteral("/album/");
    const CDownList list = MakeAddressDownload(ReadAddressList(bytes), folder);
    Check(list.urls.size() == list.names.size(), "addresses and names differ in number");
    for (const QString& name : list.names) {
        Check(!name.isEmpty() && name != QLatin1String(".") && name != QLatin1String(".."),
              "a picture name that is not a file name");
        Check(!name.contains(QLatin1Char('/')) && !name.contains(QChar(0)),
              "a picture name that leaves the album folder");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    CookieLines(bytes);
    AlbumMarker(bytes);
    AddressList(bytes);
    return 0;
}
