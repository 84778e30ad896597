#include "app/ProgramState.h"

PatientFrame* g_patientFrame = nullptr;
LanguageTable* g_languageTable = nullptr;
bool g_quizWindowOpen = false;
