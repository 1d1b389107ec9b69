// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <signal.h>

#include <QString>

// An interrupted render (Ctrl-C, kill, a closed pipe, a timer, a size limit) must not leave its
// private point file behind in the temporary folder.
namespace cli::render {

// Until disarmed, a terminating signal (SIGINT, SIGTERM, SIGHUP, SIGPIPE, SIGQUIT, SIGUSR1,
// SIGALRM, SIGXFSZ, ...) first removes the folder (and the file
// named to it), then ends the program as the signal would have.
void ArmInterruptCleanup(const QString& folder);
// The one file the folder may hold by then.
void SetInterruptCleanupFile(const QString& file);
void DisarmInterruptCleanup();
// The set of those signals.
sigset_t TerminatingSignals();

}  // namespace cli::render
