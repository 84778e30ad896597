#include "app/ParentConsole.h"

void UseParentConsole() {}
