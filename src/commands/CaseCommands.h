#pragma once

#include "commands/CommandContext.h"

// Saving the case and its recording: Save, or Save as, by the command's id.
void RunSaveCase(CommandContext& context, int id);
void RunSaveRecording(CommandContext& context, int id);
