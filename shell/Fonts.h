// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

namespace shell {

// Makes "宋体" (the Song face the windows ask for) resolve to the Song/Ming face installed
// on this system, with a CJK sans face behind it. Safe to call more than once.
void RegisterFontSubstitutions();

// "宋体" at the given size, normal weight.
QFont SongFont(double pointSize);

// The windows' default font: "宋体" 9 pt.
QFont DefaultWindowFont();

}  // namespace shell
