// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QPointF>
#include <QStringList>
#include <vector>

#include "plotter/KeyPoints.h"

class QCheckBox;
class QLabel;
class QTableWidget;

namespace shell {

// 关键点: the key points of the drawn curves in a table (6 significant digits), copied with
// 10; on request each is marked on the canvas by a ring.
class KeyPointsDialog : public QDialog {
    Q_OBJECT
  public:
    explicit KeyPointsDialog(QWidget* parent);

    // The points to list; curveNames[k] names curve k + 1 (its legend or formula line).
    void setPoints(std::vector<plotter::KeyPoint> points, const QStringList& curveNames);
    // The selected rows (all when none is selected), one line each: 类型, x, y, 曲线 with
    // tabs between, numbers with 10 significant digits.
    QString copiedText() const;

  signals:
    // The points to ring on the canvas (none when the rings are off).
    void ringsWanted(const std::vector<QPointF>& points);

  private:
    void announceRings();

    std::vector<plotter::KeyPoint> points_;
    QTableWidget* table_;
    QCheckBox* rings_;
    QLabel* empty_;
};

// The Chinese name of a kind of key point.
QString KeyKindCaption(plotter::KeyKind kind);

}  // namespace shell
