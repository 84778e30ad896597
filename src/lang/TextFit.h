#pragma once

#include <cstddef>
#include <string>

// Texts from language files, file names and recordings end up in windows
// that grow with their text. These keep a text within a box of columns x
// lines, so that no window outgrows the screen and every dialog keeps its
// buttons in reach. Texts that fit come back unchanged.

struct TextBox {
    std::size_t columns;
    std::size_t lines;
};

// A text longer than columns keeps its start and its end around "…": a path
// stays recognisable by its folder and its file name.
std::wstring CutMiddle(const std::wstring& text, std::size_t columns);

// Lines longer than the box are wrapped (at the last blank within reach, or
// hard when there is none) or, without wrap, cut to end in "…". Lines beyond
// the box are dropped; the last one kept then ends in "…".
std::wstring FitText(const std::wstring& text, TextBox box, bool wrap);
