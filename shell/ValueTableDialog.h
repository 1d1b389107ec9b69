// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <vector>

#include "plotter/ValueTable.h"
#include "shell/DrawnCurves.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace shell {

// 数值表: the values of one drawn y = f(x) curve or preset at the start, step and count the
// user chooses (defaults -5, 0.5, 21), errors shown by their Chinese text; copied as text
// or saved as CSV (UTF-8 with a byte order mark, so spreadsheet programs read it).
class ValueTableDialog : public QDialog {
    Q_OBJECT
  public:
    using Curve = TableCurve;

    ValueTableDialog(std::vector<Curve> curves, QWidget* parent);

    // The table as tab-separated lines, and as CSV bytes.
    QString plainText() const;
    QByteArray csvBytes() const;
    // Writes the CSV; the old file stays whole when the write fails. An empty text when
    // it succeeded, else the reason.
    QString saveCsv(const QString& path) const;

  private:
    void recompute();
    void askAndSave();

    std::vector<Curve> curves_;
    std::vector<plotter::TableRow> rows_;
    QComboBox* curve_;
    QLineEdit* from_;
    QLineEdit* step_;
    QLineEdit* count_;
    QLabel* problem_;
    QTableWidget* table_;
};

// The text of a row's y: the number, or the message the engine returned, or the Chinese
// text of the error.
QString TableCellText(const plotter::TableRow& row);

}  // namespace shell
