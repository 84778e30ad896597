#pragma once

#include "commands/CommandContext.h"

// The program around the examination: its windows, options, help and end.
void RunHessChart(CommandContext& context, int id);
void RunNinePositions(CommandContext& context, int id);
void RunDisplayOptions(CommandContext& context, int id);
void RunHelp(CommandContext& context, int id);
void RunAbout(CommandContext& context, int id);
void RunExit(CommandContext& context, int id);
