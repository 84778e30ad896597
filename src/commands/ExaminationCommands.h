#pragma once

#include "commands/CommandContext.h"

// The examination keys: aids before the eyes, distance, gaze, head and prisms.
// Apart from the aids, which the toolbar shows, they change the examination alone.
void RunCoverKey(CommandContext& context, int id);
void RunUncover(CommandContext& context, int id);
void RunAlternateCover(CommandContext& context, int id);
void RunDistance(CommandContext& context, int id);
void RunGaze(CommandContext& context, int id);
void RunEccentricity(CommandContext& context, int id);
void RunPrismKey(CommandContext& context, int id);
void RunHeadStep(CommandContext& context, int id);
void RunStraightenHead(CommandContext& context, int id);
// The head as the case's patient holds it of himself; a case without such a posture keeps it.
void RunCompensatoryHead(CommandContext& context, int id);
// What the prism cover test would measure at the gaze the window shows.
void RunShowDeviation(CommandContext& context, int id);
