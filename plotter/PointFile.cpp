// SPDX-License-Identifier: GPL-3.0-or-later
#include "plotter/PointFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "vbrt/NumberText.h"
#include "vbrt/RegularFile.h"

namespace plotter {

bool DeletePointFile(const std::string& path) {
    if (::unlink(path.c_str()) == 0 || errno == ENOENT) return true;
    const int fd = vbrt::OpenRegularFile(path, O_WRONLY | O_NOFOLLOW);
    if (fd < 0) return false;
    const bool emptied = ::ftruncate(fd, 0) == 0;
    ::close(fd);
    return emptied;
}

PointFileWriter::~PointFileWriter() {
    if (fd_ >= 0) ::close(fd_);
}

bool PointFileWriter::append(double x, double y) {
    return appendTexts(vbrt::NumberToText(x), vbrt::NumberToText(y));
}

bool PointFileWriter::appendTexts(std::string_view xText, std::string_view yText) {
    if (failed_ || (fd_ < 0 && !open())) return false;
    record_.assign(xText);
    record_ += ',';
    record_ += yText;
    record_ += "\r\n";
    return writeRecord();
}

// Opened at the first record, so a plot without records leaves no file behind.
bool PointFileWriter::open() {
    fd_ = vbrt::OpenRegularFile(path_, O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW);
    failed_ = fd_ < 0;
    return !failed_;
}

// A short write leaves part of a record at the end: it is cut off again, and the plot
// writes nothing more (the next record would fail the same way).
bool PointFileWriter::writeRecord() {
    ssize_t written;
    do {
        written = ::write(fd_, record_.data(), record_.size());
    } while (written < 0 && errno == EINTR);
    if (written == static_cast<ssize_t>(record_.size())) return true;
    if (written > 0) {
        // Appending leaves the offset at the end of the torn part.
        const off_t end = ::lseek(fd_, 0, SEEK_CUR);
        if (end >= written) (void)!::ftruncate(fd_, end - written);
    }
    failed_ = true;
    return false;
}

}  // namespace plotter
