#include "support/player_fixture.h"

void PlayerTest::SetUp() {
  started_ = StartPlayer(GetModuleHandleA(nullptr));
  ASSERT_TRUE(started_);
  Pump();
}

void PlayerTest::TearDown() {
  if (started_ && !stopped_) Close();
}

void PlayerTest::Pump() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    if (appState != nullptr && IsDialogMessageA(appState->pageWindow, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

int PlayerTest::Close() {
  SendMessageA(mainWindow, WM_CLOSE, 0, 0);
  const int exitCode = RunMessageLoop();
  StopPlayer();
  stopped_ = true;
  return exitCode;
}

RECT PlaceInParent(HWND child) {
  RECT rect;
  GetWindowRect(child, &rect);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}
