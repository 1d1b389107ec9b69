#pragma once

#include <functional>

#include "presets/PresetContext.h"
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
// `read`. False when they cannot be read: the handler then ends quietly, because drawing
// with the value an earlier press left behind would show a curve nobody asked for.
template <class Read>
bool BeginSkipAndContinue(PresetContext& ctx, Read&& read) {
    ctx.picture1.setDrawWidth(1);
    return TryStep(read);
}

}  // namespace presets
