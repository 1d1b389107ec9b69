// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <map>

#include "shell/WindowCore.h"

namespace shell {

// The window's controls as plain texts, for a core that no one sees: each box starts with its
// designed text, the equation with the first example, the status line as the core sets it.
class HeadlessControls {
  public:
    HeadlessControls();

    WindowControls controls();
    void setBoxText(const QString& box, const QString& text) { boxes_[box] = text; }
    void setEquation(const QString& text) { equation_ = text; }
    const QString& status() const { return status_; }

  private:
    std::map<QString, QString> boxes_;
    QString equation_;
    QString status_;
};

}  // namespace shell
