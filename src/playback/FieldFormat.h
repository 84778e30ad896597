#pragma once

#include <cstddef>
#include <cstdint>

// Text of one field of a written sample row, with a decimal comma, without
// printf's cost per value. Values come out exactly as printf applied to
// value × 0.001f (a single-precision product), as the device writes them.
// Times come out exactly, digit for digit: below 5386.937 s that is what
// single precision gives too, beyond it single precision would change times
// and merge neighbouring rows.
// value is a stored value, already negated where the file wants the device's
// signs, hence 64 bits: the negation of INT32_MIN must not overflow.

// Room enough for any field: a sign, seven integer digits, a comma, three decimals.
inline constexpr std::size_t kMaxFieldLength = 16;

// The time column: value / 1000 with three decimals. Writes at out and
// returns the end of the text.
char* FormatTimeField(std::int64_t value, char* out);

// Every other column: "0" when value is 0, else "%.2f".
char* FormatValueField(std::int64_t value, char* out);
