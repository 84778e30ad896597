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

void RunPeekAtValues(CommandContext& context, int)
{
    context.window.PeekAtValues();
}

void RunExportPicture(CommandContext& context, int)
{
    context.window.ExportPicture();
}

void RunCopyPicture(CommandContext& context, int)
{
    context.window.CopyPicture();
}

void RunResetView(CommandContext& context, int)
{
    context.window.ResetView();
}

void RunSwitch(CommandContext& context, int id)
{
    context.window.ApplySwitch(id);
}
