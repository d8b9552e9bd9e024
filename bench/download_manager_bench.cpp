// SPDX-License-Identifier: MIT
// The download manager against a loopback picture server that answers every
// picture after a fixed delay: wall time against pictures x delay / threads,
// peak memory as the number of pictures grows, and the same list fetched by
// wget2 and aria2c (when installed) with as many parallel downloads.
//
//   download_manager_bench [--pictures N] [--size BYTES] [--delay-ms MS]
//                          [--threads 5,15] [--no-compare] [--serve-only]
#include "core/seams/jobobserver.h"
#include "core/session.h"
#include "download/manager.h"
#include "net/netconfig.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>

#include <httplib.h>

#include <arpa/inet.h>
#include <csignal>
#include <cstdio>
#include <netinet/in.h>
#include <string>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

struct Options {
    int pictures = 1000;
    int size = 30 * 1024;
    int delayMs = 20;
    std::vector<int> threads{5, 15};
    bool compare = true;
    bool serveOnly = false;
};

Options ParseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : "";
        if (arg == "--pictures")
            options.pictures = std::atoi(value), ++i;
        else if (arg == "--size")
            options.size = std::atoi(value), ++i;
        else if (arg == "--delay-ms")
            options.delayMs = std::atoi(value), ++i;
        else if (arg == "--threads") {
            options.threads.clear();
            for (const QString& t : QString::fromLatin1(value).split(u','))
                options.threads.push_back(t.toInt());
            ++i;
        } else if (arg == "--no-compare")
            options.compare = false;
        else if (arg == "--serve-only")
            options.serveOnly = true;
    }
    return options;
}

// The HTTP library listens with a backlog of 5: fifteen clients connecting at
// once would see dropped handshakes and a one-second retransmit that is no
// part of what is measured. Listening again on the same socket widens it.
void WidenListenBacklog(int port) {
    for (int fd = 3; fd < 1024; ++fd) {
        sockaddr_in address{};
        socklen_t length = sizeof address;
        int listening = 0;
        socklen_t flagLength = sizeof listening;
        if (getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0 &&
            address.sin_family == AF_INET && ntohs(address.sin_port) == port &&
            getsockopt(fd, SOL_SOCKET, SO_ACCEPTCONN, &listening, &flagLength) == 0 && listening)
            listen(fd, 256);
    }
}

// The server lives in a child process, so that the figures of this process
// are the downloader's alone. Returns the child's pid; port is its HTTP port.
pid_t StartServer(const Options& options, int& port) {
    int fds[2];
    if (pipe(fds) != 0)
        return -1;
    const pid_t pid = fork();
    if (pid != 0) {
        close(fds[1]);
        if (read(fds[0], &port, sizeof port) != sizeof port)
            port = -1;
        close(fds[0]);
        return pid;
    }
    close(fds[0]);
    httplib::Server server;
    // Without it every reply waits for the client's delayed acknowledgement.
    server.set_tcp_nodelay(true);
    server.new_task_queue = [] { return new httplib::ThreadPool(64); };
    const std::string body(size_t(options.size), 'p');
    const int delayMs = options.delayMs;
    server.Get("/p/.*", [&body, delayMs](const httplib::Request&, httplib::Response& res) {
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
        res.set_content(body, "image/jpeg");
    });
    const int serverPort = server.bind_to_any_port("127.0.0.1");
    WidenListenBacklog(serverPort);
    if (write(fds[1], &serverPort, sizeof serverPort) != sizeof serverPort)
        _exit(1);
    close(fds[1]);
    server.listen_after_bind();
    _exit(0);
}

QStringList Addresses(int port, int count) {
    QStringList urls;
    for (int i = 0; i < count; ++i)
        urls << QStringLiteral("http://127.0.0.1:%1/p/%2.jpg").arg(port).arg(i);
    return urls;
}

long MaxRssKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

qint64 CpuMs(const rusage& usage) {
    return (qint64(usage.ru_utime.tv_sec) + usage.ru_stime.tv_sec) * 1000 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000;
}

qint64 OwnCpuMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return CpuMs(usage);
}

int CountFiles(const QString& path) {
    return int(QDir(path).entryList(QDir::Files).size());
}

