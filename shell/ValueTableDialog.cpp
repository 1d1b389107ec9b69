// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ValueTableDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

#include "shell/MessageBox.h"
#include "shell/OutputFile.h"
#include "texts/Texts.h"
#include "vbrt/NumberReading.h"
#include "vbrt/RuntimeError.h"

namespace shell {
namespace {

QLineEdit* NumberBox(const char* text, const char* name, QWidget* parent) {
    auto* box = new QLineEdit(QString::fromUtf8(text), parent);
    box->setObjectName(QString::fromUtf8(name));
    return box;
}

// A CSV field: quoted when it holds a comma, a quote or a line break.
QString CsvField(const QString& text) {
    if (!text.contains(',') && !text.contains('"') && !text.contains('\n')) return text;
    return '"' + QString(text).replace('"', QStringLiteral("\"\"")) + '"';
}

}  // namespace

QString TableCellText(const plotter::TableRow& row) {
    if (row.error == 0) return QString::fromStdString(row.y);
    if (!row.message.empty()) return QString::fromStdString(row.message);
    return QString::fromUtf8(vbrt::ChineseErrorText(row.error));
}

ValueTableDialog::ValueTableDialog(std::vector<Curve> curves, QWidget* parent)
    : QDialog(parent),
      curves_(std::move(curves)),
      curve_(new QComboBox(this)),
      from_(NumberBox("-5", "tableFrom", this)),
      step_(NumberBox("0.5", "tableStep", this)),
      count_(NumberBox("21", "tableCount", this)),
      problem_(new QLabel(this)),
      table_(new QTableWidget(0, 2, this)) {
    setObjectName(QStringLiteral("valueTableDialog"));
    setWindowTitle(QString::fromUtf8(texts::kTableTitle));
    curve_->setObjectName(QStringLiteral("tableCurve"));
    for (const Curve& c : curves_)
        curve_->addItem(c.name);
    table_->setObjectName(QStringLiteral("valueTable"));
    table_->setHorizontalHeaderLabels({"x", "y"});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    problem_->setStyleSheet(QStringLiteral("color: red"));
    auto* form = new QFormLayout;
    form->addRow(QString::fromUtf8(texts::kTableCurve), curve_);
    form->addRow(QString::fromUtf8(texts::kTableFrom), from_);
    form->addRow(QString::fromUtf8(texts::kTableStep), step_);
    form->addRow(QString::fromUtf8(texts::kTableCount), count_);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* copy =
        buttons->addButton(QString::fromUtf8(texts::kCopy), QDialogButtonBox::ActionRole);
    QPushButton* save =
        buttons->addButton(QString::fromUtf8(texts::kTableSaveCsv), QDialogButtonBox::ActionRole);
    QPushButton* close =
        buttons->addButton(QString::fromUtf8(texts::kClose), QDialogButtonBox::RejectRole);
    connect(copy, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(plainText()); });
    connect(save, &QPushButton::clicked, this, &ValueTableDialog::askAndSave);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    for (QLineEdit* box : {from_, step_, count_})
        connect(box, &QLineEdit::editingFinished, this, &ValueTableDialog::recompute);
    connect(curve_, &QComboBox::currentIndexChanged, this, &ValueTableDialog::recompute);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(problem_);
    layout->addWidget(table_);
    layout->addWidget(buttons);
    resize(360, 480);
    recompute();
}

void ValueTableDialog::recompute() {
    rows_.clear();
    problem_->clear();
    plotter::TableRange range;
    const auto read = [this](QLineEdit* box, double& out) {
        const auto value = vbrt::ParseNumber(box->text().toStdString());
        if (value && std::isfinite(*value))
            out = *value;
        else
            problem_->setText(QString::fromUtf8(texts::kTableBadNumber).arg(box->text()));
        return value.has_value();
    };
    double count = 0;
    if (read(from_, range.from) && read(step_, range.step) && read(count_, count)) {
        if (count >= 1 && count <= plotter::kMaxTableRows && count == std::floor(count)) {
            range.count = int(count);
            if (curve_->currentIndex() >= 0) rows_ = curves_[curve_->currentIndex()].rows(range);
        } else {
            problem_->setText(QString::fromUtf8(texts::kTableBadCount).arg(plotter::kMaxTableRows));
        }
    }
    if (curves_.empty()) problem_->setText(QString::fromUtf8(texts::kTableNoCurve));
    table_->setRowCount(int(rows_.size()));
    for (int k = 0; k < int(rows_.size()); ++k) {
        table_->setItem(k, 0, new QTableWidgetItem(QString::fromStdString(rows_[k].x)));
        table_->setItem(k, 1, new QTableWidgetItem(TableCellText(rows_[k])));
    }
}

QString ValueTableDialog::plainText() const {
    QString text;
    for (const auto& row : rows_)
        text += QString::fromStdString(row.x) + '\t' + TableCellText(row) + '\n';
    return text;
}

QByteArray ValueTableDialog::csvBytes() const {
    QString text = QStringLiteral("x,y\r\n");
    for (const auto& row : rows_)
        text +=
            CsvField(QString::fromStdString(row.x)) + ',' + CsvField(TableCellText(row)) + "\r\n";
    return "\xEF\xBB\xBF" + text.toUtf8();
}

QString ValueTableDialog::saveCsv(const QString& path) const {
    return WriteOutputFile(path, csvBytes(), PipeOpen::FailWithoutReader);
}

void ValueTableDialog::askAndSave() {
    const QString path = QFileDialog::getSaveFileName(this, QString::fromUtf8(texts::kTableSaveCsv),
                                                      QString::fromUtf8(texts::kTableSuggestedName),
                                                      QString::fromUtf8(texts::kTableCsvFilter));
    if (path.isEmpty()) return;
    const QString failure = saveCsv(path);
    if (!failure.isEmpty())
        ShowMessage(QString::fromUtf8(texts::kCannotSaveTable).arg(path, failure));
}

}  // namespace shell
