// SPDX-License-Identifier: GPL-3.0-or-later
#include "presets/ErrorModes.h"

namespace presets {

void RunStopAndReport(PresetContext& ctx, const std::function<void()>& body) {
    ctx.picture1.setDrawWidth(1);
    try {
        body();
    } catch (const vbrt::RuntimeError&) {
        ctx.showMessage(texts::kPresetFailed);
    }
}

}  // namespace presets
