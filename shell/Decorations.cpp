// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Decorations.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>

namespace shell {
namespace {

// A sine wave across the rectangle, `periods` full waves, in the given pen.
void DrawWave(QPainter& painter, const QRectF& box, double periods, const QPen& pen) {
    QPainterPath path;
    const int steps = static_cast<int>(box.width());
    for (int i = 0; i <= steps; ++i) {
        const double t = double(i) / steps;
        const QPointF p(box.left() + t * box.width(),
                        box.center().y() - 0.4 * box.height() * std::sin(2 * M_PI * periods * t));
        if (i == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

// A band with a soft vertical gradient between two colours.
QImage Band(int width, int height, QColor top, QColor bottom) {
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, 0, height);
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.fillRect(image.rect(), gradient);
    return image;
}

}  // namespace

QImage BackgroundImage() {
    QImage image = Band(930, 860, QColor(230, 230, 232), QColor(218, 219, 224));
    QPainter painter(&image);
    for (int i = 0; i < 930; i += 15) {
        painter.setPen(i % 75 == 0 ? QColor(208, 212, 222) : QColor(224, 226, 232));
        painter.drawLine(i, 0, i, 859);
    }
    for (int j = 0; j < 860; j += 15) {
        painter.setPen(j % 75 == 0 ? QColor(208, 212, 222) : QColor(224, 226, 232));
        painter.drawLine(0, j, 929, j);
    }
    return image;
}

QImage DecorationImage() {
    QImage image = Band(110, 16, QColor(236, 240, 252), QColor(206, 214, 240));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawWave(painter, QRectF(4, 1, 102, 14), 2.5, QPen(QColor(0, 0, 255), 1.4));
    DrawWave(painter, QRectF(4, 3, 102, 10), 1.5, QPen(QColor(220, 60, 60), 1.0));
    return image;
}

QImage HelpStripImage() {
    QImage image = Band(649, 20, QColor(214, 214, 255), QColor(170, 170, 235));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawWave(painter, QRectF(0, 2, 649, 16), 8, QPen(QColor(60, 60, 200), 1.4));
    return image;
}

QIcon ApplicationIcon() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 160, 0), 1.5));
    painter.drawLine(2, 16, 30, 16);
    painter.drawLine(16, 2, 16, 30);
    DrawWave(painter, QRectF(2, 4, 28, 24), 1, QPen(QColor(0, 0, 255), 2));
    return QIcon(pixmap);
}

QIcon HelpIcon() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(120, 120, 230));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(1, 1, 30, 30);
    QFont font = painter.font();
    font.setPixelSize(22);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QStringLiteral("?"));
    return QIcon(pixmap);
}

}  // namespace shell
