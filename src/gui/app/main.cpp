// The program's entry point.
#include "gui/app/mirelon_app.h"

wxIMPLEMENT_APP(mirelon::CMirelonApp);
