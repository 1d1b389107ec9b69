#include "shell/RunGuarded.h"

#include "shell/MessageBox.h"
#include "vbrt/RuntimeError.h"

namespace shell {

QString RuntimeErrorText(int number) {
    QString name;
    switch (number) {
        case vbrt::kInvalidCall:
            name = QStringLiteral("无效的过程调用或参数");
            break;
        case vbrt::kOverflow:
            name = QStringLiteral("溢出");
            break;
        case vbrt::kDivisionByZero:
            name = QStringLiteral("除数为零");
            break;
        case vbrt::kTypeMismatch:
            name = QStringLiteral("类型不匹配");
            break;
        case 7:
            name = QStringLiteral("内存不足");
            break;
        case 28:
            name = QStringLiteral("堆栈溢出");
            break;
        case 450:
            name = QStringLiteral("错误的参数个数或无效的属性赋值");
            break;
        case vbrt::kSyntaxError:
            name = QStringLiteral("语法错误");
            break;
        case vbrt::kInvalidCharacter:
            name = QStringLiteral("无效字符");
            break;
        default:
            name = QStringLiteral("运行出错");
            break;
    }
    return QStringLiteral("运行时错误 %1：%2").arg(number).arg(name);
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
