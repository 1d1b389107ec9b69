// SPDX-License-Identifier: GPL-3.0-or-later
#include "plotter/ValueTable.h"

#include <cmath>

#include "plotter/EquationForm.h"
#include "plotter/Normalize.h"
#include "plotter/SampleScript.h"
#include "vbrt/NumberText.h"
#include "vbrt/RuntimeError.h"

namespace plotter {

std::vector<TableRow> ExplicitTable(script::ScriptEngine& engine, std::string_view normalized,
                                    const TableRange& range) {
    std::vector<TableRow> rows;
    if (range.count < 1 || range.count > kMaxTableRows) return rows;
    const std::string expression(TextAfterFirstEquals(NormalizeEquation(normalized)));
    SampleScript script(engine);
    for (int k = 0; k < range.count; ++k) {
        TableRow row;
        const double x = range.from + k * range.step;
        if (!std::isfinite(x)) {
            row.error = vbrt::kOverflow;
            rows.push_back(std::move(row));
            continue;
        }
        row.x = vbrt::NumberToText(x);
        script.assignText("x=", row.x);
        const script::EvalResult result = script.eval(expression);
        double y = 0;
        row.error = result.error ? result.error : vbrt::ToDouble(result.value, y);
        if (row.error == vbrt::kTypeMismatch) row.message = result.value.text;
        if (row.error == 0) row.y = vbrt::NumberToText(y);
        script.clearError();
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace plotter
