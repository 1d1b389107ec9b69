// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace shell {

class frmFunCurve;

// The canvas's right-click menu ("复制图像", "保存图像…", "关键点…" Ctrl+K, "数值表…" Ctrl+T) and
// the window's keys: Ctrl+S saves the picture, Esc closes an open list or menu or else
// cancels as the cancel button, F1 opens the help,
// Return in the equation box draws as the draw button. Each runs exactly what its button runs;
// nothing moves.
void AddCanvasMenuAndKeys(frmFunCurve& window);

}  // namespace shell
