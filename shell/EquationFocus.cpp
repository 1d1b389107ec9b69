// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/EquationFocus.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <string>

namespace shell {

void SelectTypedBytes(QComboBox& combo, std::size_t offset, std::size_t length) {
    const std::string text = combo.currentText().toStdString();
    offset = std::min(offset, text.size());
    length = std::min(length, text.size() - offset);
    // Positions of the entry count UTF-16 units: convert what lies before and inside.
    const auto start = QString::fromUtf8(text.data(), qsizetype(offset)).size();
    const auto size = QString::fromUtf8(text.data() + offset, qsizetype(length)).size();
    combo.setFocus(Qt::OtherFocusReason);
    if (QLineEdit* entry = combo.lineEdit()) entry->setSelection(int(start), int(size));
}

void ReturnFocusAfterDraw(QComboBox& combo) {
    QWidget* focus = QApplication::focusWidget();
    if (focus != nullptr && qobject_cast<QAbstractButton*>(focus) == nullptr) return;
    if (!combo.isVisible()) return;
    combo.setFocus(Qt::OtherFocusReason);
}

// The list is asked for by its combo, which must know that it closed.
bool CloseOpenPopup(QWidget& window) {
    for (QComboBox* combo : window.findChildren<QComboBox*>()) {
        if (combo->view() != nullptr && combo->view()->isVisible()) {
            combo->hidePopup();
            return true;
        }
    }
    QWidget* popup = QApplication::activePopupWidget();
    if (popup == nullptr) return false;
    popup->close();
    return true;
}

// Watches every popup of the application: asking a combo for its list would make the list
// early, and the list then keeps the window from its keys.
ListCloseWatch::ListCloseWatch(QWidget& window) : QObject(&window) {
    QCoreApplication::instance()->installEventFilter(this);
}

bool ListCloseWatch::justClosed() const {
    constexpr qint64 kSameKeyMs = 150;
    return closed_.isValid() && closed_.elapsed() < kSameKeyMs;
}

bool ListCloseWatch::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Hide) return false;
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (widget != nullptr && widget->windowType() == Qt::Popup) closed_.start();
    return false;
}

}  // namespace shell
