// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/stat.h>

#include <QDir>
#include <QTest>
#include <cmath>

#include "PlotFixture.h"
#include "common/TestRegistry.h"
#include "plotter/PlotCommands.h"
#include "plotter/PointStore.h"

namespace {

int Sign(float v) {
    return v > 0 ? 1 : (v < 0 ? -1 : 0);
}

// Point file of count records, the i-th made by record(i).
std::string Records(int count, const std::function<std::string(int)>& record) {
    std::string content;
    for (int i = 0; i < count; ++i)
        content += record(i) + "\r\n";
    return content;
}

}  // namespace

// Reading the point file back and joining neighbours quadrant by quadrant.
class JoinTest : public QObject {
    Q_OBJECT
  private slots:
    void circleBecomesFourArcs() {
        PlotFixture f;
        f.draw("x^2+y^2=4");
        plotter::JoinPlottedPoints(f.ctx);
        const auto segments = f.segments(canvas::kGreen);
        QVERIFY(segments.size() > 100);
        int perQuadrant[2][2] = {};
        for (const auto& s : segments) {
            QCOMPARE(Sign(s.x1), Sign(s.x2));  // never across an axis
            QCOMPARE(Sign(s.y1), Sign(s.y2));
            QVERIFY(std::hypot(s.x2 - s.x1, s.y2 - s.y1) <= 1.0001);
            ++perQuadrant[s.x1 > 0][s.y1 > 0];
        }
        for (auto& row : perQuadrant)
            for (int count : row)
                QVERIFY(count > 20);
    }

    void joinsNeighboursWithinOneUnit_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("segments");
        QTest::newRow("0.9 apart") << "1,1\r\n1.9,1\r\n" << 1;
        QTest::newRow("1.2 apart") << "1,1\r\n2.2,1\r\n" << 0;
        QTest::newRow("exactly 1 apart") << "1,1\r\n2,1\r\n" << 1;
        QTest::newRow("just over 1 apart") << "1,1\r\n2.0000000000000004,1\r\n" << 0;
        QTest::newRow("other quadrant between") << "1,1\r\n-1,1\r\n1.5,1\r\n" << 1;
        QTest::newRow("different quadrants") << "1,0.2\r\n1,-0.2\r\n" << 0;
        QTest::newRow("on an axis") << "0,1\r\n0.5,1\r\n" << 0;
        QTest::newRow("lines without comma") << "abc\r\n1,1\r\n\r\n1 5\r\n1.5,1.5\r\n" << 1;
        QTest::newRow("beyond the double range") << "1,1\r\n1e999,1\r\n1.5,1\r\n" << 1;
        QTest::newRow("last line without CR LF") << "1,1\r\n1.5,1" << 1;
        QTest::newRow("empty file") << "" << 0;
        QTest::newRow("line longer than any record")
            << "1,1\r\n1.5" + QString(2000, ' ') + ",1\r\n1.2,1\r\n"
            << 1;
    }
    void joinsNeighboursWithinOneUnit() {
        QFETCH(QString, file);
        QFETCH(int, segments);
        PlotFixture f;
        f.writePointFile(file.toStdString());
        plotter::JoinPlottedPoints(f.ctx);
        QCOMPARE(int(f.segments(canvas::kGreen).size()), segments);
        QVERIFY(f.statuses.empty());
    }

    // Only a regular file of its own is read: a FIFO would wait for a writer for good, and a
    // link may lead anywhere.
    void noFileNothingToJoin_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("missing") << "";
        QTest::newRow("folder") << "folder";
        QTest::newRow("fifo") << "fifo";
        QTest::newRow("symbolic link") << "link";
    }
    void noFileNothingToJoin() {
        QFETCH(QString, kind);
        PlotFixture f;
        if (kind == "folder") QVERIFY(QDir(f.folder.path()).mkdir("CoordinateData.txt"));
        if (kind == "fifo") QCOMPARE(::mkfifo(f.pointFilePath().c_str(), 0644), 0);
        if (kind == "link") {
            QVERIFY(QFile::link(f.folder.filePath("points.txt"),
                                f.folder.filePath("CoordinateData.txt")));
            QFile points(f.folder.filePath("points.txt"));
            QVERIFY(points.open(QIODevice::WriteOnly));
            points.write("1,1\r\n1.5,1\r\n");
        }
        plotter::JoinPlottedPoints(f.ctx);
        QCOMPARE(f.status(), std::string("◇无须连点成线"));
        QVERIFY(f.picture1.trace().empty());
    }

    // A quadrant list holds 50001 points: 50000 segments at most, then it stops.
    void quadrantListStopsAtItsLimit() {
        PlotFixture f;
        f.writePointFile(Records(60000, [](int i) { return std::to_string(1 + i * 1e-5) + ",1"; }));
        plotter::JoinPlottedPoints(f.ctx);
        QCOMPARE(f.segments(canvas::kGreen).size(), std::size_t(50000));
    }

    // The store takes 100001 records and the passes look at the first 100000.
    void pointStoreStopsAtItsLimit() {
        PlotFixture f;
        f.writePointFile(Records(110000, [](int i) {
            return i < 100000 ? "-1,-1" : std::to_string(1 + (i % 2) * 0.5) + ",1";
        }));
        std::vector<plotter::StoredPoint> store;
        QVERIFY(plotter::ReadPointStore(f.pointFilePath(), store));
        QCOMPARE(store.size(), std::size_t(100001));
        plotter::JoinPlottedPoints(f.ctx);
        const auto segments = f.segments(canvas::kGreen);
        QCOMPARE(segments.size(), std::size_t(50000));  // quadrant III only
        for (const auto& s : segments)
            QVERIFY(s.x1 < 0);
    }
};

FUNCURVE_TEST(JoinTest)
#include "JoinTest.moc"
