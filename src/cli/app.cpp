// SPDX-License-Identifier: MIT
#include "cli/app.h"

#include "cli/cmdline.h"
#include "cli/context.h"
#include "cli/exitcode.h"
#include "cli/output.h"
#include "cli/usage.h"
#include "core/catalogue.h"
#include "net/versiontext.h"
#include "settings/language.h"
#include "settings/workfolder.h"

#include <QDir>

namespace phodex::cli {
namespace {

// An integer option within [min, max]; fallback when absent.
bool readNumber(const ParsedOptions& options, const char* name, int min, int max, int fallback,
                int& out, QString& error) {
    const QString key = QLatin1String(name);
    if (!options.has(key)) {
        out = fallback;
        return true;
    }
    bool ok = false;
    out = options.value(key).toInt(&ok);
    if (!ok || out < min || out > max) {
        error = QStringLiteral("option '--%1' wants a number from %2 to %3, not '%4'")
                    .arg(key)
                    .arg(min)
                    .arg(max)
                    .arg(options.value(key));
        return false;
    }
    return true;
}

bool readLanguage(const ParsedOptions& options, QString& error) {
    std::optional<Language> chosen;
    if (options.has(QStringLiteral("lang"))) {
        chosen = ParseLanguage(options.value(QStringLiteral("lang")));
        if (!chosen) {
            error = QStringLiteral("option '--lang' wants zh or en, not '%1'")
                        .arg(options.value(QStringLiteral("lang")));
            return false;
        }
    }
    UseLanguage(PickLanguage(chosen, std::nullopt));
    return true;
}

bool readGlobals(const CommandLine& line, CliContext& context, QString& error) {
    if (!readLanguage(line.options, error))
        return false;
    context.args = line.args;
    context.options = line.options;
    const int lastSubType = static_cast<int>(qqSubTypeEntries().size()) - 1;
    int site = 0;
    if (!readNumber(line.options, "site", 0, kCategoryCount - 1, 0, site, error))
        return false;
    context.site = categoryAt(site);
    return readNumber(line.options, "sub", 0, lastSubType, 0, context.subTypeEntry, error);
}

// Every command works in the work folder and makes the settings record there
// on its first run.
bool setUpWorkFolder(const QString& currentDir, CliContext& context, QString& error) {
    context.workDir =
        PickWorkFolder(currentDir, context.options.value(QStringLiteral("work-dir")), &error);
    if (context.workDir.isEmpty()) {
        return false;
    }
    if (!LoadSettings(context.workDir, context.settings)) {
        error = QStringLiteral("cannot write the settings file %1")
                    .arg(QDir(context.workDir).filePath(QLatin1String(kSettingsFileName)));
        return false;
    }
    return true;
}

} // namespace

int runCli(const QStringList& arguments, const QString& currentDir) {
    CommandLine line;
    QString error;
    if (!parseCommandLine(arguments, line, error)) {
        printError(error);
        return kExitUsage;
    }
    if (line.help) {
        const QString text = usageText(line.command);
        printLine(text.chopped(1)); // the text ends with its own line break
        return kExitOk;
    }
    if (line.version) {
        printLine(VersionText(QStringLiteral("phodex-cli")));
        return kExitOk;
    }
    CliContext context;
    if (!readGlobals(line, context, error) || !setUpWorkFolder(currentDir, context, error)) {
        printError(error);
        return kExitUsage;
    }
    return line.command->run(context);
}

} // namespace phodex::cli
