// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace shell {

class frmFunCurve;

// The checkable options a user keeps between runs (等比例, 多色曲线, 浅色网格): switches on
// those left on in the last run, and from now on remembers every change. Only the program
// calls it, so funcurve-cli and the tests always start from the defaults and write nothing.
void RestoreRememberedOptions(frmFunCurve& window);

}  // namespace shell
