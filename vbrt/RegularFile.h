// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace vbrt {

// Opens path with the given open(2) flags (O_NOFOLLOW refuses a symbolic link), never waiting
// for the other end of a FIFO. The descriptor when path is a regular file; otherwise -1 and
// nothing is left open, so a FIFO, a device or a folder reads like a missing file.
int OpenRegularFile(const std::string& path, int flags);

}  // namespace vbrt
