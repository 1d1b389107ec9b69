// SPDX-License-Identifier: GPL-3.0-or-later
#include "plotter/PointFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "texts/Texts.h"
#include "vbrt/NumberText.h"
#include "vbrt/RegularFile.h"

namespace plotter {
namespace {

// Another name of the same file may be a file of the user's (linked into a folder the
// point file cannot leave): emptying or appending would change it too.
bool HasOtherNames(int fd) {
    struct stat info {};
    return ::fstat(fd, &info) != 0 || info.st_nlink > 1;
}

// path as a regular file of its own, created when missing; a file with other names keeps
// them and its contents, and path becomes a fresh file (-1 when the folder refuses that).
int OpenOwnFile(const std::string& path, int flags) {
    errno = 0;
    const int fd = vbrt::OpenRegularFile(path, flags | O_CREAT | O_NOFOLLOW);
    if (fd < 0 || !HasOtherNames(fd)) return fd;
    ::close(fd);
    if (::unlink(path.c_str()) != 0) return -1;
    return vbrt::OpenRegularFile(path, flags | O_CREAT | O_EXCL | O_NOFOLLOW);
}

}  // namespace

bool DeletePointFile(const std::string& path) {
    if (::unlink(path.c_str()) == 0 || errno == ENOENT) return true;
    const int fd = vbrt::OpenRegularFile(path, O_WRONLY | O_NOFOLLOW);
    if (fd < 0) return false;
    const bool emptied = !HasOtherNames(fd) && ::ftruncate(fd, 0) == 0;
    ::close(fd);
    return emptied;
}

PointFileWriter::PointFileWriter(std::string path, std::string* stopReason,
                                 std::vector<PointFileWriter*>* openFiles, std::size_t blockBytes)
    : path_(std::move(path)),
      stopReason_(stopReason),
      openFiles_(openFiles),
      blockBytes_(blockBytes) {
    if (openFiles_ != nullptr) openFiles_->push_back(this);
}

PointFileWriter::~PointFileWriter() {
    flush();
    if (fd_ >= 0) ::close(fd_);
    if (openFiles_ != nullptr) std::erase(*openFiles_, this);
}

bool PointFileWriter::append(double x, double y) {
    return appendTexts(vbrt::NumberToText(x), vbrt::NumberToText(y));
}

bool PointFileWriter::appendTexts(std::string_view xText, std::string_view yText) {
    if (failed_ || (fd_ < 0 && !open())) return false;
    gathered_ += xText;
    gathered_ += ',';
    gathered_ += yText;
    gathered_ += "\r\n";
    return gathered_.size() < blockBytes_ || flush();
}

// Opened at the first record, so a plot without records leaves no file behind.
bool PointFileWriter::open() {
    fd_ = OpenOwnFile(path_, O_WRONLY | O_APPEND);
    if (fd_ < 0) stop(errno);
    return fd_ >= 0;
}

// error 0: the name is taken by something that is not a regular file.
void PointFileWriter::stop(int error) {
    failed_ = true;
    gathered_.clear();
    if (stopReason_ != nullptr)
        *stopReason_ = error != 0 ? std::strerror(error) : texts::kNotARegularFile;
}

// A short write is continued, as the rest may still fit; a write that fails leaves part of
// a record at the end: it is cut off again, and the plot writes nothing more (the next record
// would fail the same way).
bool PointFileWriter::flush() {
    std::size_t done = 0;
    while (!failed_ && done < gathered_.size()) {
        const ssize_t written = ::write(fd_, gathered_.data() + done, gathered_.size() - done);
        if (written > 0) {
            done += std::size_t(written);
        } else if (written == 0 || errno != EINTR) {
            const int error = written < 0 ? errno : EIO;
            // The records written whole stay (npos + 1 is 0: none was). Appending leaves the
            // offset at the end of the torn part.
            const std::size_t whole = done == 0 ? 0 : gathered_.rfind('\n', done - 1) + 1;
            const off_t torn = off_t(done - whole);
            const off_t end = ::lseek(fd_, 0, SEEK_CUR);
            if (torn > 0 && end >= torn) (void)!::ftruncate(fd_, end - torn);
            stop(error);
        }
    }
    gathered_.clear();
    return !failed_;
}

void FlushPointFiles(const std::vector<PointFileWriter*>& openFiles) {
    for (PointFileWriter* file : openFiles)
        file->flush();
}

}  // namespace plotter
