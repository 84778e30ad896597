#pragma once

// A Windows program built for the desktop starts without a console, so what
// a command prints would vanish; this joins the console of the cmd.exe it
// was started from, where the caller did not send the output elsewhere.
// Nothing to do on other systems (ParentConsolePosix.cpp,
// ParentConsoleWindows.cpp).
void UseParentConsole();
