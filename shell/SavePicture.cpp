// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/SavePicture.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

#include "shell/MessageBox.h"
#include "shell/OutputFile.h"
#include "texts/Texts.h"

namespace shell {
namespace {

// The file extension of a format, without the dot.
QString SuffixOf(PictureFormat format) {
    switch (format) {
        case PictureFormat::Svg:
            return QStringLiteral("svg");
        case PictureFormat::Pdf:
            return QStringLiteral("pdf");
        case PictureFormat::Png:
            break;
    }
    return QStringLiteral("png");
}

// The format a file type of PictureFilters() or PdfFilters() stands for.
PictureFormat FormatOfFilter(const QString& filter) {
    if (filter.contains(QStringLiteral("*.svg"))) return PictureFormat::Svg;
    if (filter.contains(QStringLiteral("*.pdf"))) return PictureFormat::Pdf;
    return PictureFormat::Png;
}

// The file dialog; its default suffix follows the chosen type, so that the dialog's own
// overwrite question is about the file that will be written.
SaveChoice AskWithFileDialog(QWidget* parent, const QString& suggestedPath,
                             const QStringList& filters) {
    QFileDialog dialog(parent, QString::fromUtf8(texts::kSaveDialogTitle), suggestedPath);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(SuffixOf(FormatOfFilter(filters.constFirst())));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString& filter) {
                         dialog.setDefaultSuffix(SuffixOf(FormatOfFilter(filter)));
                     });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return {dialog.selectedFiles().constFirst(), dialog.selectedNameFilter()};
}

// The replacement dialog, if any.
SaveDialog& InstalledDialog() {
    static SaveDialog dialog;
    return dialog;
}

// The folder the dialog opens in: the given one while it exists, else Pictures, else home.
QString StartFolder(const QString& folder) {
    if (!folder.isEmpty() && QFileInfo(folder).isDir()) return folder;
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return QFileInfo(pictures).isDir() ? pictures : QDir::homePath();
}

}  // namespace

SaveDialog SetSaveDialog(SaveDialog dialog) {
    SaveDialog previous = std::move(InstalledDialog());
    InstalledDialog() = std::move(dialog);
    return previous;
}

QStringList PdfFilters() {
    return {QString::fromUtf8(texts::kPdfFilter)};
}

QStringList PictureFilters() {
    return {QString::fromUtf8(texts::kPngFilter), QString::fromUtf8(texts::kSvgFilter)};
}

SaveTarget ResolveSaveTarget(const SaveChoice& choice) {
    const QString suffix = QFileInfo(choice.path).suffix().toLower();
    if (suffix == u"png") return {choice.path, PictureFormat::Png};
    if (suffix == u"svg") return {choice.path, PictureFormat::Svg};
    if (suffix == u"pdf") return {choice.path, PictureFormat::Pdf};
    const PictureFormat format = FormatOfFilter(choice.filter);
    return {choice.path + u'.' + SuffixOf(format), format};
}

namespace {

// Asks for a file of one of the types offered and writes the picture there in its format.
QString SaveAs(const Worksheet& sheet, QWidget* parent, const QString& folder,
               const QStringList& filters, const char* suggestedName) {
    const QString suggested = QDir(StartFolder(folder)).filePath(QString::fromUtf8(suggestedName));
    const SaveDialog dialog = InstalledDialog();  // a copy: it may replace itself
    const SaveChoice choice =
        dialog ? dialog(parent, suggested) : AskWithFileDialog(parent, suggested, filters);
    if (choice.path.isEmpty()) return {};
    const SaveTarget target = ResolveSaveTarget(choice);
    const QByteArray bytes = PlotPictureBytes(sheet, target.format);
    const QString failure = WriteOutputFile(target.path, bytes, PipeOpen::FailWithoutReader);
    if (failure.isEmpty()) return target.path;
    ShowMessage(QString::fromUtf8(texts::kCannotSavePicture)
                    .arg(QDir::toNativeSeparators(target.path), failure));
    return {};
}

}  // namespace

QString SavePlotPicture(const Worksheet& sheet, QWidget* parent, const QString& folder) {
    return SaveAs(sheet, parent, folder, PictureFilters(), texts::kSuggestedPictureName);
}

QString ExportWorksheetPdf(const Worksheet& sheet, QWidget* parent, const QString& folder) {
    return SaveAs(sheet, parent, folder, PdfFilters(), texts::kSuggestedWorksheetName);
}

void PrintWorksheet(const Worksheet& sheet, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(QString::fromUtf8(texts::kApplicationTitle));
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QString::fromUtf8(texts::kPrintDialogTitle));
    if (dialog.exec() != QDialog::Accepted) return;
    QPainter painter(&printer);
    PaintWorksheet(painter, QRectF(0, 0, printer.width(), printer.height()), sheet);
}

}  // namespace shell
