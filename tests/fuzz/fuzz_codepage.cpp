// SPDX-License-Identifier: MIT
// Page bytes in whatever code page a site claims, and the page-text path
// that inflates, cuts and decodes them.
#include "fuzzinput.h"
#include "net/pagetext.h"
#include "text/codepage.h"

using namespace phodex;
using phodex::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput input(data, size);
    const int flags = input.byte();
    const bool gzip = input.byte() & 1;
    const QByteArray startMarker = input.shortBytes();
    const QByteArray endMarker = input.shortBytes();
    const QByteArray bytes = input.rest();

    const bool utf8 = IsUtf8(bytes);
    if (utf8) {
        // Valid UTF-8 must decode as itself, up to the first NUL.
        const QByteArray upToNul =
            bytes.left(bytes.indexOf('\0') < 0 ? bytes.size() : bytes.indexOf('\0'));
        Check(DecodeBytes(kCodePageUtf8, bytes) == QString::fromUtf8(upToNul),
              "valid UTF-8 decoded to other text");
    }
    for (const int codePage : {kCodePageGbk, kCodePageBig5, kCodePageEucKr})
        DecodeBytes(codePage, bytes);
    const QString gbkText = DecodeBytes(kCodePageGbk, bytes);
    ToGbk(gbkText);

    CUrlResponse response;
    response.body = bytes;
    response.gzip = gzip;
    response.startMarker = startMarker;
    response.endMarker = endMarker;
    GetText(response, flags & 0x3F);
    return 0;
}
