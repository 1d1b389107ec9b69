#pragma once

#include <vector>

#include "cli/cli_render_job.h"

namespace shell {
class frmFunCurve;
}

namespace cli::render {

// Runs the steps on the window in order, through its own controls, so that the window's own
// click handlers do the work; a draw step returns once its plot has ended.
void RunSteps(shell::frmFunCurve& window, const std::vector<Step>& steps);

// Writes the outputs in order; each failure is reported on standard error. False when any
// output could not be written.
bool WriteOutputs(shell::frmFunCurve& window, const std::vector<Output>& outputs);

}  // namespace cli::render
