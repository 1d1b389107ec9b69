// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/CaptionButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace shell {

CaptionButton::CaptionButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {}

void CaptionButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    QPalette::ColorRole role = QPalette::ButtonText;
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, role));
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, text());
}

}  // namespace shell
