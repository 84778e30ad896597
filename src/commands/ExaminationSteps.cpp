#include "commands/ExaminationSteps.h"

#include "model/EyeModel.h"
#include "widgets/Ids.h"

#include <algorithm>

int DistanceAfter(int commandId, int distance)
{
    switch (commandId) {
    case Id::DistanceFar:
        return kBlendSliderFar;
    case Id::DistanceNear:
        return kBlendSliderNear;
    case Id::DistanceNearer:
        return std::min(distance + 1, kBlendSliderNear);
    case Id::DistanceFarther:
        return std::max(distance - 1, kBlendSliderFar);
    }
    return distance;
}

std::array<Prism, 2> PrismsAfter(int commandId, std::array<Prism, 2> prisms)
{
    if (commandId == Id::RemovePrisms) {
        for (Prism& prism : prisms)
            prism.dioptres = 0;
        return prisms;
    }
    // Stronger, weaker and next base for eye 1, then the same for eye 2.
    constexpr int kActions = 3;
    const int offset = commandId - Id::PrismStrongerEye1;
    if (offset < 0 || offset >= 2 * kActions)
        return prisms;
    Prism& prism = prisms[offset / kActions];
    switch (offset % kActions) {
    case 0:
        prism.dioptres = StepPrismPower(prism.dioptres, 1);
        break;
    case 1:
        prism.dioptres = StepPrismPower(prism.dioptres, -1);
        break;
    case 2:
        prism.base = NextPrismBase(prism.base);
        break;
    }
    return prisms;
}

int GazeKeyOf(int commandId)
{
    if (commandId == Id::GazeFollowsPointer)
        return 0;
    if (commandId >= Id::FirstGazePosition && commandId <= Id::LastGazePosition)
        return commandId - Id::FirstGazePosition + 1;
    return -1;
}

HeadPosture HeadAfter(int commandId, HeadPosture head)
{
    const int offset = commandId - Id::FirstHeadStep;
    if (offset < 0 || commandId > Id::LastHeadStep)
        return head;
    // Pairs of steps: turn, tilt, chin; the first of each towards the patient's right or up.
    double& angle = offset / 2 == 0 ? head.turn : offset / 2 == 1 ? head.tilt : head.chinUp;
    const double step = offset % 2 == 0 ? kHeadStep : -kHeadStep;
    angle += step;
    return head;
}
