#include "shell/EquationFocus.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
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

bool CloseOpenPopup() {
    QWidget* popup = QApplication::activePopupWidget();
    if (popup == nullptr) return false;
    // The examples list belongs to its combo, which must know that it closed.
    if (auto* combo = qobject_cast<QComboBox*>(popup->parentWidget()))
        combo->hidePopup();
    else
        popup->close();
    return true;
}

}  // namespace shell
