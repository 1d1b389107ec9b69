// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/GrownLayout.h"

#include <cstring>

namespace shell {

QRect GrownRect(const ControlLayout& layout, QSize growth) {
    const QRect designed = TwipsRect(layout);
    if (std::strcmp(layout.name, "Picture1") == 0)
        return designed.adjusted(0, 0, growth.width(), growth.height());
    const ControlLayout& canvas = *FindControlLayout("Picture1");
    const bool right = layout.left >= canvas.left + canvas.width;
    const bool below = layout.top >= canvas.top + canvas.height;
    return designed.translated(right ? growth.width() : 0, below ? growth.height() : 0);
}

QSize DesignedClientSize() {
    return {TwipsToPixels(kMainWidthTwips), TwipsToPixels(kMainHeightTwips)};
}

}  // namespace shell
