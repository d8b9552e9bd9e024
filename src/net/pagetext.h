// SPDX-License-Identifier: MIT
#pragma once

#include "net/urlrequest.h"

#include <QString>

// A fetched body as page text: inflated, cut at the request's markers,
// decoded from its character set, with the common entities decoded.
namespace phodex {

enum TextFlag : int {
    kTextInflate = 0x01,    // inflate the body when the reply is gzip
    kTextUtf8 = 0x02,       // UTF-8
    kTextEucKr = 0x04,      // code page 51949
    kTextBig5 = 0x08,       // code page 950
    kTextUtf8OrGbk = 0x10,  // UTF-8 when the bytes are valid UTF-8, else GBK
    kTextGbkPastNul = 0x20, // on "charset=GBK" pages keep the text after NUL bytes
};

// Never fails: undecodable bytes give the best text the conversion makes. A
// compressed body that would inflate beyond the memory limit gives "".
// Clears `response.gzip` when the body turns out not to be compressed.
QString GetText(CUrlResponse& response, int flags);

} // namespace phodex
