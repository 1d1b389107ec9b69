// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "script/ScriptEngine.h"
#include "vbrt/Variant.h"

namespace script {

// X^(m/n) over the reals by the rule table: a Double, the text "分母不能为0" or
// "没有实数解", or Empty. Raises vbrt::RuntimeError where the rules divide by a whole
// number that rounds to 0 or raise 0 to a negative power.
vbrt::Variant ExactPower(double X, double m, double n);

// Source of the script function sp, lines joined by CR LF. The plotters add the form with
// the header "Function sp( X, m, n)"; the self-test the by-value form.
extern const char* const kSpSource;       // "Function sp( X, m, n)" ...
extern const char* const kSpSourceByVal;  // "Function sp(ByVal X ,ByVal m,ByVal n)" ...

// Click of the hidden cmd测试: adds the by-value sp and runs sp(-27, 1, 3); returns the
// text the message box shows ("-3").
std::string TestPowerFunction(script::ScriptEngine& engine);

}  // namespace script
