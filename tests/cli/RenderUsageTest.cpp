// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include "RenderRig.h"
#include "common/TestRegistry.h"

// Arguments are read before any step runs: a fault gives one usage line and status 2, and
// leaves the program folder untouched.
class RenderUsageTest : public QObject {
    Q_OBJECT

    clitest::CliFolder cli_;

  private slots:
    void initTestCase() { QVERIFY2(cli_.prepare(), "funcurve-cli and its data files"); }

    void usageErrors_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("complaint");
        QTest::newRow("unknown option") << QStringList{"--draw", "y=x", "--bogus", "--status"}
                                        << QByteArray("unknown option: --bogus");
        QTest::newRow("unknown option with value")
            << QStringList{"--clear", "--sizes=3", "--status"}
            << QByteArray("unknown option: --sizes");
        QTest::newRow("missing value")
            << QStringList{"--status", "--draw"} << QByteArray("missing value for --draw");
        QTest::newRow("missing file")
            << QStringList{"--clear", "--png"} << QByteArray("missing value for --png");
        QTest::newRow("empty file name")
            << QStringList{"--clear", "--svg="} << QByteArray("--svg needs a file name");
        QTest::newRow("unknown preset") << QStringList{"--preset", "circle", "--status"}
                                        << QByteArray("unknown preset: circle");
        QTest::newRow("range without comma")
            << QStringList{"--x", "5", "--clear", "--status"} << QByteArray("--x needs FROM,TO");
        QTest::newRow("range with two commas") << QStringList{"--t", "0,1,2", "--clear", "--status"}
                                               << QByteArray("--t needs FROM,TO");
        QTest::newRow("flag with value")
            << QStringList{"--grid=1", "--status"} << QByteArray("option takes no value: --grid");
        QTest::newRow("stray argument")
            << QStringList{"--clear", "y=x", "--status"} << QByteArray("unexpected argument: y=x");
        QTest::newRow("value that looks like an option")
            << QStringList{"--a", "--preset", "line", "--status"}
            << QByteArray("missing value for --a (--preset is an option");
        QTest::newRow("two outputs to standard output")
            << QStringList{"--clear", "--png", "-", "--legend", "-"}
            << QByteArray("only one output may go to standard output");
        QTest::newRow("status and a picture to standard output")
            << QStringList{"--clear", "--status", "--png", "-"}
            << QByteArray("only one output may go to standard output");
        QTest::newRow("standard output by two names")
            << QStringList{"--clear", "--png", "-", "--svg", "/dev/stdout"}
            << QByteArray("only one output may go to standard output");
        QTest::newRow("no step") << QStringList{"--status", "--png", "out.png"}
                                 << QByteArray("no step given");
        QTest::newRow("no output") << QStringList{"--draw", "y=x"} << QByteArray("no output given");
        QTest::newRow("nothing") << QStringList{} << QByteArray("no step given");
        QTest::newRow("scale beyond 4") << QStringList{"--clear", "--png", "a.png", "--scale", "5"}
                                        << QByteArray("--scale needs 1 to 4");
    }
    void usageErrors() {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, complaint);
        const auto result = cli_.run(QStringList{"render"} + args);
        QCOMPARE(result.exitCode, 2);
        QVERIFY2(result.err.contains(complaint), result.err);
        QCOMPARE(result.err.count('\n'), 1);
        QVERIFY(result.out.isEmpty());
        QVERIFY(!QFile::exists(cli_.file("CoordinateData.txt")));
        QVERIFY(!QFile::exists(cli_.file("out.png")));
    }

    // The general help lists the command with both summaries; its own help exits 0.
    void help() {
        auto result = cli_.run({"--help"});
        QCOMPARE(result.exitCode, 0);
        QVERIFY(result.out.contains("render [--a TEXT]"));
        QVERIFY(result.out.contains("在不显示窗口的情况下"));
        QVERIFY(result.out.contains("Run the window's operations offscreen"));
        result = cli_.run({"render", "--help"});
        QCOMPARE(result.exitCode, 0);
        QVERIFY(result.out.contains("--preset NAME"));
        QVERIFY(result.out.contains("snapshot of the state after the steps given before it"));
        QVERIFY(result.out.contains("Exit status: 0"));
    }
};

FUNCURVE_TEST(RenderUsageTest)

#include "RenderUsageTest.moc"
