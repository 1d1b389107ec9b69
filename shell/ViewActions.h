// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QMenu;

namespace shell {

class frmFunCurve;

// The view's commands: 放大 (+), 缩小 (−), 还原视图 (Home), the checkable 等比例 (remembered
// between runs) and the x axis in pi, added to the given menu; the arrow keys pan while the
// canvas has the focus, and the canvas zooms with the wheel about the pointer and pans when
// dragged. Keys that a text box
// uses while it has the focus stay the box's.
void AddViewActions(frmFunCurve& window, QMenu& menu);

}  // namespace shell
