// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "presets/PresetContext.h"

// One click handler per preset button, named by the button.
namespace presets {

void DrawLine(PresetContext& ctx);               // line
void DrawParabola(PresetContext& ctx);           // paowu
void DrawPower(PresetContext& ctx);              // mihanshu1
void DrawRootPower(PresetContext& ctx);          // mihanshu2
void DrawExponential(PresetContext& ctx);        // zhishu
void DrawLogarithm(PresetContext& ctx);          // duishu
void DrawInverseProportion(PresetContext& ctx);  // fanbili
void DrawSine(PresetContext& ctx);               // zhengxian
void DrawCosine(PresetContext& ctx);             // yuxian
void DrawTangent(PresetContext& ctx);            // zhengqie
void DrawCotangent(PresetContext& ctx);          // yuqie
void DrawEllipse(PresetContext& ctx);            // tuoyuan
void DrawHyperbolaX(PresetContext& ctx);         // shuang1
void DrawHyperbolaY(PresetContext& ctx);         // shuang2

}  // namespace presets
