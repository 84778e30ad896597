#include "commands/CommandChecks.h"

#include "examination/Examination.h"
#include "widgets/Ids.h"

std::optional<bool> CommandChecked(const Command& command, const Examination& examination)
{
    const EyeAids& aids1 = examination.Aids(Eye::one);
    const EyeAids& aids2 = examination.Aids(Eye::two);
    const DisplayAids& display = examination.Display();
    switch (command.id) {
    case Id::ModeManifest:
        return !examination.Latent();
    case Id::ModeLatent:
        return examination.Latent();
    case Id::WholeDegreesItem:
        return examination.WholeDegrees();
    case Id::Presentation:
        return examination.Presentation();
    case Id::AxisLinesItem:
        return display.axisLines;
    case Id::FaceItem:
        return display.face;
    case Id::EyeCrossItem:
    case Id::EyeCrossTool:
        return display.eyeCross;
    case Id::FlashlightItem:
    case Id::FlashlightTool:
        return display.penlight;
    case Id::ShowTargetItem:
        return display.fixationTarget;
    case Id::QuadrantEditTool:
        return display.quadrantEdit;
    case Id::QuadrantHideTool:
        return display.quadrantHide;
    case Id::OccluderEye1:
        return aids1.occluder;
    case Id::RedFilterEye1:
        return aids1.redFilter;
    case Id::TranslucentEye1:
        return aids1.translucentOccluder;
    case Id::OccluderEye2:
        return aids2.occluder;
    case Id::RedFilterEye2:
        return aids2.redFilter;
    case Id::TranslucentEye2:
        return aids2.translucentOccluder;
    }
    if (EccentricityDegrees(command.id) != 0)
        return EccentricityDegrees(command.id) == examination.Target().eccentricity;
    return std::nullopt;
}
