#pragma once

#include <string_view>

// A cursor picture and its active point, in pixels of the drawn cursor.
struct CursorHotSpot {
    const char* name;
    int x;
    int y;
};

// Cursors are drawn at this size; their SVG documents are made for it.
inline constexpr int kCursorSize = 32;

// Every cursor the program uses. The flashlight points to the upper left and
// the pointer position is the front of its lamp, where the light leaves it.
inline constexpr CursorHotSpot kCursorHotSpots[] = {
    {"penlight-cursor", 10, 10},
    {"penlight-cursor-lit", 10, 10},
};

// The entry for a cursor name, or nullptr if the name is not a cursor.
inline const CursorHotSpot* FindCursorHotSpot(std::string_view name)
{
    for (const CursorHotSpot& cursor : kCursorHotSpots) {
        if (cursor.name == name)
            return &cursor;
    }
    return nullptr;
}
