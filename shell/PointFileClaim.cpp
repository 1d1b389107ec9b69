// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/PointFileClaim.h"

#include <QDir>

namespace shell {
namespace {

constexpr int kMaxWindows = 99;

}  // namespace

QString PointFileName(int n) {
    return n <= 1 ? QStringLiteral("CoordinateData.txt")
                  : QStringLiteral("CoordinateData-%1.txt").arg(n);
}

PointFileClaim::PointFileClaim(const QString& folder) : fileName_(PointFileName(1)) {
    for (int n = 1; n <= kMaxWindows; ++n) {
        auto lock = std::make_unique<QLockFile>(
            QDir(folder).filePath(u'.' + PointFileName(n) + QStringLiteral(".lock")));
        lock->setStaleLockTime(0);  // only a lock of a window no longer running is stale
        if (lock->tryLock(0)) {
            lock_ = std::move(lock);
            fileName_ = PointFileName(n);
            return;
        }
        if (lock->error() != QLockFile::LockFailedError) return;  // no locks here at all
    }
}

}  // namespace shell
