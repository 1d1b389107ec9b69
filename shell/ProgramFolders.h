// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace shell {

// The folder an installation keeps the data files in ("举例.txt", "说明.txt"), found from
// the folder that holds the programs (share/funcurve beside bin/).
QString InstalledDataFolder(const QString& programFolder);

// The note below the help text that says where the examples file and this window's point
// file really are; empty when both are the program's own ("CoordinateData.txt" beside it).
QString FileLocationsNote(const QString& programFolder, const QString& pointFilePath);

// Whether the programs run from an installation: a folder under /usr or /opt, or one the
// user does not own. Such a folder is never the user's to write into, not even as root.
bool IsInstalledFolder(const QString& programFolder);

// Where the window writes "CoordinateData.txt": the program's folder when it is the user's
// own and can be written (a build tree, a portable folder), otherwise the user's data folder,
// created here.
QString ChoosePointFolder(const QString& programFolder);

}  // namespace shell
