#pragma once

#include <QString>

namespace shell {

// The folder an installation keeps the data files in ("举例.txt", "说明.txt"), found from
// the folder that holds the programs (share/funcurve beside bin/).
QString InstalledDataFolder(const QString& programFolder);

// Where the window writes "CoordinateData.txt": the program's folder while it can be written
// (a build tree, a portable folder), otherwise the user's data folder, created here.
QString ChoosePointFolder(const QString& programFolder);

}  // namespace shell
