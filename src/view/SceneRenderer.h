#pragma once

#include "view/CoverBlends.h"
#include "view/SceneState.h"
#include "view/ViewPose.h"
#include "view/ViewProjection.h"

#include <array>
#include <optional>

struct Settings;

// A colour as red, green and blue bytes.
using ViewColour = std::array<unsigned char, 3>;

// The colours and translucencies the view draws with, as the display
// options set them.
struct ViewLook {
    ViewColour background{50, 50, 50};
    ViewColour redFilter{75, 0, 0};
    ViewColour occluder{32, 32, 32};
    ViewColour cross{255, 255, 255};
    ViewColour axis{0, 51, 128};
    ViewColour quadrant{179, 179, 255};
    float occluderAlpha = 0.2f;
    float redFilterAlpha = 0.2f;
    float quadrantAlpha = 0.6f;
};

ViewLook ViewLookOf(const Settings& settings);

// The background as the view reads it back: GL is given each component
// scaled by 1/256, as stored colours have always been.
ViewColour BackgroundAsRead(const ViewColour& background);

// Where the eye centres stand, left and right of the head's middle.
inline constexpr double kEyeCentreX[2] = {-0.5, 0.5};

// How wide, in pixels of the viewport, the eyeball is drawn at a distance.
double EyeballPixelRadius(ViewportSize viewport, const FrustumExtents& frustum, int distance);

// The view's OpenGL drawing: lights, display lists and the scene of both
// eyes with their aids. It draws into whatever context is current, a
// window's or one without a display, so every picture of the eyes comes
// from this one code.
class SceneRenderer {
public:
    // One-time set-up in the current context. False when the iris texture
    // could not be read: the iris is then drawn without a pattern.
    bool SetUp(int eyeSegments);

    // Recompiles the eyeball when its size on screen (pixelRadius) or the
    // chosen minimum needs another number of segments.
    void FitEyeball(int eyeSegments, double pixelRadius);
    // Recompiles the eyeball after the chosen minimum changed.
    void RebuildEyeball(int eyeSegments);
    int EyeballSegmentsDrawn() const { return m_segmentsDrawn; }

    // Clears and draws one frame through frustum.
    void Draw(const SceneState& scene, const CoverBlends& blends, const ViewPose& pose, const ViewLook& look,
              const FrustumExtents& frustum);

    // The head's place and turn, under the fixed model-view translation.
    static void ApplyHeadTransform(int distance, const ViewPose& pose);
    // The patient's own posture of his head, about a point behind the eyes;
    // nothing for a straight head.
    static void ApplyHeadPosture(const HeadPosture& head);
    enum class QuadrantPass { shade, pickMarked, pickAny };
    // The quadrants under the head transform; the pick passes name each quad.
    static void DrawQuadrants(QuadrantPass pass, const SceneState& scene, const CoverBlends& blends,
                              const ViewPose& pose, const ViewLook& look);

private:
    void CompileEyeball();
    void CompileEyeballCap(int distance);
    void BuildDisplayLists();

    int m_segmentsForSize = 0;
    // Whether the eyeball is drawn as rim and cap (see EyeGeometry.h) and
    // the head distance the cap's silhouette was compiled for.
    bool m_eyeballFacesViewer = false;
    std::optional<int> m_capDistance;
    int m_segmentsDrawn = 0;
    int m_eyeSegments = 0;
    bool m_textureLoaded = false;
};
