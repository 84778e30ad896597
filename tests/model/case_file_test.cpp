#include "model/CaseFile.h"

#include "model/AngleText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

struct ExpectedSlot {
    std::size_t offset;
    Eye eye;
    EyeQuantity quantity;
    bool nearEnd;
};

// Written out independently of the codec, as the file's layout.
const ExpectedSlot kLayout[] = {
    {0, Eye::one, EyeQuantity::horizontal, true},
    {4, Eye::one, EyeQuantity::horizontal, false},
    {8, Eye::two, EyeQuantity::horizontal, true},
    {12, Eye::two, EyeQuantity::horizontal, false},
    {16, Eye::one, EyeQuantity::vertical, true},
    {20, Eye::one, EyeQuantity::vertical, false},
    {24, Eye::two, EyeQuantity::vertical, true},
    {28, Eye::two, EyeQuantity::vertical, false},
    {32, Eye::one, EyeQuantity::torsion, true},
    {36, Eye::one, EyeQuantity::torsion, false},
    {40, Eye::two, EyeQuantity::torsion, true},
    {44, Eye::two, EyeQuantity::torsion, false},
    {48, Eye::one, EyeQuantity::verticalAxisTilt, true},
    {52, Eye::one, EyeQuantity::verticalAxisTilt, false},
    {56, Eye::one, EyeQuantity::horizontalAxisTilt, true},
    {60, Eye::one, EyeQuantity::horizontalAxisTilt, false},
    {64, Eye::two, EyeQuantity::verticalAxisTilt, true},
    {68, Eye::two, EyeQuantity::verticalAxisTilt, false},
    {72, Eye::two, EyeQuantity::horizontalAxisTilt, true},
    {76, Eye::two, EyeQuantity::horizontalAxisTilt, false},
    {80, Eye::one, EyeQuantity::verticalOffset, true},
    {84, Eye::one, EyeQuantity::verticalOffset, false},
    {88, Eye::two, EyeQuantity::verticalOffset, true},
    {92, Eye::two, EyeQuantity::verticalOffset, false},
};

// A distinct value per slot whose four bytes all differ, negative for every other slot.
std::int32_t SlotValue(std::size_t index)
{
    const auto i = static_cast<std::int32_t>(index) + 1;
    const std::int32_t value = i | (i + 0x20) << 8 | (i + 0x40) << 16 | (i + 0x10) << 24;
    return index % 2 == 0 ? value : -value;
}

std::int32_t LittleEndianAt(const std::uint8_t* bytes, std::size_t offset)
{
    std::uint32_t bits = 0;
    for (int i = 0; i < 4; ++i)
        bits |= static_cast<std::uint32_t>(bytes[offset + i]) << (8 * i);
    return static_cast<std::int32_t>(bits);
}

CaseData DistinctCase()
{
    CaseData data;
    for (std::size_t i = 0; i < std::size(kLayout); ++i) {
        const ExpectedSlot& slot = kLayout[i];
        if (slot.nearEnd)
            data.values.SetNear(slot.eye, slot.quantity, SlotValue(i));
        else
            data.values.SetFar(slot.eye, slot.quantity, SlotValue(i));
    }
    data.manifestMode = true;
    data.quadrantMarks = 0xA5;
    return data;
}

TEST(CaseFileEncodeTest, EverySlotAtItsOffset)
{
    const auto bytes = EncodeCase(DistinctCase());
    ASSERT_EQ(bytes.size(), 98u);
    for (std::size_t i = 0; i < std::size(kLayout); ++i)
        EXPECT_EQ(LittleEndianAt(bytes.data(), kLayout[i].offset), SlotValue(i)) << "offset " << kLayout[i].offset;
    EXPECT_EQ(bytes[96], 1);
    EXPECT_EQ(bytes[97], 0xA5);
}

