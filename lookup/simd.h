// SPDX-License-Identifier: MIT
#pragma once

// The one home of the processor's vector instructions. The scans look at sixteen or thirty-two
// bytes a step where the processor allows; each such loop has a plain twin that gives the same
// answer, and ICAO_FORCE_SCALAR=1 in the environment makes every scan take the plain loops, so
// that they stay tested on any machine.
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define ICAO_SIMD_X86 1
#include <immintrin.h>
// Marks a function that uses AVX2; call it only where simd::avx2() said yes.
#define ICAO_TARGET_AVX2 __attribute__((target("avx2")))
#endif

namespace icao::simd {

// Whether the sixteen-byte SSE2 loops may run: an x86-64 processor, not forced to the plain
// loops.
bool sse2Allowed();
// Whether the thirty-two-byte AVX2 loops may run: the processor has AVX2, not forced to the
// plain loops.
bool avx2Allowed();

// Settled once at start-up, as the scans ask for every item.
inline const bool kSse2 = sse2Allowed();
inline const bool kAvx2 = avx2Allowed();

} // namespace icao::simd
