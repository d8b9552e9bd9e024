// SPDX-License-Identifier: MIT
#include "support/processtree.h"

#include <QDir>
#include <QFile>

#include <map>

namespace phodex::test {
namespace {

QByteArray ReadProcFile(int pid, const char* name) {
    QFile file(QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1String(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The value of a "Key:   value" line of /proc/PID/status.
QByteArray StatusField(const QByteArray& status, const QByteArray& key) {
    for (const QByteArray& line : status.split('\n')) {
        if (line.startsWith(key + ':'))
            return line.mid(key.size() + 1).trimmed();
    }
    return {};
}

} // namespace

std::vector<ProcessInfo> ProcessTree(int root) {
    std::multimap<int, ProcessInfo> byParent;
    ProcessInfo rootInfo;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString& entry : entries) {
        bool number = false;
        const int pid = entry.toInt(&number);
        if (!number)
            continue;
        const QByteArray status = ReadProcFile(pid, "status");
        if (status.isEmpty())
            continue; // gone meanwhile
        ProcessInfo info;
        info.pid = pid;
        info.name = QString::fromUtf8(StatusField(status, "Name"));
        // "123456 kB"; none for a kernel thread or a zombie.
        info.residentKb = StatusField(status, "VmRSS").split(' ').value(0).toLongLong();
        if (pid == root)
            rootInfo = info;
        else
            byParent.emplace(StatusField(status, "PPid").toInt(), info);
    }
    std::vector<ProcessInfo> tree;
    if (rootInfo.pid == 0)
        return tree;
    tree.push_back(rootInfo);
    for (size_t next = 0; next < tree.size(); ++next) {
        const auto [begin, end] = byParent.equal_range(tree[next].pid);
        for (auto child = begin; child != end; ++child)
            tree.push_back(child->second);
    }
    return tree;
}

bool IsBrowserProcess(const ProcessInfo& process) {
    return process.name.startsWith(QLatin1String("QtWebEngineProc"));
}

} // namespace phodex::test
