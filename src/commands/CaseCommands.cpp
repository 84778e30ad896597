#include "commands/CaseCommands.h"

#include "widgets/Ids.h"

void RunSaveCase(CommandContext& context, int id)
{
    context.window.SaveCaseFile(id == Id::SaveCaseAs);
}

void RunSaveRecording(CommandContext& context, int id)
{
    context.window.SaveRecordingFile(id == Id::SaveRecordingAs);
}
