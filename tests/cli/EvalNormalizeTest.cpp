// SPDX-License-Identifier: GPL-3.0-or-later
#include <QProcess>
#include <QTest>

#include "common/TestRegistry.h"

namespace {

struct Run {
    int exitCode = -1;
    QString out;
};

// funcurve-cli with the given arguments and standard input; output lines as UTF-8.
Run runCli(const QStringList& arguments, const QByteArray& input = {}) {
    QProcess process;
    process.start(QStringLiteral(FUNCURVE_BIN_DIR "/funcurve-cli"), arguments);
    if (!process.waitForStarted(10000)) return {};
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(30000)) return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput())};
}

}  // namespace

// The eval, normalize and table subcommands of the command-line companion.
class EvalNormalizeTest : public QObject {
    Q_OBJECT

  private slots:
    void evalPrintsTypeAndText() {
        const Run r = runCli({"eval", "sp(-27,1,3)", "sp(-4,1,2)", "sp(5,1,0)", "sp(0,1,2)", "e",
                              "p", "1/0", "2π", "3>2", "u"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, QStringLiteral("Double\t-3\nString\t没有实数解\nString\t分母不能为0\n"
                                       "Empty\t\nDouble\t2.71828\nDouble\t3.1415926\nError\t11\n"
                                       "Error\t1032\nBoolean\tTrue\nEmpty\t\n"));
    }

    void letAssignsThroughAddCode() {
        const Run r = runCli({"eval", "--let", "X=5", "--let", "y=1.5", "x", "Y", "x*y", "x\\2"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, QStringLiteral("Integer\t5\nDouble\t1.5\nDouble\t7.5\nInteger\t2\n"));
        QCOMPARE(runCli({"eval", "--let", "nonsense", "1"}).exitCode, 2);
    }

    void dashReadsExpressionsFromInput() {
        const QByteArray longSum = "0" + QByteArray("+1").repeated(100000) + "\r\n";
        const Run r = runCli({"eval", "1+1", "-", "2*2"}, "x^2\n" + longSum + "(((\n");
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, QStringLiteral("Integer\t2\nDouble\t0\nLong\t100000\nError\t1002\n"
                                       "Integer\t4\n"));
    }

    void hostileInputEndsInAnError() {
        const QByteArray nested = QByteArray(100000, '(') + "1" + QByteArray(100000, ')') + "\n";
        const QByteArray huge = QByteArray(10 << 20, '1') + "\n";
        const Run r = runCli({"eval", "-"}, nested + huge);
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, QStringLiteral("Error\t28\nError\t7\n"));
    }

    void normalizePrintsOneLineEach() {
        const Run r = runCli({"normalize", "Y = 2X + 1", "(x+1)(x-1)=y", "sin2x", ""});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, QStringLiteral("y=2*x+1\n(x+1)*(x-1)=y\nsin(2*x)\n\n"));
        const Run d = runCli({"normalize", "--difference", "X^2 + Y^2 = 4", "x=y=1", "x^2-y"});
        QCOMPARE(d.out, QStringLiteral("abs(4-(x^2+y^2))\nabs(y=1-(x))\nx^2-y\n"));
    }

    // The table evaluates as the y= plot does: sp's text and a division by zero are errors.
    void tablePrintsOneRowPerX() {
        const Run r =
            runCli({"table", "Y = sp(x,1,2)", "--from", "-1", "--step=1", "--count", "3"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, QStringLiteral("-1\tError\t13\n0\t0\n1\t1\n"));
        QCOMPARE(runCli({"table", "y=1/x", "--from", "-0.5", "--count", "2"}).out,
                 QStringLiteral("-0.5\t-2\n0\tError\t11\n"));
        QCOMPARE(runCli({"table", "y=x"}).out.count('\n'), 21);
        for (const QStringList& bad : {QStringList{"x^2+y^2=4"},
                                       {"y=x", "--count", "0"},
                                       {"y=x", "--step", "abc"},
                                       {"y=x", "--from", "1e308", "--step", "1e308"},
                                       {"y=x", "y=2x"},
                                       {"y=x", "--to", "1"}})
            QCOMPARE(runCli(QStringList{"table"} + bad).exitCode, 2);
    }

    void helpDescribesTheSubcommands() {
        const Run r = runCli({"--help"});
        QCOMPARE(r.exitCode, 0);
        for (const char* word : {"eval", "normalize", "table", "用法", "Usage"}) {
            QVERIFY2(r.out.contains(QString::fromUtf8(word)), word);
        }
        QCOMPARE(runCli({"frobnicate"}).exitCode, 2);
    }
};

FUNCURVE_TEST(EvalNormalizeTest)
#include "EvalNormalizeTest.moc"
