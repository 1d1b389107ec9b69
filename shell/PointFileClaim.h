// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace shell {

// The point file of the n-th window of one folder: "CoordinateData.txt" for the first,
// "CoordinateData-2.txt", "CoordinateData-3.txt" … after it.
QString PointFileName(int n);

// Each running window owns the point file it writes, so two windows of one user never join
// or interleave each other's records. A lock file beside it (".NAME.lock", taken over when
// the window that made it is no longer running, so a crash frees it) marks it as taken.
class PointFileClaim {
  public:
    // Takes the first point file name in folder that no other running window holds. When no
    // lock can be made there at all, the first name, unlocked.
    explicit PointFileClaim(const QString& folder);
    const QString& fileName() const { return fileName_; }

  private:
    std::unique_ptr<QLockFile> lock_;
    QString fileName_;
};

}  // namespace shell
