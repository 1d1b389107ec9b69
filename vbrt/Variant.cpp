// SPDX-License-Identifier: GPL-3.0-or-later
#include "vbrt/Variant.h"

#include "vbrt/NumberReading.h"
#include "vbrt/NumberText.h"
#include "vbrt/RuntimeError.h"

namespace vbrt {

const char* TypeName(VarType type) {
    switch (type) {
        case VarType::Empty:
            return "Empty";
        case VarType::Boolean:
            return "Boolean";
        case VarType::Integer:
            return "Integer";
        case VarType::Long:
            return "Long";
        case VarType::Double:
            return "Double";
        case VarType::String:
            return "String";
    }
    return "Empty";
}

int ToDouble(const Variant& value, double& out) {
    switch (value.type) {
        case VarType::Empty:
            out = 0;
            return 0;
        case VarType::Boolean:
        case VarType::Integer:
        case VarType::Long:
            out = value.whole;
            return 0;
        case VarType::Double:
            out = value.real;
            return 0;
        case VarType::String:
            return TextToDouble(value.text, out);
    }
    return kTypeMismatch;
}

double ToDouble(const Variant& value) {
    double number = 0;
    if (const int error = ToDouble(value, number)) throw RuntimeError(error);
    return number;
}

std::string ToText(const Variant& value) {
    switch (value.type) {
        case VarType::Empty:
            return {};
        case VarType::Boolean:
            return value.whole ? "True" : "False";
        case VarType::Integer:
        case VarType::Long:
            return std::to_string(value.whole);
        case VarType::Double:
            return NumberToText(value.real);
        case VarType::String:
            return value.text;
    }
    return {};
}

}  // namespace vbrt
