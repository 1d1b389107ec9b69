// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace script {

enum class Kind : std::uint8_t { Empty, Boolean, Integer, Long, Double, String, Ref };

// The engine's own value: small and cheap to copy while it holds a number. A Ref (only on
// the evaluation stack) points at a variable that a by-reference parameter may bind to.
struct Value {
    Kind kind = Kind::Empty;
    std::int32_t i = 0;
    union {
        double d = 0.0;
        Value* ref;
    };
    std::shared_ptr<const std::string> s;

    // A whole number of kind Boolean (-1/0), Integer or Long.
    static Value whole(Kind kind, std::int32_t x) {
        Value v;
        v.kind = kind;
        v.i = x;
        return v;
    }
    static Value boolean(bool b) { return whole(Kind::Boolean, b ? -1 : 0); }
    static Value integer(std::int32_t x) { return whole(Kind::Integer, x); }
    static Value longValue(std::int32_t x) { return whole(Kind::Long, x); }
    static Value number(double x) {
        Value v;
        v.kind = Kind::Double;
        v.d = x;
        return v;
    }
    static Value text(std::string t) {
        Value v;
        v.kind = Kind::String;
        v.s = std::make_shared<const std::string>(std::move(t));
        return v;
    }
    static Value reference(Value* target) {
        Value v;
        v.kind = Kind::Ref;
        v.ref = target;
        return v;
    }
    const std::string& str() const {
        static const std::string none;
        return s ? *s : none;
    }
};

}  // namespace script
