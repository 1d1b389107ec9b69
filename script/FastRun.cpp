// SPDX-License-Identifier: GPL-3.0-or-later
// How the all-numbers form runs. Each instruction's work is one step (FastStep.h). Programs
// of a load and at most one more instruction, and the commonest equations, run as
// straight-line code; the others in a loop that dispatches with a jump table of label
// addresses (a GNU extension that g++ and clang both provide): one indirect jump per
// instruction and no bounds check. Configured with FUNCURVE_THREADED_DISPATCH=OFF, the same
// steps form the cases of a plain switch, for compilers without the extension.
#include <algorithm>
#include <array>
#include <utility>

#include "script/CpuFeatures.h"
#include "script/Fast.h"
#include "script/FastStep.h"

namespace script {

namespace {

// The number as a value of the program's result kind (Double, Boolean or Integer).
void deliver(vbrt::Variant& out, Kind kind, double top) {
    if (kind == Kind::Double) [[likely]] {
        out.type = vbrt::VarType::Double;
        out.real = top;
        return;
    }
    out.type = kind == Kind::Boolean ? vbrt::VarType::Boolean : vbrt::VarType::Integer;
    out.whole = static_cast<std::int32_t>(top);
}

}  // namespace

// The dispatch: FAST_BEGIN starts at the first instruction, FAST_CASE(name) marks an
// instruction's code, FAST_NEXT goes on to the next instruction, FAST_FINISH closes the loop.
#if FUNCURVE_THREADED_DISPATCH
#define FAST_BEGIN                                                      \
    static const void* const kLabels[] = {SCRIPT_FAST_OPS(FAST_LABEL)}; \
    goto* kLabels[static_cast<int>(ip->op)];
#define FAST_LABEL(name, shape, cost, operands) &&op_##name,
#define FAST_CASE(name) op_##name
#define FAST_NEXT goto* kLabels[static_cast<int>((++ip)->op)]
#define FAST_FINISH
#else
#define FAST_BEGIN  \
    for (;; ++ip) { \
        switch (ip->op) {
#define FAST_CASE(name) case FastOp::name
#define FAST_NEXT goto next_instruction
#define FAST_FINISH    \
    }                  \
    next_instruction:; \
    }
#endif
// An instruction's step, then the next instruction. The leaf build leaves out every
// instruction that calls a function, so that the common programs run without saving and
// restoring registers; should one reach it anyway, the general machine answers. The build
// for a processor with a fused multiply-add (kFma) has more instructions inline.
#define FAST_STEP(name, shape, cost, operands)                              \
    FAST_CASE(name) : if constexpr (FastOp::name == FastOp::End) {          \
        deliver(out, program.result, s.top);                                \
        return 0;                                                           \
    }                                                                       \
    else if constexpr (kLeaf && fastOpCalls(FastOp::name, kFma)) {          \
        return -1;                                                          \
    }                                                                       \
    else {                                                                  \
        if (int e = step<FastOp::name, kFma>(*ip, globals, s)) [[unlikely]] \
            return e;                                                       \
        FAST_NEXT;                                                          \
    }
// The loop over every instruction.
#define FAST_LOOP                              \
    double below[kFastStack + 1];              \
    FastStack s{below};                        \
    const FastInstr* ip = program.code.data(); \
    FAST_BEGIN                                 \
    SCRIPT_FAST_OPS(FAST_STEP)                 \
    FAST_FINISH                                \
    return 0;

namespace {

// Every program in a loop, in two builds (see FAST_STEP).
template <bool kLeaf>
int runLoop(const FastProgram& program, const Value* globals, vbrt::Variant& out) {
    constexpr bool kFma = false;
    FAST_LOOP
}

// The same for a processor with a fused multiply-add: its own function, since code that
// uses the instruction must be built for it (and a loop of label addresses is never inlined).
template <bool kLeaf>
FUNCURVE_TARGET_FMA int runLoopFma(const FastProgram& program, const Value* globals,
                                   vbrt::Variant& out) {
    constexpr bool kFma = true;
    FAST_LOOP
}

// A program of the given instructions (End aside) as straight-line code.
template <FastOp... kOps>
int runStraight(const FastProgram& program, const Value* globals, vbrt::Variant& out) {
    double below[sizeof...(kOps)];
    FastStack s{below};
    const FastInstr* ip = program.code.data();
    int e = 0;
    if (((e = step<kOps>(*ip++, globals, s)) || ...)) return e;
    deliver(out, program.result, s.top);
    return 0;
}

// Straight-line code for a load, alone or followed by an instruction that replaces the top
// (the second index; kFastOpCount: none), where such a pair exists.
template <FastOp kLoad, int kNext>
constexpr FastRunner straightRunner() {
    if constexpr (kNext == kFastOpCount) {
        return &runStraight<kLoad>;
    } else if constexpr (fastOpShape(static_cast<FastOp>(kNext)) == Shape::Unary &&
                         static_cast<FastOp>(kNext) != FastOp::End) {
        return &runStraight<kLoad, static_cast<FastOp>(kNext)>;
    } else {
        return nullptr;
    }
}

template <FastOp kLoad, int... kNext>
constexpr std::array<FastRunner, kFastOpCount + 1> straightRow(
    std::integer_sequence<int, kNext...>) {
    return {straightRunner<kLoad, kNext>()...};
}

// The straight-line runners by load (rows: Const, Var, VarSquare, VarFn) and what follows.
constexpr FastOp kLoads[] = {FastOp::Const, FastOp::Var, FastOp::VarSquare, FastOp::VarFn};
template <size_t... kRow>
constexpr auto straightRows(std::index_sequence<kRow...>) {
    return std::array{
        straightRow<kLoads[kRow]>(std::make_integer_sequence<int, kFastOpCount + 1>())...};
}
constexpr auto kStraight = straightRows(std::make_index_sequence<std::size(kLoads)>());

// Three instructions in the form of the commonest equations (x^2+y^2=4, x*y=1, y=x^2+1): a
// variable (squared), an operation with an operand of its own, the size of a difference.
constexpr FastOp kEquationLoads[] = {FastOp::Var, FastOp::VarSquare};
constexpr FastOp kEquationMiddles[] = {
    FastOp::AddVar,
    FastOp::SubVar,
    FastOp::MulVar,
    FastOp::DivVar,
    FastOp::AddConst,
    FastOp::SubConst,
    FastOp::MulConst,
    FastOp::DivConst,
    FastOp::AddVarSquare,
    FastOp::SubVarSquare,
    FastOp::MulVarSquare,
    FastOp::DivVarSquare,
    FastOp::AddConstVar,
    FastOp::SubConstVar,
    FastOp::AddConstVarSquare,
    FastOp::SubConstVarSquare,
};
constexpr FastOp kEquationEnds[] = {FastOp::AbsSubVar, FastOp::AbsRSubConst};

template <FastOp kLoad, FastOp kMiddle, size_t... kEnd>
constexpr auto equationEnds(std::index_sequence<kEnd...>) {
    return std::array<FastRunner, sizeof...(kEnd)>{
        &runStraight<kLoad, kMiddle, kEquationEnds[kEnd]>...};
}
template <FastOp kLoad, size_t... kMiddle>
constexpr auto equationMiddles(std::index_sequence<kMiddle...>) {
    return std::array{equationEnds<kLoad, kEquationMiddles[kMiddle]>(
        std::make_index_sequence<std::size(kEquationEnds)>())...};
}
template <size_t... kLoad>
constexpr auto equationRunners(std::index_sequence<kLoad...>) {
    return std::array{equationMiddles<kEquationLoads[kLoad]>(
        std::make_index_sequence<std::size(kEquationMiddles)>())...};
}
constexpr auto kEquations = equationRunners(std::make_index_sequence<std::size(kEquationLoads)>());

// Where op stands in the list, or -1.
template <size_t kSize>
int indexIn(const FastOp (&list)[kSize], FastOp op) {
    const FastOp* at = std::find(list, list + kSize, op);
    return at == list + kSize ? -1 : static_cast<int>(at - list);
}

FastRunner straightFor(const FastProgram& program) {
    const std::vector<FastInstr>& code = program.code;
    if (code.size() == 4) {
        const int load = indexIn(kEquationLoads, code[0].op);
        const int middle = indexIn(kEquationMiddles, code[1].op);
        const int end = indexIn(kEquationEnds, code[2].op);
        if (load < 0 || middle < 0 || end < 0) return nullptr;
        return kEquations[load][middle][end];
    }
    if (code.size() < 2 || code.size() > 3) return nullptr;
    const int row = indexIn(kLoads, code[0].op);
    if (row < 0) return nullptr;
    return kStraight[row][code.size() == 3 ? static_cast<int>(code[1].op) : kFastOpCount];
}

}  // namespace

FastRunner fastRunner(const FastProgram& program, bool fma) {
    if (FastRunner straight = straightFor(program)) return straight;
    const bool leaf = std::none_of(program.code.begin(), program.code.end(),
                                   [fma](const FastInstr& in) { return fastOpCalls(in.op, fma); });
    if (fma) return leaf ? &runLoopFma<true> : &runLoopFma<false>;
    return leaf ? &runLoop<true> : &runLoop<false>;
}

bool runsStraight(const FastProgram& program) {
    return straightFor(program) != nullptr;
}

int runFast(const FastProgram& program, const Value* globals, double& out) {
    vbrt::Variant value;
    const int e = program.run(program, globals, value);
    if (e == 0) out = value.type == vbrt::VarType::Double ? value.real : value.whole;
    return e;
}

#undef FAST_BEGIN
#undef FAST_LABEL
#undef FAST_CASE
#undef FAST_NEXT
#undef FAST_FINISH
#undef FAST_STEP
#undef FAST_LOOP

}  // namespace script
