// SPDX-License-Identifier: MIT
#pragma once

#include <QLoggingCategory>

// Diagnostics of the web layer: debug output only, never shown to the user.
Q_DECLARE_LOGGING_CATEGORY(lcNet)
