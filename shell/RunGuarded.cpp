#include "shell/RunGuarded.h"

#include "shell/MessageBox.h"
#include "vbrt/RuntimeError.h"

namespace shell {

QString RuntimeErrorText(int number) {
    return QStringLiteral("运行时错误 %1：%2")
        .arg(number)
        .arg(QString::fromUtf8(vbrt::ChineseErrorText(number)));
}

void RunGuarded(const std::function<void()>& operation) {
    try {
        operation();
    } catch (const vbrt::RuntimeError& error) {
        ShowMessage(RuntimeErrorText(error.number()));
    } catch (const std::exception& error) {
        ShowMessage(QStringLiteral("运行出错：") + QString::fromUtf8(error.what()));
    }
}

}  // namespace shell
