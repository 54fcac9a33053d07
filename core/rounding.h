// The one conversion from a floating value to an integer that the whole program uses:
// nearest integer with halves to even, NaN gives 0, and the result saturates at the
// target type's range instead of being undefined.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <type_traits>

template <typename T>
T TOOL_Round(long double x) {
    static_assert(std::is_integral<T>::value, "integer target only");
    if (std::isnan(x)) return 0;
    // nearbyintl honours the default rounding mode: to nearest, ties to even.
    long double r = std::nearbyintl(x);
    constexpr long double lo = static_cast<long double>(std::numeric_limits<T>::min());
    constexpr long double hi = static_cast<long double>(std::numeric_limits<T>::max());
    if (r <= lo) return std::numeric_limits<T>::min();
    if (r >= hi) return std::numeric_limits<T>::max();
    return static_cast<T>(r);
}

inline int64_t TOOL_Round64(long double x) {
    return TOOL_Round<int64_t>(x);
}
inline int32_t TOOL_Round32(long double x) {
    return TOOL_Round<int32_t>(x);
}
