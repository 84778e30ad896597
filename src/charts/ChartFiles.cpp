#include "charts/ChartFiles.h"

#include "charts/CairoChart.h"
#include "charts/ChartPainter.h"
#include "widgets/PictureFile.h"
#include "settings/FileIo.h"
#include "settings/ToolkitPath.h"

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/dcsvg.h>
#include <wx/ffile.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/image.h>

#include <algorithm>
#include <cstddef>

namespace {

constexpr int kSvgWidth = 842;  // A4 landscape in points
constexpr int kSvgHeight = 595;
constexpr int kPngWidth = 1754;  // A4 landscape at 150 dots per inch
constexpr int kPngHeight = 1240;

bool WriteBytes(const wxString& path, const std::vector<unsigned char>& bytes, std::string& error)
{
    return WriteFileAtomically(ToPath(path), bytes.data(), bytes.size(), error);
}

// The toolkit's SVG drawing writes only to a file of its own naming; it goes
// to a private temporary file first, is read back and then saved safely.
bool DrawSvg(const ChartDrawing& drawing, std::vector<unsigned char>& bytes)
{
    const wxString scratch = wxFileName::CreateTempFileName("squinx-hess");
    if (scratch.empty())
        return false;
    {
        wxSVGFileDC dc(scratch, kSvgWidth, kSvgHeight, 72);
        PaintChart(dc, drawing, wxRect(0, 0, kSvgWidth, kSvgHeight));
    }
    wxFFile file(scratch, "rb");
    const wxFileOffset length = file.IsOpened() ? file.Length() : -1;
    bool read = length > 0;
    if (read) {
        bytes.resize(static_cast<std::size_t>(length));
        read = file.Read(bytes.data(), bytes.size()) == bytes.size();
    }
    file.Close();
    wxRemoveFile(scratch);
    // The toolkit does not say whether its file was written whole (a full
    // disk cuts it short): a complete drawing ends with its closing tag.
    if (!read)
        return false;
    static const std::string closing = "</svg>";
    const std::size_t tailLength = std::min(bytes.size(), closing.size() + 8);
    const std::string tail(bytes.end() - static_cast<std::ptrdiff_t>(tailLength), bytes.end());
    return tail.find(closing) != std::string::npos;
}

}  // namespace

bool WriteChartSvg(const wxString& path, const ChartDrawing& drawing, std::string& error)
{
    std::vector<unsigned char> bytes;
    if (!DrawSvg(drawing, bytes)) {
        error = "The drawing could not be made in the temporary folder.";
        return false;
    }
    return WriteBytes(path, bytes, error);
}

bool WriteChartPng(const wxString& path, const ChartDrawing& drawing, std::string& error)
{
    wxBitmap bitmap(kPngWidth, kPngHeight, 24);
    {
        wxMemoryDC dc(bitmap);
        PaintChart(dc, drawing, wxRect(0, 0, kPngWidth, kPngHeight));
    }
    return WritePicturePng(path, bitmap.ConvertToImage(), error);
}

bool WriteChartPdf(const wxString& path, const ChartDrawing& drawing, std::string& error)
{
    std::vector<unsigned char> bytes;
    if (!DrawChart(drawing, ChartFormat::pdf, bytes)) {
        error = "The drawing could not be made.";
        return false;
    }
    return WriteBytes(path, bytes, error);
}

bool WritePicturePdf(const wxString& path, const wxImage& picture, std::string& error)
{
    std::vector<unsigned char> bytes;
    RgbPicture rgb;
    if (picture.IsOk()) {
        rgb = {picture.GetWidth(), picture.GetHeight(), {}};
        rgb.rgb.assign(picture.GetData(), picture.GetData() + static_cast<std::size_t>(rgb.width) * rgb.height * 3);
    }
    if (!DrawPicturePdf(rgb, bytes)) {
        error = "The drawing could not be made.";
        return false;
    }
    return WriteBytes(path, bytes, error);
}
