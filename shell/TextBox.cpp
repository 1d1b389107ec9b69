// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/TextBox.h"

#include <QFocusEvent>
#include <limits>

namespace shell {

TextBox::TextBox(const QString& text, QWidget* parent) : QLineEdit(parent) {
    AllowAnyLength(this);
    setText(text);
    setCursorPosition(0);
}

void TextBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A context menu or another window taking the focus does not end the editing.
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
        setCursorPosition(0);
    }
}

void AllowAnyLength(QLineEdit* edit) {
    edit->setMaxLength(std::numeric_limits<int>::max());
}

}  // namespace shell
