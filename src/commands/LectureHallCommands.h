#pragma once

#include "commands/CommandContext.h"

// Teaching in front of a class: presentation mode, pictures, the view and its switches.
void RunPresentation(CommandContext& context, int id);
void RunLeavePresentation(CommandContext& context, int id);
void RunPeekAtValues(CommandContext& context, int id);
void RunExportPicture(CommandContext& context, int id);
void RunCopyPicture(CommandContext& context, int id);
void RunResetView(CommandContext& context, int id);
// Every check item and tool: the switch has flipped, the window applies it.
void RunSwitch(CommandContext& context, int id);
