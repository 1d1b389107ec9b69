// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Code built for the fused multiply-add is chosen at run time on x86, whose baseline lacks it;
// elsewhere the compiler's own target decides and the attribute does not exist.
#if defined(__x86_64__) || defined(__i386__)
#define FUNCURVE_TARGET_FMA [[gnu::target("fma")]]
#else
#define FUNCURVE_TARGET_FMA
#endif

namespace script {

// Whether the processor has a fused multiply-add that code of FUNCURVE_TARGET_FMA may use.
inline bool ProcessorHasFma() {
#if defined(__x86_64__) || defined(__i386__)
    return __builtin_cpu_supports("fma");
#elif defined(__FP_FAST_FMA)
    return true;
#else
    return false;
#endif
}

}  // namespace script
