// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/RunGuarded.h"

#include "shell/MessageBox.h"
#include "texts/Texts.h"
#include "vbrt/RuntimeError.h"

namespace shell {

QString RuntimeErrorText(int number) {
    return QString::fromUtf8(texts::kRuntimeError)
        .arg(number)
        .arg(QString::fromUtf8(vbrt::ChineseErrorText(number)));
}

void RunGuarded(const std::function<void()>& operation) {
    try {
        operation();
    } catch (const vbrt::RuntimeError& error) {
        ShowMessage(RuntimeErrorText(error.number()));
    } catch (const std::exception& error) {
        ShowMessage(QString::fromUtf8(texts::kRunFailed).arg(QString::fromUtf8(error.what())));
    }
}

}  // namespace shell
