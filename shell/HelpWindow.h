// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace shell {

// The help window: the help text in a multi-line box with a vertical scroll bar and a
// decoration strip under it. The main window fills it; Esc closes it.
class frmHelp : public QWidget {
    Q_OBJECT
  public:
    explicit frmHelp(QWidget* owner);

    // Replaces the shown text; the text is kept exactly (CR LF line ends included).
    void setHelpText(const QString& text);
    const QString& helpText() const { return text_; }

  private:
    QPlainTextEdit* text1_;
    QString text_;
};

// The help text as it is shown: every line of the file followed by CR LF.
QString HelpTextFromLines(const QStringList& lines);

}  // namespace shell
