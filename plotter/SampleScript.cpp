// SPDX-License-Identifier: GPL-3.0-or-later
#include "plotter/SampleScript.h"

#include "plotter/BluePoint.h"
#include "plotter/RangeBoxes.h"
#include "script/ExactPower.h"
#include "vbrt/NumberText.h"
#include "vbrt/RuntimeError.h"
#include "vbrt/Variant.h"

namespace plotter {

void SampleScript::fail(int number) {
    errorPending_ = true;
    if (firstFailure_ == 0) firstFailure_ = number;
}

void SampleScript::addCode(std::string_view source) {
    if (const int error = engine_.TryAddCode(source)) fail(error);
}

namespace {

// The logarithms of the textbooks. lg is exact where the answer is whole, as lg 1000 = 3
// is, although Log(1000) / Log(10) falls one unit short of it.
constexpr const char* kLogarithmSource =
    "Function lg(X)\r\n"
    "  Dim v\r\n"
    "  v = Log(X) / Log(10)\r\n"
    "  If 10 ^ Round(v) = X Then\r\n"
    "    v = Round(v)\r\n"
    "  End If\r\n"
    "  lg = v\r\n"
    "End Function\r\n"
    "Function ln(X)\r\n"
    "  ln = Log(X)\r\n"
    "End Function";

}  // namespace

// A refusal would only cost the calls of these functions.
void AddSampleFunctions(script::ScriptEngine& engine) {
    engine.TryAddCode(script::kSpSource);
    engine.TryAddCode(kLogarithmSource);
}

SampleScript::SampleScript(script::ScriptEngine& engine) : engine_(engine) {
    AddSampleFunctions(engine_);
    for (const char* constant : script::kPlotConstants)
        addCode(constant);
}

SampleScript::SampleScript(const PlotContext& ctx) : SampleScript(ctx.engine) {
    assign("a=", ParameterValue(ctx, kParameterA));
    assign("b=", ParameterValue(ctx, kParameterB));
}

void SampleScript::assign(std::string_view prefix, double value) {
    assignText(prefix, vbrt::NumberToText(value));
}

void SampleScript::assignText(std::string_view prefix, std::string_view numberText) {
    statement_.assign(prefix);
    statement_ += numberText;
    addCode(statement_);
}

void SampleScript::assignParsed(const script::ParsedCode& code) {
    if (const int error = engine_.TryAddCode(code)) fail(error);
}

script::EvalResult SampleScript::eval(std::string_view expression) {
    script::EvalResult result = engine_.TryEval(expression);
    if (result.error != 0) fail(result.error);
    return result;
}

std::optional<double> SampleScript::evalNumber(std::string_view expression) {
    const script::EvalResult result = eval(expression);
    if (result.error != 0) return std::nullopt;
    double value = 0;
    if (const int error = vbrt::ToDouble(result.value, value)) {
        fail(error);
        return std::nullopt;
    }
    return value;
}

bool SampleScript::plotPoint(canvas::Canvas& picture, double x, double y, QRgb colour) {
    const DotOutcome outcome = PlotBluePoint(picture, x, y, colour);
    if (outcome == DotOutcome::Overflow) {
        fail(vbrt::kOverflow);
        return false;
    }
    anyDot_ = true;
    anyShownDot_ = anyShownDot_ || outcome == DotOutcome::Shown;
    return true;
}

}  // namespace plotter
