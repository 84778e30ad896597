#pragma once

// The main window places its controls at fixed pixel positions designed for
// compact native controls. GTK's default theme gives entries, spin buttons
// and sliders minimum sizes larger than those slots, so on GTK a small style
// sheet lets them shrink to fit; elsewhere this does nothing.
void InstallCompactControlStyle();
