#include "commands/ShellCommands.h"

void RunHessChart(CommandContext& context, int)
{
    context.window.ShowHessChart();
}

void RunNinePositions(CommandContext& context, int)
{
    context.window.ShowNinePositions();
}

void RunDisplayOptions(CommandContext& context, int)
{
    context.window.ShowDisplayOptions();
}

void RunHelp(CommandContext& context, int)
{
    context.window.ShowHelp();
}

void RunAbout(CommandContext& context, int)
{
    context.window.ShowAbout();
}

void RunExit(CommandContext& context, int)
{
    context.window.Quit();
}
