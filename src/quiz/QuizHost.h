#pragma once

#include <wx/gdicmn.h>
#include <wx/string.h>

// The window a quiz runs in front of: it opens each question's case, shows
// the eyes the quiz must not cover and hears when the quiz ends.
class QuizHost {
public:
    // The quiz's cases are written in hundredths: whole-degree mode is left properly.
    virtual void LeaveWholeDegrees() = 0;
    // False when the case could not be read; the title follows either way.
    virtual bool OpenQuizCase(const wxString& path) = 0;
    // Where the eyes are drawn, in screen coordinates.
    virtual wxRect EyesOnScreen() const = 0;
    virtual void QuizClosed() = 0;

protected:
    ~QuizHost() = default;
};
