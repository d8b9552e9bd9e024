// SPDX-License-Identifier: MIT
#include "cli/commands/commandlist.h"
#include "cli/context.h"
#include "cli/exitcode.h"
#include "cli/output.h"
#include "download/postprocessoptions.h"
#include "settings/record.h"

#include <QCoreApplication>

#include <array>

namespace phodex::cli {
namespace {

// The naming dialog keeps 38 characters of each text.
constexpr int kDialogTextChars = kProfileTextUnits - 2;
constexpr char kBadParameters[] = QT_TRANSLATE_NOOP("phodex::Cli", "参数错误");

struct NumberField {
    const char* name;
    std::uint16_t DownloadParams::*member;
};
constexpr std::array kNumberFields = {
    NumberField{"threads", &DownloadParams::threads},
    NumberField{"timeout", &DownloadParams::timeoutSeconds},
    NumberField{"min-size", &DownloadParams::minSizeKb},
    NumberField{"max-size", &DownloadParams::maxSizeKb},
};

struct TextField {
    const char* name;
    QString NamingProfile::*member;
};
constexpr std::array kTextFields = {
    TextField{"file-prefix", &NamingProfile::filePrefix},
    TextField{"file-suffix", &NamingProfile::fileSuffix},
    TextField{"replace-from", &NamingProfile::replaceFrom},
    TextField{"replace-to", &NamingProfile::replaceTo},
    TextField{"folder-prefix", &NamingProfile::folderPrefix},
    TextField{"folder-suffix", &NamingProfile::folderSuffix},
};

struct OptionName {
    const char* name;
    std::uint16_t flag;
};
constexpr std::array kOptionNames = {
    OptionName{"fix-format", kOptionFixFormat},
    OptionName{"fix-order", kOptionFixOrder},
    OptionName{"title-file", kOptionTitleFile},
    OptionName{"list-only", kOptionListOnly},
    OptionName{"open-folder", kOptionOpenFolder},
    OptionName{"main-pictures-only", kOptionMainPicturesOnly},
    OptionName{"skip-previous", kOptionSkipPrevious},
    OptionName{"yupoo-large", kOptionYupooLarge},
    OptionName{"description-pictures-only", kOptionDescriptionPicturesOnly},
};

constexpr std::array kNameBases = {"description", "number", "address"};
constexpr std::array kFolderModes = {"album", "none"};

QString NameBaseText(NameBase base) {
    const auto index = size_t(base);
    return index < kNameBases.size() ? QLatin1String(kNameBases[index])
                                     : QString::number(int(base));
}

QString FolderModeText(FolderMode mode) {
    return QLatin1String(mode == FolderMode::PerAlbum ? kFolderModes[0] : kFolderModes[1]);
}

void PrintSettings(const DownloadParams& params, const NamingProfile& profile, Category site) {
    for (const NumberField& field : kNumberFields)
        printLine(QStringLiteral("%1=%2").arg(QLatin1String(field.name)).arg(params.*field.member));
    for (const TextField& field : kTextFields)
        printLine(QLatin1String(field.name) + u'=' + profile.*field.member);
    printLine(QStringLiteral("name-base=") + NameBaseText(profile.nameBase));
    printLine(QStringLiteral("folder-mode=") + FolderModeText(profile.folderMode));
    for (const OptionName& option : kOptionNames) {
        if (IsOptionOffered(option.flag, site))
            printLine(QLatin1String(option.name) +
                      QLatin1String(profile.HasOption(option.flag) ? "=on" : "=off"));
    }
}

// The dialog's text fields: a longer text is cut, never a character in half.
QString DialogText(const QString& text) {
    QString cut = text.left(kDialogTextChars);
    if (!cut.isEmpty() && cut.back().isHighSurrogate())
        cut.chop(1);
    return cut;
}

template <size_t N> int IndexOf(const std::array<const char*, N>& names, const QString& value) {
    for (size_t i = 0; i < N; ++i) {
        if (value == QLatin1String(names[i]))
            return int(i);
    }
    return -1;
}

bool SetNumber(const QString& name, const QString& value, DownloadParams& params, QString& error) {
    for (const NumberField& field : kNumberFields) {
        if (name != QLatin1String(field.name))
            continue;
        bool ok = false;
        const uint number = value.toUInt(&ok);
        if (!ok || number > 0xFFFF)
            error = QCoreApplication::translate("phodex::Cli", kBadParameters);
        else
            params.*field.member = std::uint16_t(number);
        return true;
    }
    return false;
}

bool SetText(const QString& name, const QString& value, NamingProfile& profile) {
    for (const TextField& field : kTextFields) {
        if (name == QLatin1String(field.name)) {
            profile.*field.member = DialogText(value);
            return true;
        }
    }
    return false;
}

// An option goes on or off as its menu item would switch it, so the two shop
// options still exclude each other.
bool SetOption(const QString& name, const QString& value, Category site, NamingProfile& profile,
               QString& error) {
    for (const OptionName& option : kOptionNames) {
        if (name != QLatin1String(option.name))
            continue;
        if (value != u"on" && value != u"off")
            error = QStringLiteral("%1 is on or off, not '%2'").arg(name, value);
        else if (!IsOptionOffered(option.flag, site))
            error = QStringLiteral("%1 is not offered for category %2")
                        .arg(name)
                        .arg(categoryIndex(site));
        else if (profile.HasOption(option.flag) != (value == u"on"))
            profile.optionFlags = ToggleOption(profile.optionFlags, option.flag);
        return true;
    }
    return false;
}

bool SetChoice(const QString& name, const QString& value, NamingProfile& profile, QString& error) {
    if (name == u"name-base") {
        const int index = IndexOf(kNameBases, value);
        if (index < 0)
            error = QStringLiteral("name-base is description, number or address");
        else
            profile.nameBase = NameBase(index);
        return true;
    }
    if (name == u"folder-mode") {
        const int index = IndexOf(kFolderModes, value);
        if (index < 0)
            error = QStringLiteral("folder-mode is album or none");
        else
            profile.folderMode = FolderMode(index);
        return true;
    }
    return false;
}

// One NAME=VALUE; error says what was wrong with it.
void Apply(const QString& assignment, Category site, DownloadParams& params, NamingProfile& profile,
           QString& error) {
    const qsizetype equals = assignment.indexOf(u'=');
    if (equals <= 0) {
        error = QStringLiteral("'%1' is not NAME=VALUE").arg(assignment);
        return;
    }
    const QString name = assignment.left(equals);
    const QString value = assignment.mid(equals + 1);
    if (!SetNumber(name, value, params, error) && !SetText(name, value, profile) &&
        !SetOption(name, value, site, profile, error) && !SetChoice(name, value, profile, error))
        error = QStringLiteral("unknown setting '%1'").arg(name);
}

// The download dialog's check, on the values as they would be stored.
bool ValidParams(const DownloadParams& params) {
    return params.threads >= kMinThreads && params.threads <= kMaxThreads &&
           params.timeoutSeconds >= kMinTimeoutSeconds;
}

int RunSettings(CliContext& context) {
    const Category site = context.site;
    DownloadParams params = context.settings.downloadFor(site);
    NamingProfile profile = context.settings.profileFor(site);
    for (const QString& assignment : context.args) {
        QString error;
        Apply(assignment, site, params, profile, error);
        if (!error.isEmpty()) {
            printError(error);
            return kExitUsage;
        }
    }
    if (!context.args.isEmpty()) {
        if (!ValidParams(params)) {
            printError(QCoreApplication::translate("phodex::Cli", kBadParameters));
            return kExitUsage;
        }
        context.settings.downloadFor(site) = params;
        context.settings.profileFor(site) = profile;
        if (!SaveSettings(context.workDir, context.settings)) {
            printError(QStringLiteral("cannot write the settings file in %1").arg(context.workDir));
            return kExitUsage;
        }
    }
    PrintSettings(params, profile, site);
    return kExitOk;
}

} // namespace

const Command kSettingsCommand = {
    "settings",
    "[NAME=VALUE ...]",
    "prints the download parameters, naming profile and options of the category --site; "
    "assignments change them with the checks of the settings dialogs and save them",
    0,
    64,
    {},
    RunSettings};

} // namespace phodex::cli
