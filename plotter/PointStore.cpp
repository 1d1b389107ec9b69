// SPDX-License-Identifier: GPL-3.0-or-later
#include "plotter/PointStore.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <istream>

#include "vbrt/NumberReading.h"
#include "vbrt/RegularFile.h"
#include "vbrt/RuntimeError.h"

namespace plotter {
namespace {

// No record comes near this length; a longer line is dropped as it is read.
constexpr std::size_t kLongestLine = 1024;

// Cuts the bytes of the point file into lines (without CR LF) and keeps their records, holding
// at most one line of bounded length however long the lines of the file are.
class RecordCollector {
  public:
    explicit RecordCollector(std::vector<StoredPoint>& store) : store_(store) { store_.clear(); }

    bool full() const { return store_.size() >= kPointStoreSlots; }

    // The next bytes of the file; stops early when the store is full.
    void feed(const char* data, std::size_t size) {
        const char* const end = data + size;
        while (data < end && !full()) {
            const char* newline = static_cast<const char*>(std::memchr(data, '\n', end - data));
            keep(data, (newline ? newline : end) - data);
            if (!newline) return;
            endLine();
            data = newline + 1;
        }
    }
    // A last line without a line end is read like the others.
    void finish() {
        if (!line_.empty() || overlong_) endLine();
    }

  private:
    void keep(const char* data, std::size_t size) {
        if (overlong_ || line_.size() + size > kLongestLine) {
            overlong_ = true;
            line_.clear();
            return;
        }
        line_.append(data, size);
    }
    void endLine() {
        if (!line_.empty() && line_.back() == '\r') line_.pop_back();
        StoredPoint point{};
        if (!overlong_ && !full() && ParsePointRecord(line_, point)) store_.push_back(point);
        line_.clear();
        overlong_ = false;
    }

    std::vector<StoredPoint>& store_;
    std::string line_;
    bool overlong_ = false;
};

// Feeds the bytes that read(buffer, size) delivers until it delivers none (the end, or an
// error) or the store is full.
template <typename Read>
void CollectRecords(std::vector<StoredPoint>& store, Read&& read) {
    RecordCollector records(store);
    char buffer[65536];
    while (!records.full()) {
        const std::size_t got = read(buffer, sizeof buffer);
        if (got == 0) break;
        records.feed(buffer, got);
    }
    records.finish();
}

}  // namespace

bool ParsePointRecord(const std::string& line, StoredPoint& point) {
    const std::size_t comma = line.find(',');
    if (comma == std::string::npos) return false;
    try {
        point.x = vbrt::Val(std::string_view(line).substr(0, comma));
        point.y = vbrt::Val(std::string_view(line).substr(comma + 1));
    } catch (const vbrt::RuntimeError&) {
        return false;
    }
    return true;
}

void ReadPointRecords(std::istream& in, std::vector<StoredPoint>& store) {
    CollectRecords(store, [&in](char* buffer, std::size_t size) {
        in.read(buffer, static_cast<std::streamsize>(size));
        return static_cast<std::size_t>(in.gcount());
    });
}

bool ReadPointStore(const std::string& path, std::vector<StoredPoint>& store) {
    const int fd = vbrt::OpenRegularFile(path, O_RDONLY | O_NOFOLLOW);
    if (fd < 0) {
        store.clear();
        return false;
    }
    CollectRecords(store, [fd](char* buffer, std::size_t size) {
        ssize_t got;
        do {
            got = ::read(fd, buffer, size);
        } while (got < 0 && errno == EINTR);
        return got > 0 ? static_cast<std::size_t>(got) : std::size_t{0};
    });
    ::close(fd);
    return true;
}

}  // namespace plotter
