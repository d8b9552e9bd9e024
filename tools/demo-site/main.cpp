// SPDX-License-Identifier: MIT
// phodex-demo-site: a QQ Zone space on loopback for trying Phodex without an
// account. It writes the options phodex-cli needs to reach it (one per line)
// to the file given, then serves until it is interrupted or terminated.
#include "demoalbums.h"
#include "support/fakesite.h"
#include "support/testtls.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <csignal>
#include <cstdio>

namespace {

// The options that send phodex-cli's requests here and trust the site's CA.
QByteArray CliOptions(const phodex::test::FakeSite& site) {
    QByteArray lines;
    for (const QString& rule : site.connectToRules())
        lines += "--connect-to\n" + rule.toUtf8() + '\n';
    return lines + "--cacert\n" + phodex::test::testCaFile().toUtf8() + '\n';
}

bool WriteAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2 || args.size() > 3) {
        std::fputs("usage: phodex-demo-site OPTIONS-FILE [PICTURE-DIR]\n", stderr);
        return 1;
    }
    const QString pictures = args.size() == 3 ? args[2] : QStringLiteral(PHODEX_DEMO_PICTURES);
    // The servers' threads must not take the signals: the main thread waits for them.
    sigset_t stop;
    sigemptyset(&stop);
    sigaddset(&stop, SIGINT);
    sigaddset(&stop, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stop, nullptr);

    phodex::test::FakeSite site;
    phodex::demo::ServeDemoQzone(site, pictures);
    if (!WriteAtomically(args[1], CliOptions(site))) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(args[1]));
        return 1;
    }
    std::fprintf(stderr, "demo QQ Zone site on 127.0.0.1:%d (https), QQ number %s\n",
                 site.httpsPort(), phodex::demo::kDemoOwner);
    int signal = 0;
    sigwait(&stop, &signal);
    return 0;
}
