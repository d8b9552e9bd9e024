// SPDX-License-Identifier: MIT
#include "browser/addressbar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace phodex {

AddressBar::AddressBar(QWidget* parent)
    : QWidget(parent), m_field(new QLineEdit(this)), m_open(new QPushButton(tr("打开"), this)) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(5);
    row->addWidget(new QLabel(tr("网址："), this));
    row->addWidget(m_field, 1);
    row->addWidget(m_open);
    m_open->setDefault(true);
    connect(m_open, &QPushButton::clicked, this, &AddressBar::openRequested);
}

QString AddressBar::text() const {
    return m_field->text();
}

void AddressBar::setText(const QString& text) {
    m_field->setText(text);
}

} // namespace phodex
