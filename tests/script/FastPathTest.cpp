// SPDX-License-Identifier: GPL-3.0-or-later
#include <QRandomGenerator>
#include <QTest>
#include <cmath>

#include "common/TestRegistry.h"
#include "script/BothRoutes.h"
#include "script/Operators.h"
#include "script/ScriptTestSupport.h"

namespace {

// The text compiled for both routes; fails the test when it does not compile.
void compileOrFail(const QString& expression, CompiledText& out) {
    compileText(expression.toStdString(), out);
    QCOMPARE(out.error, 0);
}

}  // namespace

// The all-numbers path must agree with the general machine on value, kind and error number,
// whatever the operands.
class FastPathTest : public QObject {
    Q_OBJECT

  private slots:
    void agreesWithTheGeneralMachine_data() {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<bool>("expectFast");
        for (const char* e : {"abs(4-(x^2+y^2))",
                              "x^2-1",
                              "sin(x)*cos(y)",
                              "abs(1-((x/3)^2+(y/2)^2))",
                              "2*x^3-3*x^2+1",
                              "sqr(abs(x))*exp(-x^2/4)",
                              "x/y",
                              "1/x",
                              "2-x",
                              "x-y^2",
                              "x*y^2",
                              "x/y^2",
                              "x^y",
                              "x^-2",
                              "-x^2",
                              "x^0.5",
                              "(x+y)^3",
                              "x^16",
                              "x^17",
                              "log(x)",
                              "sqr(x)",
                              "sqr(x)+log(y)",
                              "x^2+sqr(y)",
                              "tan(x)",
                              "atn(x)",
                              "exp(x)",
                              "int(x)",
                              "fix(x)",
                              "round(x)",
                              "sgn(x)",
                              "sgn(x)*y",
                              "cbool(x)",
                              "cdbl(x)+1",
                              "x>y",
                              "x<=y",
                              "x>=y",
                              "x=y",
                              "x<>y",
                              "(x>0) And (y>0)",
                              "Not (x>y)",
                              "(x>0)*y",
                              "(x>0) Xor (y>0)",
                              "(x>0) Imp (y>0)",
                              "(x>0) Eqv (y>0)",
                              "x*1E308",
                              "x+1E308+1E308",
                              "1E308*x*x",
                              "sqr(x*1E308*10)",
                              "x^2*1E300",
                              "(x-x)/(y-y)",
                              "x/(y-y)",
                              "True+x",
                              "Empty-x",
                              "x*2+y*3-x/4",
                              "x*sin(y)",
                              "x-cos(x)",
                              "x/atn(y)",
                              "y+int(x)",
                              "x/fix(y)",
                              "sin(x)*1E308*cos(y)*1E10",
                              "abs(x)/abs(y)",
                              "((x))",
                              "-(-x)",
                              "y^2/x^2",
                              "y-2*x+x^2*3",
                              "x+0*y^2",
                              "x-1E300*y",
                              "(x*0.735)^3+y",
                              "abs(x^2-(y))",
                              "abs(sin(x)-(x*y))",
                              "abs(1E308-(x*1E300))",
                              "abs(1-(x*y))",
                              "abs(x^2+1-(y))"}) {
            QTest::newRow(e) << QString::fromLatin1(e) << true;
        }
        QTest::newRow("whole remainder") << "x Mod 2" << false;
        QTest::newRow("concatenation") << "x & y" << false;
        QTest::newRow("whole kinds") << "sgn(x)+sgn(y)" << false;
    }
    void agreesWithTheGeneralMachine() {
        QFETCH(QString, expression);
        QFETCH(bool, expectFast);
        CompiledText compiled;
        compileOrFail(expression, compiled);
        QCOMPARE(compiled.hasFast, expectFast);
        // 0.1 and 0.3 make inexact products, where a fused multiply-add would round differently.
        const std::vector<double> samples = {-3.5, -1, -0.25, 0,      0.1,   0.3,   0.5,
                                             1,    2,  7.25,  1e-200, 1e200, -1e300};
        QCOMPARE(routesDisagree(compiled, samples), QString());
        // The same where the processor has no fused multiply-add.
        compiled.fast.run = script::fastRunner(compiled.fast, false);
        QCOMPARE(routesDisagree(compiled, samples), QString());
    }

