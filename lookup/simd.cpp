// SPDX-License-Identifier: MIT
#include "lookup/simd.h"

#include <cstdlib>
#include <cstring>

namespace icao::simd {
namespace {

bool forcedScalar() {
    const char* value = std::getenv("ICAO_FORCE_SCALAR");
    return value && std::strcmp(value, "1") == 0;
}

} // namespace

bool sse2Allowed() {
#if defined(ICAO_SIMD_X86)
    return !forcedScalar();
#else
    return false;
#endif
}

bool avx2Allowed() {
#if defined(ICAO_SIMD_X86)
    // Asked while static objects are made, perhaps before the runtime has looked at the
    // processor itself.
    __builtin_cpu_init();
    return sse2Allowed() && __builtin_cpu_supports("avx2");
#else
    return false;
#endif
}

} // namespace icao::simd
