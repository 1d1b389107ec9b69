// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

namespace shell {

// The text of a run-time error for the user, e.g. "运行时错误 6：溢出".
QString RuntimeErrorText(int number);

// Runs one event operation of a window. A run-time error that escapes it is reported in a
// message box instead of ending the program; the window stays usable.
void RunGuarded(const std::function<void()>& operation);

}  // namespace shell
