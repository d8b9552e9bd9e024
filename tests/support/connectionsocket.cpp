// SPDX-License-Identifier: MIT
#include "support/connectionsocket.h"

#include <dirent.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

namespace phodex::test {

namespace {

// The ports of every TCP socket of the machine by its inode, from the
// kernel's tables. Reading them by path, rather than asking each descriptor,
// never touches a descriptor another thread may be closing at that moment.
std::map<unsigned long, std::pair<int, int>> tcpPortsByInode() {
    std::map<unsigned long, std::pair<int, int>> ports;
    for (const char* table : {"/proc/net/tcp", "/proc/net/tcp6"}) {
        std::ifstream in(table);
        std::string line;
        std::getline(in, line); // the column names
        while (std::getline(in, line)) {
            std::istringstream fields(line);
            std::string slot, local, remote, skip;
            unsigned long inode = 0;
            fields >> slot >> local >> remote;
            for (int i = 0; i < 6; ++i)
                fields >> skip;
            fields >> inode;
            const auto port = [](const std::string& address) {
                const size_t colon = address.rfind(':');
                return colon == std::string::npos
                           ? -1
                           : int(std::strtol(address.c_str() + colon + 1, nullptr, 16));
            };
            if (fields && inode != 0)
                ports[inode] = {port(local), port(remote)};
        }
    }
    return ports;
}

// Calls `visit` with every TCP socket descriptor of the process and its ports.
template <typename Visit> void forEachConnection(Visit visit) {
    const std::map<unsigned long, std::pair<int, int>> ports = tcpPortsByInode();
    DIR* dir = opendir("/proc/self/fd");
    if (!dir)
        return;
    while (dirent* entry = readdir(dir)) {
        char* end = nullptr;
        const long fd = std::strtol(entry->d_name, &end, 10);
        if (end == entry->d_name || *end != '\0')
            continue;
        char target[64] = {};
        const std::string link = std::string("/proc/self/fd/") + entry->d_name;
        const ssize_t size = readlink(link.c_str(), target, sizeof target - 1);
        unsigned long inode = 0;
        if (size <= 0 || std::sscanf(target, "socket:[%lu]", &inode) != 1)
            continue;
        const auto found = ports.find(inode);
        if (found == ports.end())
            continue;
        if (!visit(int(fd), found->second.first, found->second.second))
            break;
    }
    closedir(dir);
}

} // namespace

int findConnectionSocket(int localPort, int peerPort) {
    int found = -1;
    forEachConnection([&](int fd, int local, int peer) {
        if (local == localPort && peer == peerPort)
            found = fd;
        return found < 0;
    });
    return found;
}

void shutdownConnections(int localPort) {
    forEachConnection([&](int fd, int local, int) {
        if (local == localPort)
            shutdown(fd, SHUT_RDWR);
        return true;
    });
}

void resetConnection(int fd) {
    // A close would end with the owner's orderly shutdown (FIN) first; on Linux,
    // disconnecting an established socket with AF_UNSPEC sends a reset at once.
    const linger abort{1, 0};
    setsockopt(fd, SOL_SOCKET, SO_LINGER, &abort, sizeof abort);
    sockaddr unspecified{};
    unspecified.sa_family = AF_UNSPEC;
    connect(fd, &unspecified, sizeof unspecified);
}

bool peerHasLeft(int fd) {
    pollfd p{fd, POLLRDHUP, 0};
    if (poll(&p, 1, 0) < 0)
        return true;
    return (p.revents & (POLLRDHUP | POLLHUP | POLLERR | POLLNVAL)) != 0;
}

} // namespace phodex::test
