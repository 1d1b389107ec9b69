// SPDX-License-Identifier: GPL-3.0-or-later
#include "plotter/EquationForm.h"

namespace plotter {

EquationForm ClassifyEquation(std::string_view normalized) {
    if (normalized.find(';') != std::string_view::npos) return EquationForm::Parametric;
    if (normalized.starts_with("r=")) return EquationForm::Polar;
    if (normalized.starts_with("y=")) return EquationForm::ExplicitY;
    if (normalized.starts_with("y^2=")) return EquationForm::SquaredY;
    return EquationForm::General;
}

std::string_view TextAfterFirstEquals(std::string_view text) {
    const std::size_t equals = text.find('=');
    return equals == std::string_view::npos ? text : text.substr(equals + 1);
}

}  // namespace plotter
