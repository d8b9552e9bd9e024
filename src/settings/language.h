// SPDX-License-Identifier: MIT
#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// The language the programs speak. Chinese is the language the texts are
// written in; English comes from the translation built into the programs.
namespace phodex {

enum class Language { Chinese, English };

// "zh" or "en" (as --lang takes them); nothing for any other text.
std::optional<Language> ParseLanguage(const QString& code);
QString LanguageCode(Language language);

// Chinese for a zh* desktop language, English for every other one.
Language LanguageOfLocale(const QLocale& locale);

// The choice the window's help menu made for its next start, kept in the work
// folder; nothing when none was made or the file is unreadable.
std::optional<Language> SavedLanguage(const QString& workDir);
bool SaveLanguage(const QString& workDir, Language language);

// The first that is given: the command line's choice, the saved one, the
// desktop's.
Language PickLanguage(std::optional<Language> option, std::optional<Language> saved,
                      const QLocale& desktop = QLocale::system());

// Makes the running application speak language: the program's texts and Qt's
// own (dialog buttons, the file and folder pickers). Replaces what an earlier
// call installed.
void UseLanguage(Language language);
// What UseLanguage made the application speak; Chinese before any call.
Language CurrentLanguage();

} // namespace phodex