    // What common texts compile to, so that an optimisation that stops applying fails here
    // and not only in the benchmark.
    void compiledForm_data() {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QString>("listing");
        QTest::addColumn<bool>("straight");  // runs as straight-line code
        struct Row {
            const char* expression;
            const char* listing;
            bool straight;
        };
        const Row rows[] = {
            {"x", "Var x", true},
            {"x^2-1", "VarSquare x|SubConst 1", true},
            {"sin(x)*cos(y)", "VarFn sin x|MulVarFn cos y", true},
            {"abs(4-(x^2+y^2))", "VarSquare x|AddVarSquare y|AbsRSubConst 4", true},
            {"abs(x^2-(y))", "VarSquare x|AbsSubVar y", true},
            {"abs(1-(x*y))", "Var x|MulVar y|AbsRSubConst 1", true},
            {"abs(x^2+1-(y))", "VarSquare x|AddConst 1|AbsSubVar y", true},
            {"abs(sin(x)-(x*y))", "VarFn sin x|Var x|MulVar y|AbsSub", false},
            {"2*x^3-3*x^2+1", "Var x|PowWholeConst 3|MulConst 2|SubConstVarSquare x 3|AddConst 1",
             false},
            {"y-2*x+x^2*3", "Var y|SubConstVar x 2|AddConstVarSquare x 3", false},
            {"x^2.5+y^17", "Var x|PowConst 2.5|Var y|PowConst 17|Add", false},
            {"sqr(abs(x))*exp(-x^2/4)", "Var x|Abs|Sqr|VarSquare x|Neg|DivConst 4|FnFinite exp|Mul",
             false},
            {"x*2+y*3-x/4", "Var x|MulConst 2|AddConstVar y 3|Var x|DivConst 4|Sub", false},
            {"x/y^2", "Var x|DivVarSquare y", true},
            {"2-x", "Const 2|SubVar x", true},
            {"1/(x+y)", "Var x|AddVar y|RDivConst 1", false},
            {"cdbl(x)+round(y)", "Var x|AddVarFn round y", true},
            {"(x>0) And Not (y>0)", "Var x|Const 0|Gt|Var y|Const 0|Gt|Not|And", false},
            {"log(x)+sgn(y)", "Var x|FnDomain log|Var y|Sgn|Add", false},
        };
        for (const auto& [expression, listing, straight] : rows)
            QTest::newRow(expression) << expression << QString::fromLatin1(listing) << straight;
    }
    void compiledForm() {
        QFETCH(QString, expression);
        QFETCH(QString, listing);
        QFETCH(bool, straight);
        CompiledText compiled;
        compileOrFail(expression, compiled);
        QVERIFY(compiled.hasFast);
        const std::string text = script::listFast(compiled.fast, compiled.scope.names);
        QCOMPARE(QString::fromStdString(text).split('\n', Qt::SkipEmptyParts).join('|'),
                 listing + "|End");
        QCOMPARE(script::runsStraight(compiled.fast), straight);
    }

    void takesTheGeneralPathForOtherKinds() {
        CompiledText compiled;
        compileOrFail("x*2", compiled);
        QVERIFY(compiled.hasFast);
        std::vector<script::Value> globals(1);
        globals[0] = script::Value::integer(3);
        double r = 0;
        QCOMPARE(script::runFast(compiled.fast, globals.data(), r), -1);
    }

    // The same text again and again, as a plot asks it, while its variable changes kind.
    void repeatedTextFollowsTheVariableKind() {
        script::ScriptEngine engine;
        const std::pair<const char*, const char*> steps[] = {
            {"x=1.5", "Double\t3"}, {"x=1.5", "Double\t3"},   {"x=2", "Integer\t4"},
            {"x=2", "Integer\t4"},  {"x=\"a\"", "Error\t13"}, {"x=1E308", "Error\t6"},
            {"x=2.5", "Double\t5"},
        };
        for (const auto& [assignment, expected] : steps) {
            QCOMPARE(engine.TryAddCode(assignment), 0);
            QCOMPARE(evalText(engine, "x*2"), QString::fromUtf8(expected));
        }
    }

    void wholePowersAreCorrectlyRounded() {
        // 0.735^3 rounded once is 0.397065375; two rounded products give 0.39706537499999994.
        const double x = 0.735;
        QVERIFY(script::wholePower(x, 3) == 0.397065375);
        QVERIFY(x * x * x != 0.397065375);
        QVERIFY(script::wholePower(1.613, 3) == 4.1966533969999995);
        QVERIFY(script::wholePowerPortable(x, 3) == 0.397065375);
        QRandomGenerator random(3);
        for (int k = 0; k < 20000; ++k) {
            const double v = std::ldexp(random.generateDouble() - 0.5, random.bounded(-40, 40));
            const int n = random.bounded(2, script::kMaxWholePower + 1);
            QVERIFY(script::wholePower(v, n) == script::wholePowerPortable(v, n));
        }
        QVERIFY(script::wholePower(3, 5) == 243.0);
        QVERIFY(script::wholePower(-2, 15) == -32768.0);
        QVERIFY(script::wholePower(1.1, 2) == 1.1 * 1.1);
        // Where the double-double sum over- or underflows, still exactly rounded (by rational
        // arithmetic) where pow is a unit in the last place off.
        const double ends[][3] = {{4.96456453551605e+21, 14, 5.525050448636535e+303},
                                  {-1.9114417462647943e-22, 14, 8.690703551242975e-305},
                                  {2.436395287197874e-103, 3, 1.446249601449042e-308}};
        for (auto power : {script::wholePower, script::wholePowerPortable}) {
            for (const auto& [base, n, exact] : ends)  // to the last bit, not QCOMPARE's fuzz
                QCOMPARE(QString::number(power(base, int(n)), 'g', 17),
                         QString::number(exact, 'g', 17));
            QVERIFY(std::signbit(power(-1e-200, 3)) && power(-1e-200, 3) == 0);
        }
    }
};

FUNCURVE_TEST(FastPathTest)
#include "FastPathTest.moc"
