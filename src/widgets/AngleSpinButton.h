#pragma once

#include <wx/spinbutt.h>

// A spin button that accepts a reversed range (min > max). GTK clamps every
// value of a reversed range to its minimum, so the native control runs on the
// negated values instead: the up arrow then lowers the control's value, which
// raises the negated value shown in the text field next to it.
class AngleSpinButton : public wxSpinButton {
public:
    AngleSpinButton(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size);

    int GetValue() const override;
    void SetValue(int value) override;
    void SetRange(int first, int last) override;
    int GetMin() const override;
    int GetMax() const override;

    bool IsReversed() const { return m_reversed; }

private:
    bool m_reversed = false;
};
