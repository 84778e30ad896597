#pragma once

#include "model/EyeModel.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

// A case file (.sd) holds one patient in exactly 98 bytes: the 24 stored
// angles as little-endian signed 32-bit integers in the unit current when it
// was saved (the file does not record it), the mode byte and the quadrant marks.
inline constexpr std::size_t kCaseFileSize = 98;

struct CaseData {
    EyeModel values;
    bool manifestMode = true;  // deviations shown with both eyes open (603), else only under cover (604)
    std::uint8_t quadrantMarks = 0;
};

enum class CaseReadResult {
    ok,
    wrongSize,  // not a case file: its size is not kCaseFileSize bytes
};

std::array<std::uint8_t, kCaseFileSize> EncodeCase(const CaseData& data);

// Fills out only when the bytes are a whole case; otherwise out is left untouched.
CaseReadResult DecodeCase(const std::vector<std::uint8_t>& bytes, CaseData& out);
