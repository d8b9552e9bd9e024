// SPDX-License-Identifier: MIT
#include "text/codepage.h"

namespace phodex {
namespace {

// Continuation bytes a lead byte announces, or -1 for a byte that cannot
// start a sequence. Looser than a decoder on purpose: the old five- and
// six-byte forms still count, 0xFE/0xFF announce four, and overlong forms
// pass. The test only sorts pages into UTF-8 and GBK, and sorts them as it
// always has.
int continuationsAfter(unsigned char lead) {
    if (lead < 0x80) {
        return 0;
    }
    if (lead < 0xC0) {
        return -1;
    }
    if (lead < 0xE0) {
        return 1;
    }
    if (lead < 0xF0) {
        return 2;
    }
    if (lead < 0xF8) {
        return 3;
    }
    if (lead < 0xFC) {
        return 4;
    }
    if (lead < 0xFE) {
        return 5;
    }
    return 4;
}

} // namespace

// Pure ASCII answers false on purpose: it then goes the GBK way, which
// gives the same text.
bool IsUtf8(const QByteArray& bytes) {
    int pending = 0;
    bool sawHighByte = false;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80) {
            sawHighByte = true;
        }
        if (pending > 0) {
            if (byte < 0x80 || byte > 0xBF) {
                return false;
            }
            --pending;
            continue;
        }
        pending = continuationsAfter(byte);
        if (pending < 0) {
            return false;
        }
    }
    return pending == 0 && sawHighByte;
}

} // namespace phodex
