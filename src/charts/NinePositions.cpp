#include "charts/NinePositions.h"

#include <algorithm>
#include <cstddef>

int KeypadKeyOfPanel(int row, int column)
{
    return (2 - row) * 3 + column + 1;
}

PixelBox CommonContent(const std::vector<RgbPicture>& pictures, const std::array<unsigned char, 3>& background,
                       int margin)
{
    if (pictures.empty())
        return {};
    const int width = pictures.front().width;
    const int height = pictures.front().height;
    int left = width, top = height, right = -1, bottom = -1;
    for (const RgbPicture& picture : pictures)
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const unsigned char* pixel = &picture.rgb[(static_cast<std::size_t>(y) * width + x) * 3];
                if (std::equal(background.begin(), background.end(), pixel))
                    continue;
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    if (right < 0)
        return {0, 0, width, height};
    left = std::max(0, left - margin);
    top = std::max(0, top - margin);
    right = std::min(width - 1, right + margin);
    bottom = std::min(height - 1, bottom + margin);
    return {left, top, right - left + 1, bottom - top + 1};
}

RgbPicture ComposeNinePanels(const std::vector<RgbPicture>& panelsByKey, const PixelBox& box,
                             const std::array<unsigned char, 3>& frame, int gap)
{
    RgbPicture sheet;
    sheet.width = 3 * box.width + 4 * gap;
    sheet.height = 3 * box.height + 4 * gap;
    sheet.rgb.resize(static_cast<std::size_t>(sheet.width) * sheet.height * 3);
    for (std::size_t i = 0; i < sheet.rgb.size(); i += 3)
        std::copy(frame.begin(), frame.end(), sheet.rgb.begin() + static_cast<std::ptrdiff_t>(i));
    if (panelsByKey.size() != static_cast<std::size_t>(kNinePanelCount))
        return sheet;
    for (int key = 1; key <= kNinePanelCount; ++key) {
        const RgbPicture& panel = panelsByKey[static_cast<std::size_t>(key - 1)];
        const PixelBox place = PanelOnSheet(key, box, gap);
        for (int y = 0; y < box.height; ++y) {
            const auto from =
                panel.rgb.begin() +
                static_cast<std::ptrdiff_t>((static_cast<std::size_t>(box.top + y) * panel.width + box.left) * 3);
            const auto to =
                sheet.rgb.begin() +
                static_cast<std::ptrdiff_t>((static_cast<std::size_t>(place.top + y) * sheet.width + place.left) * 3);
            std::copy(from, from + static_cast<std::ptrdiff_t>(box.width) * 3, to);
        }
    }
    return sheet;
}

PixelBox PanelOnSheet(int key, const PixelBox& box, int gap)
{
    const int row = 2 - (key - 1) / 3;
    const int column = (key - 1) % 3;
    return {gap + column * (box.width + gap), gap + row * (box.height + gap), box.width, box.height};
}
