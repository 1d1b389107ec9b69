// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

namespace shell {

// A push button whose caption wraps at blanks onto further lines when it is wider than
// the button, centred, as the designed captions expect. text() stays the exact caption.
class CaptionButton : public QPushButton {
    Q_OBJECT
  public:
    CaptionButton(const QString& caption, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace shell
