#include "app/PatientApp.h"

wxIMPLEMENT_APP(PatientApp);
