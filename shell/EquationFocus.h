// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <cstddef>

class QComboBox;
class QEvent;
class QWidget;

namespace shell {

// Bytes [offset, offset + length) of the combo's UTF-8 text selected, the keyboard focus in
// its entry: where a message about the equation points.
void SelectTypedBytes(QComboBox& combo, std::size_t offset, std::size_t length);

// After a draw: a button clicked with the mouse, or disabled while the plot ran, holds the
// keyboard focus, so the next typed text would be lost and Space would press it. The focus
// goes back to the equation entry then; a box the user has moved to keeps it.
void ReturnFocusAfterDraw(QComboBox& combo);

// Esc with a list or menu open (the examples list, a menu) closes just that; true when it did.
bool CloseOpenPopup(QWidget& window);

// When a list or menu last closed. On X11 the Esc that closes the list reaches
// the window's Esc key afterwards, when the list is gone already: that Esc must not cancel.
class ListCloseWatch : public QObject {
  public:
    explicit ListCloseWatch(QWidget& window);
    // Closed a moment ago, by the key being handled now.
    bool justClosed() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QElapsedTimer closed_;
};

}  // namespace shell
