// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the reader of the examples and help files: any bytes decode (as
// UTF-8 or as GBK) and split into lines without a crash, and no line keeps a line end.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <cstdlib>

#include "shell/TextFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QStringList lines = shell::SplitLines(shell::DecodeText(bytes));
    for (const QString& line : lines) {
        if (line.contains(QLatin1Char('\n')) || line.contains(QLatin1Char('\r'))) std::abort();
    }
    return 0;
}
