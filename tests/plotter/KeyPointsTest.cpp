// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include "common/TestRegistry.h"
#include "plotter/CurveSnap.h"
#include "plotter/KeyPoints.h"
#include "plotter/TypedCurves.h"

// Key points of typed curves drawn with the default ranges, in the default view: the known
// values, a tangent touch without a sign change, poles that are no roots, a curve lying on
// the axis, one parametric curve against another.
class KeyPointsTest : public QObject {
    Q_OBJECT
  private slots:
    void findsTheKeyPoints_data() {
        QTest::addColumn<QStringList>("equations");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("parabola and line")
            << QStringList{"y=x^2-2x-3", "y=x+1"}
            << QStringList{
                   "zero\t-1\t0\t1",           "zero\t-1\t0\t2",         "zero\t3\t0\t1",
                   "y-intercept\t0\t-3\t1",    "y-intercept\t0\t1\t2",   "extremum\t1\t-4\t1",
                   "intersection\t-1\t0\t1,2", "intersection\t4\t5\t1,2"};
        QTest::newRow("x^2+y^2=4|y=x")
            << QStringList{"x^2+y^2=4", "y=x"}
            << QStringList{"zero\t-2\t0\t1",
                           "zero\t0\t0\t2",
                           "zero\t2\t0\t1",
                           "y-intercept\t0\t-2\t1",
                           "y-intercept\t0\t0\t2",
                           "y-intercept\t0\t2\t1",
                           "extremum\t0\t-2\t1",
                           "extremum\t0\t2\t1",
                           "intersection\t-1.41421356237\t-1.41421356237\t1,2",
                           "intersection\t1.41421356237\t1.41421356237\t1,2"};
        QTest::newRow("x^2+y^2=4|x^2/9+y^2=1")
            << QStringList{"x^2+y^2=4", "x^2/9+y^2=1"}
            << QStringList{"zero\t-3\t0\t2",
                           "zero\t-2\t0\t1",
                           "zero\t2\t0\t1",
                           "zero\t3\t0\t2",
                           "y-intercept\t0\t-2\t1",
                           "y-intercept\t0\t-1\t2",
                           "y-intercept\t0\t1\t2",
                           "y-intercept\t0\t2\t1",
                           "extremum\t0\t-2\t1",
                           "extremum\t0\t-1\t2",
                           "extremum\t0\t1\t2",
                           "extremum\t0\t2\t1",
                           "intersection\t-1.83711730709\t-0.790569415042\t1,2",
                           "intersection\t-1.83711730709\t0.790569415042\t1,2",
                           "intersection\t1.83711730709\t-0.790569415042\t1,2",
                           "intersection\t1.83711730709\t0.790569415042\t1,2"};
        QTest::newRow("y=x^3-3x") << QStringList{"y=x^3-3x"}
                                  << QStringList{
                                         "zero\t-1.73205080757\t0\t1", "zero\t0\t0\t1",
                                         "zero\t1.73205080757\t0\t1",  "y-intercept\t0\t0\t1",
                                         "extremum\t-1\t2\t1",         "extremum\t1\t-2\t1"};
        QTest::newRow("y=x^2|y=0")
            << QStringList{"y=x^2", "y=0"}
            << QStringList{"zero\t0\t0\t1", "y-intercept\t0\t0\t1", "y-intercept\t0\t0\t2",
                           "extremum\t0\t0\t1", "intersection\t0\t0\t1,2"};
        QTest::newRow("y^2=9-x^2|r=2*sin(3*t)") << QStringList{"y^2=9-x^2", "r=2*sin(3*t)"}
                                                << QStringList{"zero\t-3\t0\t1",
                                                               "zero\t0\t0\t2",
                                                               "zero\t3\t0\t1",
                                                               "y-intercept\t0\t-3\t1",
                                                               "y-intercept\t0\t-2\t2",
                                                               "y-intercept\t0\t0\t2",
                                                               "y-intercept\t0\t3\t1",
                                                               "extremum\t-1.45236875483\t1.125\t2",
                                                               "extremum\t0\t-3\t1",
                                                               "extremum\t0\t-2\t2",
                                                               "extremum\t0\t0\t2",
                                                               "extremum\t0\t3\t1",
                                                               "extremum\t1.45236875483\t1.125\t2"};
        QTest::newRow("x=3*cos(t);y=2*sin(t)|x=t;y=t")
            << QStringList{"x=3*cos(t);y=2*sin(t)", "x=t;y=t"}
            << QStringList{"zero\t-3\t0\t1",
                           "zero\t0\t0\t2",
                           "zero\t3\t0\t1",
                           "y-intercept\t0\t-2\t1",
                           "y-intercept\t0\t0\t2",
                           "y-intercept\t0\t2\t1",
                           "extremum\t0\t-2\t1",
                           "extremum\t0\t2\t1",
                           "intersection\t1.66410058868\t1.66410058868\t1,2"};
        QTest::newRow("y=tan(x)|y=1/x")
            << QStringList{"y=tan(x)", "y=1/x"}
            << QStringList{"zero\t-3.14159265359\t0\t1",
                           "zero\t0\t0\t1",
                           "zero\t3.14159265359\t0\t1",
                           "y-intercept\t0\t0\t1",
                           "intersection\t-3.42561845948\t-0.291918090654\t1,2",
                           "intersection\t-0.860333589019\t-1.16233983278\t1,2",
                           "intersection\t0.860333589019\t1.16233983278\t1,2",
                           "intersection\t3.42561845948\t0.291918090654\t1,2"};
    }
    void findsTheKeyPoints() {
        QFETCH(QStringList, equations);
        QFETCH(QStringList, lines);
        QStringList found;
        for (const auto& p : plotter::FindKeyPoints(Curves(equations), {}))
            found << QString::fromStdString(plotter::KeyPointLine(p));
        QCOMPARE(found, lines);
    }

    // The read-out snaps within 5 pixels (here 0.04 units): a graph at the pointer's x, the
    // other shapes at their nearest point; away from every curve it does not.
    void snapsToTheNearestCurve_data() {
        QTest::addColumn<QPointF>("pointer");
        QTest::addColumn<QString>("snapped");
        QTest::newRow("parabola at x") << QPointF(4.02, 5.1) << "4.02 5.1204 1";
        QTest::newRow("circle") << QPointF(1.43, 1.43) << "1.41421 1.41421 2";
        QTest::newRow("ellipse") << QPointF(3.03, 0.01) << "2.99996 0.00977969 3";
        QTest::newRow("away") << QPointF(0.5, 0.5) << "";
    }
    void snapsToTheNearestCurve() {
        QFETCH(QPointF, pointer);
        QFETCH(QString, snapped);
        const plotter::CurveSnapper snapper(
            Curves({"y=x^2-2x-3", "x^2+y^2=4", "x=3*cos(t);y=2*sin(t)"}));
        const auto p = snapper.snap(pointer.x(), pointer.y(), {0.04, 0.04});
        QCOMPARE(p ? QString("%1 %2 %3").arg(p->x, 0, 'g', 6).arg(p->y, 0, 'g', 6).arg(p->curve)
                   : QString(),
                 snapped);
    }

  private:
    plotter::TypedCurves typed_;

    std::vector<plotter::KeyCurve> Curves(const QStringList& equations) {
        std::vector<plotter::KeyCurve> curves;
        for (const QString& e : equations)
            if (auto c = typed_.curve(e.toStdString(), {}, int(curves.size()) + 1))
                curves.push_back(std::move(*c));
        return curves;
    }
};

FUNCURVE_TEST(KeyPointsTest)
#include "KeyPointsTest.moc"
