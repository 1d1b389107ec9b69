// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// The one way every output of the window and of funcurve-cli reaches a file (pictures, point
// copies, printed lines, PDF, CSV), so that a full disk or a size limit never costs the user
// the file that was there.
namespace shell {

// Whether writing into an existing named pipe waits for its reader (as a shell redirection
// does) or fails at once with the system's reason (a window must never hang on one).
enum class PipeOpen { WaitForReader, FailWithoutReader };

// Writes bytes to path. An existing file that is not a regular file (a device, a named pipe)
// is opened and written into, never replaced or created. Otherwise the file, or the final
// target of a chain of symbolic links, is replaced only once the new contents are wholly on
// disk (every byte written, synced and closed): until then the old file stays untouched, and
// after a failure it is still there. Returns the system's reason of a failure ("No space left
// on device", "File too large", ...), or an empty string.
QString WriteOutputFile(const QString& path, const QByteArray& bytes,
                        PipeOpen pipeOpen = PipeOpen::WaitForReader);

// Writes all bytes to an open descriptor, going on after short writes and interruptions; the
// system's reason when a write fails or makes no progress, else an empty string.
QString WriteAllBytes(int descriptor, const QByteArray& bytes);

// The system's text of an errno value, in the locale's encoding.
QString SystemReason(int errorNumber);

}  // namespace shell
