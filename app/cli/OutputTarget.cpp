// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/OutputTarget.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "shell/OutputFile.h"

namespace cli::render {
namespace {

bool IsSameFile(const struct stat& file, int descriptor) {
    struct stat stream {};
    return ::fstat(descriptor, &stream) == 0 && stream.st_dev == file.st_dev &&
           stream.st_ino == file.st_ino;
}

// The stream a path stands for: "-", or any name of the program's standard output or error
// (/dev/stdout, /proc/self/fd/1, the file stdout is appended to); none for other files.
std::FILE* StreamOf(const std::string& path) {
    if (path == "-") return stdout;
    struct stat file {};
    if (::stat(path.c_str(), &file) != 0) return nullptr;
    if (IsSameFile(file, STDOUT_FILENO)) return stdout;
    if (IsSameFile(file, STDERR_FILENO)) return stderr;
    return nullptr;
}

// Writes and flushes; what the stream already holds stays before it.
QString WriteStream(std::FILE* stream, const QByteArray& bytes) {
    const size_t size = size_t(bytes.size());
    if (std::fwrite(bytes.constData(), 1, size, stream) != size || std::fflush(stream) != 0)
        return shell::SystemReason(errno);
    return {};
}

}  // namespace

bool NamesStandardOutput(const std::string& path) {
    return StreamOf(path) == stdout;
}

QString WriteTarget(const std::string& path, const QByteArray& bytes) {
    // Through the stream, so that "--formula /dev/stdout >> log.txt" appends to the log.
    if (std::FILE* stream = StreamOf(path)) return WriteStream(stream, bytes);
    return shell::WriteOutputFile(QString::fromStdString(path), bytes);
}

}  // namespace cli::render
