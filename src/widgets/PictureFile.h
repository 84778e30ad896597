#pragma once

#include <wx/string.h>

#include <string>
#include <vector>

class wxImage;

// PNG is the one picture format the program reads and writes: help pages,
// exports and the clipboard. Called once at start-up, before any of them.
void RegisterImageHandlers();

bool EncodePng(const wxImage& picture, std::vector<unsigned char>& bytes);

// Written through a temporary file that replaces path only when complete;
// false with the reason in error, and no file left, when that fails.
bool WritePicturePng(const wxString& path, const wxImage& picture, std::string& error);
