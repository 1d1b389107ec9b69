// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/MessageBoxDialog.h"

#include <QApplication>
#include <QMessageBox>

#include "shell/Fonts.h"
#include "shell/MessageBox.h"

namespace shell {

void UseMessageBoxes() {
    SetMessagePresenter([](const QString& text) {
        QMessageBox box(QMessageBox::NoIcon, ApplicationTitle(), text, QMessageBox::Ok,
                        QApplication::activeWindow());
        box.setFont(DefaultWindowFont());
        box.exec();
    });
}

}  // namespace shell
