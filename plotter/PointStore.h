// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>
#include <vector>

namespace plotter {

// One recorded point of the point file.
struct StoredPoint {
    double x;
    double y;
};

// Capacity of the point store and of one quadrant list.
inline constexpr std::size_t kPointStoreSlots = 100001;
inline constexpr std::size_t kQuadrantSlots = 50001;

// Reads the records "x,y" of the point file in file order, each number by its leading
// value. Lines without a comma, with a number beyond the double range or longer than any
// record are not records and are skipped; reading stops when the store is full. False when
// there is no regular file of its own to read (missing, a folder, a FIFO, a device, a
// symbolic link: the writers never write through one either).
bool ReadPointStore(const std::string& path, std::vector<StoredPoint>& store);

// The same reading from any stream: the file reader above, and the fuzzer.
void ReadPointRecords(std::istream& in, std::vector<StoredPoint>& store);

// The record of one line, if it is one.
bool ParsePointRecord(const std::string& line, StoredPoint& point);

}  // namespace plotter
