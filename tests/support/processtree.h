// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <vector>

// A process and the processes it started, and theirs, as /proc shows them now.
namespace phodex::test {

struct ProcessInfo {
    int pid = 0;
    QString name;          // as the kernel keeps it: at most 15 characters
    qint64 residentKb = 0; // VmRSS
};

// The root first; empty when the root is gone.
std::vector<ProcessInfo> ProcessTree(int root);
// Chromium's helper processes, which the browser's engine starts.
bool IsBrowserProcess(const ProcessInfo& process);

} // namespace phodex::test
