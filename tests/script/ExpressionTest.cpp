// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include "common/TestRegistry.h"
#include "script/BothRoutes.h"
#include "script/ScriptTestSupport.h"

// Expressions as users type them: values, kinds, operators, precedence and error numbers.
class ExpressionTest : public QObject {
    Q_OBJECT

  private:
    void addRows(std::initializer_list<std::pair<const char*, const char*>> rows) {
        for (const auto& [expression, expected] : rows) {
            QTest::newRow(expression)
                << QString::fromUtf8(expression) << QString::fromUtf8(expected);
        }
    }

  private slots:
    void values_data() {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QString>("expected");
        addRows({
            {"2", "Integer\t2"},
            {".5", "Double\t0.5"},
            {"10.", "Double\t10"},
            {"1.5E-3", "Double\t0.0015"},
            {"1E+3", "Double\t1000"},
            {"1e-3", "Double\t0.001"},
            {"32767", "Integer\t32767"},
            {"32768", "Long\t32768"},
            {"2147483647", "Long\t2147483647"},
            {"2147483648", "Double\t2147483648"},
            {"&H1F", "Integer\t31"},
            {"&HFFFF", "Integer\t-1"},
            {"&HFFFF&", "Long\t65535"},
            {"&H10&", "Integer\t16"},
            {"&HFFFFFFFF", "Integer\t-1"},
            {"&H8000&", "Long\t32768"},
            {"&H10000", "Long\t65536"},
            {"&O17", "Integer\t15"},
            {"\"abc\"", "String\tabc"},
            {"\"say \"\"hi\"\"\"", "String\tsay \"hi\""},
            {"True", "Boolean\tTrue"},
            {"Empty", "Empty\t"},
            {"unassigned", "Empty\t"},
            {"u + 1", "Integer\t1"},
            {"u & \"x\"", "String\tx"},
            {"Empty = 0", "Boolean\tTrue"},
            {"0.1 + 0.2", "Double\t0.3"},
            {"1E-05 * 1", "Double\t1E-05"},
            {"1E15", "Double\t1E+15"},
            {"123456789012345", "Double\t123456789012345"},
        });
    }
    void values() { check(); }

    void arithmetic_data() {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QString>("expected");
        addRows({
            {"-2^2", "Double\t-4"},
            {"2^-2", "Double\t0.25"},
            {"2^3^2", "Double\t64"},
            {"-2*3", "Integer\t-6"},
            {"2*-3", "Integer\t-6"},
            {"e^-x^2", "Double\t1"},
            {"1+2*3", "Integer\t7"},
            {"(1+2)*3", "Integer\t9"},
            {"7/2", "Double\t3.5"},
            {"6/3", "Double\t2"},
            {"7\\2", "Integer\t3"},
            {"7.5\\2", "Long\t4"},
            {"5.5 Mod 2", "Long\t0"},
            {"-7 Mod 3", "Integer\t-1"},
            {"7 Mod -3", "Integer\t1"},
            {"10 Mod 4 * 2", "Integer\t2"},
            {"2 + 7 Mod 4", "Integer\t5"},
            {"32767 + 1", "Long\t32768"},
            {"200 * 200", "Long\t40000"},
            {"-32768 - 1", "Long\t-32769"},
            {"2147483647 + 1", "Double\t2147483648"},
            {"-(-32768)", "Long\t32768"},
            {"True + True", "Integer\t-2"},
            {"\"3\" + 4", "Double\t7"},
            {"\"3\" + \"4\"", "String\t34"},
            {"\"3\" * \"4\"", "Double\t12"},
            {"1 & 2", "String\t12"},
            {"1.5 & True", "String\t1.5True"},
            {"3 ^ 2", "Double\t9"},
            {"1.1 ^ 3", "Double\t1.331"},
            {"(-2) ^ 3", "Double\t-8"},
            {"4 ^ 0.5", "Double\t2"},
            {"0 ^ 0", "Double\t1"},
            {"3.550703192779521E+20 ^ 15", "Double\t1.79769313486232E+308"},
            {"2.91546779847174E-21 ^ 15", "Double\t9.34595605441115E-309"},
        });
    }
    void arithmetic() { check(); }

    void logic_data() {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QString>("expected");
        addRows({
            {"3 > 2", "Boolean\tTrue"},
            {"3 > 2 > 1", "Boolean\tFalse"},
            {"1 = \"1\"", "Boolean\tFalse"},
            {"1 < \"1\"", "Boolean\tTrue"},
            {"\"a\" < \"b\"", "Boolean\tTrue"},
            {"\"B\" < \"a\"", "Boolean\tTrue"},
            {"u = \"\"", "Boolean\tTrue"},
            {"1 <> 2", "Boolean\tTrue"},
            {"2 <= 2", "Boolean\tTrue"},
            {"2 >= 3", "Boolean\tFalse"},
            {"2 >= 2", "Boolean\tTrue"},
            {"Not 0", "Integer\t-1"},
            {"Not True", "Boolean\tFalse"},
            {"Not 1 = 2", "Boolean\tTrue"},
            {"5 Xor 3", "Integer\t6"},
            {"5 And 3", "Integer\t1"},
            {"5 Or 3", "Integer\t7"},
            {"True And False", "Boolean\tFalse"},
            {"True Or False And False", "Boolean\tTrue"},
            {"False Imp False", "Boolean\tTrue"},
            {"True Eqv False", "Boolean\tFalse"},
            {"1 < 2 And 3 < 4", "Boolean\tTrue"},
            {"(3 > 2) * 5", "Integer\t-5"},
            {"70000 And 1", "Long\t0"},
            {"-1 And \"True\"", "Integer\t-1"},
            {"Not \"True\"", "Boolean\tFalse"},
            {"\"True\" Or False", "Boolean\tTrue"},
            {"\" false \" Xor 3", "Integer\t3"},
            {"Not \"5\"", "Long\t-6"},
        });
    }
    void logic() { check(); }

