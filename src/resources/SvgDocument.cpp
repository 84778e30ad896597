#include "resources/SvgDocument.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>

namespace {

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The start tag of the root element without its angle brackets, e.g.
// "svg width=\"16\" ...", or an empty view when there is none.
std::string_view SvgStartTag(std::string_view document)
{
    for (std::size_t at = document.find("<svg"); at != std::string_view::npos; at = document.find("<svg", at + 1)) {
        const std::size_t after = at + 4;
        if (after < document.size() && (IsSpace(document[after]) || document[after] == '>' || document[after] == '/')) {
            const std::size_t close = document.find('>', after);
            if (close == std::string_view::npos)
                return {};
            return document.substr(at + 1, close - at - 1);
        }
    }
    return {};
}

// The value of attribute `name` in a start tag. Names only match whole, so
// "width" does not find "stroke-width".
std::optional<std::string_view> Attribute(std::string_view tag, std::string_view name)
{
    for (std::size_t at = tag.find(name); at != std::string_view::npos; at = tag.find(name, at + 1)) {
        if (at == 0 || !IsSpace(tag[at - 1]))
            continue;
        std::size_t pos = at + name.size();
        while (pos < tag.size() && IsSpace(tag[pos]))
            ++pos;
        if (pos >= tag.size() || tag[pos] != '=')
            continue;
        ++pos;
        while (pos < tag.size() && IsSpace(tag[pos]))
            ++pos;
        if (pos >= tag.size() || (tag[pos] != '"' && tag[pos] != '\''))
            return std::nullopt;
        const std::size_t end = tag.find(tag[pos], pos + 1);
        if (end == std::string_view::npos)
            return std::nullopt;
        return tag.substr(pos + 1, end - pos - 1);
    }
    return std::nullopt;
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

// A length in user units: a number, optionally followed by "px".
std::optional<double> Length(std::string_view text)
{
    text = Trim(text);
    if (text.size() >= 2 && text.substr(text.size() - 2) == "px")
        text.remove_suffix(2);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// The width and height of a viewBox: four numbers separated by blanks and/or commas.
std::optional<SvgSize> ViewBoxSize(std::string_view text)
{
    double numbers[4];
    const char* pos = text.data();
    const char* const end = text.data() + text.size();
    for (double& number : numbers) {
        while (pos != end && (IsSpace(*pos) || *pos == ','))
            ++pos;
        const auto [next, error] = std::from_chars(pos, end, number);
        if (error != std::errc())
            return std::nullopt;
        pos = next;
    }
    if (!Trim(std::string_view(pos, static_cast<std::size_t>(end - pos))).empty())
        return std::nullopt;
    return SvgSize{numbers[2], numbers[3]};
}

bool IsUsable(const SvgSize& size)
{
    return std::isfinite(size.width) && std::isfinite(size.height) && size.width > 0 && size.height > 0;
}

// Bitmaps larger than this are never wanted and would only exhaust memory.
constexpr int kMaxPixels = 1 << 14;

int WholePixels(double value)
{
    if (!(value > 1))  // also catches NaN
        return 1;
    return value >= kMaxPixels ? kMaxPixels : static_cast<int>(std::ceil(value));
}

}  // namespace

std::optional<SvgSize> SvgNominalSize(std::string_view document)
{
    const std::string_view tag = SvgStartTag(document);
    if (tag.empty())
        return std::nullopt;

    const std::optional<std::string_view> width = Attribute(tag, "width");
    const std::optional<std::string_view> height = Attribute(tag, "height");
    if (width || height) {
        const std::optional<double> w = width ? Length(*width) : std::nullopt;
        const std::optional<double> h = height ? Length(*height) : std::nullopt;
        if (w && h && IsUsable({*w, *h}))
            return SvgSize{*w, *h};
        // A half-given or unreadable size falls back to the viewBox below.
    }

    if (const std::optional<std::string_view> viewBox = Attribute(tag, "viewBox")) {
        const std::optional<SvgSize> size = ViewBoxSize(*viewBox);
        if (size && IsUsable(*size))
            return size;
    }
    return std::nullopt;
}

PixelSize ResolvePixelSize(SvgSize nominal, int width, int height)
{
    if (!IsUsable(nominal))
        nominal = {1, 1};
    if (width > 0 && height > 0)
        return {width, height};
    if (width > 0)
        return {width, WholePixels(width * nominal.height / nominal.width)};
    if (height > 0)
        return {WholePixels(height * nominal.width / nominal.height), height};
    return {WholePixels(nominal.width), WholePixels(nominal.height)};
}
