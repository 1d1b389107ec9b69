// SPDX-License-Identifier: GPL-3.0-or-later
#include <QStringList>
#include <QTest>

#include "PresetRig.h"
#include "common/TestRegistry.h"

// The formula line every preset prints, with print-form items, joined plain numbers and
// bracketed negative parameters.
class PresetFormulasTest : public QObject {
    Q_OBJECT

  private slots:
    void formulaLines_data() {
        QTest::addColumn<QString>("preset");
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QStringList>("lines");

        const auto row = [](const char* tag, const char* preset, const char* a, const char* b,
                            QStringList lines) { QTest::newRow(tag) << preset << a << b << lines; };
        row("line", "line", "2", "3", {"y= 2 x+ 3 "});
        row("line b=0", "line", "2", "0", {"y= 2 x 0 "});
        row("line b<0", "line", "2", "-3", {"y= 2 x-3 "});
        row("line a<0 fraction", "line", "-0.5", "0", {"y=-.5 x 0 "});
        row("line a fraction", "line", "0.5", "3", {"y= .5 x+ 3 "});
        row("line a=0", "line", "0", "3", {"y= 0 x+ 3 "});
        row("line a text", "line", "abc", "3", {"y= 0 x+ 3 "});
        row("line leading number", "line", "1 5x", "2e1", {"y= 15 x+ 20 "});
        row("line full-width", "line", "−２", "\u3000０．５", {"y=-2 x+ .5 "});
        row("parabola", "paowu", "2", "3", {"y= 2 x^2+ 3 "});
        row("parabola b=0", "paowu", "2", "0", {"y= 2 x^2+ 0 "});
        row("parabola b<0", "paowu", "2", "-1", {"y= 2 x^2-1 "});
        row("power", "mihanshu1", "2", "3", {"y = x^2"});
        row("power a<0", "mihanshu1", "-1", "3", {"y = x^(-1)"});
        row("power fraction", "mihanshu1", "0.5", "3", {"y = x^0.5"});
        row("root power", "mihanshu2", "2", "3", {"y = x^(2/3)"});
        row("root power a<0", "mihanshu2", "-1", "3", {"y = x^((-1)/3)"});
        row("root power b<0", "mihanshu2", "2", "-3", {"y = x^(2/(-3))"});
        row("root power b rounds to 1", "mihanshu2", "1", "0.6", {"y = x^(1/0.6)"});
        row("exponential", "zhishu", "2", "3", {"y = 2^x"});
        row("exponential fraction", "zhishu", "0.5", "3", {"y = 0.5^x"});
        row("logarithm", "duishu", "2", "3", {"y = Log x", "       2"});
        row("logarithm fraction", "duishu", "0.5", "3", {"y = Log x", "       0.5"});
        row("inverse", "fanbili", "2", "3", {"y=2/x"});
        row("inverse a<0", "fanbili", "-1", "3", {"y=-1/x"});
        row("inverse a=0", "fanbili", "0", "3", {"y=0/x"});
        row("sine", "zhengxian", "2", "3", {"y= 2 Sin( 3 x)"});
        row("cosine", "yuxian", "2", "3", {"y= 2 Cos( 3 x)"});
        row("cosine fractions", "yuxian", "-1", "0.5", {"y=-1 Cos( .5 x)"});
        row("tangent", "zhengqie", "2", "3", {"y= 2 Tan( 3 x)"});
        row("cotangent", "yuqie", "2", "3", {"y= 2 Cot( 3 x)"});
        row("cotangent b<0", "yuqie", "1", "-2", {"y= 1 Cot(-2 x)"});
        row("cotangent b=0", "yuqie", "2", "0", {"y= 2 Cot( 0 x)"});
        row("ellipse", "tuoyuan", "2", "3", {"(x/2)^2+(y/3)^2 = 1 "});
        row("ellipse a<0", "tuoyuan", "-2", "0.5", {"(x/(-2))^2+(y/0.5)^2 = 1 "});
        row("hyperbola x", "shuang1", "2", "3", {"(x/2)^2-(y/3)^2 = 1 "});
        row("hyperbola x negative", "shuang1", "-2", "-3", {"(x/(-2))^2-(y/(-3))^2 = 1 "});
        row("hyperbola y", "shuang2", "2", "3", {"(y/2)^2-(x/3)^2 = 1 "});
    }

    void formulaLines() {
        QFETCH(QString, preset);
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QStringList, lines);
        PresetRig rig(a.toStdString(), b.toStdString());
        QVERIFY(rig.press(preset.toStdString()));
        QStringList printed;
        for (const auto& line : rig.formulaLines())
            printed << QString::fromStdString(line);
        QCOMPARE(printed, lines);
        QVERIFY(rig.messages.empty());
    }

    // Formula lines go one below the other, in the order of the presses.
    void linesAccumulateInPressOrder() {
        PresetRig rig;
        for (const char* name : {"zhengxian", "yuxian", "zhengqie"})
            rig.press(name);
        const std::vector<std::string> expected{"y= 2 Sin( 3 x)", "y= 2 Cos( 3 x)",
                                                "y= 2 Tan( 3 x)"};
        QCOMPARE(rig.formulaLines(), expected);
        const auto& ops = rig.picture2.trace();
        QCOMPARE(ops.size(), std::size_t(3));
        QVERIFY(ops[0].y1 < ops[1].y1 && ops[1].y1 < ops[2].y1);
    }

    // The base of the logarithm is lowered by less than a line: the strip's print position
    // moves up 80 twips between the two lines.
    void logarithmBaseRaisedByEightyTwips() {
        PresetRig rig;
        canvas::Canvas reference(2415, 1200);
        reference.Print("y = Log x");
        reference.Print("       2");
        rig.press("duishu");
        QVERIFY(qAbs(rig.picture2.CurrentY() - (reference.CurrentY() - 80)) < 0.01);
        const auto& ops = rig.picture2.trace();
        QCOMPARE(ops.size(), std::size_t(2));
        const float lineHeight = reference.CurrentY() / 2;
        QVERIFY(lineHeight > 80);
        QVERIFY(qAbs(ops[1].y1 - ops[0].y1 - (lineHeight - 80)) < 0.01);
    }

    // A negative parameter stays in its field as the bracketed text until the next press.
    void negativeParametersBracketedInFields() {
        PresetRig rig("-1", "3");
        rig.press("mihanshu1");
        QCOMPARE(vbrt::ToText(rig.fields.varA), std::string("(-1)"));
        PresetRig conic("-2", "-0.5");
        conic.press("tuoyuan");
        QCOMPARE(vbrt::ToText(conic.fields.varA), std::string("(-2)"));
        QCOMPARE(vbrt::ToText(conic.fields.varB), std::string("(-0.5)"));
        conic.textA = "2";
        conic.textB = "3";
        conic.press("line");
        QCOMPARE(vbrt::ToDouble(conic.fields.varA), 2.0);
        QCOMPARE(vbrt::ToDouble(conic.fields.varB), 3.0);
    }
};

FUNCURVE_TEST(PresetFormulasTest)
#include "PresetFormulasTest.moc"