TEST(CaseFileEncodeTest, LittleEndianBytesAndModeByte)
{
    CaseData data;
    data.values.SetNear(Eye::one, EyeQuantity::horizontal, 0x12345678);
    data.values.SetFar(Eye::one, EyeQuantity::horizontal, -2);
    data.manifestMode = false;
    const auto bytes = EncodeCase(data);
    const std::vector<std::uint8_t> head(bytes.begin(), bytes.begin() + 8);
    EXPECT_EQ(head, (std::vector<std::uint8_t>{0x78, 0x56, 0x34, 0x12, 0xFE, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(bytes[96], 0);
}

TEST(CaseFileDecodeTest, ReadsEveryOffset)
{
    const auto encoded = EncodeCase(DistinctCase());
    std::vector<std::uint8_t> bytes(encoded.begin(), encoded.end());
    bytes[96] = 7;

    CaseData out;
    out.manifestMode = false;
    ASSERT_EQ(DecodeCase(bytes, out), CaseReadResult::ok);
    for (std::size_t i = 0; i < std::size(kLayout); ++i) {
        const ExpectedSlot& slot = kLayout[i];
        const int value =
            slot.nearEnd ? out.values.Near(slot.eye, slot.quantity) : out.values.Far(slot.eye, slot.quantity);
        EXPECT_EQ(value, SlotValue(i)) << "offset " << slot.offset;
    }
    EXPECT_TRUE(out.manifestMode);
    EXPECT_EQ(out.quadrantMarks, 0xA5);
}

TEST(CaseFileDecodeTest, ModeByteZeroMeansCoverMode)
{
    std::vector<std::uint8_t> bytes(98, 0);
    bytes[0] = 0xFF;
    bytes[1] = 0xFF;
    bytes[2] = 0xFF;
    bytes[3] = 0xFF;
    CaseData out;
    ASSERT_EQ(DecodeCase(bytes, out), CaseReadResult::ok);
    EXPECT_FALSE(out.manifestMode);
    EXPECT_EQ(out.values.Near(Eye::one, EyeQuantity::horizontal), -1);
}

TEST(CaseFileDecodeTest, RoundTripIsByteExact)
{
    const CaseData original = DistinctCase();
    const auto encoded = EncodeCase(original);
    CaseData decoded;
    ASSERT_EQ(DecodeCase(std::vector<std::uint8_t>(encoded.begin(), encoded.end()), decoded), CaseReadResult::ok);
    EXPECT_EQ(decoded.values, original.values);
    EXPECT_EQ(decoded.manifestMode, original.manifestMode);
    EXPECT_EQ(decoded.quadrantMarks, original.quadrantMarks);
    EXPECT_EQ(EncodeCase(decoded), encoded);
}

TEST(CaseFileDecodeTest, WrongSizeIsRefusedAndLeavesTheCaseAlone)
{
    const CaseData before = DistinctCase();
    for (std::size_t size : {0u, 1u, 50u, 72u, 97u, 99u, 196u}) {
        CaseData out = before;
        EXPECT_EQ(DecodeCase(std::vector<std::uint8_t>(size, 0x11), out), CaseReadResult::wrongSize) << size;
        EXPECT_EQ(out.values, before.values) << size;
        EXPECT_EQ(out.manifestMode, before.manifestMode) << size;
        EXPECT_EQ(out.quadrantMarks, before.quadrantMarks) << size;
    }
}

}  // namespace

namespace {

// Any 98 bytes are a case, so a damaged or foreign file can carry angles at
// the ends of the 32-bit range. They load as they are and pass through what
// the window does with a case (blend, unit switch, text) without overflow;
// the sanitizer run of the tests watches for the undefined kind.
TEST(CaseFileDecodeTest, ExtremeAnglesPassThroughTheModel)
{
    for (const std::uint8_t fill : {0x7F, 0x80, 0xFF}) {
        std::vector<std::uint8_t> bytes(kCaseFileSize, fill);
        for (std::size_t offset = 0; offset < 96; offset += 8)
            bytes[offset + 3] = 0x7F;  // every other angle near INT_MAX
        CaseData data;
        ASSERT_EQ(DecodeCase(bytes, data), CaseReadResult::ok);
        const auto encoded = EncodeCase(data);
        EXPECT_TRUE(std::equal(bytes.begin(), bytes.begin() + 96, encoded.begin())) << int{fill};

        for (const ExpectedSlot& slot : kLayout) {
            const int farValue = data.values.Far(slot.eye, slot.quantity);
            const int nearValue = data.values.Near(slot.eye, slot.quantity);
            EXPECT_EQ(data.values.Blended(slot.eye, slot.quantity, kBlendSliderFar), farValue);
            EXPECT_EQ(data.values.Blended(slot.eye, slot.quantity, kBlendSliderNear), nearValue);
            for (int s = kBlendSliderFar; s <= kBlendSliderNear; ++s) {
                const std::string text = FormatAngle(data.values.Blended(slot.eye, slot.quantity, s), true, false);
                EXPECT_EQ(text.back(), '\xB0') << text;
            }
        }
        EyeModel model = data.values;
        model.ToWholeDegrees();
        model.ToHundredths();
        EXPECT_EQ(model.Far(Eye::one, EyeQuantity::horizontal),
                  data.values.Far(Eye::one, EyeQuantity::horizontal) / 100 * 100);
    }
}

}  // namespace
