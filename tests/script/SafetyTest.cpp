// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>
#include <cmath>

#include "common/TestRegistry.h"
#include "script/EvalCache.h"
#include "script/ScriptTestSupport.h"
#include "script/Value.h"
#include "vbrt/RuntimeError.h"

namespace {

std::string repeated(const std::string& piece, int count) {
    std::string s;
    s.reserve(piece.size() * count);
    for (int k = 0; k < count; ++k)
        s += piece;
    return s;
}

}  // namespace

// Hostile or absurd input ends in a value or an error, never a crash or a hang.
class SafetyTest : public QObject {
    Q_OBJECT

  private slots:
    void deepNestingIsAnError_data() {
        QTest::addColumn<QString>("expression");
        auto row = [](const char* name, const std::string& text) {
            QTest::newRow(name) << QString::fromStdString(text);
        };
        row("parentheses", repeated("(", 100000) + "1" + repeated(")", 100000));
        row("unclosed parentheses", repeated("(", 100000));
        row("signs", repeated("-", 100000) + "1");
        row("nots", repeated("Not ", 100000) + "1");
        row("calls", repeated("abs(", 100000) + "1" + repeated(")", 100000));
        row("powers", "2" + repeated("^-(2", 100000) + repeated(")", 100000));
    }
    void deepNestingIsAnError() {
        QFETCH(QString, expression);
        script::ScriptEngine engine;
        QCOMPARE(engine.TryEval(expression.toStdString()).error, vbrt::kOutOfStackSpace);
        QCOMPARE(engine.TryAddCode(("x=" + expression).toStdString()), vbrt::kOutOfStackSpace);
    }

    void moderateNestingWorks() {
        script::ScriptEngine engine;
        const std::string text = repeated("(", 150) + "1" + repeated(")", 150);
        QCOMPARE(evalText(engine, QString::fromStdString(text)), QStringLiteral("Integer\t1"));
    }

    void longTexts() {
        script::ScriptEngine engine;
        const std::string sum = "0" + repeated("+1", 200000);
        QCOMPARE(evalText(engine, QString::fromStdString(sum)), QStringLiteral("Long\t200000"));
        const std::string huge(10u << 20, '1');
        QCOMPARE(engine.TryEval(huge).error, 7);
        QCOMPARE(engine.TryAddCode("x=" + huge), 7);
        QCOMPARE(engine.TryEval("x" + repeated("1", 300)).error, 1002);  // name too long
    }

    void runawayRecursionIsAnError() {
        script::ScriptEngine engine;
        QCOMPARE(engine.TryAddCode("Function down(n)\r\n down = down(n - 1)\r\nEnd Function\r\n"
                                   "Function wide(n)\r\n If n <= 0 Then\r\n  wide = 1\r\n"
                                   " Else\r\n  wide = wide(n - 1) + wide(n - 1)\r\n End If\r\n"
                                   "End Function"),
                 0);
        QCOMPARE(engine.TryEval("down(1)").error, vbrt::kOutOfStackSpace);
        QCOMPARE(engine.TryEval("wide(60)").error, vbrt::kOutOfStackSpace);
        QCOMPARE(evalText(engine, "wide(10)"), QStringLiteral("Integer\t1024"));
    }

    void evalCannotDefineOrRunCode_data() {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<int>("error");
        QTest::newRow("function definition") << "Function f()" << 1002;
        QTest::newRow("statement") << "x = 1 : x" << 1002;
        QTest::newRow("execute") << "Execute(\"x = 1\")" << 13;
        QTest::newRow("object") << "CreateObject(\"Scripting.FileSystemObject\")" << 13;
        QTest::newRow("shell") << "Shell(\"ls\")" << 13;
        QTest::newRow("new") << "New RegExp" << 1002;
        QTest::newRow("member") << "x.Run" << 1032;
        QTest::newRow("brackets") << "[x]" << 1032;
        QTest::newRow("nul") << QString(QChar(0)) << 1032;
        QTest::newRow("line break") << "1\n+1" << 1002;
    }
    void evalCannotDefineOrRunCode() {
        QFETCH(QString, expression);
        QFETCH(int, error);
        script::ScriptEngine engine;
        QCOMPARE(engine.TryEval(expression.toStdString()).error, error);
        QCOMPARE(evalText(engine, "x"), QStringLiteral("Empty\t"));
    }

    void noInfinityOrNaNEscapes() {
        script::ScriptEngine engine;
        QCOMPARE(engine.TryAddCode("big = 1E308"), 0);
        for (const char* e : {"big*10", "big+big", "-big-big", "big/1E-10", "(big*10)*0", "big^2",
                              "exp(big)", "1/(1/big/big)", "tan(big)*big", "0/0", "(big*10)>0",
                              "abs(-big-big)", "sqr(big*10)"}) {
            const script::EvalResult r = engine.TryEval(e);
            if (r.error == 0 && r.value.type == vbrt::VarType::Double) {
                QVERIFY2(std::isfinite(r.value.real), e);
            }
        }
        QCOMPARE(engine.TryEval("big*10").error, 6);
        QCOMPARE(engine.TryEval("(big*10)*0").error, 6);
    }

    void theCacheStaysBounded() {
        script::EvalCache cache;
        std::string text;
        for (int k = 0; k < 1000; ++k) {
            text = "x*" + std::to_string(k);
            cache.insert(text, std::make_unique<script::CompiledEval>());
            QVERIFY(cache.size() <= script::EvalCache::kMaxEntries);
        }
        QVERIFY(cache.find(text));
        const std::string third(script::EvalCache::kMaxBytes / 3, 'x');
        for (int k = 0; k < 10; ++k) {
            text = third + std::to_string(k);
            cache.insert(text, std::make_unique<script::CompiledEval>());
            QVERIFY(cache.bytes() <= script::EvalCache::kMaxBytes);
        }
        QVERIFY(cache.find(text));
    }

    // The last text is known again only when every character is the same, whatever the
    // length and wherever the difference lies.
    void aChangedTextIsNotTheLastText() {
        script::EvalCache cache;
        for (size_t length = 1; length <= 40; ++length) {
            const std::string text(length, 'x');
            cache.insert(text, std::make_unique<script::CompiledEval>());
            QVERIFY(cache.lastHit(std::string(text)));
            for (size_t k = 0; k < length; ++k) {
                std::string changed = text;
                changed[k] = 'y';
                QVERIFY(!cache.lastHit(changed));
            }
        }
    }

    void answersStayRightPastTheCacheBound() {
        script::ScriptEngine engine;
        QCOMPARE(engine.TryAddCode("x = 2"), 0);
        for (int k = 0; k < 5000; ++k) {
            const std::string text = "x*" + std::to_string(k);
            QCOMPARE(engine.TryEval(text).value.whole, 2 * k);
        }
        QCOMPARE(evalText(engine, "x*3"), QStringLiteral("Integer\t6"));
    }
};

FUNCURVE_TEST(SafetyTest)
#include "SafetyTest.moc"
