// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>

#include "shell/ControlTable.h"

namespace shell {

// Where a control of the design goes when the window's client area is `growth` pixels larger
// than designed (never smaller): the canvas Picture1 grows by the whole growth; a control
// right of the canvas keeps its distance to the right edge, one below it its distance to the
// bottom edge, and the others stay where they are.
QRect GrownRect(const ControlLayout& layout, QSize growth);

// The designed client size of the main window in pixels.
QSize DesignedClientSize();

}  // namespace shell
