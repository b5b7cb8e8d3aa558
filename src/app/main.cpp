// The program's entry point.
#include "app/mirelon_app.h"

wxIMPLEMENT_APP(mirelon::CMirelonApp);
