// The player's entry point.
#include <windows.h>

#include "app/app_state_win.h"
#include "package/quiz_package_win.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  appState = CreateAppState();
  LoadQuizPackage(*appState);
  DestroyAppState(appState);
  appState = nullptr;
  return 0;
}
