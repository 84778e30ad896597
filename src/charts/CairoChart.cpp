#include "charts/CairoChart.h"

#include "charts/CairoImage.h"

#include "settings/FileIo.h"

#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <cairo.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <memory>

namespace {

constexpr double kPointsPerMillimetre = 72.0 / 25.4;
constexpr int kPngWidth = 1754;  // A4 landscape at 150 dots per inch
constexpr int kPngHeight = 1240;
constexpr double kFullTurn = 6.283185307179586;  // radians; M_PI is not standard C++
// Heights of the two kinds of text, in millimetres of the page.
constexpr double kHeadingHeight = 5.0;
constexpr double kTextHeight = 3.6;

struct Rgb {
    double r, g, b;
};

Rgb InkColour(ChartInk ink)
{
    switch (ink) {
    case ChartInk::grid:
        return {200 / 255.0, 200 / 255.0, 200 / 255.0};
    case ChartInk::axis:
        return {110 / 255.0, 110 / 255.0, 110 / 255.0};
    case ChartInk::target:
        return {200 / 255.0, 30 / 255.0, 30 / 255.0};
    case ChartInk::plot:
        break;
    }
    return {20 / 255.0, 40 / 255.0, 170 / 255.0};
}

double InkWidth(ChartInk ink)
{
    switch (ink) {
    case ChartInk::grid:
        return 0.15;
    case ChartInk::axis:
        return 0.3;
    case ChartInk::target:
        return 0.25;
    case ChartInk::plot:
        break;
    }
    return 0.5;
}

cairo_status_t Append(void* closure, const unsigned char* data, unsigned int length)
{
    auto* bytes = static_cast<std::vector<unsigned char>*>(closure);
    bytes->insert(bytes->end(), data, data + length);
    return CAIRO_STATUS_SUCCESS;
}

// Pixels never get thinner than one: a hairline grid would vanish on a picture.
struct Page {
    double scale;         // device units per millimetre
    double thinnestLine;  // device units
};

void SetInk(cairo_t* cr, ChartInk ink, const Page& page)
{
    const Rgb colour = InkColour(ink);
    cairo_set_source_rgb(cr, colour.r, colour.g, colour.b);
    cairo_set_line_width(cr, std::max(page.thinnestLine, InkWidth(ink) * page.scale));
}

// A font whose lines are `height` device units high, measured as laid out.
PangoFontDescription* FontOfHeight(PangoLayout* layout, double height, bool bold)
{
    PangoFontDescription* font = pango_font_description_from_string(bold ? "Sans Bold" : "Sans");
    pango_font_description_set_absolute_size(font, height * PANGO_SCALE);
    pango_layout_set_font_description(layout, font);
    pango_layout_set_text(layout, "Hg", -1);
    int width = 0, measured = 0;
    pango_layout_get_pixel_size(layout, &width, &measured);
    if (measured > 0)
        pango_font_description_set_absolute_size(font, std::max(1.0, height * height / measured) * PANGO_SCALE);
    return font;
}

void Paint(cairo_t* cr, const ChartDrawing& drawing, const Page& page)
{
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    const double s = page.scale;
    for (const ChartLine& line : drawing.lines) {
        SetInk(cr, line.ink, page);
        cairo_move_to(cr, s * line.x1, s * line.y1);
        cairo_line_to(cr, s * line.x2, s * line.y2);
        cairo_stroke(cr);
    }
    for (const ChartDot& dot : drawing.dots) {
        // Targets are printed rings; the plotted points are filled in.
        cairo_new_sub_path(cr);
        cairo_arc(cr, s * dot.x, s * dot.y, std::max(2 * page.thinnestLine, dot.radius * s), 0, kFullTurn);
        if (dot.ink == ChartInk::plot) {
            SetInk(cr, dot.ink, page);
            cairo_fill_preserve(cr);
        } else {
            cairo_set_source_rgb(cr, 1, 1, 1);
            cairo_fill_preserve(cr);
            SetInk(cr, dot.ink, page);
        }
        cairo_stroke(cr);
    }

    PangoLayout* layout = pango_cairo_create_layout(cr);
    PangoFontDescription* heading = FontOfHeight(layout, kHeadingHeight * s, true);
    PangoFontDescription* plain = FontOfHeight(layout, kTextHeight * s, false);
    cairo_set_source_rgb(cr, 0, 0, 0);
    for (const ChartText& text : drawing.texts) {
        pango_layout_set_font_description(layout, text.heading ? heading : plain);
        pango_layout_set_text(layout, text.text.c_str(), -1);
        int width = 0, height = 0;
        pango_layout_get_pixel_size(layout, &width, &height);
        const double x = s * text.x - (text.place == TextPlace::centre ? width / 2.0 : 0.0);
        cairo_move_to(cr, x, s * text.y - height);
        pango_cairo_show_layout(cr, layout);
    }
    pango_font_description_free(heading);
    pango_font_description_free(plain);
    g_object_unref(layout);
}

bool Finish(cairo_surface_t* surface, const ChartDrawing& drawing, const Page& page)
{
    cairo_t* cr = cairo_create(surface);
    Paint(cr, drawing, page);
    cairo_show_page(cr);
    const bool painted = cairo_status(cr) == CAIRO_STATUS_SUCCESS;
    cairo_destroy(cr);
    return painted;
}

}  // namespace

