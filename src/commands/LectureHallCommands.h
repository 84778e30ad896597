#pragma once

#include "commands/CommandContext.h"

// Teaching in front of a class: presentation mode and the view's switches.
void RunPresentation(CommandContext& context, int id);
void RunLeavePresentation(CommandContext& context, int id);
// Every check item and tool: the switch has flipped, the window applies it.
void RunSwitch(CommandContext& context, int id);
