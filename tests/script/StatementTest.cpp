// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include "common/TestRegistry.h"
#include "script/ExactPower.h"
#include "script/ScriptTestSupport.h"
#include "vbrt/RuntimeError.h"

// AddCode statements, script functions and Run.
class StatementTest : public QObject {
    Q_OBJECT

  private slots:
    void assignmentsKeepTheLiteralKind_data() {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("expected");
        QTest::newRow("integer") << "X=5"
                                 << "Integer\t5";
        QTest::newRow("negative integer") << "X=-5"
                                          << "Integer\t-5";
        QTest::newRow("long") << "X=32768"
                              << "Long\t32768";
        QTest::newRow("negative long") << "X=-32768"
                                       << "Long\t-32768";
        QTest::newRow("double") << "X=1.5"
                                << "Double\t1.5";
        QTest::newRow("plotter text") << "X=-0.170000000000003"
                                      << "Double\t-0.170000000000003";
        QTest::newRow("exponent") << "X=1.5E-05"
                                  << "Double\t1.5E-05";
        QTest::newRow("blank after =") << "e= 2.71828"
                                       << "Double\t2.71828";
        QTest::newRow("blanks everywhere") << "  x =  - 2.5  "
                                           << "Double\t-2.5";
        QTest::newRow("expression") << "x = 2 * 3"
                                    << "Integer\t6";
        QTest::newRow("text") << "x = \"abc\""
                              << "String\tabc";
        QTest::newRow("hex") << "x=&H10"
                             << "Integer\t16";
    }
    void assignmentsKeepTheLiteralKind() {
        QFETCH(QString, statement);
        QFETCH(QString, expected);
        script::ScriptEngine engine, readOnce;
        QCOMPARE(engine.TryAddCode(statement.toStdString()), 0);
        const QString name = statement.trimmed().left(1);
        QCOMPARE(evalText(engine, name), expected);
        const script::ParsedCode parsed(statement.toStdString());
        QCOMPARE(readOnce.TryAddCode(parsed), 0);
        QCOMPARE(readOnce.TryAddCode(parsed), 0);
        QCOMPARE(evalText(readOnce, name), expected);
    }

    // The quick path for NAME=NUMBER must give exactly what the full parser gives.
    void quickAssignmentMatchesFullParse_data() {
        QTest::addColumn<QString>("number");
        for (const char* n : {"0",
                              "7",
                              "-7",
                              "32767",
                              "-32767",
                              "32768",
                              "-32768",
                              "2147483647",
                              "-2147483648",
                              "2147483648",
                              "0.5",
                              ".5",
                              "10.",
                              "-4.96",
                              "1E+15",
                              "1.23456789012346E+15",
                              "-1.06609165939631E-13",
                              "123456789012345678901234567890",
                              "1e-320",
                              "0.1"}) {
            QTest::newRow(n) << QString::fromLatin1(n);
        }
    }
    void quickAssignmentMatchesFullParse() {
        QFETCH(QString, number);
        script::ScriptEngine engine;
        QCOMPARE(engine.TryAddCode(("a=" + number).toStdString()), 0);
        QCOMPARE(engine.TryAddCode(("b=(" + number + ")").toStdString()), 0);
        QCOMPARE(evalText(engine, "a"), evalText(engine, "b"));
        QCOMPARE(evalText(engine, "a = b"), QStringLiteral("Boolean\tTrue"));
    }

