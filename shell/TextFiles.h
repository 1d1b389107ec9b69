#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace shell {

// Text of a file's bytes: UTF-8 when they are valid UTF-8 (a byte-order mark is dropped),
// otherwise GBK, read as GB18030.
QString DecodeText(const QByteArray& bytes);

// Splits text into lines at CR LF, CR or LF. A last line without a line end still counts;
// a final line end does not start another (empty) line; empty lines in between stay.
QStringList SplitLines(const QString& text);

// The lines of a text file in the program's encodings; nullopt when it cannot be opened.
std::optional<QStringList> ReadTextLines(const QString& path);

// The file in the program's folder; when it is not there but in the installed data folder,
// that one. A file found in neither place keeps its path in the program's folder.
QString ProgramFile(const QString& programFolder, const QString& fileName);

}  // namespace shell
