// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include "presets/PresetContext.h"
#include "texts/Texts.h"
#include "vbrt/RuntimeError.h"

namespace presets {

// Stop-and-report: sets the pen width to 1, then runs the handler body; the first run-time
// error abandons the rest of it (points already set stay) and shows "出错" once.
void RunStopAndReport(PresetContext& ctx, const std::function<void()>& body);

// Skip-and-continue, one step: runs the step and absorbs a run-time error so the caller can
// go on with its next step. Returns whether the step completed.
template <class Step>
bool TryStep(Step&& step) {
    try {
        step();
        return true;
    } catch (const vbrt::RuntimeError&) {
        return false;
    }
}

// Start of a skip-and-continue handler: pen width 1, then the parameters are read by
// `read`. False when they cannot be read (a number beyond the double range): the handler
// then ends with "出错" as the stop-and-report presets do, because drawing with the value
// an earlier press left behind would show a curve nobody asked for.
template <class Read>
bool BeginSkipAndContinue(PresetContext& ctx, Read&& read) {
    ctx.picture1.setDrawWidth(1);
    if (TryStep(read)) return true;
    ctx.showMessage(texts::kPresetFailed);
    return false;
}

}  // namespace presets
