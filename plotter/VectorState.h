// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace plotter {

// Clears the upper halves of the AVX registers that Qt's painting leaves dirty. Until they
// are cleared, the plain SSE code of the engine and the AVX code of the maths library pay a
// state-transition penalty on every switch, which more than doubles a plot's time. Does
// nothing on processors without AVX and on other architectures.
void ClearUpperVectorState() noexcept;

}  // namespace plotter
