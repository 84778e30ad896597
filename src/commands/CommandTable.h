#pragma once

// Every menu item, tool and key of the main window, one entry per id: its
// label and key, its tool picture and when it is locked. The window builds
// its menus, its toolbar and its key handling from this table, so a lock
// holds for the menu item, the tool and the key alike.

#include "commands/CommandContext.h"

#include <vector>

enum class CommandKind { action, check, radio, submenu };

// When a command cannot be used.
enum class CommandLock {
    never,
    // The values are hidden for a quiz or a class: nothing may show the case.
    whileValuesHidden,
    // A recording holds the eyes where it recorded them.
    whilePlaying,
    whileValuesHiddenOrPlaying,
    // Only a recording has something to repair or save.
    unlessPlaying,
    // The quiz keeps the values hidden until it ends.
    whileQuizRuns,
    // Only presentation mode has something to leave.
    unlessPresenting,
    // Only a case that names a compensatory head posture has one to take up,
    // and not while a recording holds the eyes.
    unlessCompensatoryHead,
};

// What the locks depend on.
struct CommandState {
    bool valuesHidden = false;
    bool recordingPlays = false;
    bool quizRuns = false;
    bool presenting = false;
    bool compensatoryHead = false;
};

struct ToolLook {
    const char* bitmap = nullptr;  // a resource name; nullptr for no tool
    int tipAtCreation = 0;
    int tipOnLanguageSwitch = 0;  // 0 keeps the creation text
};

struct Command {
    int id = 0;
    CommandKind kind = CommandKind::action;
    int text = 0;               // language string of the menu label; 0 for none
    int eyeGroup = 0;           // the eye group's string the label names after ": ", or 0
    const char* key = nullptr;  // "Shift+M", as the menus show it
    CommandLock lock = CommandLock::never;
    ToolLook tool;
    CommandRun run = nullptr;  // nullptr only for a submenu
};

const std::vector<Command>& Commands();
// nullptr for an id without an entry (the language files, the controls).
const Command* FindCommand(int id);
bool CommandEnabled(const Command& command, const CommandState& state);

// The degrees of an eccentricity item, the label it shows.
int EccentricityDegrees(int id);
