#include "widgets/PictureFile.h"

#include "settings/FileIo.h"
#include "settings/ToolkitPath.h"

#include <wx/image.h>
#include <wx/mstream.h>

void RegisterImageHandlers()
{
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG))
        wxImage::AddHandler(new wxPNGHandler);
}

bool EncodePng(const wxImage& picture, std::vector<unsigned char>& bytes)
{
    wxMemoryOutputStream stream;
    if (!picture.SaveFile(stream, wxBITMAP_TYPE_PNG))
        return false;
    bytes.resize(stream.GetSize());
    stream.CopyTo(bytes.data(), bytes.size());
    return true;
}

bool WritePicturePng(const wxString& path, const wxImage& picture, std::string& error)
{
    std::vector<unsigned char> bytes;
    if (!picture.IsOk() || !EncodePng(picture, bytes)) {
        error = "The picture could not be drawn.";
        return false;
    }
    return WriteFileAtomically(ToPath(path), bytes.data(), bytes.size(), error);
}
