// SPDX-License-Identifier: MIT
#include "net/netlog.h"

Q_LOGGING_CATEGORY(lcNet, "phodex.net", QtWarningMsg)
