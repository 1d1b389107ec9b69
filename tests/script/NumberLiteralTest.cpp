// SPDX-License-Identifier: GPL-3.0-or-later
#include <QRandomGenerator>
#include <QTest>
#include <cmath>
#include <cstdlib>
#include <string>

#include "common/TestRegistry.h"
#include "script/Decimal.h"
#include "script/ScriptTestSupport.h"
#include "vbrt/NumberText.h"

namespace {

double readLiteral(const std::string& text) {
    script::Decimal d;
    size_t pos = 0;
    if (script::readDecimal(text, pos, d) != 0 || pos != text.size()) return -1;
    return d.kind == script::Kind::Double ? d.real : d.whole;
}

}  // namespace

// Number literals read exactly as the C library reads them, and the number texts the
// plotters write read back to the same text.
class NumberLiteralTest : public QObject {
    Q_OBJECT

  private slots:
    void literalsAreCorrectlyRounded() {
        QRandomGenerator random(20260607);
        for (int k = 0; k < 20000; ++k) {
            const std::string digits = std::to_string(random.bounded(1000000000));
            std::string text = digits;
            if (k % 2) text.insert(random.bounded(static_cast<int>(text.size())) + 1, ".");
            if (k % 3 == 0) text += "E" + std::to_string(random.bounded(-330, 310));
            if (k % 5 == 0) text = "0.000" + digits;
            const double expected = std::strtod(text.c_str(), nullptr);
            if (expected > 1.7e308) continue;
            QVERIFY2(readLiteral(text) == expected, text.c_str());
        }
    }

    void longLiteralsToo_data() {
        QTest::addColumn<QString>("text");
        for (const char* t :
             {"0.1000000000000000055511151231257827", "123456789012345678", "9007199254740993",
              "2.2250738585072014E-308", "4.9E-324", "1.7976931348623157E308",
              "0.30000000000000004", "000000000000000000001.5", "1.000000000000000000000000001"}) {
            QTest::newRow(t) << QString::fromLatin1(t);
        }
    }
    void longLiteralsToo() {
        QFETCH(QString, text);
        const std::string s = text.toStdString();
        QVERIFY(readLiteral(s) == std::strtod(s.c_str(), nullptr));
    }

    void numberTextsReadBack() {
        QRandomGenerator random(7);
        script::ScriptEngine engine;
        for (int k = 0; k < 5000; ++k) {
            const double magnitude = std::ldexp(random.generateDouble(), random.bounded(-60, 60));
            const double v = (k % 2 ? -1 : 1) * magnitude;
            const std::string text = vbrt::NumberToText(v);
            QCOMPARE(engine.TryAddCode("X=" + text), 0);
            const script::EvalResult r = engine.TryEval("x");
            QCOMPARE(r.error, 0);
            QCOMPARE(vbrt::ToText(r.value), text);
        }
    }
};

FUNCURVE_TEST(NumberLiteralTest)
#include "NumberLiteralTest.moc"
