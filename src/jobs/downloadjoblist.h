// SPDX-License-Identifier: MIT
#pragma once

#include "core/downlist.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Downloading a plain address list, such as the list-only option writes for
// an external download manager.
namespace phodex {

// One address per line; the file may be GBK (as the list-only option writes
// it) or UTF-8, with CR LF or LF line ends. Blank lines are skipped.
QStringList ReadAddressList(const QByteArray& bytes);

// The download list of addresses into folder (ending with "/"): each picture
// is named after the last part of its address, made unique in the list
// without regard to letter case.
CDownList MakeAddressDownload(const QStringList& addresses, const QString& folder);

} // namespace phodex
