#include "app/CompactControls.h"

#ifdef __WXGTK__
#include <dlfcn.h>

#include <cstring>

namespace {

const char kStyleSheet[] = R"css(
entry { min-height: 0; padding: 0 1px; }
spinbutton { min-height: 0; min-width: 0; }
spinbutton entry { min-height: 0; min-width: 0; padding: 0; margin: 0; border-width: 0; }
spinbutton button { min-height: 0; min-width: 0; padding: 0 1px; }
scale { padding: 0; min-width: 0; min-height: 0; }
scale trough { min-width: 4px; min-height: 4px; }
scale slider { min-width: 11px; min-height: 11px; margin: -4px; }
checkbutton check { min-width: 12px; min-height: 12px; }
button.image-button { min-height: 0; min-width: 0; padding: 0; }
toolbar { padding: 0; }
toolbar button { padding: 2px; min-height: 0; min-width: 0; }
)css";

// GTK is loaded with the toolkit; its functions are looked up at run time so
// building needs no GTK development headers.
template <typename Function>
Function Lookup(const char* name)
{
    return reinterpret_cast<Function>(dlsym(RTLD_DEFAULT, name));
}

}  // namespace

void InstallCompactControlStyle()
{
    using NewProvider = void* (*)();
    using LoadData = int (*)(void*, const char*, long, void**);
    using DefaultScreen = void* (*)();
    using AddProvider = void (*)(void*, void*, unsigned);
    const auto newProvider = Lookup<NewProvider>("gtk_css_provider_new");
    const auto loadData = Lookup<LoadData>("gtk_css_provider_load_from_data");
    const auto defaultScreen = Lookup<DefaultScreen>("gdk_screen_get_default");
    const auto addProvider = Lookup<AddProvider>("gtk_style_context_add_provider_for_screen");
    if (!newProvider || !loadData || !defaultScreen || !addProvider)
        return;
    void* screen = defaultScreen();
    void* provider = newProvider();
    if (!screen || !provider)
        return;
    constexpr unsigned kApplicationPriority = 600;
    if (loadData(provider, kStyleSheet, static_cast<long>(std::strlen(kStyleSheet)), nullptr))
        addProvider(screen, provider, kApplicationPriority);
}
#else
void InstallCompactControlStyle() {}
#endif
