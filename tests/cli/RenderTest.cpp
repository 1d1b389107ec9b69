// SPDX-License-Identifier: GPL-3.0-or-later
#include <QImage>
#include <QLabel>
#include <QTest>
#include <cerrno>
#include <cstring>

#include "RenderRig.h"
#include "canvas/SvgExport.h"
#include "common/TestRegistry.h"

using clitest::CliFolder;
using clitest::ReadFile;
using clitest::ReferenceWindow;

// funcurve-cli render against the window: the same clicks must leave the same pictures,
// point file, printed lines, status caption and messages.
class RenderTest : public QObject {
    Q_OBJECT

    CliFolder cli_;
    QStringList outputs_{"--png",     "out.png", "--svg",    "out.svg", "--points", "out.txt",
                         "--formula", "f.txt",   "--legend", "l.txt",   "--status"};

    void removeOutputs() const {
        for (const char* name : {"out.png", "out.svg", "out.txt", "f.txt", "l.txt"})
            QFile::remove(cli_.file(name));
    }

    static QByteArray Lines(const std::vector<std::string>& lines) {
        QByteArray bytes;
        for (const std::string& line : lines)
            bytes += QByteArray::fromStdString(line) + '\n';
        return bytes;
    }

    static QByteArray MessagesAsPrinted(const QStringList& messages) {
        QByteArray bytes;
        for (const QString& text : messages)
            bytes += "message: " + text.toUtf8() + '\n';
        return bytes;
    }

    void compareOutputs(const clitest::CliResult& result, const ReferenceWindow& reference) {
        shell::frmFunCurve& window = *reference.window;
        QCOMPARE(result.exitCode, reference.messages.isEmpty() ? 0 : 3);
        QCOMPARE(result.out, window.findChild<QLabel*>("Label5")->text().toUtf8() + '\n');
        QVERIFY2(result.err.contains(MessagesAsPrinted(reference.messages)), result.err);
        QCOMPARE(result.err.count("message: "), reference.messages.size());
        const QImage png(cli_.file("out.png"));
        QCOMPARE(png.size(), window.picture1().Image().size());
        QVERIFY(png.convertToFormat(QImage::Format_RGB32) ==
                window.picture1().Image().convertToFormat(QImage::Format_RGB32));
        QCOMPARE(ReadFile(cli_.file("out.svg")),
                 QByteArray::fromStdString(canvas::ToSvg(window.picture1())));
        QCOMPARE(ReadFile(cli_.file("f.txt")), Lines(window.picture2().printedLines()));
        QCOMPARE(ReadFile(cli_.file("l.txt")), Lines(window.picture4().printedLines()));
        // No point file in the window: an empty copy, never an earlier run's records.
        QVERIFY(QFile::exists(cli_.file("out.txt")));
        QCOMPARE(ReadFile(cli_.file("out.txt")), ReadFile(window.pointFilePath()));
    }

  private slots:
    void initTestCase() { QVERIFY2(cli_.prepare(), "funcurve-cli and its data files"); }
    void init() { removeOutputs(); }

