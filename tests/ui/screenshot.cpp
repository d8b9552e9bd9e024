// SPDX-License-Identifier: MIT
// phodex-screenshot OUT.png ADDRESS [phodex options]: starts the window as
// `phodex` does, lists ADDRESS, ticks a few albums and saves a picture of the
// window. scripts/screenshot runs it under Xvfb against the demo site.
#include "app/phodexapp.h"
#include "ui/albumgrid.h"
#include "ui/commandids.h"
#include "ui/phodexdlg.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <cstdio>

namespace {

constexpr int kGiveUpMs = 60000;

bool Listed(phodex::CPhodexDlg& window) {
    auto* getList = qobject_cast<QPushButton*>(window.control(phodex::Control::GetList));
    return window.session().listState.load() == phodex::kListIdle &&
           !window.session().albums.isEmpty() &&
           getList->text() == QCoreApplication::translate("phodex::CPhodexDlg", "获取相册") &&
           window.grid()->albums().rowCount() > 0;
}

QPixmap Capture(QWidget& window) {
    // The real screen when there is one (Xvfb), else the widget's own rendering.
    const QRect frame = window.frameGeometry();
    if (QScreen* screen = window.screen()) {
        const QPixmap shot =
            screen->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
        if (!shot.isNull())
            return shot;
    }
    return window.grab();
}

void Shoot(phodex::CPhodexDlg& window, const QString& address, const QString& out) {
    qobject_cast<QComboBox*>(window.control(phodex::Control::Address))->setEditText(address);
    window.pressGetList();
    auto* poll = new QTimer(&window);
    QElapsedTimer clock;
    clock.start();
    QObject::connect(poll, &QTimer::timeout, &window, [&window, poll, clock, out] {
        if (clock.hasExpired(kGiveUpMs)) {
            std::fprintf(stderr, "the listing did not finish\n");
            QApplication::exit(1);
            return;
        }
        if (!Listed(window))
            return;
        poll->stop();
        phodex::AlbumGridModel& model = window.grid()->albums();
        for (int row : {0, 2})
            window.grid()->selectionModel()->select(
                model.index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        // Let the window paint its last state before it is captured.
        QTimer::singleShot(800, &window, [&window, out] {
            const bool saved = Capture(window).save(out, "PNG");
            if (!saved)
                std::fprintf(stderr, "cannot write %s\n", qPrintable(out));
            QApplication::exit(saved ? 0 : 1);
        });
    });
    poll->start(100);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("phodex"));
    const QStringList args = QApplication::arguments().mid(1);
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: phodex-screenshot OUT.png ADDRESS [phodex options]\n");
        return 1;
    }
    phodex::CPhodexApp phodex;
    phodex.setOnReady([&](phodex::CPhodexDlg& window) { Shoot(window, args[1], args[0]); });
    return phodex.run(args.mid(2));
}
