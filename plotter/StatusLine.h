// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "texts/Texts.h"

namespace plotter {

// Captions of the status line Label5 live in the text catalogue.
using texts::kStatusBusy;
using texts::kStatusBusyBlink;
using texts::kStatusCancelled;
using texts::kStatusDone;
using texts::kStatusIdle;
using texts::kStatusNothingToJoin;

}  // namespace plotter
