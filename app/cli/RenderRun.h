// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/RenderJob.h"

namespace shell {
class HeadlessControls;
class WindowCore;
}  // namespace shell

namespace cli::render {

// How far a job got.
struct RunOutcome {
    bool stoppedByCheck = false;  // a box failed its check; later steps and outputs did not run
    bool allWritten = true;       // every output reached was written (failures on stderr)
    bool allComplete = true;      // no --points copy of a point file its plot left incomplete
};

// Runs the steps in order on the window's core, whose controls are the given texts, so that the
// window's own operations do the work (a draw step returns once its plot has ended), and
// writes each output as soon as the steps before it have run. A box text goes through the
// window's check of that box as it is left; a failed check shows its messages and ends the job.
RunOutcome RunJob(shell::WindowCore& core, shell::HeadlessControls& controls, const Job& job);

}  // namespace cli::render
