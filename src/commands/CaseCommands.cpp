#include "commands/CaseCommands.h"

#include "widgets/Ids.h"

void RunNewCase(CommandContext& context, int)
{
    context.window.StartNewCase();
}

void RunOpenCase(CommandContext& context, int)
{
    context.window.ChooseAndOpenCase();
}

void RunSaveCase(CommandContext& context, int id)
{
    context.window.SaveCaseFile(id == Id::SaveCaseAs);
}

void RunMuscles(CommandContext& context, int)
{
    context.window.ShowMuscles();
}

void RunOpenRecording(CommandContext& context, int)
{
    context.window.ChooseAndOpenRecording();
}

void RunSaveRecording(CommandContext& context, int id)
{
    context.window.SaveRecordingFile(id == Id::SaveRecordingAs);
}

void RunRepairRecording(CommandContext& context, int)
{
    context.window.RepairRecording();
}
