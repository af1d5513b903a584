#include "app/app_state_win.h"

#include <windows.h>

namespace {

HFONT CreateFontFrom(LONG height, LONG weight, BYTE italic, const char* face) {
  LOGFONTA font = {};
  font.lfHeight = height;
  font.lfWeight = weight;
  font.lfItalic = italic;
  if (face != nullptr) lstrcpynA(font.lfFaceName, face, LF_FACESIZE);
  return CreateFontIndirectA(&font);
}

}  // namespace

AppState* CreateAppState() {
  AppState* state = new AppState();
  state->scoreFont = CreateFontFrom(25, 400, 0, "Arial");
  state->titleFont = CreateFontFrom(-15, 700, 1, nullptr);
  state->pageBrush = CreateSolidBrush(RGB(state->pageRed, state->pageGreen, state->pageBlue));
  state->wrongBrush = CreateSolidBrush(0x000000FF);
  state->anagramBrush = CreateSolidBrush(0x000064FF);
  state->hintBrush = CreateSolidBrush(0x0026CBFF);
  state->questionBrush = CreateSolidBrush(0x00C0FFFF);
  // The buffer holds 512 bytes; the system is told 256, as it always was.
  if (GetTempPathA(256, state->tempFolder) == 0) state->tempFolder[0] = '\0';
  return state;
}

void DestroyAppState(AppState* state) {
  if (state == nullptr) return;
  const HGDIOBJ objects[] = {state->pageBrush, state->wrongBrush, state->anagramBrush,
                             state->hintBrush, state->questionBrush, state->titleFont,
                             state->answerFont, state->scoreFont};
  for (HGDIOBJ object : objects) {
    if (object != nullptr) DeleteObject(object);
  }
  state->answers.Clear();
  delete state;
}
