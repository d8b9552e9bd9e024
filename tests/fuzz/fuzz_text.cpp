// SPDX-License-Identifier: MIT
// The slicing operations and escapes every scraper runs on strangers' pages.
#include "fuzzinput.h"
#include "text/escapes.h"
#include "text/markers.h"

#include <QStringList>

using namespace phodex;
using phodex::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput input(data, size);
    const int flags = input.byte() & (kConsume | kKeepRemainder);
    const QString start = input.shortText();
    const QString end = input.shortText();
    const QString page = input.restText();

    QString text = page;
    const QString between = GetBetween(text, start, end, flags);
    Check(between.size() <= page.size(), "GetBetween returned more than the page");
    Check(text.size() <= page.size(), "GetBetween grew the page");
    Check(page.contains(between), "GetBetween returned text not on the page");

    text = page;
    const qsizetype skipped = SkipTo(text, start, flags & 1);
    Check(skipped < 0 || text.size() <= page.size(), "SkipTo grew the page");
    text = page;
    CutAt(text, end);
    Check(page.startsWith(text), "CutAt kept more than a prefix");
    Check(page.startsWith(TextBefore(page, start)), "TextBefore is not a prefix");

    CountOf(page, start);
    QStringList parts;
    const int count = SplitBy(page, start, parts);
    // The count is of separators: n of them cut the text into n + 1 parts.
    Check(count == 0 ? parts.isEmpty() : parts.size() == count + 1,
          "SplitBy count and parts differ");
    Check(count == 0 || parts.join(start) == page, "SplitBy parts do not make the text");
    Check(StripTags(page).size() <= page.size(), "StripTags grew the text");
    AllDigits(start);

    text = page;
    DecodeEntities(text);
    UnescapeUnicode(page);
    UrlDecodeUtf8(page);
    text = page;
    ReplaceList(text, start, end);
    return 0;
}
