// SPDX-License-Identifier: GPL-3.0-or-later
#include "script/Builtins.h"

#include <math.h>

#include <cmath>
#include <iterator>

#include "script/Convert.h"
#include "vbrt/Distinct.h"
#include "vbrt/Rounding.h"

namespace script {

namespace {

// Rounds to n decimals with ties to even on the scaled value.
double roundTo(double x, int n) {
    if (n == 0) return vbrt::RoundHalfEven(x);
    if (n > 22) return x;
    double scale = std::pow(10.0, n);
    double scaled = x * scale;
    if (!std::isfinite(scaled)) return x;
    return vbrt::RoundHalfEven(scaled) / scale;
}

// Int, Fix and Round keep whole kinds as they are (Boolean and Empty become Integer, but
// Round keeps a Boolean).
bool keepsWhole(const Value& v, Value& out) {
    if (!isWhole(v.kind)) return false;
    out = v.kind == Kind::Long ? Value::longValue(v.i) : Value::integer(v.i);
    return true;
}

// The number rule of a built-in on its argument's number, the result of the table's kind.
int onArgumentNumber(Builtin id, const Value& v, Value& out) {
    const BuiltinEntry& entry = builtinEntry(id);
    double x = 0;
    if (int e = toDouble(v, x)) return e;
    if (int e = domainError(entry.domain, x)) return e;
    const double r = entry.onNumber(x);
    if (!std::isfinite(r)) return vbrt::kOverflow;
    out = entry.result == Kind::Integer ? Value::integer(static_cast<std::int32_t>(r))
                                        : Value::number(r);
    return 0;
}

int absolute(Builtin id, const Value* args, int, Value& out) {
    const Value& v = args[0];
    if (!isWhole(v.kind)) return onArgumentNumber(id, v, out);
    std::int64_t x = v.i;
    out = wholeResult(x < 0 ? -x : x, isSmallWhole(v.kind));
    return 0;
}

int wholeOrNumber(Builtin id, const Value* args, int, Value& out) {
    return keepsWhole(args[0], out) ? 0 : onArgumentNumber(id, args[0], out);
}

int roundCall(Builtin, const Value* args, int argc, Value& out) {
    std::int32_t digits = 0;
    if (argc == 2) {
        if (int e = toLong(args[1], digits)) return e;
        if (digits < 0) return vbrt::kInvalidCall;
    }
    if (args[0].kind == Kind::Boolean) return out = args[0], 0;  // Round(True) is True
    if (keepsWhole(args[0], out)) return 0;
    double x = 0;
    if (int e = toDouble(args[0], x)) return e;
    out = Value::number(roundTo(x, digits));
    return 0;
}

// CInt and CLng: rounded into the range of the table's result kind, else overflow.
int convertWhole(Builtin id, const Value* args, int, Value& out) {
    const Kind kind = builtinEntry(id).result;
    const vbrt::WholeRange range =
        kind == Kind::Integer ? vbrt::WholeRange::Integer : vbrt::WholeRange::Long;
    double x = 0;
    std::int32_t r = 0;
    if (int e = toDouble(args[0], x)) return e;
    if (int e = vbrt::RoundInto(x, range, r)) return e;
    out = Value::whole(kind, r);
    return 0;
}

int truth(Builtin, const Value* args, int, Value& out) {
    bool b = false;
    if (int e = toBoolean(args[0], b)) return e;
    out = Value::boolean(b);
    return 0;
}

constexpr double same(double x) {
    return x;
}
constexpr double sign(double x) {
    return x > 0 ? 1.0 : x < 0 ? -1.0 : 0.0;
}
constexpr double truthNumber(double x) {
    return x != 0 ? -1.0 : 0.0;
}

constexpr ValueRule none = nullptr;

// The C library's own functions are named by their addresses, so that the all-numbers form
// calls them without a wrapper in between.
constexpr BuiltinEntry kEntries[] = {
#define SCRIPT_BUILTIN_ROW(id, name, least, most, kind, domain, number, values) \
    {name, least, most, Kind::kind, Domain::domain, &number, values},
    SCRIPT_BUILTINS(SCRIPT_BUILTIN_ROW)
#undef SCRIPT_BUILTIN_ROW
};
static_assert(std::size(kEntries) == static_cast<size_t>(Builtin::Count));
static_assert(vbrt::AllDistinct(kEntries,
                                [](const BuiltinEntry& e) { return std::string_view(e.name); }),
              "two built-ins share a name");

}  // namespace

const BuiltinEntry& builtinEntry(Builtin id) {
    return kEntries[static_cast<int>(id)];
}

int findBuiltin(std::string_view lowerName) {
    for (size_t k = 0; k < std::size(kEntries); ++k) {
        if (lowerName == kEntries[k].name) return static_cast<int>(k);
    }
    return -1;
}

bool builtinAccepts(int id, int argc) {
    return argc >= kEntries[id].minArgs && argc <= kEntries[id].maxArgs;
}

int callBuiltin(int id, const Value* args, int argc, Value& out) {
    const Builtin builtin = static_cast<Builtin>(id);
    const BuiltinEntry& entry = kEntries[id];
    if (entry.onValues) return entry.onValues(builtin, args, argc, out);
    return onArgumentNumber(builtin, args[0], out);
}

}  // namespace script
