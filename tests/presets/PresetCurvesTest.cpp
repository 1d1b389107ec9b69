// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include "common/TestRegistry.h"
#include "plotter/KeyPoints.h"
#include "presets/PresetCurves.h"

// The presets as the key points and the table of values read them: their own formulas over
// their own sweep ranges, nothing for parameters their guards refuse.
class PresetCurvesTest : public QObject {
    Q_OBJECT
  private slots:
    void keyPointsOfPresets_data() {
        QTest::addColumn<QStringList>("presets");  // "name a b"
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("parabola and line") << QStringList{"paowu 1 -4", "line 1 -2"}
                                           << QStringList{"zero\t-2\t0\t1",
                                                          "zero\t2\t0\t1",
                                                          "zero\t2\t0\t2",
                                                          "y-intercept\t0\t-4\t1",
                                                          "y-intercept\t0\t-2\t2",
                                                          "extremum\t0\t-4\t1",
                                                          "intersection\t-1\t-3\t1,2",
                                                          "intersection\t2\t0\t1,2"};
        QTest::newRow("ellipse and hyperbola")
            << QStringList{"tuoyuan 2 1", "shuang1 1 1"}
            << QStringList{"zero\t-2\t0\t1",
                           "zero\t-1\t0\t2",
                           "zero\t1\t0\t2",
                           "zero\t2\t0\t1",
                           "y-intercept\t0\t-1\t1",
                           "y-intercept\t0\t1\t1",
                           "extremum\t0\t-1\t1",
                           "extremum\t0\t1\t1",
                           "intersection\t-1.26491106407\t-0.774596669241\t1,2",
                           "intersection\t-1.26491106407\t0.774596669241\t1,2",
                           "intersection\t1.26491106407\t-0.774596669241\t1,2",
                           "intersection\t1.26491106407\t0.774596669241\t1,2"};
        QTest::newRow("cube root, hole at 0; refused base")
            << QStringList{"mihanshu2 1 3", "zhishu 1 0"} << QStringList{"zero\t0\t0\t1"};
    }
    void keyPointsOfPresets() {
        QFETCH(QStringList, presets);
        QFETCH(QStringList, lines);
        std::vector<plotter::KeyCurve> curves;
        for (const QString& p : presets) {
            const QStringList w = p.split(' ');
            if (auto c = presets::PresetKeyCurve(w[0].toStdString(), w[1].toDouble(),
                                                 w[2].toDouble(), int(curves.size()) + 1))
                curves.push_back(std::move(*c));
        }
        QStringList found;
        for (const auto& point : plotter::FindKeyPoints(curves, {}))
            found << QString::fromStdString(plotter::KeyPointLine(point));
        QCOMPARE(found, lines);
    }

    void tableOfAPreset() {
        const auto rows = presets::PresetTable("mihanshu1", 0.5, 0, {-1, 1, 3});
        QCOMPARE(rows.size(), std::size_t(3));
        QCOMPARE(rows[0].error, 5);
        QCOMPARE(rows[2].x + "\t" + rows[2].y, std::string("1\t1"));
        QVERIFY(presets::PresetTable("tuoyuan", 2, 3, {}).empty());
    }
};

FUNCURVE_TEST(PresetCurvesTest)
#include "PresetCurvesTest.moc"
