#include "commands/ExaminationCommands.h"

#include "commands/CommandTable.h"
#include "commands/ExaminationSteps.h"
#include "examination/Examination.h"
#include "examination/Measurement.h"
#include "widgets/Ids.h"

#include <array>

namespace {

// The cover tools in the order of the cover keys: each eye's occluder, red filter, translucent occluder.
constexpr int kCoverTools[] = {Id::OccluderEye1, Id::RedFilterEye1, Id::TranslucentEye1,
                               Id::OccluderEye2, Id::RedFilterEye2, Id::TranslucentEye2};

bool CoverToolOn(const Examination& examination, int index)
{
    const EyeAids& aids = examination.Aids(index < 3 ? Eye::one : Eye::two);
    const bool on[] = {aids.occluder, aids.redFilter, aids.translucentOccluder};
    return on[index % 3];
}

}  // namespace

void RunCoverKey(CommandContext& context, int id)
{
    const int index = id - Id::CoverRightEyeOccluder;
    context.window.SetCoverTool(kCoverTools[index], !CoverToolOn(context.examination, index));
}

void RunUncover(CommandContext& context, int)
{
    for (int index = 0; index < static_cast<int>(std::size(kCoverTools)); ++index)
        if (CoverToolOn(context.examination, index))
            context.window.SetCoverTool(kCoverTools[index], false);
}

void RunAlternateCover(CommandContext& context, int)
{
    // The occluder goes straight to the other eye, without a pause uncovered.
    const bool onRightEye = context.examination.Aids(Eye::one).occluder;
    context.window.SetCoverTool(onRightEye ? Id::OccluderEye2 : Id::OccluderEye1, true);
}

void RunDistance(CommandContext& context, int id)
{
    context.examination.SetDistance(DistanceAfter(id, context.examination.Distance()));
}

void RunGaze(CommandContext& context, int id)
{
    FixationTarget target = context.examination.Target();
    const int key = GazeKeyOf(id);
    target.kind = key > 0 ? FixationTarget::Kind::ninePositions : FixationTarget::Kind::pointer;
    target.key = key;
    context.examination.SetTarget(target);
}

void RunEccentricity(CommandContext& context, int id)
{
    // A position still held moves out to the new eccentricity.
    FixationTarget target = context.examination.Target();
    target.eccentricity = EccentricityDegrees(id);
    context.examination.SetTarget(target);
}

void RunPrismKey(CommandContext& context, int id)
{
    Examination& examination = context.examination;
    const std::array<Prism, 2> prisms =
        PrismsAfter(id, {examination.PrismBefore(Eye::one), examination.PrismBefore(Eye::two)});
    examination.SetPrism(Eye::one, prisms[0]);
    examination.SetPrism(Eye::two, prisms[1]);
}

void RunHeadStep(CommandContext& context, int id)
{
    context.examination.SetHead(HeadAfter(id, context.examination.Head()));
}

void RunStraightenHead(CommandContext& context, int)
{
    context.examination.SetHead(HeadPosture());
}

void RunCompensatoryHead(CommandContext& context, int)
{
    if (const CompensatoryHead& head = context.examination.CompensatoryHeadPosture())
        context.examination.SetHead(*head);
}

void RunShowDeviation(CommandContext& context, int)
{
    context.window.ShowDeviation(MeasureByPrismCover(context.examination, context.window.GazeNow()));
}
