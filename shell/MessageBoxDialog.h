// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace shell {

// Messages without a handler are shown in the platform's message box: modal to the active
// window, OK only, no icon, in the windows' typeface. Safe to call more than once.
void UseMessageBoxes();

}  // namespace shell
