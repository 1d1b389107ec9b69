#include "plotter/PointFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "vbrt/NumberText.h"

namespace plotter {

bool DeletePointFile(const std::string& path) {
    if (::unlink(path.c_str()) == 0 || errno == ENOENT) return true;
    const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

bool PointFileWriter::append(double x, double y) {
    return appendTexts(vbrt::NumberToText(x), vbrt::NumberToText(y));
}

// A plain open/write/close keeps the per-record cycle a few microseconds long.
bool PointFileWriter::appendTexts(std::string_view xText, std::string_view yText) {
    record_.assign(xText);
    record_ += ',';
    record_ += yText;
    record_ += "\r\n";
    const int fd = ::open(path_.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    const ssize_t written = ::write(fd, record_.data(), record_.size());
    const bool closed = ::close(fd) == 0;
    return closed && written == static_cast<ssize_t>(record_.size());
}

}  // namespace plotter
