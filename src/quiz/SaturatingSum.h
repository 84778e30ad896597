#pragma once

#include <climits>

// Point sums come from file data; clamp instead of overflowing.
inline int SaturatingAdd(int a, int b)
{
    const long long sum = static_cast<long long>(a) + b;
    if (sum > INT_MAX)
        return INT_MAX;
    if (sum < INT_MIN)
        return INT_MIN;
    return static_cast<int>(sum);
}
