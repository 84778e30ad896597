#pragma once

#include "examination/Solver.h"
#include "view/GazeMath.h"
#include "model/MuscleModel.h"
#include "view/SceneRenderer.h"
#include "view/ViewProjection.h"

#include <wx/glcanvas.h>

#include <array>
#include <memory>
#include <optional>

class LanguageTable;
class ViewHost;
struct CoverBlends;
struct SceneState;

// The 3D view of the main window. It owns the one GL context of the program
// and draws the examination its host holds.
class EyesCanvas : public wxGLCanvas {
public:
    EyesCanvas(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size, long style,
               const wxString& name, const int* attribList);

    void SetLanguageTable(LanguageTable* table) { m_languageTable = table; }
    void SetHost(ViewHost* host);
    // The factors of the cover animation; null draws every factor as 0.
    void SetCoverBlends(const CoverBlends* blends) { m_coverBlends = blends; }

    // Makes the context current and runs the one-time GL set-up the first
    // time the window is realized (GTK refuses a context before that).
    // False while that is not possible yet.
    bool PrepareGl();
    bool IsGlReady() const { return m_glSetUp == GlSetUp::done; }

    void ResetView();
    // Recompiles the eyeball after m_eyeSegments changed.
    void BuildEyeballList();
    // Segments the eyeball is drawn with: m_eyeSegments, or more where the
    // view shows it larger than they can draw round.
    int EyeballSegmentsDrawn() const { return m_renderer.EyeballSegmentsDrawn(); }

    // Draws the whole view into the back buffer, as the paint does before it
    // swaps; false when GL is not ready. Tests read the result back.
    bool Render();
    void RenderScene();

    // 1 if the 4 x 4 pixel square at the pointer touches a marked quadrant
    // of either eye, -1 otherwise; x, y in viewport pixels from its top left.
    int PickQuadrant(int x, int y);
    // The bit of the quadrant drawn nearest under the pixel, marked or not;
    // 0 where no quadrant is drawn.
    unsigned char QuadrantUnder(int x, int y);

    // The view with its current aids as a picture `scale` times its size;
    // an invalid image when GL is not ready.
    wxImage RenderPicture(int scale);

    // A fixed fixation target (one of the nine positions of gaze) that the
    // eyes look at instead of the pointer; none: they follow the pointer,
    // holding the target they were last aimed at until it moves. Either way
    // the eyes aim anew, so they keep fixing it when the head has moved.
    void SetGazeTarget(std::optional<GazeDirection> target);
    const std::optional<GazeDirection>& CurrentGazeTarget() const { return m_gazeTarget; }

    // The penlight shines (its tool is on and the left button down): the
    // corneas show its reflex.
    void SetPenlightShining(bool shining);

    // Presentation mode: the eyes fill most of the view's width.
    void SetFillWidth(bool fill);

    // Where the midpoint between the drawn eyes lands, in canvas pixels: the
    // point the eyes look at when they look straight ahead.
    wxPoint StraightAheadPoint() const;
    // The part of the canvas the two eyeballs cover, in canvas pixels.
    wxRect EyesArea() const;

    // The viewport, the canvas's whole drawing area: x, y, width, height.
    const int* ViewportRect() const { return m_viewportRect; }

    float m_lastMouseX = 0;
    float m_lastMouseY = 0;
    // Drawing parameters, edited by the display options and kept in the settings file.
    int m_eyeSegments = 22;
    float m_occluderAlpha = 0.2f;
    float m_redFilterAlpha = 0.2f;
    float m_quadrantAlpha = 0.6f;
    wxColour m_backgroundColour{50, 50, 50};
    wxColour m_redFilterColour{75, 0, 0};
    wxColour m_occluderColour{32, 32, 32};
    wxColour m_crossColour{255, 255, 255};
    wxColour m_axisColour{0, 51, 128};
    wxColour m_quadrantColour{179, 179, 255};
    // The fixing eye's reflex shows slightly nasal (angle kappa).
    bool m_angleKappa = true;
    // Turn of the whole head and the gaze of eye 1 and eye 2, in degrees.
    float m_viewRotX = 0;
    float m_viewRotY = 0;
    float m_viewRotZ = 0;
    float m_gazeAzimuth[2] = {0, 0};
    float m_gazeElevation[2] = {0, 0};
    // Where the fixation target is, for the muscle model.
    GazeTarget m_muscleTarget;
    // The offset of the target the eyes were last aimed at.
    PointerOffset m_aimedOffset;

    // Where the next frame turns each eye, for the current target, aids,
    // prisms and cover animation; no muscle turn while a recording is played back.
    BothEyes SolvedEyes() const;
    // Tells the frame whether the fixing eye can reach the gaze target.
    void ReportFixation() const;

private:
    enum class GlSetUp { pending, running, done };

    void OnPaint(wxPaintEvent& event);
    void OnEraseBackground(wxEraseEvent& event);
    void OnMouse(wxMouseEvent& event);
    void OnSize(wxSizeEvent& event);

    void EditQuadrants(const wxMouseEvent& event, int x, int y);
    void DragView(int x, int y, bool quadrantsMarked);
    void DragHead(const wxMouseEvent& event, int x, int y, HeadPosture head);
    void FollowPointer(const wxMouseEvent& event, int x, int y, const Examination& examination);
    void AimEyes(const Examination& examination, PointerOffset offset);
    const wxCursor& FlashlightCursor(bool lit);

    void InitGl();
    void FitViewport();
    void SetProjection();
    FrustumExtents ViewFrustum() const;
    // The view's frustum, or the current tile's while a picture is drawn in tiles.
    FrustumExtents DrawnFrustum() const;
    // Recompiles the eyeball when its size on screen (`pictureScale` times
    // the view's) needs another number of segments.
    void FitEyeballSegments(int pictureScale);

    SceneState ReadScene() const;
    ViewPose Pose() const;
    ViewLook Look() const;
    bool HostReady() const;
    // The distance slider's position; the far end while nothing is shown.
    int ShownDistance() const;
    const CoverBlends& CurrentCoverBlends() const;
    // Runs a GL_SELECT pass over the 4 x 4 pixels at (x, y) and returns the
    // name of the nearest hit, or -1.
    template <typename Draw>
    int NearestHit(int x, int y, Draw draw);

    std::unique_ptr<wxGLContext> m_context;
    SceneRenderer m_renderer;
    LanguageTable* m_languageTable = nullptr;
    ViewHost* m_host = nullptr;
    const CoverBlends* m_coverBlends = nullptr;
    GlSetUp m_glSetUp = GlSetUp::pending;
    bool m_setUpQueued = false;
    // A right-button drag turns the view from its second event on; the sign
    // of its vertical turn depends on where the gaze was last set.
    bool m_dragArmed = false;
    int m_dragSign = 0;
    // A drag with Shift moves the patient's head, likewise from its second event on.
    bool m_headDragArmed = false;
    wxCursor m_flashlightCursor;
    wxCursor m_litFlashlightCursor;
    ViewportSize m_viewport;
    // The tile being drawn while a picture larger than the view is rendered.
    struct PictureTile {
        int scale;
        int column;
        int row;
    };
    std::optional<PictureTile> m_pictureTile;
    std::optional<GazeDirection> m_gazeTarget;
    bool m_fillWidth = false;
    bool m_penlightShining = false;
    int m_viewportRect[4] = {0, 0, 1, 1};

    wxDECLARE_EVENT_TABLE();
};
