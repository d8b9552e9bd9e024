// SPDX-License-Identifier: MIT
#include "ui/historycombo.h"

#include <QCompleter>
#include <QLineEdit>
#include <QStringListModel>

namespace phodex {

HistoryCombo::HistoryCombo(QWidget* parent)
    : QComboBox(parent), m_completions(new QStringListModel(this)) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(20);
    auto* completer = new QCompleter(m_completions, this);
    completer->setCaseSensitivity(Qt::CaseSensitive);
    completer->setFilterMode(Qt::MatchContains);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    setCompleter(completer);
}

void HistoryCombo::setHistory(const QStringList& texts) {
    const QString typed = currentText();
    m_history = texts;
    clear();
    addItems(texts);
    m_completions->setStringList(texts);
    setEditText(typed);
}

void HistoryCombo::appendHistory(const QString& text) {
    setHistory(m_history + QStringList{text});
}

void HistoryCombo::setText(const QString& text) {
    setEditText(text);
}

} // namespace phodex
