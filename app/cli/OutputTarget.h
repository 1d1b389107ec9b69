#pragma once

#include <QByteArray>
#include <QString>
#include <string>

// Where an output of `funcurve-cli render` goes, written so that scripts can rely on it.
namespace cli::render {

// Writes bytes to path: "-" and any path naming the program's standard output or error
// (/dev/stdout, /proc/self/fd/1, the file stdout is appended to) go through that stream; an
// existing file that is not a regular file (a device, a named pipe) is opened and written
// into, never replaced; otherwise the file, or the final target of a symbolic link, is
// replaced once its new contents are complete. Returns the reason of a failure, or an empty
// string.
QString WriteTarget(const std::string& path, const QByteArray& bytes);

}  // namespace cli::render
