// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/KeyPointsDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <set>

#include "texts/Texts.h"

namespace shell {
namespace {

constexpr int kShownDigits = 6;
constexpr int kCopiedDigits = 10;

QString Number(double value, int digits) {
    return QString::fromStdString(plotter::KeyNumberText(value, digits));
}

QString Curves(const plotter::KeyPoint& point) {
    QStringList numbers;
    for (const int n : point.curves)
        numbers << QString::number(n);
    return numbers.join(',');
}

}  // namespace

QString KeyKindCaption(plotter::KeyKind kind) {
    switch (kind) {
        case plotter::KeyKind::Zero:
            return QString::fromUtf8(texts::kKeyZero);
        case plotter::KeyKind::YIntercept:
            return QString::fromUtf8(texts::kKeyYIntercept);
        case plotter::KeyKind::Extremum:
            return QString::fromUtf8(texts::kKeyExtremum);
        case plotter::KeyKind::Intersection:
            return QString::fromUtf8(texts::kKeyIntersection);
    }
    return {};
}

KeyPointsDialog::KeyPointsDialog(QWidget* parent)
    : QDialog(parent),
      table_(new QTableWidget(0, 4, this)),
      rings_(new QCheckBox(this)),
      empty_(new QLabel(QString::fromUtf8(texts::kKeyNone), this)) {
    setObjectName(QStringLiteral("keyPointsDialog"));
    setWindowTitle(QString::fromUtf8(texts::kKeyPointsTitle));
    table_->setObjectName(QStringLiteral("keyPointsTable"));
    table_->setHorizontalHeaderLabels({QString::fromUtf8(texts::kKeyColumnKind), "x", "y",
                                       QString::fromUtf8(texts::kKeyColumnCurves)});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    rings_->setText(QString::fromUtf8(texts::kKeyShowRings));
    rings_->setObjectName(QStringLiteral("keyPointRings"));
    connect(rings_, &QCheckBox::toggled, this, &KeyPointsDialog::announceRings);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* copy =
        buttons->addButton(QString::fromUtf8(texts::kCopy), QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("copyKeyPoints"));
    connect(copy, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(copiedText()); });
    QPushButton* close =
        buttons->addButton(QString::fromUtf8(texts::kClose), QDialogButtonBox::RejectRole);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(empty_);
    layout->addWidget(table_);
    layout->addWidget(rings_);
    layout->addWidget(buttons);
    resize(460, 360);
}

void KeyPointsDialog::setPoints(std::vector<plotter::KeyPoint> points,
                                const QStringList& curveNames) {
    points_ = std::move(points);
    table_->setRowCount(int(points_.size()));
    for (int row = 0; row < int(points_.size()); ++row) {
        const plotter::KeyPoint& p = points_[row];
        QStringList names;
        for (const int n : p.curves)
            if (n >= 1 && n <= curveNames.size())
                names << QString::fromStdString(texts::Fill(
                    texts::kKeyCurveName, {std::to_string(n), curveNames[n - 1].toStdString()}));
        const QString cells[] = {KeyKindCaption(p.kind), Number(p.x, kShownDigits),
                                 Number(p.y, kShownDigits), Curves(p)};
        for (int column = 0; column < 4; ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            item->setToolTip(names.join('\n'));
            table_->setItem(row, column, item);
        }
    }
    empty_->setVisible(points_.empty() && curveNames.isEmpty());
    announceRings();
}

QString KeyPointsDialog::copiedText() const {
    std::set<int> rows;
    for (const QModelIndex& index : table_->selectionModel()->selectedRows())
        rows.insert(index.row());
    if (rows.empty())
        for (int row = 0; row < int(points_.size()); ++row)
            rows.insert(row);
    QString text;
    for (const int row : rows) {
        const plotter::KeyPoint& p = points_[row];
        text += KeyKindCaption(p.kind) + '\t' + Number(p.x, kCopiedDigits) + '\t' +
                Number(p.y, kCopiedDigits) + '\t' + Curves(p) + '\n';
    }
    return text;
}

void KeyPointsDialog::announceRings() {
    std::vector<QPointF> marks;
    if (rings_->isChecked())
        for (const plotter::KeyPoint& p : points_)
            marks.emplace_back(p.x, p.y);
    emit ringsWanted(marks);
}

}  // namespace shell
