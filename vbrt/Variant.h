// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace vbrt {

enum class VarType : std::uint8_t { Empty, Boolean, Integer, Long, Double, String };

// A script value as the platform's callers see it. Integer/Long/Boolean keep their whole
// value in `whole` (Boolean True is -1); Double in `real`; String in `text` (UTF-8).
struct Variant {
    VarType type = VarType::Empty;
    std::int32_t whole = 0;
    double real = 0.0;
    std::string text;

    static Variant empty() { return {}; }
    static Variant boolean(bool b) { return {VarType::Boolean, b ? -1 : 0, 0.0, {}}; }
    static Variant integer(std::int16_t v) { return {VarType::Integer, v, 0.0, {}}; }
    static Variant longValue(std::int32_t v) { return {VarType::Long, v, 0.0, {}}; }
    static Variant number(double v) { return {VarType::Double, 0, v, {}}; }
    static Variant string(std::string s) { return {VarType::String, 0, 0.0, std::move(s)}; }

    bool isNumeric() const { return type != VarType::String; }
};

// "Empty", "Boolean", "Integer", "Long", "Double", "String".
const char* TypeName(VarType type);

// The ordinary numeric conversion: Empty 0, True -1, False 0, numeric text its value;
// any other text raises type mismatch (13), a number text beyond the double range overflow (6).
double ToDouble(const Variant& value);
// The same without raising: 0 with `out` set, or the error number.
int ToDouble(const Variant& value, double& out);

// Default text: "" for Empty, "True"/"False", NumberToText for numbers, the text itself.
std::string ToText(const Variant& value);

}  // namespace vbrt
