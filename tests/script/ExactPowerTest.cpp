// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include "common/TestRegistry.h"
#include "script/ExactPower.h"
#include "script/ScriptTestSupport.h"
#include "vbrt/RuntimeError.h"

namespace {

// The native routine's answer in the same "Type<TAB>text" form as the script's.
QString nativePower(double x, double m, double n) {
    try {
        const vbrt::Variant v = script::ExactPower(x, m, n);
        return describe({v, 0});
    } catch (const vbrt::RuntimeError& e) {
        return describe({{}, e.number()});
    }
}

}  // namespace

// X^(m/n) over the reals, native and as the script function sp.
class ExactPowerTest : public QObject {
    Q_OBJECT

  private slots:
    void rules_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("m");
        QTest::addColumn<double>("n");
        QTest::addColumn<QString>("expected");
        QTest::newRow("odd root of negative") << -27.0 << 1.0 << 3.0 << "Double\t-3";
        QTest::newRow("odd root of positive") << 27.0 << 1.0 << 3.0 << "Double\t3";
        QTest::newRow("even root of negative") << -4.0 << 1.0 << 2.0 << "String\t没有实数解";
        QTest::newRow("zero denominator") << 5.0 << 1.0 << 0.0 << "String\t分母不能为0";
        QTest::newRow("even numerator") << -8.0 << 2.0 << 3.0 << "Double\t4";
        QTest::newRow("odd numerator") << -8.0 << 1.0 << 3.0 << "Double\t-2";
        QTest::newRow("unreduced fraction") << -8.0 << 4.0 << 6.0 << "String\t没有实数解";
        QTest::newRow("whole odd power") << -2.0 << 3.0 << 1.0 << "Double\t-8";
        QTest::newRow("whole even power") << -2.0 << 2.0 << 1.0 << "Double\t4";
        QTest::newRow("whole via fraction") << -2.0 << 6.0 << 2.0 << "Double\t-8";
        QTest::newRow("whole via even fraction") << -2.0 << 4.0 << 2.0 << "Double\t4";
        QTest::newRow("zero to a half") << 0.0 << 1.0 << 2.0 << "Empty\t";
        QTest::newRow("zero squared") << 0.0 << 2.0 << 1.0 << "Double\t0";
        QTest::newRow("zero to zero") << 0.0 << 0.0 << 1.0 << "Double\t1";
        QTest::newRow("zero to negative") << 0.0 << -1.0 << 1.0 << "Error\t5";
        QTest::newRow("denominator rounds to 0") << 2.0 << 1.0 << 0.4 << "Error\t11";
        QTest::newRow("negative whole power") << -2.0 << -1.0 << 1.0 << "Double\t-0.5";
        QTest::newRow("overflow") << 10.0 << 400.0 << 1.0 << "Error\t6";
    }
    void rules() {
        QFETCH(double, x);
        QFETCH(double, m);
        QFETCH(double, n);
        QFETCH(QString, expected);
        QCOMPARE(nativePower(x, m, n), expected);
    }

    // Both sp sources compute exactly what the native routine computes, errors included.
    void scriptMatchesNative() {
        for (const char* source : {script::kSpSource, script::kSpSourceByVal}) {
            script::ScriptEngine engine;
            QCOMPARE(engine.TryAddCode(source), 0);
            const double xs[] = {-27, -8, -4, -2.5, -2, -1, -0.5, 0, 0.5, 1, 2, 3.7, 27};
            const double ms[] = {-3, -2, -1, 0, 1, 2, 2.5, 3, 4, 6};
            const double ns[] = {-3, -2, -1, 0, 0.4, 0.5, 1, 2, 3, 6};
            for (double x : xs) {
                for (double m : ms) {
                    for (double n : ns) {
                        const QString call = QStringLiteral("sp(%1,%2,%3)").arg(x).arg(m).arg(n);
                        QCOMPARE(evalText(engine, call), nativePower(x, m, n));
                    }
                }
            }
        }
    }

    void sourcesAreTheGivenLines() {
        const std::string source = script::kSpSource;
        QVERIFY(source.rfind("Function sp( X, m, n)\r\n  If n = 0 Then \r\n", 0) == 0);
        QVERIFY(source.size() > 12 && source.substr(source.size() - 14) == "\r\nEnd Function");
        const std::string byVal = script::kSpSourceByVal;
        QVERIFY(byVal.rfind("Function sp(ByVal X ,ByVal m,ByVal n)\r\n", 0) == 0);
        QCOMPARE(byVal.substr(byVal.find("\r\n")), source.substr(source.find("\r\n")));
    }

    void addingTheSourceAgainKeepsSp() {
        script::ScriptEngine engine;
        QCOMPARE(engine.TryAddCode(script::kSpSource), 0);
        QCOMPARE(engine.TryAddCode(script::kSpSource), 0);
        QCOMPARE(engine.TryAddCode(script::kSpSourceByVal), 0);
        QCOMPARE(evalText(engine, "sp(-27,1,3)"), QStringLiteral("Double\t-3"));
    }

    void spLeavesItsArgumentsAlone() {
        script::ScriptEngine engine;
        QCOMPARE(engine.TryAddCode(script::kSpSource), 0);
        QCOMPARE(engine.TryAddCode("x=-8"), 0);
        QCOMPARE(evalText(engine, "sp(x,1,3)"), QStringLiteral("Double\t-2"));
        QCOMPARE(evalText(engine, "x"), QStringLiteral("Integer\t-8"));
    }

    void testPowerFunctionShowsMinusThree() {
        script::ScriptEngine engine;
        QCOMPARE(QString::fromStdString(script::TestPowerFunction(engine)), QStringLiteral("-3"));
        QCOMPARE(QString::fromStdString(script::TestPowerFunction(engine)), QStringLiteral("-3"));
    }
};

FUNCURVE_TEST(ExactPowerTest)
#include "ExactPowerTest.moc"
