#pragma once

#include <wx/bmpbndl.h>
#include <wx/cursor.h>
#include <wx/iconbndl.h>

// The program's pictures, looked up by the names its windows use. They are
// compiled in as SVG documents and drawn at the size asked for. An unknown
// name gives an empty result, never an error: a window without a picture
// still works.
//
// A size left as wxDefaultSize uses the picture's own size; with one side
// given (the other -1) the picture keeps its aspect ratio.

// The picture as a bundle whose default size is the one asked for.
wxBitmapBundle GetBitmapResource(const wxString& name, const wxSize& size = wxDefaultSize);

// The picture drawn once at the size asked for; wxNullBitmap if unknown.
wxBitmap GetBitmap(const wxString& name, const wxSize& size = wxDefaultSize);

// The application icon "strabi" at 16, 32, 48 and 128 pixels.
wxIconBundle GetAppIcons();

// A cursor picture ("penlight-cursor", "penlight-cursor-lit") with its hot spot;
// wxNullCursor for any other name.
wxCursor GetCursorResource(const wxString& name);
