// SPDX-License-Identifier: MIT
#pragma once

#include "net/netconfig.h"
#include "settings/language.h"

#include <QString>
#include <QStringList>

namespace phodex {

// The few options of the window program: where its files live, and how the
// request engine reaches the sites (a loopback demo site, a test CA).
struct AppOptions {
    QString workDir;
    NetConfig net;
    bool help = false;    // -h, --help: print AppUsageText() and end
    bool version = false; // --version
    std::optional<Language> language; // --lang; else the saved choice or the desktop's
};

// arguments without the program name; false with error (one line) on an
// unknown option, a missing value or an argument.
bool ParseAppOptions(const QStringList& arguments, AppOptions& options, QString& error);

// What `phodex --help` prints, ending with a line break.
QString AppUsageText();

} // namespace phodex
