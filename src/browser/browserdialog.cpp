// SPDX-License-Identifier: MIT
#include "browser/browserdialog.h"

#include "browser/addressbar.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

namespace phodex {

BrowserDialog::BrowserDialog(BrowserEnvironment& env, QWidget* owner, const QString& caption)
    : QDialog(owner), m_bar(new AddressBar(this)), m_area(new QWidget(this)),
      m_browser(new CWebBrowser(env, this)) {
    setWindowTitle(caption);
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint);
    setSizeGripEnabled(true);
    auto* column = new QVBoxLayout(this);
    column->addWidget(m_bar);
    column->addWidget(m_area, 1);
    auto* area = new QVBoxLayout(m_area);
    area->setContentsMargins(0, 0, 0, 0);
    resize(1000, 700);
}

BrowserDialog::~BrowserDialog() {
    // The browser goes before the window it is shown in.
    delete m_browser;
}

void BrowserDialog::startBrowser(CWebBrowser::Notice created) {
    m_browser->createAsync(m_area, m_area->rect(), std::move(created));
}

void BrowserDialog::centreOnOwner() {
    QRect over;
    if (const QWidget* owner = parentWidget())
        over = owner->window()->frameGeometry();
    else if (const QScreen* screen = QGuiApplication::primaryScreen())
        over = screen->availableGeometry();
    if (!over.isEmpty())
        move(over.center() - rect().center());
}

} // namespace phodex
