// SPDX-License-Identifier: MIT
#pragma once

#include "settings/record.h"

#include <QDialog>

class QButtonGroup;
class QLabel;
class QLineEdit;

namespace phodex {

class DialogPrompt;

// The naming profile of one category: file-name prefix and suffix, what files
// are named after, a replacement rule, the album folder's prefix and suffix
// and whether albums get folders at all.
class CDlgSaveSet final : public QDialog {
    Q_OBJECT
public:
    // Texts longer than this are cut when confirmed.
    static constexpr int kMaxTextChars = 38;

    CDlgSaveSet(const NamingProfile& profile, DialogPrompt& prompt, QWidget* parent = nullptr);

    // The confirmed profile; its option bits are never touched here.
    const NamingProfile& profile() const { return m_profile; }

    QLineEdit* filePrefixEdit() const { return m_filePrefix; }
    QLineEdit* fileSuffixEdit() const { return m_fileSuffix; }
    QLineEdit* replaceFromEdit() const { return m_replaceFrom; }
    QLineEdit* replaceToEdit() const { return m_replaceTo; }
    QLineEdit* folderPrefixEdit() const { return m_folderPrefix; }
    QLineEdit* folderSuffixEdit() const { return m_folderSuffix; }
    QButtonGroup* nameBaseGroup() const { return m_nameBase; }
    QButtonGroup* folderModeGroup() const { return m_folderMode; }
    QLabel* helpLink() const { return m_help; }

    static QString HelpText();

private:
    QWidget* fileGroup();
    QWidget* replaceRow();
    QWidget* folderGroup();
    void confirm();

    NamingProfile m_profile;
    DialogPrompt& m_prompt;
    QLineEdit* m_filePrefix;
    QLineEdit* m_fileSuffix;
    QLineEdit* m_replaceFrom;
    QLineEdit* m_replaceTo;
    QLineEdit* m_folderPrefix;
    QLineEdit* m_folderSuffix;
    QButtonGroup* m_nameBase;
    QButtonGroup* m_folderMode;
    QLabel* m_help;
};

} // namespace phodex
