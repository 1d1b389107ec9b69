// SPDX-License-Identifier: GPL-3.0-or-later
#include "plotter/VectorState.h"

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace plotter {

#if defined(__x86_64__)
namespace {

[[gnu::target("avx")]] void ZeroUpper() noexcept {
    _mm256_zeroupper();
}

}  // namespace

void ClearUpperVectorState() noexcept {
    static const bool hasAvx = (__builtin_cpu_init(), __builtin_cpu_supports("avx"));
    if (hasAvx) ZeroUpper();
}
#else
void ClearUpperVectorState() noexcept {}
#endif

}  // namespace plotter
