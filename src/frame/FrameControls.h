#pragma once

#include <wx/string.h>
#include <wx/window.h>

// How the main window's controls are found from outside it, as accessibility
// tools find them: by id (widgets/Ids.h), or by window name where a control
// has no id of its own or shares one (the two panels share Id::Panel).
// Eyes are numbered 1 and 2 as in the window; rows are EyeQuantity values.
namespace FrameControl {

constexpr const char* kMainPanel = "main-panel";
constexpr const char* kPlaybackPanel = "playback-panel";
constexpr const char* kFarLabel = "far-label";
constexpr const char* kNearLabel = "near-label";

inline wxString EyeBox(int eye)
{
    return wxString::Format("eye-%d-box", eye);
}

inline wxString QuantityLabel(int eye, int row)
{
    return wxString::Format("eye-%d-label-%d", eye, row);
}

// Shows a recording's sample quality in playback mode.
inline wxString QualityText(int eye)
{
    return wxString::Format("eye-%d-quality", eye);
}

inline wxString FixingEyeLabel(int eye)
{
    return wxString::Format("eye-%d-fixing-label", eye);
}

// The control of that id or name within top, if it is a T; else nullptr.
template <class T>
T* Find(const wxWindow* top, long id)
{
    return dynamic_cast<T*>(top->FindWindow(id));
}

template <class T>
T* Find(const wxWindow* top, const wxString& name)
{
    return dynamic_cast<T*>(top->FindWindow(name));
}

}  // namespace FrameControl
