#pragma once

#include "commands/CommandTable.h"

#include <optional>

class Examination;

// Whether a check item, radio item or tool shows as on, as the examination
// holds it; nullopt for an action and for the switches the window keeps
// itself (hiding the values, the quiz).
std::optional<bool> CommandChecked(const Command& command, const Examination& examination);