    void functions_data() {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QString>("expected");
        addRows({
            {"Abs(-2.5)", "Double\t2.5"},
            {"Abs(-32768)", "Long\t32768"},
            {"ABS(-3)", "Integer\t3"},
            {"Sgn(-0.5)", "Integer\t-1"},
            {"Sgn(0)", "Integer\t0"},
            {"Int(-1.5)", "Double\t-2"},
            {"Fix(-1.5)", "Double\t-1"},
            {"Int(7)", "Integer\t7"},
            {"Round(2.5)", "Double\t2"},
            {"Round(3.5)", "Double\t4"},
            {"Round(-2.5)", "Double\t-2"},
            {"Round(3.14159, 2)", "Double\t3.14"},
            {"Round(0.125, 2)", "Double\t0.12"},
            {"Round(True)", "Boolean\tTrue"},
            {"CInt(2.5)", "Integer\t2"},
            {"CInt(3.5)", "Integer\t4"},
            {"CLng(2.5)", "Long\t2"},
            {"CLng(-2.5)", "Long\t-2"},
            {"CDbl(5)", "Double\t5"},
            {"CBool(2)", "Boolean\tTrue"},
            {"CBool(\"false\")", "Boolean\tFalse"},
            {"Sqr(16)", "Double\t4"},
            {"Exp(0)", "Double\t1"},
            {"Log(1)", "Double\t0"},
            {"Atn(1) * 4", "Double\t3.14159265358979"},
            {"Sin(0)", "Double\t0"},
            {"Cos(0)", "Double\t1"},
            {"Tan(0)", "Double\t0"},
            {"sin(1)^2 + cos(1)^2", "Double\t1"},
        });
    }
    void functions() { check(); }

    void errors_data() {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QString>("expected");
        addRows({
            {"Sqr(-1)", "Error\t5"},
            {"Log(0)", "Error\t5"},
            {"Log(-1)", "Error\t5"},
            {"(-8)^(1/3)", "Error\t5"},
            {"0^-1", "Error\t5"},
            {"Round(1.5, -1)", "Error\t5"},
            {"10^400", "Error\t6"},
            {"1E308*10", "Error\t6"},
            {"Exp(710)", "Error\t6"},
            {"0/0", "Error\t6"},
            {"CInt(32767.5)", "Error\t6"},
            {"CLng(3E9)", "Error\t6"},
            {"3E9 Mod 2", "Error\t6"},
            {"1E400", "Error\t6"},
            {"\"1e400\" + 0", "Error\t6"},
            {"CDbl(\"1e400\")", "Error\t6"},
            {"\"1e400x\" + 0", "Error\t13"},
            {"1/0", "Error\t11"},
            {"5 Mod 0", "Error\t11"},
            {"5 \\ 0.4", "Error\t11"},
            {"\"abc\" + 1", "Error\t13"},
            {"\"\" + 1", "Error\t13"},
            {"\"abc\" And 1", "Error\t13"},
            {"CreateObject(\"WScript.Shell\")", "Error\t13"},
            {"Execute(\"x=1\")", "Error\t13"},
            {"Eval(\"1\")", "Error\t13"},
            {"GetObject(1)", "Error\t13"},
            {"x(1)", "Error\t13"},
            {"Sin(1, 2)", "Error\t450"},
            {"Round()", "Error\t450"},
            {"sin", "Error\t450"},
            {"Sin + 1", "Error\t450"},
            {"1+", "Error\t1002"},
            {"(1", "Error\t1002"},
            {"1)", "Error\t1002"},
            {"", "Error\t1002"},
            {"1 2", "Error\t1002"},
            {"x = 1 : y", "Error\t1002"},
            {"\"open", "Error\t1002"},
            {"2π", "Error\t1032"},
            {"x # 2", "Error\t1032"},
            {"1+)π", "Error\t1002"},
        });
    }
    void errors() { check(); }

  private:
    void check() {
        QFETCH(QString, expression);
        QFETCH(QString, expected);
        script::ScriptEngine engine;
        QCOMPARE(evalText(engine, expression), expected);
        // The same text with numbers in its variables: both routes give the same answer.
        CompiledText compiled;
        compileText(expression.toStdString(), compiled);
        QCOMPARE(routesDisagree(compiled, {-2.5, -1, 0, 0.5, 3, 1e300}), QString());
    }
};

FUNCURVE_TEST(ExpressionTest)
#include "ExpressionTest.moc"
