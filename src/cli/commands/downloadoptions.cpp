// SPDX-License-Identifier: MIT
#include "cli/commands/downloadoptions.h"

#include "cli/context.h"

#include <algorithm>

namespace phodex::cli {

bool SaveFolderFor(const CliContext& context, QString& folder, QString& error) {
    folder = context.options.value(QStringLiteral("save"), context.settings.recentSavePaths.front())
                 .trimmed();
    if (folder.isEmpty()) {
        error = QStringLiteral("no save folder: give --save DIR");
        return false;
    }
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return true;
}

bool DownloadParamsFor(const CliContext& context, DownloadParams& params, QString& error) {
    params = context.settings.downloadFor(context.site);
    if (!context.options.has(QStringLiteral("threads")))
        return true;
    const QString text = context.options.value(QStringLiteral("threads"));
    bool ok = false;
    const int threads = text.toInt(&ok);
    if (!ok || threads < kMinThreads || threads > kMaxThreads) {
        error = QStringLiteral("option '--threads' wants a number from %1 to %2, not '%3'")
                    .arg(kMinThreads)
                    .arg(kMaxThreads)
                    .arg(text);
        return false;
    }
    params.threads = std::uint16_t(threads);
    return true;
}

namespace {

// "N" or "N-M", 1-based and within count.
bool ParseRange(const QString& part, int count, int& first, int& last) {
    const QStringList ends = part.split(u'-');
    bool okFirst = false;
    bool okLast = false;
    first = ends.first().trimmed().toInt(&okFirst);
    last = ends.size() == 2 ? ends.last().trimmed().toInt(&okLast) : first;
    okLast = ends.size() == 1 || okLast;
    return ends.size() <= 2 && okFirst && okLast && first >= 1 && first <= last && last <= count;
}

} // namespace

bool AlbumIndicesFor(const QString& choice, int count, std::vector<int>& indices, QString& error) {
    indices.clear();
    if (choice.trimmed() == u"all") {
        for (int i = 0; i < count; ++i)
            indices.push_back(i);
        return true;
    }
    for (const QString& part : choice.split(u',')) {
        int first = 0;
        int last = 0;
        if (!ParseRange(part, count, first, last)) {
            error = QStringLiteral("--albums: '%1' is not an album number or range from 1 to %2")
                        .arg(part)
                        .arg(count);
            return false;
        }
        for (int n = first; n <= last; ++n) {
            if (std::find(indices.begin(), indices.end(), n - 1) == indices.end())
                indices.push_back(n - 1);
        }
    }
    return true;
}

} // namespace phodex::cli
