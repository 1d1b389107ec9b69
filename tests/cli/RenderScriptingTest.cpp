// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/stat.h>

#include <QDirIterator>
#include <QImage>
#include <QTest>

#include "RenderRig.h"
#include "canvas/Palette.h"
#include "common/TestRegistry.h"

using clitest::CliFolder;
using clitest::ReadFile;

// funcurve-cli render as scripts use it: outputs in order, streams, links and pipes, private
// point files, box checks and exit statuses.
class RenderScriptingTest : public QObject {
    Q_OBJECT

    CliFolder cli_;
    const QByteArray lineFormula_ = "y= 2 x+ 3 \n";

  private slots:
    void initTestCase() { QVERIFY2(cli_.prepare(), "funcurve-cli and its data files"); }

    // Each output shows the steps before it, not the state at the end.
    void outputsInOrder() {
        auto result = cli_.run({"render", "--preset", "line", "--png", "a.png", "--formula",
                                "f.txt", "--preset", "paowu", "--png", "b.png"});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(ReadFile(cli_.file("f.txt")), lineFormula_);
        result = cli_.run({"render", "--preset", "line", "--png", "line.png"});
        QCOMPARE(ReadFile(cli_.file("a.png")), ReadFile(cli_.file("line.png")));
        QVERIFY(ReadFile(cli_.file("a.png")) != ReadFile(cli_.file("b.png")));
    }

