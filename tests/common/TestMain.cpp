// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QTest>
#include <memory>

#include "TestRegistry.h"

namespace testing {
std::vector<Factory>& registry() {
    static std::vector<Factory> factories;
    return factories;
}
}  // namespace testing

// Runs every registered test class; the exit status counts the failed classes.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int failed = 0;
    for (const auto& factory : testing::registry()) {
        std::unique_ptr<QObject> test(factory());
        if (QTest::qExec(test.get(), argc, argv) != 0) ++failed;
    }
    return failed;
}
