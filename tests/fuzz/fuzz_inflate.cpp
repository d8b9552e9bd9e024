// SPDX-License-Identifier: MIT
// Compressed replies: truncated, corrupt, or inflating without end.
#include "fuzzinput.h"
#include "net/inflate.h"
#include "net/urlrequest.h"

using namespace phodex;
using phodex::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QByteArray out("kept");
    const InflateResult result = InflateChecked(bytes, out);
    Check(out.startsWith("kept"), "inflate lost what the output held");
    Check(out.size() <= kMaxMemoryBody + 4, "inflate passed the memory limit");
    if (result == InflateResult::TooLarge)
        Check(out == "kept", "a refused stream still changed the output");
    return 0;
}
