#include "model/EyeQuantity.h"

#include <cstddef>

namespace {

constexpr std::size_t RowOf(Eye eye, EyeQuantity quantity)
{
    return static_cast<std::size_t>(eye) * kEyeQuantityCount + static_cast<std::size_t>(quantity);
}

// Lookup by (eye, quantity) indexes the table directly.
constexpr bool TableIsInRowOrder()
{
    for (std::size_t i = 0; i < kQuantityControls.size(); ++i) {
        if (RowOf(kQuantityControls[i].eye, kQuantityControls[i].quantity) != i)
            return false;
    }
    return true;
}
static_assert(TableIsInRowOrder());

}  // namespace

const QuantityControl* FindQuantityControl(int controlId)
{
    if (controlId == kNoControl)
        return nullptr;
    for (const QuantityControl& row : kQuantityControls) {
        if (row.sliderId == controlId || row.textId == controlId || row.spinId == controlId)
            return &row;
    }
    return nullptr;
}

const QuantityControl& FindQuantityControl(Eye eye, EyeQuantity quantity)
{
    return kQuantityControls[RowOf(eye, quantity)];
}

int NextTextField(int textId)
{
    for (std::size_t i = 0; i < kQuantityControls.size(); ++i) {
        if (kQuantityControls[i].textId == textId)
            return kQuantityControls[(i + 1) % kQuantityControls.size()].textId;
    }
    return kNoControl;
}

bool IsTilt(EyeQuantity quantity)
{
    return quantity == EyeQuantity::verticalAxisTilt || quantity == EyeQuantity::horizontalAxisTilt;
}

bool IsSpinRangeReversed(int spinId)
{
    const QuantityControl* row = FindQuantityControl(spinId);
    return row != nullptr && row->spinId == spinId && row->shownNegated;
}
