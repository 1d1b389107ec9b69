// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/TextFiles.h"

#include <fcntl.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include "shell/ProgramFolders.h"
#include "texts/Texts.h"
#include "vbrt/RegularFile.h"

namespace shell {
namespace {

// Opens path for reading only when it is a regular file, through the point file's opener:
// a FIFO put in its place cannot hang us.
bool OpenAsRegularFile(const QString& path, QFile& file) {
    const int fd = vbrt::OpenRegularFile(QFile::encodeName(path).toStdString(), O_RDONLY);
    return fd >= 0 && file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
}

}  // namespace

QString DecodeText(const QByteArray& bytes) {
    // The decoders drop the mark itself.
    if (const auto marked = QStringConverter::encodingForData(bytes)) {
        QStringDecoder decoder(*marked);
        return decoder.decode(bytes);
    }
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) return text;
    QStringDecoder gbk("GB18030");
    if (gbk.isValid()) return gbk.decode(bytes);
    return QString::fromLocal8Bit(bytes);
}

QStringList SplitLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n') continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.append(text.mid(start));
    return lines;
}

TextFile ReadTextFile(const QString& path) {
    QFile file;
    if (!OpenAsRegularFile(path, file))
        return {QFileInfo::exists(path) ? TextFile::Status::NotRegular : TextFile::Status::Missing,
                {}};
    if (file.size() > kMaxTextFileBytes) return {TextFile::Status::TooLarge, {}};
    // A file that grows while we read is cut off at the cap, and counts as too large.
    const QByteArray bytes = file.read(kMaxTextFileBytes + 1);
    if (bytes.size() > kMaxTextFileBytes) return {TextFile::Status::TooLarge, {}};
    return {TextFile::Status::Read, SplitLines(DecodeText(bytes))};
}

QString TooLargeMessage(const QString& fileName) {
    return QString::fromUtf8(texts::kFileTooLarge)
        .arg(fileName)
        .arg(kMaxTextFileBytes / (1024 * 1024));
}

QString ProgramFile(const QString& programFolder, const QString& fileName) {
    const QString besideProgram = QDir(programFolder).filePath(fileName);
    if (QFileInfo::exists(besideProgram)) return besideProgram;
    const QString installed = QDir(InstalledDataFolder(programFolder)).filePath(fileName);
    return QFileInfo::exists(installed) ? installed : besideProgram;
}

}  // namespace shell
