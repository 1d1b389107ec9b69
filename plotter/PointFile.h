// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace plotter {

// Points closer than this to either axis are left out of the point file (both scans).
inline constexpr double kAxisBand = 0.01;

// Removes the point file of the previous plot. When it cannot be removed (read-only folder,
// a folder of that name, ...) a regular file is emptied instead, never one behind a
// symbolic link nor one with another name (a hard link); false when neither worked and
// something is still there.
bool DeletePointFile(const std::string& path);

// Appends the records "x,y" CR LF of one plot to the point file through one descriptor held
// for the plot, opened at the first record and closed with the writer. Every record is
// written through at once, so a join during the plot reads every record so far. Only a
// regular file is written, never one behind a symbolic link. A record that cannot be written
// whole (a full disk) is cut off again and the plot's later records are skipped, so the file
// never ends in half a record. A file with another name (a hard link) is never written into:
// the name gets a fresh file of its own. When the writer stops early it puts the system's
// reason into *stopReason (when given), so the plot can say the file is incomplete.
class PointFileWriter {
  public:
    explicit PointFileWriter(std::string path, std::string* stopReason = nullptr)
        : path_(std::move(path)), stopReason_(stopReason) {}
    ~PointFileWriter();
    PointFileWriter(const PointFileWriter&) = delete;
    PointFileWriter& operator=(const PointFileWriter&) = delete;

    // One record in the default number text; false when it was not written.
    bool append(double x, double y);
    // The same from number texts made already (the scan has them from its assignments).
    bool appendTexts(std::string_view xText, std::string_view yText);

  private:
    bool open();
    bool writeRecord();
    void stop(int error);

    std::string path_;
    std::string* stopReason_;
    std::string record_;
    int fd_ = -1;
    bool failed_ = false;  // cannot open, or a record was torn: skip the rest
};

}  // namespace plotter
