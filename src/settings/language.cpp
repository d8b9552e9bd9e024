// SPDX-License-Identifier: MIT
#include "settings/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QSaveFile>
#include <QTranslator>

#include <memory>
#include <vector>

namespace phodex {
namespace {

constexpr char kLanguageFileName[] = "language.txt";

QString LanguageFile(const QString& workDir) {
    return QDir(workDir).filePath(QLatin1String(kLanguageFileName));
}

// The translators UseLanguage installed last, so a second call can take them
// away again.
Language g_current = Language::Chinese;

std::vector<std::unique_ptr<QTranslator>>& Installed() {
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

void Install(const QString& file, const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(file, folder) && QCoreApplication::installTranslator(translator.get()))
        Installed().push_back(std::move(translator));
}

} // namespace

std::optional<Language> ParseLanguage(const QString& code) {
    if (code == QLatin1String("zh"))
        return Language::Chinese;
    if (code == QLatin1String("en"))
        return Language::English;
    return std::nullopt;
}

QString LanguageCode(Language language) {
    return language == Language::Chinese ? QStringLiteral("zh") : QStringLiteral("en");
}

Language LanguageOfLocale(const QLocale& locale) {
    const QStringList languages = locale.uiLanguages();
    const QString first = languages.isEmpty() ? locale.name() : languages.first();
    return first.startsWith(QLatin1String("zh")) ? Language::Chinese : Language::English;
}

std::optional<Language> SavedLanguage(const QString& workDir) {
    QFile file(LanguageFile(workDir));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return ParseLanguage(QString::fromLatin1(file.read(16)).trimmed());
}

bool SaveLanguage(const QString& workDir, Language language) {
    QSaveFile file(LanguageFile(workDir));
    return file.open(QIODevice::WriteOnly) &&
           file.write(LanguageCode(language).toLatin1() + '\n') > 0 && file.commit();
}

Language PickLanguage(std::optional<Language> option, std::optional<Language> saved,
                      const QLocale& desktop) {
    if (option)
        return *option;
    if (saved)
        return *saved;
    return LanguageOfLocale(desktop);
}

Language CurrentLanguage() {
    return g_current;
}

void UseLanguage(Language language) {
    for (const auto& translator : Installed())
        QCoreApplication::removeTranslator(translator.get());
    Installed().clear();
    g_current = language;
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (language == Language::Chinese) {
        // The program's texts are Chinese already; only Qt's own need it.
        Install(QStringLiteral("qtbase_zh_CN"), qtFolder);
        return;
    }
    Install(QStringLiteral("phodex_en"), QStringLiteral(":/i18n"));
    Install(QStringLiteral("qtbase_en"), qtFolder);
}

} // namespace phodex
