// SPDX-License-Identifier: GPL-3.0-or-later
#include "plotter/TypedCurves.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "plotter/EquationForm.h"
#include "plotter/Normalize.h"
#include "plotter/RangeBoxes.h"
#include "script/ExpressionCheck.h"

namespace plotter {
namespace {

// The scan's "abs(R-(L))" without its abs: R-(L), whose sign tells the sides apart.
std::optional<std::string> SignedDifference(std::string_view normalized) {
    if (normalized.find('=') == std::string_view::npos) return std::nullopt;
    const std::string difference = EquationToDifference(normalized);
    return difference.substr(4, difference.size() - 5);
}

// The last value of a function of x, kept: the grid asks for one x many times in a row.
struct LastValue {
    double x = NAN;
    std::optional<double> value;
};

// Whether the right side of a polar equation reads r, the radius of the point before.
bool NamesRadius(std::string_view expression) {
    const auto names = script::checkExpression(expression).names;
    return std::any_of(names.begin(), names.end(),
                       [](const script::NameUse& use) { return use.name == "r" && !use.called; });
}

}  // namespace

// The script assigns e and p at its start, as every plot does.
TypedCurves::TypedCurves() : script_(engine_) {}

std::optional<double> TypedCurves::evaluate(const std::string& expression) {
    auto result = script_.evalNumber(expression);
    if (script_.errorPending()) result.reset();
    script_.clearError();
    return result;
}

std::optional<double> TypedCurves::value(const std::string& expression, std::string_view name,
                                         double v) {
    script_.assign(name, v);
    return evaluate(expression);
}

std::optional<double> TypedCurves::value(const std::string& expression, double x, double y) {
    script_.assign("X=", x);
    script_.assign("Y=", y);
    return evaluate(expression);
}

std::optional<KeyCurve> TypedCurves::curve(std::string_view normalized, const DrawnRanges& r,
                                           int number) {
    const std::string text = NormalizeEquation(normalized);
    KeyCurve c;
    c.number = number;
    c.from = r.xFrom;
    c.to = r.xTo;
    const std::string after(TextAfterFirstEquals(text));
    switch (ClassifyEquation(text)) {
        case EquationForm::ExplicitY:
            c.shape = KeyCurve::Shape::Graph;
            c.graph = [this, after](double x) { return value(after, "x=", x); };
            return c;
        case EquationForm::SquaredY: {
            c.shape = KeyCurve::Shape::Implicit;
            auto last = std::make_shared<LastValue>();
            c.implicitValue = [this, after, last](double x, double y) -> std::optional<double> {
                if (!(last->x == x)) *last = {x, value(after, "x=", x)};
                if (!last->value) return std::nullopt;
                return *last->value - y * y;
            };
            return c;
        }
        case EquationForm::General: {
            const auto difference = SignedDifference(text);
            if (!difference) return std::nullopt;
            c.shape = KeyCurve::Shape::Implicit;
            c.yFrom = r.yFrom;
            c.yTo = r.yTo;
            c.implicitValue = [this, d = *difference](double x, double y) {
                return value(d, x, y);
            };
            return c;
        }
        case EquationForm::Parametric: {
            const std::size_t semicolon = text.find(';');
            const std::string xs(TextAfterFirstEquals(std::string_view(text).substr(0, semicolon)));
            const std::string ys(
                TextAfterFirstEquals(std::string_view(text).substr(semicolon + 1)));
            c.point = [this, xs, ys](double t) -> std::optional<CurvePoint> {
                const auto x = value(xs, "t=", t);
                const auto y = x ? evaluate(ys) : std::nullopt;
                if (!y) return std::nullopt;
                return CurvePoint{*x, *y};
            };
            break;
        }
        case EquationForm::Polar:
            // The plot lets r see the radius before; a curve in r alone starts from r = 0.
            c.readsPointBefore = NamesRadius(after);
            c.point = [this, after](double t) -> std::optional<CurvePoint> {
                script_.assign("r=", 0);
                const auto radius = value(after, "t=", t);
                if (!radius) return std::nullopt;
                return CurvePoint{*radius * std::cos(t), *radius * std::sin(t)};
            };
            break;
    }
    c.shape = KeyCurve::Shape::Parametric;
    c.from = r.tFrom * kPiTenDecimals;
    c.to = r.tTo * kPiTenDecimals;
    return c;
}

}  // namespace plotter
