#pragma once

#include <string>
#include <string_view>

namespace plotter {

// Full-width forms and the signs ×, ÷, ², ³, π, − in ASCII; blanks and ideographic spaces
// removed, lower case, implied multiplication made explicit.
std::string NormalizeEquation(std::string_view text);
// c is one UTF-8 character (a one-character text).
bool IsLetterOrOpenParen(std::string_view c);
bool IsCloseParen(std::string_view c);
// «L=R» -> «abs(R-(L))»; text without "=" unchanged. Pure form of the routine that rewrites
// txt表达式 in place.
std::string EquationToDifference(std::string_view text);

}  // namespace plotter
