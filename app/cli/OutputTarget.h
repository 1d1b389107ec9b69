// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <string>

// Where an output of `funcurve-cli render` goes, written so that scripts can rely on it.
namespace cli::render {

// Writes bytes to path: "-" and any path naming the program's standard output or error
// (/dev/stdout, /proc/self/fd/1, the file stdout is appended to) go through that stream;
// every other path is written as the window writes its files (shell::WriteOutputFile): a
// device or named pipe is written into, a regular file replaced only once complete. Returns
// the system's reason of a failure, or an empty string.
QString WriteTarget(const std::string& path, const QByteArray& bytes);

// Whether path is "-" or another name of the program's standard output.
bool NamesStandardOutput(const std::string& path);

}  // namespace cli::render
