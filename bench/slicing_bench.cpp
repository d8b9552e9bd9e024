// SPDX-License-Identifier: MIT
// Walks album pages of growing size item by item with GetBetween(..., kConsume)
// and prints the processor time per MB (2^20 characters of page text), which
// must stay flat as the page grows. For the smaller pages it also times a walk
// that copies the rest of the page on each cut, to show what a quadratic walk
// looks like on the same machine.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

#include <QString>

#include "text/markers.h"

using phodex::GetBetween;
using phodex::kConsume;

namespace {

constexpr qsizetype kMiB = 1024 * 1024;

// About 210 characters, so that a 4 MB page holds about 20,000 items.
QString makeItem(int index) {
    const QString id = QString::number(100000 + index);
    return QStringLiteral("<li class=\"album\" data-id=\"") + id +
           QStringLiteral("\"><a href=\"https://photo.example.com/album/") + id +
           QStringLiteral("\" title=\"相册 ") + id + QStringLiteral("\"><img src=\"/cover/") + id +
           QStringLiteral(".jpg\"></a><b>春天的相册 ") + id +
           QStringLiteral("</b><span class=\"count\">") + QString::number(index % 500) +
           QStringLiteral("</span><em>2023-04-01</em></li>\n");
}

QString makePage(qsizetype chars, int& items) {
    QString page = QStringLiteral("<html><body><ul class=\"albums\">\n");
    page.reserve(chars + 512);
    items = 0;
    while (page.size() < chars) {
        page += makeItem(items++);
    }
    page += QStringLiteral("</ul></body></html>");
    return page;
}

// The idiom of the list adapters: one consuming read per field, until the
// item marker is no longer found.
int walk(QString& page) {
    int found = 0;
    while (
        !GetBetween(page, QStringLiteral("data-id=\""), QStringLiteral("\""), kConsume).isEmpty()) {
        GetBetween(page, QStringLiteral("title=\""), QStringLiteral("\""), kConsume);
        GetBetween(page, QStringLiteral("<b>"), QStringLiteral("</b>"), kConsume);
        GetBetween(page, QStringLiteral("\"count\">"), QStringLiteral("<"), kConsume);
        ++found;
    }
    return found;
}

// The walk a copying cut gives: one cut per item, each copying what is left
// of the page.
int walkCopying(QString& page) {
    const QString marker = QStringLiteral("data-id=\"");
    int found = 0;
    for (qsizetype at = page.indexOf(marker); at >= 0; at = page.indexOf(marker)) {
        page = page.mid(at + marker.size());
        ++found;
    }
    return found;
}

// Processor time of this thread: on a busy machine a walk of tens of
// milliseconds is nearly always interrupted, and wall time would count the
// other programs' share.
double threadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// A page just copied sits in the processor's cache, more of it the smaller it
// is; pushing it out before each round makes every size start cold.
void evictCaches() {
    static std::vector<char> junk(64 * kMiB);
    for (std::size_t i = 0; i < junk.size(); i += 64) {
        junk[i] = char(junk[i] + 1);
    }
}

// The fastest of several rounds, so that other work on the machine shows as
// little as possible. Each round walks its own unshared copy of the page, as
// an adapter walks the text GetText gave it; making the copy is not timed.
double bestMs(const QString& page, int (*run)(QString&), int expected, int minRounds) {
    double best = 1e300;
    double total = 0;
    for (int round = 0; round < minRounds || (total < 300 && round < 50); ++round) {
        QString copy = page;
        copy.detach();
        evictCaches();
        const double begin = threadCpuMs();
        const int found = run(copy);
        const double ms = threadCpuMs() - begin;
        if (found != expected) {
            std::fprintf(stderr, "walk found %d items, expected %d\n", found, expected);
            std::exit(1);
        }
        best = std::min(best, ms);
        total += ms;
    }
    return best;
}

} // namespace

int main() {
    std::printf("%8s %8s %10s %10s %14s %16s\n", "MB", "items", "ms", "ms/MB", "copying ms",
                "copying ms/MB");
    for (const double mb : {0.5, 1.0, 2.0, 4.0, 8.0}) {
        int items = 0;
        const QString page = makePage(qsizetype(mb * kMiB), items);
        const double ms = bestMs(page, walk, items, 5);
        std::printf("%8.1f %8d %10.2f %10.2f", mb, items, ms, ms / mb);
        if (mb <= 2.0) {
            const double copying = bestMs(page, walkCopying, items, 1);
            std::printf(" %14.1f %16.1f\n", copying, copying / mb);
        } else {
            std::printf(" %14s %16s\n", "-", "-");
        }
    }
    return 0;
}
