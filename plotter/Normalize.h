// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "plotter/TracedText.h"

namespace plotter {

// The typed spellings in ASCII (MapTypedSpellings), lower case, the textbook notation
// rewritten (RewriteTextbookNotation, which also drops the blanks), implied multiplication
// made explicit.
std::string NormalizeEquation(std::string_view text);
// The same with the typed place of every byte of the result.
TracedText NormalizeTraced(std::string_view text);
// c is one UTF-8 character (a one-character text).
bool IsLetterOrOpenParen(std::string_view c);
bool IsCloseParen(std::string_view c);
// «L=R» -> «abs(R-(L))»; text without "=" unchanged. Pure form of the routine that rewrites
// txt表达式 in place.
std::string EquationToDifference(std::string_view text);

}  // namespace plotter
