// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/SpacedLabel.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>

namespace shell {
namespace {

// The ink of the text's glyphs, relative to the baseline.
QRect InkOf(const QFont& font, const QString& text) {
    QString oneLine = text;
    oneLine.replace(u'\n', u' ');
    return QFontMetrics(font).tightBoundingRect(oneLine);
}

// Pixels from one line's top to the next one's: at least the face's full height (a Song
// substitute's negative leading would make lines overlap), and the tight bounds of the
// glyphs: they hold the smoothed edge rows too, so one clear row stays between the lines.
int LinePitch(const QFontMetrics& metrics, const QRect& ink) {
    const int fullHeight = std::max(metrics.height(), metrics.lineSpacing());
    return std::max(fullHeight, ink.height());
}

}  // namespace

SpacedLabel::SpacedLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void SpacedLabel::fitHeight() {
    const int needed = layOut(nullptr);
    if (needed > height()) resize(width(), needed);
}

int SpacedLabel::layOut(QPainter* painter) const {
    const QRect area = contentsRect();
    const QFontMetrics metrics = fontMetrics();
    const QRect ink = this->ink();
    const int pitch = LinePitch(metrics, ink);
    // Glyphs that rise above the ascent would be cut at the top edge.
    int y = std::max(0, -ink.top() - metrics.ascent());
    for (const QString& paragraph : text().split(u'\n')) {
        QTextLayout layout(paragraph, font());
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(area.width());
            line.setPosition(QPointF(0, y));
            y += pitch;
        }
        layout.endLayout();
        if (painter) layout.draw(painter, area.topLeft());
    }
    return y;
}

QRect SpacedLabel::ink() const {
    if (!ink_ || inkText_ != text() || inkFont_ != font()) {
        inkFont_ = font();
        inkText_ = text();
        ink_ = InkOf(inkFont_, inkText_);
    }
    return *ink_;
}

void SpacedLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    layOut(&painter);
}

}  // namespace shell
