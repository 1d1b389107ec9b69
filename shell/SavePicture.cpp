// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/SavePicture.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

#include "shell/MessageBox.h"
#include "shell/OutputFile.h"
#include "texts/Texts.h"

namespace shell {
namespace {

const QString kSuggestedName = QString::fromUtf8(texts::kSuggestedPictureName);

// The file extension of a format, without the dot.
QString SuffixOf(PictureFormat format) {
    return format == PictureFormat::Svg ? QStringLiteral("svg") : QStringLiteral("png");
}

// The format a file type of PictureFilters() stands for.
PictureFormat FormatOfFilter(const QString& filter) {
    return filter.contains(QStringLiteral("*.svg")) ? PictureFormat::Svg : PictureFormat::Png;
}

// The file dialog; its default suffix follows the chosen type, so that the dialog's own
// overwrite question is about the file that will be written.
SaveChoice AskWithFileDialog(QWidget* parent, const QString& suggestedPath) {
    QFileDialog dialog(parent, QString::fromUtf8(texts::kSaveDialogTitle), suggestedPath);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(PictureFilters());
    dialog.setDefaultSuffix(SuffixOf(PictureFormat::Png));
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

QStringList PictureFilters() {
    return {QString::fromUtf8(texts::kPngFilter), QString::fromUtf8(texts::kSvgFilter)};
}

SaveTarget ResolveSaveTarget(const SaveChoice& choice) {
    const QString suffix = QFileInfo(choice.path).suffix().toLower();
    if (suffix == u"png") return {choice.path, PictureFormat::Png};
    if (suffix == u"svg") return {choice.path, PictureFormat::Svg};
    const PictureFormat format = FormatOfFilter(choice.filter);
    return {choice.path + u'.' + SuffixOf(format), format};
}

QString SavePlotPicture(const canvas::Canvas& canvas, QWidget* parent, const QString& folder) {
    const QString suggested = QDir(StartFolder(folder)).filePath(kSuggestedName);
    const SaveDialog dialog = InstalledDialog();  // a copy: it may replace itself
    const SaveChoice choice =
        dialog ? dialog(parent, suggested) : AskWithFileDialog(parent, suggested);
    if (choice.path.isEmpty()) return {};
    const SaveTarget target = ResolveSaveTarget(choice);
    const QByteArray bytes = PlotPictureBytes(canvas, target.format);
    const QString failure = WriteOutputFile(target.path, bytes, PipeOpen::FailWithoutReader);
    if (failure.isEmpty()) return target.path;
    ShowMessage(QString::fromUtf8(texts::kCannotSavePicture)
                    .arg(QDir::toNativeSeparators(target.path), failure));
    return {};
}

}  // namespace shell
