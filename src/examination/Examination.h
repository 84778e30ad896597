#pragma once

#include "model/EyeModel.h"
#include "model/HeadPosture.h"
#include "model/MuscleModel.h"
#include "model/MuscleStrengths.h"
#include "model/Prism.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// What an edit of the examination touched, so a listener redraws only what
// depends on it.
enum class Change { case_, angles, aids, prisms, muscles, target, display };

// The aids held before one eye; the toolbar lets them be combined.
struct EyeAids {
    bool occluder = false;
    bool redFilter = false;
    bool translucentOccluder = false;
    // The box in the eye's group that says this eye fixes behind the red filter.
    bool fixesBehindFilter = false;

    friend bool operator==(const EyeAids& a, const EyeAids& b)
    {
        return a.occluder == b.occluder && a.redFilter == b.redFilter &&
               a.translucentOccluder == b.translucentOccluder && a.fixesBehindFilter == b.fixesBehindFilter;
    }
    friend bool operator!=(const EyeAids& a, const EyeAids& b) { return !(a == b); }
};

struct DisplayAids {
    bool eyeCross = false;
    bool axisLines = false;
    bool penlight = false;
    // The quadrant tools: marking by click, and the marks hidden.
    bool quadrantEdit = false;
    bool quadrantHide = false;
    // The face (skin, lids, brows, the bridge of the nose) around the eyes.
    bool face = false;
    // The light the patient fixes, drawn in the room where he looks.
    bool fixationTarget = false;

    friend bool operator==(const DisplayAids& a, const DisplayAids& b)
    {
        return a.eyeCross == b.eyeCross && a.axisLines == b.axisLines && a.penlight == b.penlight &&
               a.quadrantEdit == b.quadrantEdit && a.quadrantHide == b.quadrantHide && a.face == b.face &&
               a.fixationTarget == b.fixationTarget;
    }
    friend bool operator!=(const DisplayAids& a, const DisplayAids& b) { return !(a == b); }
};

// What the patient fixes: the examiner's pointer, or one of the nine
// diagnostic positions (numeric keypad order, 1 = down and to the viewer's
// left) at an eccentricity in degrees.
struct FixationTarget {
    enum class Kind { pointer, ninePositions };
    Kind kind = Kind::pointer;
    GazeTarget pointer;
    int key = 5;
    double eccentricity = 20;
};

inline constexpr double kLargestEccentricity = 45;

// The direction of a fixation target as the patient sees it.
GazeTarget DirectionOf(const FixationTarget& target);

// One simulated examination: the patient's case and everything the examiner
// holds before the eyes. Edits are validated and told to the listeners.
class Examination {
public:
    using Listener = std::function<void(Change)>;

    // Returns a handle for Unlisten.
    int Listen(Listener listener);
    void Unlisten(int handle);

    // The case.
    const EyeModel& Model() const { return m_model; }
    void SetModel(const EyeModel& model);
    // Angles are held in whole degrees or in hundredths; switching converts them.
    bool WholeDegrees() const { return m_wholeDegrees; }
    void SetWholeDegrees(bool wholeDegrees);
    bool Latent() const { return m_latent; }
    void SetLatent(bool latent);
    std::uint8_t QuadrantMarks() const { return m_quadrantMarks; }
    void SetQuadrantMarks(std::uint8_t marks);
    // The strengths the eyes move with: all normal while a recording plays,
    // since its angles already hold the patient's muscles.
    const MuscleStrengths& Muscles() const;
    // The case's own strengths, kept through a recording for saving.
    const MuscleStrengths& CaseMuscles() const { return m_muscles; }
    void SetMuscles(const MuscleStrengths& muscles);
    // The posture the case's patient takes up of himself, saved with the muscles.
    const CompensatoryHead& CompensatoryHeadPosture() const { return m_compensatoryHead; }
    // Each angle is held within kLargestHeadPosture.
    void SetCompensatoryHead(const CompensatoryHead& head);
    bool RecordingPlays() const { return m_recordingPlays; }
    void SetRecordingPlays(bool plays);
    const std::filesystem::path& Path() const { return m_path; }
    bool Modified() const { return m_modified; }
    void SetPath(const std::filesystem::path& path);
    void SetModified(bool modified);

    // The distance slider: kBlendSliderFar to kBlendSliderNear; others are held at the nearer end.
    int Distance() const { return m_distance; }
    void SetDistance(int distance);

    // The current angle of a quantity in degrees: both ends blended at the
    // distance, held within the controls' range (AngleLimit).
    double Degrees(Eye eye, EyeQuantity quantity) const;
    // The same angle in the unit the controls count in (hundredths or whole degrees).
    int Units(Eye eye, EyeQuantity quantity) const;

    const EyeAids& Aids(Eye eye) const { return m_aids[Index(eye)]; }
    void SetAids(Eye eye, const EyeAids& aids);
    // A power off the bar's range is held at its nearer end.
    const Prism& PrismBefore(Eye eye) const { return m_prisms[Index(eye)]; }
    void SetPrism(Eye eye, const Prism& prism);
    const DisplayAids& Display() const { return m_display; }
    void SetDisplay(const DisplayAids& display);

    const FixationTarget& Target() const { return m_target; }
    // A key outside 1..9 is straight ahead; the eccentricity is held within 0..kLargestEccentricity.
    void SetTarget(const FixationTarget& target);

    // Cover changes leave each eye's torsion as it is, as in the clinic.
    bool CycloStaysUnderCover() const { return m_cycloStaysUnderCover; }
    void SetCycloStaysUnderCover(bool stays);
    bool Presentation() const { return m_presentation; }
    const HeadPosture& Head() const { return m_head; }
    // Each angle is held within kLargestHeadPosture.
    void SetHead(const HeadPosture& head);
    void SetPresentation(bool presentation);

private:
    static std::size_t Index(Eye eye) { return static_cast<std::size_t>(eye); }
    void Tell(Change change);

    EyeModel m_model;
    bool m_wholeDegrees = false;
    bool m_latent = false;
    std::uint8_t m_quadrantMarks = 0;
    MuscleStrengths m_muscles;
    CompensatoryHead m_compensatoryHead;
    bool m_recordingPlays = false;
    std::filesystem::path m_path;
    bool m_modified = false;
    int m_distance = kBlendSliderNear;
    std::array<EyeAids, kEyeCount> m_aids{};
    std::array<Prism, kEyeCount> m_prisms{};
    DisplayAids m_display;
    FixationTarget m_target;
    bool m_presentation = false;
    HeadPosture m_head;
    bool m_cycloStaysUnderCover = false;

    // A copy of an examination is a new one: nobody listens to it yet.
    struct Listeners {
        Listeners() = default;
        Listeners(const Listeners&) {}
        Listeners& operator=(const Listeners&) { return *this; }
        std::vector<std::pair<int, Listener>> entries;
        int nextHandle = 0;
    };
    Listeners m_listeners;
};
