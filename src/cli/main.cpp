// SPDX-License-Identifier: MIT
#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::fputs("usage: phodex-cli [options] COMMAND [ARGS]\n", stdout);
    return 0;
}
