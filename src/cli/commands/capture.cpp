// SPDX-License-Identifier: MIT
// Only in a program built with the browser: the command needs its engine.
#ifdef PHODEX_CLI_BROWSER
#include "cli/clibrowser.h"
#include "cli/commands/commandlist.h"
#include "cli/context.h"
#include "cli/exitcode.h"
#include "cli/netsetup.h"
#include "cli/output.h"

namespace phodex::cli {
namespace {

// As the window's page capture: up to 20 s for some page text.
constexpr int kCaptureMs = 20000;

int runCapture(CliContext& context) {
    QString error;
    if (!setUpNetwork(context, error)) {
        printError(error);
        return kExitUsage;
    }
    const QString address = context.args.first();
    const QString text = MakeCliBrowser(context)->capturePageText(address, kCaptureMs);
    if (text.isEmpty()) {
        printError(QStringLiteral("no page text from %1").arg(address));
        return kExitNothing;
    }
    printLine(text);
    return kExitOk;
}

} // namespace

const Command kCaptureCommand = {
    "capture",
    "URL",
    "loads URL in the embedded browser; prints the page's body (inner HTML) once its scripts ran",
    1,
    1,
    {},
    runCapture};

} // namespace phodex::cli
#endif
