// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "canvas/Canvas.h"
#include "shell/PlotPicture.h"

class QWidget;

namespace shell {

// What a save dialog returned: the file name and the file type chosen; an empty path when
// the user cancelled.
struct SaveChoice {
    QString path;
    QString filter;
};

// The save dialog: by default a modal file dialog offering PictureFilters(), starting at
// suggestedPath. Tests install a replacement so that nothing waits for the user.
using SaveDialog = std::function<SaveChoice(QWidget* parent, const QString& suggestedPath)>;
// Installs a replacement (an empty one restores the file dialog); returns the previous one.
SaveDialog SetSaveDialog(SaveDialog dialog);

// The file types offered: PNG first, then SVG.
QStringList PictureFilters();

struct SaveTarget {
    QString path;
    PictureFormat format;
};

// The file to write and its format: a .png or .svg extension decides; otherwise the chosen
// file type does and its extension is appended.
SaveTarget ResolveSaveTarget(const SaveChoice& choice);

// The file types of 导出 PDF.
QStringList PdfFilters();

// Asks where to save, starting in folder, and writes the canvas there as PNG or SVG. A file
// that cannot be written is reported in a message box and left as it was. Returns the file
// written, or an empty text when the user cancelled or the write failed.
QString SavePlotPicture(const Worksheet& sheet, QWidget* parent, const QString& folder);
// The same for the worksheet page as PDF.
QString ExportWorksheetPdf(const Worksheet& sheet, QWidget* parent, const QString& folder);

// The print dialog, then the worksheet on the chosen printer (A4 unless the user chose
// otherwise); nothing when the user cancels.
void PrintWorksheet(const Worksheet& sheet, QWidget* parent);

}  // namespace shell
