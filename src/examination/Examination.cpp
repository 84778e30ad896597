#include "examination/Examination.h"

#include "model/AngleUnit.h"

#include <algorithm>
#include <cmath>

GazeTarget DirectionOf(const FixationTarget& target)
{
    if (target.kind == FixationTarget::Kind::pointer)
        return target.pointer;
    if (target.key < 1 || target.key > 9)
        return {};
    // The keypad is seen by the examiner: its left column is the patient's right.
    const int viewerColumn = (target.key - 1) % 3 - 1;
    const int row = (target.key - 1) / 3 - 1;
    return {-viewerColumn * target.eccentricity, row * target.eccentricity};
}

int Examination::Listen(Listener listener)
{
    m_listeners.entries.emplace_back(m_listeners.nextHandle, std::move(listener));
    return m_listeners.nextHandle++;
}

void Examination::Unlisten(int handle)
{
    auto& entries = m_listeners.entries;
    entries.erase(
        std::remove_if(entries.begin(), entries.end(), [handle](const auto& entry) { return entry.first == handle; }),
        entries.end());
}

void Examination::Tell(Change change)
{
    // A listener may stop listening while it is told; it works on a copy.
    const auto listeners = m_listeners.entries;
    for (const auto& entry : listeners)
        entry.second(change);
}

void Examination::SetModel(const EyeModel& model)
{
    if (model == m_model)
        return;
    m_model = model;
    Tell(Change::angles);
}

void Examination::SetWholeDegrees(bool wholeDegrees)
{
    if (wholeDegrees == m_wholeDegrees)
        return;
    m_wholeDegrees = wholeDegrees;
    if (wholeDegrees)
        m_model.ToWholeDegrees();
    else
        m_model.ToHundredths();
    Tell(Change::angles);
}

void Examination::SetLatent(bool latent)
{
    if (latent == m_latent)
        return;
    m_latent = latent;
    Tell(Change::angles);
}

void Examination::SetQuadrantMarks(std::uint8_t marks)
{
    if (marks == m_quadrantMarks)
        return;
    m_quadrantMarks = marks;
    Tell(Change::display);
}

void Examination::SetMuscles(const MuscleStrengths& muscles)
{
    if (muscles == m_muscles)
        return;
    m_muscles = muscles;
    Tell(Change::muscles);
}

const MuscleStrengths& Examination::Muscles() const
{
    static const MuscleStrengths normal;
    return m_recordingPlays ? normal : m_muscles;
}

void Examination::SetRecordingPlays(bool plays)
{
    if (plays == m_recordingPlays)
        return;
    m_recordingPlays = plays;
    Tell(Change::muscles);
}

void Examination::SetPath(const std::filesystem::path& path)
{
    if (path == m_path)
        return;
    m_path = path;
    Tell(Change::case_);
}

void Examination::SetModified(bool modified)
{
    if (modified == m_modified)
        return;
    m_modified = modified;
    Tell(Change::case_);
}

void Examination::SetDistance(int distance)
{
    distance = std::clamp(distance, kBlendSliderFar, kBlendSliderNear);
    if (distance == m_distance)
        return;
    m_distance = distance;
    Tell(Change::angles);
}

int Examination::Units(Eye eye, EyeQuantity quantity) const
{
    // The controls hold no angle beyond the limit, and neither does the examination.
    const int limit = AngleLimit(m_wholeDegrees);
    return std::clamp(m_model.Blended(eye, quantity, m_distance), -limit, limit);
}

double Examination::Degrees(Eye eye, EyeQuantity quantity) const
{
    return static_cast<double>(Units(eye, quantity)) / UnitDivisor(m_wholeDegrees);
}

void Examination::SetAids(Eye eye, const EyeAids& aids)
{
    if (aids == m_aids[Index(eye)])
        return;
    m_aids[Index(eye)] = aids;
    Tell(Change::aids);
}

void Examination::SetPrism(Eye eye, const Prism& prism)
{
    Prism held = prism;
    held.dioptres = std::clamp(held.dioptres, 0, PrismBarPowers().back());
    Prism& current = m_prisms[Index(eye)];
    if (held.dioptres == current.dioptres && held.base == current.base)
        return;
    current = held;
    Tell(Change::prisms);
}

void Examination::SetDisplay(const DisplayAids& display)
{
    if (display == m_display)
        return;
    m_display = display;
    Tell(Change::display);
}

void Examination::SetTarget(const FixationTarget& target)
{
    FixationTarget held = target;
    held.eccentricity =
        std::isfinite(held.eccentricity) ? std::clamp(held.eccentricity, 0.0, kLargestEccentricity) : 0.0;
    m_target = held;
    Tell(Change::target);
}

void Examination::SetCycloStaysUnderCover(bool stays)
{
    if (stays == m_cycloStaysUnderCover)
        return;
    m_cycloStaysUnderCover = stays;
    Tell(Change::angles);
}

void Examination::SetPresentation(bool presentation)
{
    if (presentation == m_presentation)
        return;
    m_presentation = presentation;
    Tell(Change::display);
}

namespace {

HeadPosture Held(const HeadPosture& head)
{
    const auto held = [](double degrees) {
        return std::isfinite(degrees) ? std::clamp(degrees, -kLargestHeadPosture, kLargestHeadPosture) : 0.0;
    };
    return {held(head.turn), held(head.tilt), held(head.chinUp)};
}

}  // namespace

void Examination::SetHead(const HeadPosture& head)
{
    m_head = Held(head);
    Tell(Change::target);
}

void Examination::SetCompensatoryHead(const CompensatoryHead& head)
{
    m_compensatoryHead = head ? CompensatoryHead(Held(*head)) : std::nullopt;
    Tell(Change::muscles);
}
