// SPDX-License-Identifier: GPL-3.0-or-later
#include "script/Convert.h"

#include <string_view>

#include "vbrt/NumberReading.h"
#include "vbrt/Rounding.h"
#include "vbrt/RuntimeError.h"

namespace script {

int toDouble(const Value& v, double& out) {
    switch (v.kind) {
        case Kind::Double:
            out = v.d;
            return 0;
        case Kind::String:
            return vbrt::TextToDouble(v.str(), out);
        case Kind::Ref:
            return toDouble(*v.ref, out);
        case Kind::Empty:
        case Kind::Boolean:
        case Kind::Integer:
        case Kind::Long:
            out = v.i;
            return 0;
    }
    return vbrt::kTypeMismatch;  // no other kind exists
}

int toLong(const Value& v, std::int32_t& out) {
    if (v.kind != Kind::Double && v.kind != Kind::String && v.kind != Kind::Ref) {
        out = v.i;
        return 0;
    }
    double d = 0;
    if (int e = toDouble(v, d)) return e;
    return vbrt::RoundInto(d, vbrt::WholeRange::Long, out);
}

static bool equalsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t k = 0; k < a.size(); ++k) {
        char x = a[k] >= 'A' && a[k] <= 'Z' ? char(a[k] + 32) : a[k];
        if (x != b[k]) return false;
    }
    return true;
}

int toBoolean(const Value& v, bool& out) {
    if (v.kind == Kind::String) {
        std::string_view t = v.str();
        while (!t.empty() && t.front() == ' ')
            t.remove_prefix(1);
        while (!t.empty() && t.back() == ' ')
            t.remove_suffix(1);
        if (equalsNoCase(t, "true")) return out = true, 0;
        if (equalsNoCase(t, "false")) return out = false, 0;
    }
    double d = 0;
    if (int e = toDouble(v, d)) return e;
    out = d != 0;
    return 0;
}

std::string toText(const Value& v) {
    if (v.kind == Kind::String) return v.str();
    if (v.kind == Kind::Ref) return toText(*v.ref);
    return vbrt::ToText(toVariant(v));  // the runtime's rule, without copying a text
}

Value wholeResult(std::int64_t v, bool small) {
    if (small && v >= -32768 && v <= 32767) return Value::integer(static_cast<std::int32_t>(v));
    if (v >= INT32_MIN && v <= INT32_MAX) return Value::longValue(static_cast<std::int32_t>(v));
    return Value::number(static_cast<double>(v));
}

Value fromVariant(const vbrt::Variant& v) {
    switch (v.type) {
        case vbrt::VarType::Empty:
            return {};
        case vbrt::VarType::Boolean:
            return Value::boolean(v.whole != 0);
        case vbrt::VarType::Integer:
            return Value::integer(v.whole);
        case vbrt::VarType::Long:
            return Value::longValue(v.whole);
        case vbrt::VarType::Double:
            return Value::number(v.real);
        case vbrt::VarType::String:
            return Value::text(v.text);
    }
    return {};
}

vbrt::Variant toVariant(const Value& v) {
    switch (v.kind) {
        case Kind::Empty:
            return vbrt::Variant::empty();
        case Kind::Boolean:
            return vbrt::Variant::boolean(v.i != 0);
        case Kind::Integer:
            return vbrt::Variant::integer(static_cast<std::int16_t>(v.i));
        case Kind::Long:
            return vbrt::Variant::longValue(v.i);
        case Kind::Double:
            return vbrt::Variant::number(v.d);
        case Kind::String:
            return vbrt::Variant::string(v.str());
        case Kind::Ref:
            return toVariant(*v.ref);
    }
    return {};
}

}  // namespace script
