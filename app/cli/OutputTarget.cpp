#include "cli/OutputTarget.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

namespace cli::render {
namespace {

enum class Target { StandardOutput, StandardError, InPlace, Replaced };

bool IsSameFile(const struct stat& file, int descriptor) {
    struct stat stream {};
    return ::fstat(descriptor, &stream) == 0 && stream.st_dev == file.st_dev &&
           stream.st_ino == file.st_ino;
}

// How the path is written. A path that cannot be examined is treated as a new file; the
// attempt to create it then says why it fails.
Target Classify(const std::string& path) {
    if (path == "-") return Target::StandardOutput;
    struct stat file {};
    if (::stat(path.c_str(), &file) != 0) return Target::Replaced;
    // Through the stream, so that "--formula /dev/stdout >> log.txt" appends to the log.
    if (IsSameFile(file, STDOUT_FILENO)) return Target::StandardOutput;
    if (IsSameFile(file, STDERR_FILENO)) return Target::StandardError;
    return S_ISREG(file.st_mode) ? Target::Replaced : Target::InPlace;
}

QString LastSystemError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Writes and flushes; what the stream already holds (the status caption) stays before it.
QString WriteStream(std::FILE* stream, const QByteArray& bytes) {
    const size_t size = size_t(bytes.size());
    if (std::fwrite(bytes.constData(), 1, size, stream) != size || std::fflush(stream) != 0)
        return LastSystemError();
    return {};
}

// Opens an existing device or named pipe without creating or truncating anything; a named
// pipe waits here for its reader, as a shell redirection does.
QString WriteInPlace(const std::string& path, const QByteArray& bytes) {
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) return LastSystemError();
    QString failure;
    for (qsizetype done = 0; done < bytes.size() && failure.isEmpty();) {
        const ssize_t written =
            ::write(descriptor, bytes.constData() + done, size_t(bytes.size() - done));
        if (written > 0) {
            done += written;
        } else if (written == 0 || errno != EINTR) {  // never spin on a stuck device
            failure = LastSystemError();
        }
    }
    if (::close(descriptor) != 0 && failure.isEmpty()) failure = LastSystemError();
    return failure;
}

// The file a chain of symbolic links ends at (the path itself when it is no link), so that
// the link stays and its target receives the new contents; none for a loop of links.
std::optional<QString> FinalTarget(const std::string& path) {
    QFileInfo file(QString::fromStdString(path));
    for (int depth = 0; depth < 40 && file.isSymLink(); ++depth)
        file.setFile(file.symLinkTarget());
    if (file.isSymLink()) return std::nullopt;
    return file.filePath();
}

// A new file beside the target that takes its place only once it is complete.
QString Replace(const std::string& path, const QByteArray& bytes) {
    const auto target = FinalTarget(path);
    if (!target) return QString::fromLocal8Bit(std::strerror(ELOOP));
    QSaveFile file(*target);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return file.errorString();
    return {};
}

}  // namespace

QString WriteTarget(const std::string& path, const QByteArray& bytes) {
    switch (Classify(path)) {
        case Target::StandardOutput:
            return WriteStream(stdout, bytes);
        case Target::StandardError:
            return WriteStream(stderr, bytes);
        case Target::InPlace:
            return WriteInPlace(path, bytes);
        case Target::Replaced:
            break;
    }
    return Replace(path, bytes);
}

}  // namespace cli::render
