// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/PlotPicture.h"

#include <QBuffer>

#include "canvas/SvgExport.h"
#include "shell/PalettePng.h"

namespace shell {

QImage PlotImage(const canvas::Canvas& canvas, qreal ratio) {
    if (ratio <= 0 || ratio == canvas.devicePixelRatio()) return canvas.Image();
    return canvas.renderImage(ratio);
}

QByteArray PlotPictureBytes(const Worksheet& sheet, PictureFormat format, qreal ratio) {
    const canvas::Canvas& canvas = sheet.plot;
    if (format == PictureFormat::Pdf) return WorksheetPdf(sheet);
    if (format == PictureFormat::Svg) return QByteArray::fromStdString(canvas::ToSvg(canvas));
    const QImage image = PlotImage(canvas, ratio);
    if (auto bytes = PalettePng(image)) return *bytes;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

}  // namespace shell
