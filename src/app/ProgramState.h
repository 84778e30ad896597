#pragma once

class LanguageTable;
class PatientFrame;

// Set once during start-up; every dialog of the program is parented to the frame.
extern PatientFrame* g_patientFrame;
extern LanguageTable* g_languageTable;
// True while the quiz window exists.
extern bool g_quizWindowOpen;
