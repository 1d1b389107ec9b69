// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/PaletteImage.h"

#include <QList>
#include <algorithm>

namespace shell {
namespace {

constexpr qsizetype kPaletteSize = 256;

// Index of the colour in the table, added when new; -1 when the table is full.
int IndexOf(QList<QRgb>& table, QRgb colour) {
    const auto found = std::find(table.cbegin(), table.cend(), colour);
    if (found != table.cend()) return int(found - table.cbegin());
    if (table.size() == kPaletteSize) return -1;
    table.append(colour);
    return int(table.size() - 1);
}

}  // namespace

QImage WithPalette(const QImage& image) {
    if (image.format() != QImage::Format_RGB32 || image.isNull()) return image;
    QImage indexed(image.size(), QImage::Format_Indexed8);
    QList<QRgb> table;
    QRgb last = image.pixel(0, 0);
    int lastIndex = IndexOf(table, last);
    for (int y = 0; y < image.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        uchar* out = indexed.scanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            if (in[x] != last) {
                last = in[x];
                lastIndex = IndexOf(table, last);
                if (lastIndex < 0) return image;
            }
            out[x] = uchar(lastIndex);
        }
    }
    indexed.setColorTable(table);
    indexed.setDotsPerMeterX(image.dotsPerMeterX());
    indexed.setDotsPerMeterY(image.dotsPerMeterY());
    indexed.setDevicePixelRatio(image.devicePixelRatio());
    for (const QString& key : image.textKeys())
        indexed.setText(key, image.text(key));
    return indexed;
}

}  // namespace shell
