#include "resources/Resources.h"

#include "resources/CursorHotSpots.h"
#include "resources/EmbeddedImages.h"
#include "resources/SvgDocument.h"

#include <wx/icon.h>
#include <wx/image.h>

#include <optional>
#include <string_view>

namespace {

const char kAppIconName[] = "strabi";
const int kAppIconSides[] = {16, 32, 48, 128};

const EmbeddedImage* FindImage(const wxString& name)
{
    const wxScopedCharBuffer utf8 = name.utf8_str();
    return FindEmbeddedImage(std::string_view(utf8.data(), utf8.length()));
}

}  // namespace

wxBitmapBundle GetBitmapResource(const wxString& name, const wxSize& size)
{
    const EmbeddedImage* image = FindImage(name);
    if (!image)
        return wxBitmapBundle();
    const std::optional<SvgSize> nominal =
        SvgNominalSize(std::string_view(reinterpret_cast<const char*>(image->data), image->size));
    if (!nominal)
        return wxBitmapBundle();
    // The rasteriser scales uniformly from the top left corner, so a size of
    // another aspect ratio leaves the picture in that corner.
    const PixelSize pixels = ResolvePixelSize(*nominal, size.x, size.y);
    return wxBitmapBundle::FromSVG(image->data, image->size, wxSize(pixels.width, pixels.height));
}

wxBitmap GetBitmap(const wxString& name, const wxSize& size)
{
    const wxBitmapBundle bundle = GetBitmapResource(name, size);
    return bundle.IsOk() ? bundle.GetBitmap(bundle.GetDefaultSize()) : wxNullBitmap;
}

wxIconBundle GetAppIcons()
{
    wxIconBundle icons;
    const wxBitmapBundle picture = GetBitmapResource(kAppIconName);
    if (!picture.IsOk())
        return icons;
    for (int side : kAppIconSides) {
        wxIcon icon;
        icon.CopyFromBitmap(picture.GetBitmap(wxSize(side, side)));
        if (icon.IsOk())
            icons.AddIcon(icon);
    }
    return icons;
}

wxCursor GetCursorResource(const wxString& name)
{
    const wxScopedCharBuffer utf8 = name.utf8_str();
    const CursorHotSpot* cursor = FindCursorHotSpot(std::string_view(utf8.data(), utf8.length()));
    if (!cursor)
        return wxNullCursor;
    const wxBitmap bitmap = GetBitmap(name, wxSize(kCursorSize, kCursorSize));
    if (!bitmap.IsOk())
        return wxNullCursor;
    wxImage image = bitmap.ConvertToImage();
    image.SetOption(wxIMAGE_OPTION_CUR_HOTSPOT_X, cursor->x);
    image.SetOption(wxIMAGE_OPTION_CUR_HOTSPOT_Y, cursor->y);
    return wxCursor(image);
}