    // Box values pass the window's checks; a failure shows its messages and ends the run.
    void boxChecks_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QByteArray>("messages");
        QTest::newRow("range beyond 9") << QStringList{"--x", "-1,1e9", "--draw", "y=x"}
                                        << QByteArray("message: 取值超限：-9 < 取值 < 9 \n");
        QTest::newRow("value written after =")
            << QStringList{"--a=--5", "--preset", "line"} << QByteArray("message: 不是数字\n");
    }
    void boxChecks() {
        QFETCH(QStringList, steps);
        QFETCH(QByteArray, messages);
        QFile::remove(cli_.file("f.txt"));
        const auto result =
            cli_.run(QStringList{"render"} + steps + QStringList{"--formula", "f.txt", "--status"});
        QCOMPARE(result.exitCode, 3);
        QCOMPARE(result.err, messages);
        QVERIFY(result.out.isEmpty());
        QVERIFY(!QFile::exists(cli_.file("f.txt")));
    }

    // '-' and /dev/stdout write into the stream as it is: a pipe here, a log appended to
    // by the shell below.
    void standardOutput() {
        auto result = cli_.run({"render", "--preset", "line", "--formula", "-"});
        QCOMPARE(result.out, lineFormula_);
        result = cli_.run({"render", "--preset", "line", "--formula", "/dev/stdout"});
        QCOMPARE(result.out, lineFormula_);
        QProcess shell;
        shell.setWorkingDirectory(cli_.path());
        shell.start("/bin/sh", {"-c",
                                "echo earlier > log.txt && ./funcurve-cli render --preset "
                                "line --formula /dev/stdout >> log.txt"});
        QVERIFY(shell.waitForFinished(60000) && shell.exitCode() == 0);
        QCOMPARE(ReadFile(cli_.file("log.txt")), "earlier\n" + lineFormula_);
    }

    // A named pipe is written into and stays a pipe; a link stays and its target is written.
    void pipesAndLinks() {
        const QString fifo = cli_.file("pipe");
        QVERIFY(::mkfifo(fifo.toLocal8Bit().constData(), 0600) == 0);
        QProcess reader;
        reader.start("cat", {fifo});
        QVERIFY(reader.waitForStarted());
        QCOMPARE(cli_.run({"render", "--preset", "line", "--formula", "pipe"}).exitCode, 0);
        QVERIFY(reader.waitForFinished(10000));
        QCOMPARE(reader.readAllStandardOutput(), lineFormula_);
        QVERIFY(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile());

        QVERIFY(QFile::link("target.txt", cli_.file("link.txt")));
        QCOMPARE(cli_.run({"render", "--preset", "line", "--formula", "link.txt"}).exitCode, 0);
        QVERIFY(QFileInfo(cli_.file("link.txt")).isSymLink());
        QCOMPARE(ReadFile(cli_.file("target.txt")), lineFormula_);
    }

    // Undo takes back the last item with its legend and leaves the point file; redo puts it
    // back; a clear is undone too, back to the picture before it.
    void undoAndRedo() {
        QCOMPARE(cli_.run({"render", "--coord1", "--draw", "y=x", "--png", "a.png", "--legend",
                           "a.txt", "--draw", "y=x^2", "--png", "b.png", "--points", "b.dat"})
                     .exitCode,
                 0);
        const auto result = cli_.run(
            {"render", "--coord1",   "--draw",   "y=x",        "--draw",   "y=x^2",      "--undo",
             "--png",  "undone.png", "--legend", "undone.txt", "--points", "undone.dat", "--redo",
             "--png",  "redone.png", "--clear",  "--undo",     "--png",    "back.png"});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(ReadFile(cli_.file("undone.png")), ReadFile(cli_.file("a.png")));
        QCOMPARE(ReadFile(cli_.file("undone.txt")), ReadFile(cli_.file("a.txt")));
        QCOMPARE(ReadFile(cli_.file("undone.dat")), ReadFile(cli_.file("b.dat")));
        QCOMPARE(ReadFile(cli_.file("redone.png")), ReadFile(cli_.file("b.png")));
        QCOMPARE(ReadFile(cli_.file("back.png")), ReadFile(cli_.file("b.png")));
    }

    // 多色曲线 gives each curve and its legend line the next palette colour; the worksheet PDF
    // draws the canvas as vectors, not as an image.
    void coloursAndWorksheet() {
        const auto result = cli_.run({"render", "--colors", "--coord1", "--draw", "y=x", "--preset",
                                      "paowu", "--png", "c.png", "--pdf", "w.pdf"});
        QCOMPARE(result.exitCode, 0);
        const QImage picture(cli_.file("c.png"));
        bool first = false, second = false, plain = false;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const QRgb p = picture.pixel(x, y) | 0xff000000u;
                first = first || p == (canvas::CurveColour(0) | 0xff000000u);
                second = second || p == (canvas::CurveColour(1) | 0xff000000u);
                plain = plain || p == qRgb(0, 0, 0);  // the preset's black in single colour
            }
        }
        QVERIFY(first && second && !plain);
        const QByteArray pdf = ReadFile(cli_.file("w.pdf"));
        QVERIFY(pdf.startsWith("%PDF-"));
        QVERIFY(!pdf.contains("/Subtype /Image"));
    }

    // The drawing is kept once per pixel: a thousand presses cost no more than the picture.
    void memoryBoundedByThePicture() {
        if (!QFileInfo::exists("/usr/bin/time")) QSKIP("needs /usr/bin/time");
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("AddressSanitizer's shadow memory says nothing about the picture");
#endif
        QStringList args{"render"};
        for (int press = 0; press < 1000; ++press)
            args << "--preset"
                 << "line";
        QProcess timed;
        timed.setWorkingDirectory(cli_.path());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        timed.setProcessEnvironment(env);
        timed.start("/usr/bin/time",
                    QStringList{"-f", "%M", "-o", "peak.txt", cli_.file("funcurve-cli")} + args +
                        QStringList{"--png", "many.png"});
        QVERIFY(timed.waitForFinished(600000) && timed.exitCode() == 0);
        const int peakKb = ReadFile(cli_.file("peak.txt")).trimmed().split('\n').last().toInt();
        QVERIFY2(peakKb > 0 && peakKb < 100 * 1024, QByteArray::number(peakKb));
    }

    // A worksheet at its own size and view: a known point of the curve (or the axes' crossing)
    // lands in the middle of a 400 by 300 picture. Zoomed far in, each curve is sampled again for
    // the pixels, so every column around the middle has a dot (its first samples lie up to 8 pixels
    // apart).
    void zoomedView_data() {
        QTest::addColumn<QStringList>("steps");
        const QStringList nearTwoFive{"--view", "1.9,2.1,4.9,5.1"};
        const QStringList nearRootTwo{"--view", "1.314,1.514,1.314,1.514"};
        QTest::newRow("frame of a new size") << QStringList{"--view", "-1,1,-1,1"};
        QTest::newRow("drawn in the view") << QStringList{"--view", "1,3,4,6", "--draw", "y=x^2+1"};
        QTest::newRow("drawn, then viewed")
            << QStringList{"--draw", "y=x^2+1", "--view", "1,3,4,6"};
        QTest::newRow("graph far in") << nearTwoFive + QStringList{"--draw", "y=x^2+1"};
        QTest::newRow("t curve far in")
            << QStringList{"--draw", "x=2*cos(t);y=2*sin(t)"} + nearRootTwo;
        QTest::newRow("implicit far in") << nearRootTwo + QStringList{"--draw", "x^2+y^2=4"};
        QTest::newRow("preset far in")
            << QStringList{"--a", "2", "--b", "2", "--preset", "tuoyuan"} + nearRootTwo;
    }
    void zoomedView() {
        QFETCH(QStringList, steps);
        QCOMPARE(cli_.run(QStringList{"render", "--size", "400,300"} + steps +
                          QStringList{"--png", "z.png"})
                     .exitCode,
                 0);
        const QImage png = QImage(cli_.file("z.png")).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(png.size(), QSize(400, 300));
        const auto drawn = [&](int x, int y) { return png.pixel(x, y) != qRgb(255, 255, 255); };
        bool hit = false;
        for (int dx = -4; dx <= 4; ++dx)
            for (int dy = -4; dy <= 4; ++dy)
                hit = hit || drawn(200 + dx, 150 + dy);
        QVERIFY(hit);
        for (int x = 170; x <= 230; ++x) {
            bool column = false;
            for (int y = 0; y < png.height(); ++y)
                column = column || drawn(x, y);
            QVERIFY2(column, QByteArray::number(x));
        }
    }

    // Back in the start-up view, a zoomed picture is again exactly the one first drawn; what
    // was undone before the zoom can still be redone.
    void viewRoundTrip_data() {
        QTest::addColumn<QStringList>("between");
        const QStringList there{"--view", "1,3,4,6", "--view", "-12,12,-12,12"};
        QTest::newRow("zoomed in and out") << there;
        QTest::newRow("undone, zoomed, redone")
            << QStringList{"--undo"} + there + QStringList{"--redo"};
    }
    void viewRoundTrip() {
        QFETCH(QStringList, between);
        const QStringList draw{"render", "--coord1", "--draw", "y=x^2-3", "--preset", "paowu"};
        QCOMPARE(cli_.run(draw + QStringList{"--png", "a.png"}).exitCode, 0);
        QCOMPARE(cli_.run(draw + between + QStringList{"--png", "b.png"}).exitCode, 0);
        QCOMPARE(ReadFile(cli_.file("b.png")), ReadFile(cli_.file("a.png")));
    }

    // Runs at the same time keep their own point files, in folders removed at exit.
    void privatePointFiles() {
        QTemporaryDir temporary;
        const auto up =
            cli_.start({"render", "--draw", "y=x", "--points", "up.txt"}, temporary.path());
        const auto down =
            cli_.start({"render", "--draw", "y=-x", "--points", "down.txt"}, temporary.path());
        QCOMPARE(CliFolder::finish(*up).exitCode, 0);
        QCOMPARE(CliFolder::finish(*down).exitCode, 0);
        const QByteArray ups = ReadFile(cli_.file("up.txt")),
                         downs = ReadFile(cli_.file("down.txt"));
        QVERIFY(ups.startsWith("-5,-5\r\n") && !ups.contains("-5,5\r\n"));
        QVERIFY(downs.startsWith("-5,5\r\n") && !downs.contains("-5,-5\r\n"));
        QVERIFY(QDir(temporary.path()).isEmpty());
        QVERIFY(!QFile::exists(cli_.file("CoordinateData.txt")));
    }

    // Killed while it waits on an output nobody reads, after its plot wrote points, a run
    // still removes its point folder.
    void interruptedRun() {
        QTemporaryDir temporary;
        const QString fifo = cli_.file("unread");
        QVERIFY(::mkfifo(fifo.toLocal8Bit().constData(), 0600) == 0);
        const auto run =
            cli_.start({"render", "--draw", "x^2+y^2=16", "--formula", fifo}, temporary.path());
        const auto pointFileMade = [&] {
            return QDirIterator(temporary.path(), QDir::Files, QDirIterator::Subdirectories)
                .hasNext();
        };
        QTRY_VERIFY_WITH_TIMEOUT(pointFileMade(), 60000);
        run->terminate();
        QVERIFY(run->waitForFinished(60000) && run->exitStatus() == QProcess::CrashExit);
        QVERIFY(QDir(temporary.path()).isEmpty());
    }
};

FUNCURVE_TEST(RenderScriptingTest)

#include "RenderScriptingTest.moc"
