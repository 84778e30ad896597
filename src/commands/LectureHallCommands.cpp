#include "commands/LectureHallCommands.h"

#include "examination/Examination.h"

void RunPresentation(CommandContext& context, int)
{
    context.window.SetPresentation(!context.examination.Presentation());
}

void RunLeavePresentation(CommandContext& context, int)
{
    context.window.SetPresentation(false);
}

void RunSwitch(CommandContext& context, int id)
{
    context.window.ApplySwitch(id);
}
