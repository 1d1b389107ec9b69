#pragma once

#include <string>
#include <string_view>

namespace plotter {

// Removes the point file of the previous plot. When it cannot be removed (read-only folder,
// a folder of that name, ...) it is emptied instead; false when neither worked and a file
// is still there.
bool DeletePointFile(const std::string& path);

// Appends the records "x,y" CR LF of one plot to the point file. Every record opens, writes
// and closes the file, so the file is complete after each point, even if the program ends.
class PointFileWriter {
  public:
    explicit PointFileWriter(std::string path) : path_(std::move(path)) {}
    // One record in the default number text; false when the file could not be written.
    bool append(double x, double y);
    // The same from number texts made already (the scan has them from its assignments).
    bool appendTexts(std::string_view xText, std::string_view yText);

  private:
    std::string path_;
    std::string record_;
};

}  // namespace plotter
