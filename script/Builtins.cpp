#include "script/Builtins.h"

#include <cmath>

#include "script/Convert.h"
#include "vbrt/Rounding.h"
#include "vbrt/RuntimeError.h"

namespace script {

namespace {

struct Entry {
    const char* name;
    int minArgs;
    int maxArgs;
};

constexpr Entry kEntries[] = {
    {"abs", 1, 1},  {"atn", 1, 1},   {"cos", 1, 1},  {"exp", 1, 1},   {"fix", 1, 1}, {"int", 1, 1},
    {"log", 1, 1},  {"round", 1, 2}, {"sgn", 1, 1},  {"sin", 1, 1},   {"sqr", 1, 1}, {"tan", 1, 1},
    {"cint", 1, 1}, {"clng", 1, 1},  {"cdbl", 1, 1}, {"cbool", 1, 1},
};
static_assert(std::size(kEntries) == static_cast<size_t>(Builtin::Count));

// Rounds to n decimals with ties to even on the scaled value.
double roundTo(double x, int n) {
    if (n == 0) return vbrt::RoundHalfEven(x);
    if (n > 22) return x;
    double scale = std::pow(10.0, n);
    double scaled = x * scale;
    if (!std::isfinite(scaled)) return x;
    return vbrt::RoundHalfEven(scaled) / scale;
}

// Int, Fix and Round keep whole kinds as they are (Boolean and Empty become Integer).
bool keepsWhole(const Value& v, Value& out) {
    if (!isWhole(v.kind)) return false;
    out = v.kind == Kind::Long ? Value::longValue(v.i) : Value::integer(v.i);
    return true;
}

int absolute(const Value& v, Value& out) {
    if (isWhole(v.kind)) {
        std::int64_t x = v.i;
        out = wholeResult(x < 0 ? -x : x, isSmallWhole(v.kind));
        return 0;
    }
    double x = 0;
    if (int e = toDouble(v, x)) return e;
    out = Value::number(std::fabs(x));
    return 0;
}

int roundCall(const Value* args, int argc, Value& out) {
    std::int32_t digits = 0;
    if (argc == 2) {
        if (int e = toLong(args[1], digits)) return e;
        if (digits < 0) return vbrt::kInvalidCall;
    }
    if (keepsWhole(args[0], out)) return 0;
    double x = 0;
    if (int e = toDouble(args[0], x)) return e;
    out = Value::number(roundTo(x, digits));
    return 0;
}

int convertWhole(const Value& v, double lo, double hi, Kind kind, Value& out) {
    double x = 0;
    if (int e = toDouble(v, x)) return e;
    double r = vbrt::RoundHalfEven(x);
    if (!(r >= lo && r <= hi)) return vbrt::kOverflow;
    out = kind == Kind::Integer ? Value::integer(static_cast<std::int32_t>(r))
                                : Value::longValue(static_cast<std::int32_t>(r));
    return 0;
}

}  // namespace

int findBuiltin(std::string_view lowerName) {
    for (size_t k = 0; k < std::size(kEntries); ++k) {
        if (lowerName == kEntries[k].name) return static_cast<int>(k);
    }
    return -1;
}

bool builtinAccepts(int id, int argc) {
    return argc >= kEntries[id].minArgs && argc <= kEntries[id].maxArgs;
}

int builtinOnDouble(int id, double x, double& out) {
    switch (static_cast<Builtin>(id)) {
        case Builtin::Abs:
            out = std::fabs(x);
            return 0;
        case Builtin::Atn:
            out = std::atan(x);
            return 0;
        case Builtin::Cos:
            out = std::cos(x);
            return 0;
        case Builtin::Sin:
            out = std::sin(x);
            return 0;
        case Builtin::Tan:
            out = std::tan(x);
            break;
        case Builtin::Exp:
            out = std::exp(x);
            break;
        case Builtin::Fix:
            out = std::trunc(x);
            return 0;
        case Builtin::Int:
            out = std::floor(x);
            return 0;
        case Builtin::Round:
            out = vbrt::RoundHalfEven(x);
            return 0;
        case Builtin::CDbl:
            out = x;
            return 0;
        case Builtin::Log:
            if (x <= 0) return vbrt::kInvalidCall;
            out = std::log(x);
            return 0;
        case Builtin::Sqr:
            if (x < 0) return vbrt::kInvalidCall;
            out = std::sqrt(x);
            return 0;
        default:
            return vbrt::kTypeMismatch;
    }
    return std::isfinite(out) ? 0 : vbrt::kOverflow;
}

int callBuiltin(int id, const Value* args, int argc, Value& out) {
    const Value& v = args[0];
    switch (static_cast<Builtin>(id)) {
        case Builtin::Abs:
            return absolute(v, out);
        case Builtin::Sgn: {
            double x = 0;
            if (int e = toDouble(v, x)) return e;
            out = Value::integer(x > 0 ? 1 : x < 0 ? -1 : 0);
            return 0;
        }
        case Builtin::Fix:
        case Builtin::Int:
            if (keepsWhole(v, out)) return 0;
            break;
        case Builtin::Round:
            return roundCall(args, argc, out);
        case Builtin::CInt:
            return convertWhole(v, -32768.0, 32767.0, Kind::Integer, out);
        case Builtin::CLng:
            return convertWhole(v, -2147483648.0, 2147483647.0, Kind::Long, out);
        case Builtin::CBool: {
            bool b = false;
            if (int e = toBoolean(v, b)) return e;
            out = Value::boolean(b);
            return 0;
        }
        default:
            break;
    }
    double x = 0, r = 0;
    if (int e = toDouble(v, x)) return e;
    if (int e = builtinOnDouble(id, x, r)) return e;
    out = Value::number(r);
    return 0;
}

}  // namespace script
