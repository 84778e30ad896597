#pragma once

#include <wx/string.h>

#include <string>
#include <vector>

class wxImage;

bool EncodePng(const wxImage& picture, std::vector<unsigned char>& bytes);

// Written through a temporary file that replaces path only when complete;
// false with the reason in error, and no file left, when that fails.
bool WritePicturePng(const wxString& path, const wxImage& picture, std::string& error);
