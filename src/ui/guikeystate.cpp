// SPDX-License-Identifier: MIT
#include "ui/guikeystate.h"

#include <QGuiApplication>
#include <QInputEvent>
#include <QKeyEvent>
#include <QThread>

namespace phodex {

GuiKeyState::GuiKeyState() {
    if (qApp)
        qApp->installEventFilter(this);
}

bool GuiKeyState::ctrlHeld() const {
    if (qApp && QThread::currentThread() == qApp->thread())
        return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier);
    return m_ctrl.load();
}

bool GuiKeyState::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        // Platforms differ in whether the Ctrl key's own events carry its modifier.
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Control) {
            m_ctrl = event->type() == QEvent::KeyPress;
            break;
        }
        m_ctrl = static_cast<QInputEvent*>(event)->modifiers().testFlag(Qt::ControlModifier);
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
        m_ctrl = static_cast<QInputEvent*>(event)->modifiers().testFlag(Qt::ControlModifier);
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace phodex
