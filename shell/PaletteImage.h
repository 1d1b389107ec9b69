// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace shell {

// The same pixels with a colour table, when an RGB32 picture has at most 256 colours (a
// canvas has a handful): its PNG encodes several times faster, and is mostly smaller.
// Any other picture comes back unchanged.
QImage WithPalette(const QImage& image);

}  // namespace shell
