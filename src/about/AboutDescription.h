#pragma once

// The about dialog is described in XRC compiled into the program. Loading
// adds that description, as "dialog1", to the application's resource table
// and registers the program's pictures under their resource names for it.
// Only the first call does the work; later calls repeat its result.
bool LoadAboutDialogDescription();
