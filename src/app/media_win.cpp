#include "app/media_win.h"

#include <objbase.h>

HMODULE atlModule = nullptr;
AtlAxAttachControlFunction atlAxAttachControl = nullptr;

bool IsMediaMode(const AppState& state) { return state.quizMode == 2 || state.quizMode == 3; }

void StartMedia(const AppState& state) {
  if (!IsMediaMode(state)) return;
  atlModule = LoadLibraryA("atl.dll");
  if (atlModule == nullptr) return;
  // Through void (*)(): the compiler's sanctioned way between function types.
  atlAxAttachControl = reinterpret_cast<AtlAxAttachControlFunction>(
      reinterpret_cast<void (*)()>(GetProcAddress(atlModule, "AtlAxAttachControl")));
  CoInitialize(nullptr);
}

void StopMedia(const AppState& state, HWND mainWindow) {
  if (!IsMediaMode(state)) return;
  DestroyWindow(mainWindow);
  if (atlModule != nullptr) {
    CoUninitialize();
    FreeLibrary(atlModule);
  }
  atlModule = nullptr;
  atlAxAttachControl = nullptr;
}
