// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

namespace shell {

// A single-line text box that takes text of any length and, whenever it is not being
// edited, shows the start of its text: a narrow range box holding '-4.5' shows the sign
// rather than '4.5'.
class TextBox : public QLineEdit {
    Q_OBJECT
  public:
    TextBox(const QString& text, QWidget* parent);

  protected:
    void focusOutEvent(QFocusEvent* event) override;
};

// Lifts the 32767-character limit of a line edit: no text is ever cut silently.
void AllowAnyLength(QLineEdit* edit);

}  // namespace shell
