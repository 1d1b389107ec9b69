#include "shell/TextFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include "shell/ProgramFolders.h"

namespace shell {

QString DecodeText(const QByteArray& bytes) {
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) {
        if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
        return text;
    }
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

std::optional<QStringList> ReadTextLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return SplitLines(DecodeText(file.readAll()));
}

QString ProgramFile(const QString& programFolder, const QString& fileName) {
    const QString besideProgram = QDir(programFolder).filePath(fileName);
    if (QFileInfo::exists(besideProgram)) return besideProgram;
    const QString installed = QDir(InstalledDataFolder(programFolder)).filePath(fileName);
    return QFileInfo::exists(installed) ? installed : besideProgram;
}

}  // namespace shell
