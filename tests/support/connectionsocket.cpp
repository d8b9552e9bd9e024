// SPDX-License-Identifier: MIT
#include "support/connectionsocket.h"

#include <arpa/inet.h>
#include <dirent.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>

#include <cstdlib>

namespace phodex::test {

namespace {

int portOf(const sockaddr_storage& address) {
    if (address.ss_family == AF_INET)
        return ntohs(reinterpret_cast<const sockaddr_in&>(address).sin_port);
    if (address.ss_family == AF_INET6)
        return ntohs(reinterpret_cast<const sockaddr_in6&>(address).sin6_port);
    return -1;
}

// Ports of a connected socket, or nothing for any other descriptor.
bool portsOf(int fd, int& localPort, int& peerPort) {
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISSOCK(info.st_mode))
        return false;
    sockaddr_storage local{};
    sockaddr_storage peer{};
    socklen_t localSize = sizeof local;
    socklen_t peerSize = sizeof peer;
    if (getsockname(fd, reinterpret_cast<sockaddr*>(&local), &localSize) != 0 ||
        getpeername(fd, reinterpret_cast<sockaddr*>(&peer), &peerSize) != 0)
        return false;
    localPort = portOf(local);
    peerPort = portOf(peer);
    return true;
}

// Calls `visit` with every descriptor of the process and its ports.
template <typename Visit> void forEachConnection(Visit visit) {
    DIR* dir = opendir("/proc/self/fd");
    if (!dir)
        return;
    while (dirent* entry = readdir(dir)) {
        char* end = nullptr;
        const long fd = std::strtol(entry->d_name, &end, 10);
        int local = -1;
        int peer = -1;
        if (end == entry->d_name || *end != '\0' || fd == dirfd(dir) ||
            !portsOf(int(fd), local, peer))
            continue;
        if (!visit(int(fd), local, peer))
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
