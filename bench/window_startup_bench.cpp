// SPDX-License-Identifier: MIT
// window_startup_bench [--runs N] [--idle-ms MS]: starts the window N times as
// `phodex` does (offscreen unless QT_QPA_PLATFORM says otherwise, in a fresh
// work folder) and times each start from the process's launch to the window's
// "ready"; then, after MS of idling, sums the resident memory of the window's
// whole process tree. Prints each run and the medians.
#include "app/phodexapp.h"
#include "support/processtree.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kGiveUpMs = 60000;

// The window itself: says "ready" on stdout and ends when stdin closes.
int RunWindow(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("phodex"));
    QSocketNotifier input(0, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [] { QApplication::quit(); });
    phodex::CPhodexApp program;
    program.setOnReady([](phodex::CPhodexDlg&) {
        std::fputs("ready\n", stdout);
        std::fflush(stdout);
    });
    return program.run(QApplication::arguments().mid(2));
}

struct Run {
    qint64 readyMs = -1;
    int browsersAtReady = 0;
    qint64 idleKb = 0;
    int idleProcesses = 0;
    int idleBrowsers = 0;
};

int Browsers(const std::vector<phodex::test::ProcessInfo>& tree) {
    return int(std::count_if(tree.begin(), tree.end(), phodex::test::IsBrowserProcess));
}

bool StartOnce(const QString& self, int idleMs, Run& run) {
    QTemporaryDir work;
    QProcess window;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!environment.contains(QStringLiteral("QT_QPA_PLATFORM")))
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    window.setProcessEnvironment(environment);
    window.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    window.start(self, {QStringLiteral("--window"), QStringLiteral("--work-dir"), work.path()});
    QByteArray said;
    while (!said.contains("ready\n") && !clock.hasExpired(kGiveUpMs) &&
           window.state() != QProcess::NotRunning) {
        window.waitForReadyRead(100);
        said += window.readAllStandardOutput();
    }
    if (!said.contains("ready\n")) {
        window.kill();
        window.waitForFinished();
        return false;
    }
    run.readyMs = clock.elapsed();
    const int pid = int(window.processId());
    run.browsersAtReady = Browsers(phodex::test::ProcessTree(pid));
    // Idle is the state measured; nothing here waits for anything else.
    QThread::msleep(idleMs);
    const auto tree = phodex::test::ProcessTree(pid);
    for (const auto& process : tree)
        run.idleKb += process.residentKb;
    run.idleProcesses = int(tree.size());
    run.idleBrowsers = Browsers(tree);
    window.closeWriteChannel();
    if (!window.waitForFinished(kGiveUpMs))
        window.kill();
    return true;
}

template <class T> T Median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && qstrcmp(argv[1], "--window") == 0)
        return RunWindow(argc, argv);
    int runs = 10;
    int idleMs = 3000;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (qstrcmp(argv[i], "--runs") == 0)
            runs = std::max(1, atoi(argv[i + 1]));
        else if (qstrcmp(argv[i], "--idle-ms") == 0)
            idleMs = std::max(0, atoi(argv[i + 1]));
    }
    QCoreApplication app(argc, argv);
    std::vector<qint64> readyMs, idleKb;
    int mostBrowsers = 0;
    for (int i = 0; i < runs; ++i) {
        Run run;
        if (!StartOnce(QCoreApplication::applicationFilePath(), idleMs, run)) {
            std::fprintf(stderr, "run %d: the window did not get ready\n", i + 1);
            return 1;
        }
        std::printf("run %2d  ready %5lld ms  browser processes at ready %d  idle after %d ms: "
                    "%3d processes (%d browser) %7.1f MB resident\n",
                    i + 1, run.readyMs, run.browsersAtReady, idleMs, run.idleProcesses,
                    run.idleBrowsers, run.idleKb / 1024.0);
        readyMs.push_back(run.readyMs);
        idleKb.push_back(run.idleKb);
        mostBrowsers = std::max({mostBrowsers, run.browsersAtReady, run.idleBrowsers});
    }
    std::printf("median of %d: ready %lld ms, idle process tree %.1f MB resident, "
                "browser processes at most %d\n",
                runs, Median(readyMs), Median(idleKb) / 1024.0, mostBrowsers);
    return 0;
}
