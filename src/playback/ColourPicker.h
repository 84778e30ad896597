#pragma once

#include <wx/colour.h>

#include <functional>
#include <optional>

class wxWindow;

// Asks the user for a colour with the toolkit's colour dialog, opened in full
// with sixteen grey levels as custom colours and no colour preset; nothing
// when the user cancels.
std::optional<wxColour> PickColour(wxWindow* parent);

// Replaces the colour dialog behind PickColour for as long as it lives: the
// toolkit's dialog cannot be answered from a test on every platform.
class ScopedColourPicker {
public:
    using Picker = std::function<std::optional<wxColour>(wxWindow* parent)>;

    explicit ScopedColourPicker(Picker picker);
    ~ScopedColourPicker();
    ScopedColourPicker(const ScopedColourPicker&) = delete;
    ScopedColourPicker& operator=(const ScopedColourPicker&) = delete;

private:
    Picker m_previous;
};
