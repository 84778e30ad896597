#include "model/CaseFile.h"

namespace {

enum class End { nearEnd, farEnd };

struct AngleSlot {
    std::size_t offset;
    Eye eye;
    EyeQuantity quantity;
    End end;
};

constexpr AngleSlot kAngleSlots[] = {
    {0, Eye::one, EyeQuantity::horizontal, End::nearEnd},
    {4, Eye::one, EyeQuantity::horizontal, End::farEnd},
    {8, Eye::two, EyeQuantity::horizontal, End::nearEnd},
    {12, Eye::two, EyeQuantity::horizontal, End::farEnd},
    {16, Eye::one, EyeQuantity::vertical, End::nearEnd},
    {20, Eye::one, EyeQuantity::vertical, End::farEnd},
    {24, Eye::two, EyeQuantity::vertical, End::nearEnd},
    {28, Eye::two, EyeQuantity::vertical, End::farEnd},
    {32, Eye::one, EyeQuantity::torsion, End::nearEnd},
    {36, Eye::one, EyeQuantity::torsion, End::farEnd},
    {40, Eye::two, EyeQuantity::torsion, End::nearEnd},
    {44, Eye::two, EyeQuantity::torsion, End::farEnd},
    {48, Eye::one, EyeQuantity::verticalAxisTilt, End::nearEnd},
    {52, Eye::one, EyeQuantity::verticalAxisTilt, End::farEnd},
    {56, Eye::one, EyeQuantity::horizontalAxisTilt, End::nearEnd},
    {60, Eye::one, EyeQuantity::horizontalAxisTilt, End::farEnd},
    {64, Eye::two, EyeQuantity::verticalAxisTilt, End::nearEnd},
    {68, Eye::two, EyeQuantity::verticalAxisTilt, End::farEnd},
    {72, Eye::two, EyeQuantity::horizontalAxisTilt, End::nearEnd},
    {76, Eye::two, EyeQuantity::horizontalAxisTilt, End::farEnd},
    {80, Eye::one, EyeQuantity::verticalOffset, End::nearEnd},
    {84, Eye::one, EyeQuantity::verticalOffset, End::farEnd},
    {88, Eye::two, EyeQuantity::verticalOffset, End::nearEnd},
    {92, Eye::two, EyeQuantity::verticalOffset, End::farEnd},
};
constexpr std::size_t kModeOffset = 96;
constexpr std::size_t kQuadrantMarksOffset = 97;

// Every angle once, packed from offset 0 up to the two trailing bytes.
constexpr bool SlotTableIsSound()
{
    std::size_t expected = 0;
    for (const AngleSlot& slot : kAngleSlots) {
        if (slot.offset != expected)
            return false;
        expected += 4;
        for (const AngleSlot& other : kAngleSlots) {
            if (&other != &slot && other.eye == slot.eye && other.quantity == slot.quantity && other.end == slot.end)
                return false;
        }
    }
    return expected == kModeOffset && kQuadrantMarksOffset + 1 == kCaseFileSize;
}
static_assert(SlotTableIsSound());

void PutInt32(std::uint8_t* at, std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

std::int32_t GetInt32(const std::uint8_t* at)
{
    std::uint32_t bits = 0;
    for (int i = 0; i < 4; ++i)
        bits |= static_cast<std::uint32_t>(at[i]) << (8 * i);
    // Two's complement without relying on an implementation-defined conversion.
    if (bits <= 0x7FFFFFFFu)
        return static_cast<std::int32_t>(bits);
    return -static_cast<std::int32_t>(~bits) - 1;
}

}  // namespace

std::array<std::uint8_t, kCaseFileSize> EncodeCase(const CaseData& data)
{
    std::array<std::uint8_t, kCaseFileSize> bytes{};
    for (const AngleSlot& slot : kAngleSlots) {
        const int value = slot.end == End::nearEnd ? data.values.Near(slot.eye, slot.quantity)
                                                   : data.values.Far(slot.eye, slot.quantity);
        PutInt32(&bytes[slot.offset], value);
    }
    bytes[kModeOffset] = data.manifestMode ? 1 : 0;
    bytes[kQuadrantMarksOffset] = data.quadrantMarks;
    return bytes;
}

CaseReadResult DecodeCase(const std::vector<std::uint8_t>& bytes, CaseData& out)
{
    if (bytes.size() != kCaseFileSize)
        return CaseReadResult::wrongSize;
    for (const AngleSlot& slot : kAngleSlots) {
        const int value = GetInt32(&bytes[slot.offset]);
        if (slot.end == End::nearEnd)
            out.values.SetNear(slot.eye, slot.quantity, value);
        else
            out.values.SetFar(slot.eye, slot.quantity, value);
    }
    out.manifestMode = bytes[kModeOffset] != 0;
    out.quadrantMarks = bytes[kQuadrantMarksOffset];
    return CaseReadResult::ok;
}
