#pragma once

#include "commands/CommandContext.h"

// The case and its recordings: new, open, save, the muscles, playing back.
void RunNewCase(CommandContext& context, int id);
void RunOpenCase(CommandContext& context, int id);
// Save, or Save as.
void RunSaveCase(CommandContext& context, int id);
void RunMuscles(CommandContext& context, int id);
void RunOpenRecording(CommandContext& context, int id);
// Save recording, or Save recording as.
void RunSaveRecording(CommandContext& context, int id);
void RunRepairRecording(CommandContext& context, int id);
