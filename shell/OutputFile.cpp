// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/OutputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstring>
#include <optional>

namespace shell {
namespace {

// The file a chain of symbolic links ends at (the path itself when it is no link), so that
// the link stays and its target receives the new contents; none for a loop of links.
std::optional<QString> FinalTarget(const QString& path) {
    QFileInfo file(path);
    for (int depth = 0; depth < 40 && file.isSymLink(); ++depth)
        file.setFile(file.symLinkTarget());
    if (file.isSymLink()) return std::nullopt;
    return file.filePath();
}

// Closes the descriptor; the reason of the first failure, earlier ones first.
QString CloseReporting(int descriptor, QString failure) {
    if (::close(descriptor) != 0 && failure.isEmpty()) failure = SystemReason(errno);
    return failure;
}

// Opens an existing device or named pipe without creating or truncating anything.
QString WriteInPlace(const QByteArray& path, const QByteArray& bytes, PipeOpen pipeOpen) {
    const int nonBlocking = pipeOpen == PipeOpen::FailWithoutReader ? O_NONBLOCK : 0;
    const int descriptor = ::open(path.constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC | nonBlocking);
    if (descriptor < 0) return SystemReason(errno);
    // Only the opening must not wait; the writing itself goes at the reader's pace.
    if (nonBlocking != 0) ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
    return CloseReporting(descriptor, WriteAllBytes(descriptor, bytes));
}

// A new file beside the target, not yet visible under its name: ".NAME.XXXXXX".
int CreateSibling(const QString& target, mode_t mode, QByteArray& siblingPath) {
    const QFileInfo info(target);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString name = QStringLiteral(".%1.%2").arg(
            info.fileName(), QString::number(QRandomGenerator::global()->generate(), 36));
        siblingPath = QFile::encodeName(info.dir().filePath(name));
        const int descriptor = ::open(siblingPath.constData(),
                                      O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode);
        if (descriptor >= 0 || errno != EEXIST) return descriptor;
    }
    return -1;
}

// Writes the new contents completely into the sibling, then puts it in the target's place.
QString Replace(const QString& target, const QByteArray& bytes) {
    struct stat old {};
    const bool exists = ::stat(QFile::encodeName(target).constData(), &old) == 0;
    QByteArray sibling;
    const int descriptor = CreateSibling(target, exists ? old.st_mode & 07777 : 0666, sibling);
    if (descriptor < 0) return SystemReason(errno);
    QString failure = WriteAllBytes(descriptor, bytes);
    if (failure.isEmpty() && exists && ::fchmod(descriptor, old.st_mode & 07777) != 0)
        failure = SystemReason(errno);
    // Delayed allocation may only fail here, on a full disk.
    if (failure.isEmpty() && ::fsync(descriptor) != 0) failure = SystemReason(errno);
    failure = CloseReporting(descriptor, failure);
    if (failure.isEmpty() && ::rename(sibling.constData(), QFile::encodeName(target)) != 0)
        failure = SystemReason(errno);
    if (!failure.isEmpty()) ::unlink(sibling.constData());
    return failure;
}

}  // namespace

QString SystemReason(int errorNumber) {
    return QString::fromLocal8Bit(std::strerror(errorNumber));
}

QString WriteAllBytes(int descriptor, const QByteArray& bytes) {
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t written =
            ::write(descriptor, bytes.constData() + done, size_t(bytes.size() - done));
        if (written > 0) {
            done += written;
        } else if (written == 0) {
            return SystemReason(EIO);  // never spin on a stuck device
        } else if (errno != EINTR) {
            return SystemReason(errno);
        }
    }
    return {};
}

QString WriteOutputFile(const QString& path, const QByteArray& bytes, PipeOpen pipeOpen) {
    const auto target = FinalTarget(path);
    if (!target) return SystemReason(ELOOP);
    const QByteArray encoded = QFile::encodeName(*target);
    struct stat file {};
    if (::stat(encoded.constData(), &file) == 0 && !S_ISREG(file.st_mode))
        return WriteInPlace(encoded, bytes, pipeOpen);
    return Replace(*target, bytes);
}

}  // namespace shell