    // Steps of the command and the clicks of the window that they stand for.
    void sameAsWindow_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("clicks");
        QTest::newRow("circle") << QStringList{"--draw", "x^2+y^2=4"}
                                << QStringList{"Combo1=x^2+y^2=4", "cmd绘制图像"};
        QTest::newRow("line preset") << QStringList{"--preset", "line"} << QStringList{"line"};
        QTest::newRow("sine with parameters")
            << QStringList{"--a", "1.5", "--b=2", "--preset", "zhengxian"}
            << QStringList{"Text1=1.5", "Text2=2", "zhengxian"};
        QTest::newRow("cubic in an x range, joined on system 1")
            << QStringList{"--coord1", "--x", "-3,3", "--draw", "y=x^3-3x", "--join"}
            << QStringList{"cmd坐标系1",      "Text4_0=-3",  "Text4_1=3",
                           "Combo1=y=x^3-3x", "cmd绘制图像", "cmd连点成线"};
        QTest::newRow("ellipse in both ranges")
            << QStringList{"--x=-4,4", "--y", "-2,3", "--draw", "x^2/16+y^2/9=1"}
            << QStringList{
                   "Text4_0=-4", "Text4_1=4", "Text4_2=-2", "Text4_3=3", "Combo1=x^2/16+y^2/9=1",
                   "cmd绘制图像"};
        QTest::newRow("parametric over t")
            << QStringList{"--t", "0,1", "--draw", "x=3cos(t);y=2sin(t)"}
            << QStringList{"Text4_4=0", "Text4_5=1", "Combo1=x=3cos(t);y=2sin(t)", "cmd绘制图像"};
        QTest::newRow("hidden buttons")
            << QStringList{"--coord2", "--grid", "--test", "--preset", "yuqie"}
            << QStringList{"cmd坐标系2", "cmd网格线", "cmd测试", "yuqie"};
        QTest::newRow("cleared after a plot")
            << QStringList{"--draw", "y=2x+1", "--preset", "paowu", "--clear"}
            << QStringList{"Combo1=y=2x+1", "cmd绘制图像", "paowu", "qinnchu"};
        QTest::newRow("parameter out of range")
            << QStringList{"--a", "0", "--preset", "duishu"} << QStringList{"Text1=0", "duishu"};
        QTest::newRow("equation that cannot be plotted")
            << QStringList{"--draw", "y=(x"} << QStringList{"Combo1=y=(x", "cmd绘制图像"};
    }
    void sameAsWindow() {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, clicks);
        const clitest::CliResult result = cli_.run(QStringList{"render"} + steps + outputs_);
        ReferenceWindow reference;
        for (const QString& click : clicks)
            reference.act(click);
        compareOutputs(result, reference);
    }

    // The figures the window is known to give for two first steps.
    void knownResults() {
        auto result = cli_.run({"render", "--draw", "x^2+y^2=4", "--points", "out.txt", "--legend",
                                "l.txt", "--status"});
        QCOMPARE(result.exitCode, 0);
        QVERIFY(ReadFile(cli_.file("out.txt")).startsWith("-2,-0.170000000000003\r\n"));
        QCOMPARE(QString::fromUtf8(ReadFile(cli_.file("l.txt"))),
                 QStringLiteral("x^2+y^2=4\n(-5≤x≤5，-5≤y≤5)\n"));
        QCOMPARE(QString::fromUtf8(result.out), QStringLiteral("◇处理完毕！\n"));

        removeOutputs();
        result =
            cli_.run({"render", "--preset", "line", "--formula", "f.txt", "--points", "out.txt"});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(ReadFile(cli_.file("f.txt")), QByteArray("y= 2 x+ 3 \n"));
        QVERIFY(QFile::exists(cli_.file("out.txt")));  // a preset writes no point file
        QVERIFY(ReadFile(cli_.file("out.txt")).isEmpty());
    }

    // The key points of the drawn curves, numbered in drawing order, as tab-separated lines.
    void keyPoints() {
        const auto result = cli_.run({"render", "--view", "-8,8,-8,8", "--draw", "y=x^2-2x-3",
                                      "--draw", "y=x+1", "--key-points", "-"});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.out, QByteArray("zero\t-1\t0\t1\nzero\t-1\t0\t2\nzero\t3\t0\t1\n"
                                        "y-intercept\t0\t-3\t1\ny-intercept\t0\t1\t2\n"
                                        "extremum\t1\t-4\t1\nintersection\t-1\t0\t1,2\n"
                                        "intersection\t4\t5\t1,2\n"));
    }

    // What keeps a plot off the canvas is said in the window's words, with exit status 3: the
    // text refused before the plot, the samples that all failed, the curve beyond the view.
    void emptyPlotMessage() {
        const auto result = cli_.run({"render", "--draw", "y=2+", "--draw", "y=foo", "--draw",
                                      "x=t;y=sp(t,1,0)", "--draw", "y=x+100", "--status"});
        QCOMPARE(result.exitCode, 3);
        QCOMPARE(QString::fromUtf8(result.out), QStringLiteral("◇处理完毕！\n"));
        QCOMPARE(QString::fromUtf8(result.err),
                 QStringLiteral("message: 方程“y=2+”有语法错误：第 4 个字符“+”之后缺少内容。\n"
                                "message: 方程中的“foo”既不是变量也不是函数。\n"
                                "message: 方程“x=t;y=sp(t,1,0)”没有画出任何点。\n"
                                "第一个错误：运行时错误 13：类型不匹配\n"
                                "message: 方程“y=x+100”的图像不在画布范围内"
                                "（-12≤x≤12，-12≤y≤12）。\n"));
    }

    // The start-up frame is part of the vector drawing even when no step draws.
    void startUpFrameInSvg() {
        const auto result = cli_.run({"render", "--a", "1", "--svg", "out.svg"});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(ReadFile(cli_.file("out.svg")).count("<line "), 2);
        QVERIFY(ReadFile(cli_.file("out.svg")).contains("stroke=\"#00ff00\""));
    }

    // Outputs that cannot be written fail the run; the others are still written.
    void unwritableOutput() {
        const auto result =
            cli_.run({"render", "--clear", "--png", "missing/out.png", "--legend", "l.txt"});
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.err.contains("missing/out.png"), result.err);
        QVERIFY(QFile::exists(cli_.file("l.txt")));
        // A size limit reached (as a full disk) keeps the old picture and says why.
        QFile keep(cli_.file("keep.png"));
        QVERIFY(keep.open(QIODevice::WriteOnly) && keep.write("old") == 3);
        keep.close();
        const auto limited = runWithSizeLimit("--preset paowu --scale 3 --png keep.png");
        QCOMPARE(limited.exitCode, 1);
        QVERIFY(limited.err.contains(std::strerror(EFBIG)));
        QCOMPARE(ReadFile(keep.fileName()), QByteArray("old"));
    }

    // The plot's point file stops at the limit; its copy (into a pipe, which has none) holds
    // the whole records so far and is said to be incomplete, in the window's box too. The
    // plot is short, so it meets the limit only with its last records.
    void cutPointFileCopy() {
        const auto result = runWithSizeLimit("--x=0.1,0.9 --draw y=x --points -");
        QCOMPARE(result.exitCode, 3);
        QVERIFY2(result.err.contains("message: 点文件没有写完整") &&
                     result.err.contains("the copy is incomplete"),
                 result.err);
        QVERIFY(result.out.size() <= 1024 && result.out.endsWith("\r\n"));
    }

  private:
    // funcurve-cli under `ulimit -f 1` (1024 bytes), SIGXFSZ ignored: as a full disk.
    clitest::CliResult runWithSizeLimit(const QString& arguments) const {
        QProcess shell;
        shell.setWorkingDirectory(cli_.path());
        shell.start("/bin/sh",
                    {"-c", "trap '' XFSZ; ulimit -f 1; exec ./funcurve-cli render " + arguments});
        return CliFolder::finish(shell);
    }
};

FUNCURVE_TEST(RenderTest)

#include "RenderTest.moc"
