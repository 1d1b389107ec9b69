// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace shell {

// Text of a file's bytes: decoded by its byte-order mark (UTF-8, UTF-16 LE or BE) when it
// has one; otherwise UTF-8 when the bytes are valid UTF-8, else GBK, read as GB18030.
QString DecodeText(const QByteArray& bytes);

// Splits text into lines at CR LF, CR or LF. A last line without a line end still counts;
// a final line end does not start another (empty) line; empty lines in between stay.
QStringList SplitLines(const QString& text);

// Larger text files are not read: the window would freeze for seconds over them.
inline constexpr qint64 kMaxTextFileBytes = 16 * 1024 * 1024;

// What reading a text file gave: its lines, or why there are none.
struct TextFile {
    enum class Status { Read, Missing, NotRegular, TooLarge };
    Status status = Status::Missing;
    QStringList lines;
};

// The lines of a text file in the program's encodings. Only a regular file is read: a
// directory, FIFO or device is NotRegular (and never blocks); a file above kMaxTextFileBytes
// is TooLarge.
TextFile ReadTextFile(const QString& path);

// The message for a text file of the program that is too large to be read.
QString TooLargeMessage(const QString& fileName);

// The file in the program's folder; when it is not there but in the installed data folder,
// that one. A file found in neither place keeps its path in the program's folder.
QString ProgramFile(const QString& programFolder, const QString& fileName);

}  // namespace shell
