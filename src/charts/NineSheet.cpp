#include "charts/NineSheet.h"

#include "charts/CairoImage.h"

#include <pango/pangocairo.h>

#include <algorithm>

namespace {

// Pango's resolution: points of the label's font to pixels.
constexpr double kDotsPerInch = 96.0;

void LabelPanels(RgbPicture& sheet, const std::array<bool, kNinePanelCount>& cannotFixate, const PixelBox& box,
                 const std::string& label)
{
    cairo_surface_t* surface = CairoImageOf(sheet);
    if (!surface)
        return;
    cairo_t* cr = cairo_create(surface);
    PangoLayout* layout = pango_cairo_create_layout(cr);
    pango_cairo_context_set_resolution(pango_layout_get_context(layout), kDotsPerInch);
    PangoFontDescription* font = pango_font_description_from_string("Sans");
    pango_font_description_set_size(font, kNineLabelPoints * PANGO_SCALE);
    pango_layout_set_font_description(layout, font);
    pango_font_description_free(font);
    pango_layout_set_text(layout, label.c_str(), -1);
    int textWidth = 0;
    int textHeight = 0;
    pango_layout_get_pixel_size(layout, &textWidth, &textHeight);
    const int bandHeight = textHeight + 2 * kNineLabelPadding;
    for (int key = 1; key <= kNinePanelCount; ++key) {
        if (!cannotFixate[static_cast<std::size_t>(key - 1)])
            continue;
        const PixelBox panel = PanelOnSheet(key, box, kNinePanelGap);
        const int bandTop = panel.top + panel.height - bandHeight;
        cairo_set_source_rgb(cr, kNinePanelFrame[0] / 255.0, kNinePanelFrame[1] / 255.0, kNinePanelFrame[2] / 255.0);
        cairo_rectangle(cr, panel.left, bandTop, panel.width, bandHeight);
        cairo_fill(cr);
        // A label wider than its panel is cut at the panel's edges.
        cairo_save(cr);
        cairo_rectangle(cr, panel.left, bandTop, panel.width, bandHeight);
        cairo_clip(cr);
        cairo_set_source_rgb(cr, 0, 0, 0);
        cairo_move_to(cr, panel.left + (panel.width - textWidth) / 2, bandTop + kNineLabelPadding);
        pango_cairo_show_layout(cr, layout);
        cairo_restore(cr);
    }
    g_object_unref(layout);
    cairo_destroy(cr);
    CopyFromCairoImage(surface, sheet);
    cairo_surface_destroy(surface);
}

}  // namespace

RgbPicture NineSheet(const std::vector<RgbPicture>& panelsByKey, const std::array<bool, kNinePanelCount>& cannotFixate,
                     const std::array<unsigned char, 3>& background, const std::string& label)
{
    const PixelBox box = CommonContent(panelsByKey, background, kNinePanelMargin);
    RgbPicture sheet = ComposeNinePanels(panelsByKey, box, kNinePanelFrame, kNinePanelGap);
    if (std::any_of(cannotFixate.begin(), cannotFixate.end(), [](bool cannot) { return cannot; }))
        LabelPanels(sheet, cannotFixate, box, label);
    return sheet;
}
