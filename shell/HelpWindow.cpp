// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/HelpWindow.h"

#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QShortcut>

#include "shell/ControlTable.h"
#include "shell/Decorations.h"
#include "shell/Fonts.h"
#include "texts/Texts.h"

namespace shell {

namespace {
// An owned window that stays in front of its owner: X11 marks only dialogs as transient.
// It keeps the buttons of an ordinary window, minimise included.
constexpr Qt::WindowFlags kOwnedWindow = Qt::Dialog | Qt::WindowTitleHint |
                                         Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                         Qt::WindowCloseButtonHint;
}  // namespace

frmHelp::frmHelp(QWidget* owner) : QWidget(owner, kOwnedWindow) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QString::fromUtf8(texts::kHelpWindowTitle));
    setWindowIcon(HelpIcon());
    setFont(DefaultWindowFont());
    setAutoFillBackground(true);
    QPalette back = palette();
    back.setColor(QPalette::Window, QColor(192, 192, 255));
    setPalette(back);
    setFixedSize(TwipsToPixels(10950), TwipsToPixels(5775));
    move(TwipsToPixels(4290), TwipsToPixels(3165));

    text1_ = new QPlainTextEdit(QStringLiteral("Text1"), this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setGeometry(0, 0, TwipsToPixels(10935), TwipsToPixels(5380));
    text1_->setFont(SongFont(10.5));
    text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text1_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QPalette face = text1_->palette();
    face.setColor(QPalette::Base, face.color(QPalette::Button));
    text1_->setPalette(face);

    auto* image1 = new QLabel(this);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setGeometry(TwipsToPixels(120), TwipsToPixels(5420), TwipsToPixels(9735),
                        TwipsToPixels(300));
    image1->setPixmap(QPixmap::fromImage(HelpStripImage()));
    // Esc closes it, as it closes a dialog.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);
}

void frmHelp::setHelpText(const QString& text) {
    text_ = text;
    // The box shows line breaks; CR LF would otherwise count twice.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text1_->setPlainText(shown);
}

QString HelpTextFromLines(const QStringList& lines) {
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

}  // namespace shell
