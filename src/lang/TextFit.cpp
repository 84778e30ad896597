#include "lang/TextFit.h"

#include <vector>

namespace {

const wchar_t ellipsis = L'\u2026';

std::wstring WithEllipsis(const std::wstring& line, std::size_t columns)
{
    if (columns == 0)
        return {};
    return line.substr(0, columns - 1) + ellipsis;
}

void AddLine(std::vector<std::wstring>& lines, const std::wstring& line, std::size_t columns, bool wrap)
{
    if (line.size() <= columns || columns == 0) {
        lines.push_back(columns == 0 ? std::wstring() : line);
        return;
    }
    if (!wrap) {
        lines.push_back(WithEllipsis(line, columns));
        return;
    }
    std::size_t start = 0;
    while (line.size() - start > columns) {
        std::size_t stop = line.rfind(L' ', start + columns);
        if (stop == std::wstring::npos || stop <= start)
            stop = start + columns;
        lines.push_back(line.substr(start, stop - start));
        start = line[stop] == L' ' ? stop + 1 : stop;
    }
    lines.push_back(line.substr(start));
}

}  // namespace

std::wstring CutMiddle(const std::wstring& text, std::size_t columns)
{
    if (text.size() <= columns)
        return text;
    if (columns == 0)
        return {};
    const std::size_t kept = columns - 1;
    const std::size_t head = kept / 2;
    return text.substr(0, head) + ellipsis + text.substr(text.size() - (kept - head));
}

std::wstring FitText(const std::wstring& text, TextBox box, bool wrap)
{
    std::vector<std::wstring> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t stop = text.find(L'\n', start);
        AddLine(lines, text.substr(start, stop == std::wstring::npos ? std::wstring::npos : stop - start), box.columns,
                wrap);
        if (stop == std::wstring::npos || lines.size() > box.lines)
            break;
        start = stop + 1;
    }
    bool cut = false;
    if (lines.size() > box.lines) {
        lines.resize(box.lines);
        cut = true;
    }
    std::wstring out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            out += L'\n';
        if (cut && i + 1 == lines.size())
            out += lines[i].size() < box.columns ? lines[i] + ellipsis : WithEllipsis(lines[i], box.columns);
        else
            out += lines[i];
    }
    return out;
}