    void badStatementsFail_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("error");
        QTest::newRow("reserved name") << "if=5" << 1002;
        QTest::newRow("dangling operator") << "x=1+" << 1002;
        QTest::newRow("bad character") << "x=2π" << 1032;
        QTest::newRow("unclosed if") << "If x Then\r\ny=1" << 1002;
        QTest::newRow("unclosed function") << "Function f()\r\nf=1" << 1002;
        QTest::newRow("exit outside function") << "Exit Function" << 1002;
        QTest::newRow("nested function")
            << "Function f()\r\nFunction g()\r\nEnd Function\r\nEnd Function" << 1002;
        QTest::newRow("execute statement") << "Execute \"x=1\"" << 1002;
        QTest::newRow("object creation") << "Set o = CreateObject(\"x\")" << 1002;
        QTest::newRow("runtime error") << "x = 1/0" << 11;
        QTest::newRow("built-in assigned") << "Sin = 1" << 501;
        QTest::newRow("built-in assigned after a value") << "x = 1 : abs = x" << 501;
        QTest::newRow("function assigned")
            << "Function sp(X)\r\nsp = X\r\nEnd Function\r\nsp = 2" << 501;
        QTest::newRow("too long") << QString(1100000, 'x') << 7;
    }
    void badStatementsFail() {
        QFETCH(QString, source);
        QFETCH(int, error);
        script::ScriptEngine engine;
        QCOMPARE(engine.TryAddCode(source.toStdString()), error);
        QCOMPARE(engine.TryAddCode(script::ParsedCode(source.toStdString())), error);
        QVERIFY_THROWS_EXCEPTION(vbrt::RuntimeError, engine.AddCode(source.toStdString()));
    }

    // The quick path for NAME=NUMBER refuses what the full parser refuses.
    void quickAssignmentRefusesFunctionNames() {
        script::ScriptEngine engine;
        QCOMPARE(engine.TryAddCode(script::kSpSource), 0);
        QCOMPARE(engine.TryAddCode("SP=1"), 501);
        QCOMPARE(engine.TryAddCode(script::ParsedCode("SP=1")), 501);
        QCOMPARE(evalText(engine, "sp(8, 1, 3)"), QStringLiteral("Double\t2"));
        QCOMPARE(engine.TryAddCode("Dim sin"), 0);
        QCOMPARE(engine.TryAddCode("sin=1"), 501);
    }

    void aFailingSourceRunsNothing() {
        script::ScriptEngine engine;
        QCOMPARE(engine.TryAddCode("x = 1\r\ny = (\r\n"), 1002);
        QCOMPARE(evalText(engine, "x"), QStringLiteral("Empty\t"));
        QCOMPARE(engine.TryAddCode("x = 1\r\ny = 1/0\r\nz = 3"), 11);
        QCOMPARE(evalText(engine, "x"), QStringLiteral("Integer\t1"));
        QCOMPARE(evalText(engine, "z"), QStringLiteral("Empty\t"));
    }

    void ifChoosesOneBranch_data() {
        QTest::addColumn<int>("x");
        QTest::addColumn<QString>("expected");
        QTest::newRow("if") << 1 << "String\tone";
        QTest::newRow("elseif") << 2 << "String\ttwo";
        QTest::newRow("else") << 3 << "String\tother";
    }
    void ifChoosesOneBranch() {
        QFETCH(int, x);
        QFETCH(QString, expected);
        script::ScriptEngine engine;
        const char* source =
            "Function f(x) ' classify\r\n"
            "  If x = 1 Then\r\n"
            "    f = \"one\"\r\n"
            "  ElseIf x = 2 Then\n"
            "    f = \"two\"\r\n"
            "  Else\r\n"
            "    f = \"other\"\r\n"
            "  End If\r\n"
            "End Function";
        QCOMPARE(engine.TryAddCode(source), 0);
        QCOMPARE(evalText(engine, QStringLiteral("f(%1)").arg(x)), expected);
    }

    void singleLineIfAndColons() {
        script::ScriptEngine engine;
        QCOMPARE(engine.TryAddCode("a = 1 : b = 2\nIf a = 1 Then c = 3 : d = 4 Else c = 5"), 0);
        QCOMPARE(evalText(engine, "b"), QStringLiteral("Integer\t2"));
        QCOMPARE(evalText(engine, "c"), QStringLiteral("Integer\t3"));
        QCOMPARE(evalText(engine, "d"), QStringLiteral("Integer\t4"));
        QCOMPARE(engine.TryAddCode("If a = 2 Then c = 3 Else c = 5 : d = 6"), 0);
        QCOMPARE(evalText(engine, "c"), QStringLiteral("Integer\t5"));
        QCOMPARE(evalText(engine, "d"), QStringLiteral("Integer\t6"));
    }

    void exitFunctionKeepsTheValueSoFar() {
        script::ScriptEngine engine;
        QCOMPARE(engine.TryAddCode("Function f(x)\r\n f = 1\r\n If x Then Exit Function\r\n"
                                   " f = 2\r\nEnd Function"),
                 0);
        QCOMPARE(evalText(engine, "f(True)"), QStringLiteral("Integer\t1"));
        QCOMPARE(evalText(engine, "f(False)"), QStringLiteral("Integer\t2"));
        QCOMPARE(engine.TryAddCode("Function g()\r\nEnd Function"), 0);
        QCOMPARE(evalText(engine, "g()"), QStringLiteral("Empty\t"));
        QCOMPARE(evalText(engine, "g"), QStringLiteral("Empty\t"));
    }

    void byRefChangesTheCallersVariable() {
        script::ScriptEngine engine;
        QCOMPARE(engine.TryAddCode("Function inc(a, ByVal b)\r\n a = a + 1\r\n b = b + 1\r\n"
                                   " inc = a + b\r\nEnd Function\r\nx = 1\r\ny = 10"),
                 0);
        QCOMPARE(evalText(engine, "inc(x, y)"), QStringLiteral("Integer\t13"));
        QCOMPARE(evalText(engine, "x"), QStringLiteral("Integer\t2"));
        QCOMPARE(evalText(engine, "y"), QStringLiteral("Integer\t10"));
        // A parenthesised or computed argument is a copy.
        QCOMPARE(evalText(engine, "inc((x), y)"), QStringLiteral("Integer\t14"));
        QCOMPARE(evalText(engine, "x"), QStringLiteral("Integer\t2"));
    }

    void functionsCallEachOtherAndRecurse() {
        script::ScriptEngine engine;
        QCOMPARE(engine.TryAddCode("Function fact(n)\r\n If n <= 1 Then\r\n  fact = 1\r\n Else\r\n"
                                   "  fact = n * fact(n - 1)\r\n End If\r\nEnd Function\r\n"
                                   "Function twice(n)\r\n twice = 2 * later(n)\r\nEnd Function\r\n"
                                   "Function later(n)\r\n later = n + 1\r\nEnd Function"),
                 0);
        QCOMPARE(evalText(engine, "fact(10)"), QStringLiteral("Long\t3628800"));
        QCOMPARE(evalText(engine, "twice(4)"), QStringLiteral("Integer\t10"));
    }

    void redefiningReplacesAndNamesAreCaseInsensitive() {
        script::ScriptEngine engine;
        QCOMPARE(engine.TryAddCode("X = 4"), 0);
        QCOMPARE(evalText(engine, "f(2)"), QStringLiteral("Error\t13"));
        QCOMPARE(engine.TryAddCode("Function F(a)\r\nf = a * x\r\nEnd Function"), 0);
        QCOMPARE(evalText(engine, "f(2)"), QStringLiteral("Integer\t8"));
        QCOMPARE(engine.TryAddCode("Function f(a)\r\nF = a + X\r\nEnd Function"), 0);
        QCOMPARE(evalText(engine, "F(2)"), QStringLiteral("Integer\t6"));
        QCOMPARE(evalText(engine, "f(1, 2)"), QStringLiteral("Error\t450"));
        // Names alike in their first 8 bytes stay apart in the cache of recent names.
        for (const char* statement :
             {"abcdefgh_1 = 1", "abcdefgh_2 = 2", "abcdefgh_1 = 3", "abcdefgh_2 = 4"})
            QCOMPARE(engine.TryAddCode(statement), 0);
        QCOMPARE(evalText(engine, "abcdefgh_2 * 10 + abcdefgh_1"), QStringLiteral("Integer\t43"));
    }

    void runCallsAFunctionByName() {
        script::ScriptEngine engine;
        QCOMPARE(engine.TryAddCode("Function add(a, b)\r\nadd = a + b\r\nEnd Function"), 0);
        const vbrt::Variant args[] = {vbrt::Variant::integer(2), vbrt::Variant::number(0.5)};
        const vbrt::Variant r = engine.Run("ADD", args);
        QCOMPARE(r.type, vbrt::VarType::Double);
        QCOMPARE(r.real, 2.5);
        QVERIFY_THROWS_EXCEPTION(vbrt::RuntimeError, engine.Run("nothere", args));
        QVERIFY_THROWS_EXCEPTION(vbrt::RuntimeError, engine.Run("add", {}));
    }

    void throwingFormsCarryTheNumber() {
        script::ScriptEngine engine;
        try {
            engine.Eval("1/0");
            QFAIL("no error raised");
        } catch (const vbrt::RuntimeError& e) {
            QCOMPARE(e.number(), 11);
        }
        QCOMPARE(engine.Eval("1+1").whole, 2);
    }

    void commentsAndContinuations() {
        script::ScriptEngine engine;
        QCOMPARE(engine.TryAddCode("' a comment\r\nx = 1 + _\r\n  2 ' trailing\r\nRem more\r\n"
                                   "Dim y, z\r\ny = x"),
                 0);
        QCOMPARE(evalText(engine, "y"), QStringLiteral("Integer\t3"));
    }
};

FUNCURVE_TEST(StatementTest)
#include "StatementTest.moc"
