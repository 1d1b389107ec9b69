#pragma once

#include <QString>

// An interrupted render (Ctrl-C, kill, a closed pipe) must not leave its private point file
// behind in the temporary folder.
namespace cli::render {

// Until disarmed, a SIGINT, SIGTERM, SIGHUP or SIGPIPE first removes the folder (and the file
// named to it), then ends the program as the signal would have.
void ArmInterruptCleanup(const QString& folder);
// The one file the folder may hold by then.
void SetInterruptCleanupFile(const QString& file);
void DisarmInterruptCleanup();

}  // namespace cli::render
