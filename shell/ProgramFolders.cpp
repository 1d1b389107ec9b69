// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ProgramFolders.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "shell/TextFiles.h"
#include "texts/Texts.h"

namespace shell {

QString InstalledDataFolder(const QString& programFolder) {
    return QDir::cleanPath(QDir(programFolder).filePath(QStringLiteral(FUNCURVE_DATA_FROM_BIN)));
}

bool IsInstalledFolder(const QString& programFolder) {
    const QString folder = QFileInfo(programFolder).canonicalFilePath();
    for (const char* system : {"/usr", "/opt"}) {
        const QString root = QString::fromLatin1(system);
        if (folder == root || folder.startsWith(root + u'/')) return true;
    }
    struct stat info {};
    return ::stat(QFile::encodeName(programFolder).constData(), &info) != 0 ||
           info.st_uid != ::getuid();
}

QString FileLocationsNote(const QString& programFolder, const QString& pointFilePath) {
    const QString examples = ProgramFile(programFolder, QStringLiteral("举例.txt"));
    const QDir folder(programFolder);
    if (examples == folder.filePath(QStringLiteral("举例.txt")) &&
        pointFilePath == folder.filePath(QStringLiteral("CoordinateData.txt")))
        return {};
    return QString::fromUtf8(texts::kHelpFileLocations)
        .arg(QDir::toNativeSeparators(examples), QDir::toNativeSeparators(pointFilePath));
}

QString ChoosePointFolder(const QString& programFolder) {
    const QFileInfo folder(programFolder);
    if (!IsInstalledFolder(programFolder) && folder.isDir() && folder.isWritable())
        return programFolder;
    const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(userFolder);
    return userFolder;
}

}  // namespace shell
