// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QImage>

namespace shell {

// The design pictures, drawn by the program itself so that none can go missing.

// Background of the main window (930 x 860): light grey squared paper.
QImage BackgroundImage();
// The small decoration under the canvas (110 x 16): a blue wave on a pale band.
QImage DecorationImage();
// The strip under the help text (649 x 20).
QImage HelpStripImage();
// Window icons: axes with a curve (main window), a question mark (help window).
QIcon ApplicationIcon();
QIcon HelpIcon();

}  // namespace shell
