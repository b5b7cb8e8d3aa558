// The program's entry point. "--version" and "--help" are answered before the toolkit starts, so
// they work without a display; everything else goes to the application object.
#include <cstdio>
#include <cstring>

#include "appcore/app_identity.h"
#include "gui/app/help_page.h"
#include "gui/app/mirelon_app.h"

wxIMPLEMENT_APP_NO_MAIN(mirelon::CMirelonApp);

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::printf("mirelon %s\n", mirelon::kVersion);
    return 0;
  }
  if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
    std::printf("usage: mirelon [-s]\n"
                "The address book for New-Year greeting cards.\n"
                "  -s         the compact editor layout, for screens of 640 x 480\n"
                "  --version  print the version\n"
                "The manual: %s\n",
                mirelon::ManualPage().c_str());
    return 0;
  }
  return wxEntry(argc, argv);
}
