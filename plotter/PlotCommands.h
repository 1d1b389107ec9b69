// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "plotter/PlotContext.h"

namespace plotter {

// Click of cmd绘制图像: normalise, classify and run the matching plotter (runs nested
// event loops through ctx.yield until the plot ends or is cancelled).
void DrawEquation(PlotContext& ctx);

// Click of cmd取消 (also the first step of clearing): stop any running plot.
void CancelDrawing(PlotContext& ctx);

// Tick of Timer1 (200 ms): blink the busy caption.
void AnimateStatus(PlotContext& ctx);

// Click of cmd连点成线: join neighbouring recorded points quadrant by quadrant.
void JoinPlottedPoints(PlotContext& ctx);

// Path of "CoordinateData.txt" in the program's folder.
std::string PointFilePath(const PlotContext& ctx);

}  // namespace plotter
