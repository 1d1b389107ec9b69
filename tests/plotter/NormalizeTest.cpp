// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include "common/TestRegistry.h"
#include "plotter/Normalize.h"

// Equation text as the draw command rewrites it.
class NormalizeTest : public QObject {
    Q_OBJECT

  private slots:
    void normalizeEquation_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        const char* rows[][2] = {
            {"Y = 2X + 1", "y=2*x+1"},
            {"2xy=1", "2*x*y=1"},
            {"xyx", "x*y*x"},
            {"yxy", "y*x*y"},
            {"(x+1)(x-1)=y", "(x+1)*(x-1)=y"},
            {"2(x+1)", "2*(x+1)"},
            {"(x+1)x", "(x+1)*x"},
            {"x(x+1)", "x(x+1)"},
            {"(x+1)2", "(x+1)2"},
            {"sin2x", "sin(2*x)"},  // the textbook reading, not the unset name sin2
            {"3.5x", "3.5*x"},
            {"1e-3", "1*e-3"},
            {"2π", "2*(p)"},
            {"πx+π(x+1)", "(p)*x+(p)*(x+1)"},
            {"Sin(X)", "sin(x)"},
            {"2", "2"},
            {"", ""},
            {"  \u3000 ", ""},
            {"x\u3000=\u30002y", "x=2*y"},
            {"x\t=1", "x\t=1"},
            {"2Π", "2*(p)"},
            {"ｙ＝ｘ＋１", "y=x+1"},
            {"（ｘ＋１）（ｘ−１）＝Ｙ", "(x+1)*(x-1)=y"},
            {"ｘ＝ｃｏｓ（ｔ），；ｙ＝ｓｉｎ（ｔ）＾２", "x=cos(t),;y=sin(t)^2"},
            {"y=2x²−x³", "y=2*x^2-x^3"},
            {"y=6÷2×x", "y=6/2*x"},
            {"2)(3", "2)*(3"},
            {"x=y^2", "x=y^2"},
            {"y=sin x", "y=sin(x)"},
            {"y=sin x^2+1", "y=sin(x^2)+1"},
            {"y=2sin x cos x", "y=2*sin(x)*cos(x)"},
            {"y=sinxcosx", "y=sin(x)*cos(x)"},
            {"y=cos 2πx", "y=cos(2*(p)*x)"},
            {"y=sin sqr x", "y=sin(sqr(x))"},
            {"y=lg x-ln(x)", "y=lg(x)-ln(x)"},
            {"y=ax+b", "y=a*x+b"},
            {"y=asin x", "y=asin*x"},  // no a·sin: the engine names asin
            {"y=sqrt x", "y=sqrt*x"},
            {"y=||x|-1|+|x|", "y=abs(abs(x)-1)+abs(x)"},
            {"y=x|x|", "y=x*abs(x)"},
            {"y=√x+√(x+1)", "y=sqr(x)+sqr(x+1)"},
            {"y=∛x", "y=sp(x,1,3)"},
            {"y=x……2", "y=x^2"},
            {"y=０。５x。", "y=0.5*x。"},
            {"y=sp(x、1、3)、x", "y=sp(x,1,3)、x"},
            {"y=2·x•x∙x", "y=2*x*x*x"},
            {"y=x—1–x－1", "y=x-1-x-1"},
            {"y=(x≤1)+(x≥1)+(x≠1)", "y=(x<=1)+(x>=1)+(x<>1)"},
            {"y=x mod 2", "y=xmod2"},
            {"y=xxyz", "y=x*x*yz"},  // the products of one pass make the word xx: taken apart
        };
        for (const auto& row : rows) {
            QTest::newRow(row[0]) << QString::fromUtf8(row[0]) << QString::fromUtf8(row[1]);
        }
    }
    void normalizeEquation() {
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        const std::string once = plotter::NormalizeEquation(typed.toStdString());
        QCOMPARE(QString::fromStdString(once), expected);
        QCOMPARE(plotter::NormalizeEquation(once), once);  // normalising again changes nothing
    }

    void characterTests() {
        for (const char* yes : {"a", "z", "A", "Z", "("})
            QVERIFY(plotter::IsLetterOrOpenParen(yes));
        for (const char* no : {"0", ")", "π", "_", "", "ab", "*", "["}) {
            QVERIFY2(!plotter::IsLetterOrOpenParen(no), no);
        }
        QVERIFY(plotter::IsCloseParen(")"));
        for (const char* no : {"(", "", "))", "]"})
            QVERIFY(!plotter::IsCloseParen(no));
    }

    void equationToDifference_data() {
        QTest::addColumn<QString>("equation");
        QTest::addColumn<QString>("expected");
        QTest::newRow("circle") << "x^2+y^2=4"
                                << "abs(4-(x^2+y^2))";
        QTest::newRow("x first") << "x=y^2"
                                 << "abs(y^2-(x))";
        QTest::newRow("two equals") << "x=y=1"
                                    << "abs(y=1-(x))";
        QTest::newRow("no equals") << "x^2-y"
                                   << "x^2-y";
        QTest::newRow("empty left") << "=x"
                                    << "abs(x-())";
        QTest::newRow("empty right") << "x="
                                     << "abs(-(x))";
    }
    void equationToDifference() {
        QFETCH(QString, equation);
        QFETCH(QString, expected);
        QCOMPARE(QString::fromStdString(plotter::EquationToDifference(equation.toStdString())),
                 expected);
    }
};

FUNCURVE_TEST(NormalizeTest)
#include "NormalizeTest.moc"
