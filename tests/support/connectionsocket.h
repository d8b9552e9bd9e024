// SPDX-License-Identifier: MIT
#pragma once

// Reaching the socket behind a request, for the fault routes the HTTP library
// has no call for (a reset, noticing that the client left).
namespace phodex::test {

// The descriptor of this process's TCP socket bound to local port `localPort`
// and connected to peer port `peerPort` on the loopback; -1 when none.
int findConnectionSocket(int localPort, int peerPort);
// Aborts the connection with a TCP reset; the descriptor stays open (its owner
// still closes it) but is no longer connected.
void resetConnection(int fd);
// Shuts down every connection this process accepted on `localPort`, which
// wakes a server worker that waits for the next request on a kept-alive one.
void shutdownConnections(int localPort);
// True when the peer has closed or reset its side of the connection.
bool peerHasLeft(int fd);

} // namespace phodex::test