std::optional<ChartFormat> ChartFormatOf(const std::string& path)
{
    if (path.size() < 4)
        return std::nullopt;
    std::string ending = path.substr(path.size() - 4);
    std::transform(ending.begin(), ending.end(), ending.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (ending == ".svg")
        return ChartFormat::svg;
    if (ending == ".pdf")
        return ChartFormat::pdf;
    if (ending == ".png")
        return ChartFormat::png;
    return std::nullopt;
}

bool DrawChart(const ChartDrawing& drawing, ChartFormat format, std::vector<unsigned char>& bytes)
{
    bytes.clear();
    const double pageWidth = kHessPageWidth * kPointsPerMillimetre;
    const double pageHeight = kHessPageHeight * kPointsPerMillimetre;
    cairo_surface_t* surface = nullptr;
    Page page{kPointsPerMillimetre, 0.0};
    switch (format) {
    case ChartFormat::svg:
        surface = cairo_svg_surface_create_for_stream(Append, &bytes, pageWidth, pageHeight);
        break;
    case ChartFormat::pdf:
        surface = cairo_pdf_surface_create_for_stream(Append, &bytes, pageWidth, pageHeight);
        break;
    case ChartFormat::png:
        surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kPngWidth, kPngHeight);
        page = {std::min(kPngWidth / kHessPageWidth, kPngHeight / kHessPageHeight), 1.0};
        break;
    }
    bool drawn = Finish(surface, drawing, page);
    if (format == ChartFormat::png && drawn)
        drawn = cairo_surface_write_to_png_stream(surface, Append, &bytes) == CAIRO_STATUS_SUCCESS;
    // Vector surfaces write their last bytes when finished.
    cairo_surface_finish(surface);
    drawn = drawn && cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS && !bytes.empty();
    cairo_surface_destroy(surface);
    return drawn;
}

bool WriteChartFile(const std::filesystem::path& path, const ChartDrawing& drawing, std::string& error)
{
    const std::string name = PathForMessage(path);
    const std::optional<ChartFormat> format = ChartFormatOf(name);
    if (!format) {
        error = name + ": a chart is written as .svg, .pdf or .png";
        return false;
    }
    std::vector<unsigned char> bytes;
    if (!DrawChart(drawing, *format, bytes)) {
        error = name + ": the chart could not be drawn";
        return false;
    }
    return WriteFileAtomically(path, bytes.data(), bytes.size(), error);
}

bool DrawPicturePng(const RgbPicture& picture, std::vector<unsigned char>& bytes)
{
    bytes.clear();
    cairo_surface_t* image = CairoImageOf(picture);
    if (!image)
        return false;
    const bool drawn = cairo_surface_write_to_png_stream(image, Append, &bytes) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(image);
    return drawn && !bytes.empty();
}

bool DrawPicturePdf(const RgbPicture& picture, std::vector<unsigned char>& bytes)
{
    bytes.clear();
    cairo_surface_t* image = CairoImageOf(picture);
    if (!image)
        return false;
    constexpr double kMargin = 10.0 * kPointsPerMillimetre;
    const double pageWidth = kHessPageWidth * kPointsPerMillimetre;
    const double pageHeight = kHessPageHeight * kPointsPerMillimetre;

    cairo_surface_t* page = cairo_pdf_surface_create_for_stream(Append, &bytes, pageWidth, pageHeight);
    cairo_t* cr = cairo_create(page);
    const double scale =
        std::min((pageWidth - 2 * kMargin) / picture.width, (pageHeight - 2 * kMargin) / picture.height);
    cairo_translate(cr, (pageWidth - scale * picture.width) / 2, (pageHeight - scale * picture.height) / 2);
    cairo_scale(cr, scale, scale);
    cairo_set_source_surface(cr, image, 0, 0);
    cairo_paint(cr);
    cairo_show_page(cr);
    bool drawn = cairo_status(cr) == CAIRO_STATUS_SUCCESS;
    cairo_destroy(cr);
    cairo_surface_finish(page);
    drawn = drawn && cairo_surface_status(page) == CAIRO_STATUS_SUCCESS && !bytes.empty();
    cairo_surface_destroy(page);
    cairo_surface_destroy(image);
    return drawn;
}
