// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>

namespace shell {

class frmFunCurve;

// The program's top-level window: the menu bar (文件, 编辑, 视图, 帮助) above the main
// window, whose client area keeps every control where it was. The menus hold the window's
// own actions, so their keys work and funcurve-cli reaches them without this frame.
class WindowFrame : public QMainWindow {
    Q_OBJECT
  public:
    explicit WindowFrame(frmFunCurve& window);
    ~WindowFrame() override;  // gives the window back: its owner deletes it

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    frmFunCurve& window_;
};

}  // namespace shell
