#pragma once

#include <string>

// Titles of the main window. All strings are 8-bit (ISO 8859-1), so a
// character is a byte.

// The title while a case is edited: productTitle alone for an unnamed,
// unchanged case; "T [*]" for an unnamed, changed one; otherwise
// "T [name*]", the name shortened to "..." and its last 40 characters when
// longer, the star only when modified.
std::string ComposeTitle(const std::string& productTitle, const std::string& name, bool modified);

// The title in playback mode: "T [recording*]" with the recording's file name
// shortened as above and the recording's own modified mark.
std::string ComposePlaybackTitle(const std::string& productTitle, const std::string& recordingFile,
                                 bool recordingModified);
