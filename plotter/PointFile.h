// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace plotter {

// Points closer than this to either axis are left out of the point file (both scans).
inline constexpr double kAxisBand = 0.01;

// Removes the point file of the previous plot. When it cannot be removed (read-only folder,
// a folder of that name, ...) a regular file is emptied instead, never one behind a
// symbolic link nor one with another name (a hard link); false when neither worked and
// something is still there.
bool DeletePointFile(const std::string& path);

// Appends the records "x,y" CR LF of one plot to the point file through one descriptor held
// for the plot, opened at the first record and closed with the writer. Each record is written
// at once, or, with a block size, gathered until that many bytes are: the plot then writes what
// it has gathered before every pass of the event loop (FlushPointFiles), so a join during the
// plot reads every record so far. Only a regular file is written, never one behind a symbolic
// link. A record that cannot be written whole (a full disk) is cut off again and the plot's
// later records are skipped, so the file never ends in half a record. A file with another name
// (a hard link) is never written into: the name gets a fresh file of its own. When the writer
// stops early it puts the system's reason into *stopReason (when given), so the plot can say the
// file is incomplete. A writer given the plot's open files is among them while it lives.
class PointFileWriter {
  public:
    explicit PointFileWriter(std::string path, std::string* stopReason = nullptr,
                             std::vector<PointFileWriter*>* openFiles = nullptr,
                             std::size_t blockBytes = 0);
    // Writes what is still gathered.
    ~PointFileWriter();
    PointFileWriter(const PointFileWriter&) = delete;
    PointFileWriter& operator=(const PointFileWriter&) = delete;

    // One record in the default number text; false when the writer has stopped.
    bool append(double x, double y);
    // The same from number texts made already (the scan has them from its assignments).
    bool appendTexts(std::string_view xText, std::string_view yText);
    // Writes the records gathered so far; false when the writer has stopped.
    bool flush();

  private:
    bool open();
    void stop(int error);

    std::string path_;
    std::string* stopReason_;
    std::vector<PointFileWriter*>* openFiles_;
    std::size_t blockBytes_;
    std::string gathered_;
    int fd_ = -1;
    bool failed_ = false;  // cannot open, or a record was torn: skip the rest
};

// Writes what every one of the open point files has gathered.
void FlushPointFiles(const std::vector<PointFileWriter*>& openFiles);

}  // namespace plotter
