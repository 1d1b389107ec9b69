// SPDX-License-Identifier: GPL-3.0-or-later
// The listing of an all-numbers program, for tests and for reading what a text compiles to.
#include <charconv>
#include <string_view>

#include "script/Builtins.h"
#include "script/Fast.h"

namespace script {

namespace {

// The shortest text that reads back as the same double.
std::string numberText(double value) {
    char buffer[32];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return ec == std::errc() ? std::string(buffer, end) : std::string("?");
}

// The built-in whose number rule is fn.
std::string_view builtinName(NumberRule fn) {
    for (int id = 0; id < static_cast<int>(Builtin::Count); ++id) {
        const BuiltinEntry& entry = builtinEntry(static_cast<Builtin>(id));
        if (entry.onNumber == fn) return entry.name;
    }
    return "?";
}

}  // namespace

std::string listFast(const FastProgram& program, const std::vector<std::string>& slotNames) {
    std::string out;
    for (const FastInstr& in : program.code) {
        out += fastOpName(in.op);
        if (fastTakes(in.op, FastOperand::Fn)) out.append(" ").append(builtinName(in.fn));
        if (fastTakes(in.op, FastOperand::Var)) {
            const bool named =
                in.variable >= 0 && static_cast<size_t>(in.variable) < slotNames.size();
            out += " " + (named ? slotNames[in.variable] : "@" + std::to_string(in.variable));
        }
        if (fastTakes(in.op, FastOperand::Const)) out += " " + numberText(in.value);
        if (fastTakes(in.op, FastOperand::Exponent)) out += " " + std::to_string(in.exponent);
        out += '\n';
    }
    return out;
}

}  // namespace script