void Report(const char* who, int pictures, int threads, qint64 wallMs, double idealMs, qint64 cpuMs,
            long rssKb, int files) {
    std::printf("%-8s pictures=%5d threads=%2d wall=%6lld ms ideal=%6.0f ms ratio=%5.3f "
                "cpu=%5lld ms maxrss=%6ld KB files=%d\n",
                who, pictures, threads, static_cast<long long>(wallMs), idealMs,
                double(wallMs) / idealMs, static_cast<long long>(cpuMs), rssKb, files);
    std::fflush(stdout);
}

void RunManager(const Options& options, int port, int pictures, int threads) {
    QTemporaryDir dir;
    phodex::CDownList list;
    list.folder = dir.path() + u'/';
    list.urls = Addresses(port, pictures);
    for (int i = 0; i < pictures; ++i)
        list.names << QStringLiteral("%1.jpg").arg(i);
    phodex::DownloadParams params;
    params.threads = std::uint16_t(threads);
    params.timeoutSeconds = 30;
    phodex::Session session;
    phodex::NullJobObserver observer;
    QElapsedTimer timer;
    timer.start();
    const qint64 cpuBefore = OwnCpuMs();
    phodex::DownloadManager(list, params, session, observer);
    Report("phodex", pictures, threads, timer.elapsed(),
           double(pictures) * options.delayMs / threads, OwnCpuMs() - cpuBefore, MaxRssKb(),
           CountFiles(dir.path()));
}

// Runs an external downloader and reports its wall time and peak memory.
void RunTool(const char* who, const QStringList& arguments, const QString& into, int pictures,
             int threads, double idealMs) {
    QElapsedTimer timer;
    timer.start();
    const pid_t pid = fork();
    if (pid == 0) {
        std::vector<QByteArray> bytes;
        for (const QString& a : arguments)
            bytes.push_back(a.toLocal8Bit());
        std::vector<char*> argv;
        for (QByteArray& b : bytes)
            argv.push_back(b.data());
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    Report(who, pictures, threads, timer.elapsed(), idealMs, CpuMs(usage), usage.ru_maxrss,
           CountFiles(into));
}

void Compare(const Options& options, int port, int threads) {
    QTemporaryDir dir;
    const QString listPath = dir.filePath(QStringLiteral("list.txt"));
    QFile list(listPath);
    if (!list.open(QIODevice::WriteOnly))
        return;
    list.write(Addresses(port, options.pictures).join(u'\n').toUtf8() + '\n');
    list.close();
    const double ideal = double(options.pictures) * options.delayMs / threads;
    const QString t = QString::number(threads);
    if (!QStandardPaths::findExecutable(QStringLiteral("wget2")).isEmpty()) {
        const QString into = dir.filePath(QStringLiteral("wget2"));
        RunTool("wget2",
                {"wget2", "-q", "--no-robots", "--max-threads=" + t, "-i", listPath, "-P", into},
                into, options.pictures, threads, ideal);
    }
    if (!QStandardPaths::findExecutable(QStringLiteral("aria2c")).isEmpty()) {
        const QString into = dir.filePath(QStringLiteral("aria2c"));
        RunTool("aria2c",
                {"aria2c", "--quiet=true", "-j", t, "-x", "1", "--file-allocation=none",
                 "--auto-file-renaming=false", "-i", listPath, "-d", into},
                into, options.pictures, threads, ideal);
    }
}

} // namespace

int main(int argc, char** argv) {
    const Options options = ParseOptions(argc, argv);
    int port = -1;
    const pid_t server = StartServer(options, port);
    if (server < 0 || port <= 0) {
        std::fprintf(stderr, "cannot start the picture server\n");
        return 1;
    }
    if (options.serveOnly) {
        std::printf("serving http://127.0.0.1:%d/p/N.jpg; Ctrl-C ends\n", port);
        std::fflush(stdout);
        waitpid(server, nullptr, 0);
        return 0;
    }
    phodex::NetConfig config;
    config.proxy = QString();
    phodex::setNetConfig(config);
    std::printf("%d pictures of %d bytes, each answered after %d ms\n", options.pictures,
                options.size, options.delayMs);
    for (const int threads : options.threads) {
        RunManager(options, port, options.pictures, threads);
        if (options.compare)
            Compare(options, port, threads);
    }
    // Peak memory as the list grows: it should stay flat.
    for (const int pictures : {options.pictures / 4, options.pictures, options.pictures * 2})
        RunManager(options, port, pictures, options.threads.back());
    kill(server, SIGTERM);
    waitpid(server, nullptr, 0);
    return 0;
}
