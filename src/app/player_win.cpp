#include "app/player_win.h"

#include "app/app_state_win.h"
#include "app/header_bar_win.h"
#include "app/layout.h"
#include "app/main_window_win.h"
#include "app/media_win.h"
#include "app/resource_ids.h"
#include "package/quiz_package_win.h"
#include "page/question_page_win.h"

HWND mainWindow = nullptr;

namespace {

void CentreOnDesktop(HWND window) {
  RECT desktop, own;
  GetWindowRect(GetDesktopWindow(), &desktop);
  GetWindowRect(window, &own);
  const Place place = CentredOnDesktop(desktop.left, desktop.top, desktop.right, desktop.bottom,
                                       own.right - own.left, own.bottom - own.top);
  SetWindowPos(window, nullptr, place.x, place.y, 0, 0, SWP_NOZORDER | SWP_NOSIZE);
}

}  // namespace

bool StartPlayer(HINSTANCE instance) {
  if (!RegisterMainWindowClass(instance)) {
    MessageBoxA(nullptr, "Erreur dans la création de la fenêtre principale", "Morvi",
                MB_ICONINFORMATION);
    return false;
  }
  creditsBrush = CreateSolidBrush(0x00C8D0D4);
  appState = CreateAppState();
  LoadQuizPackage(*appState);  // a failure is reported there; start-up goes on
  StartMedia(*appState);

  mainWindow = CreateWindowExA(0, kMainWindowClass, appState->title, WS_OVERLAPPEDWINDOW,
                               CW_USEDEFAULT, CW_USEDEFAULT, kMainWindowWidth, kMainWindowHeight,
                               nullptr, nullptr, instance, nullptr);
  CentreOnDesktop(mainWindow);
  // The header bar comes first: building the page judges the restored
  // answers, which writes the score into it.
  appState->headerBarWindow = CreateDialogParamA(instance, MAKEINTRESOURCEA(MORVI_HEADER_BAR_DIALOG),
                                                 mainWindow, HeaderBarProc, 0);
  ShowWindow(appState->headerBarWindow, SW_SHOWNORMAL);
  appState->pageWindow = CreateDialogParamA(instance, MAKEINTRESOURCEA(MORVI_PAGE_DIALOG), mainWindow,
                                            QuestionPageProc, 0);
  ShowWindow(mainWindow, SW_SHOWNORMAL);
  ShowWindow(appState->pageWindow, SW_SHOWNORMAL);
  SendMessageA(appState->pageWindow, WM_VSCROLL, SB_TOP, 0);
  return true;
}

int RunMessageLoop() {
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (IsDialogMessageA(appState->pageWindow, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

void StopPlayer() {
  DestroyWindow(appState->headerBarWindow);
  StopMedia(*appState, mainWindow);
  DeleteObject(creditsBrush);
  creditsBrush = nullptr;
  DestroyAppState(appState);
  appState = nullptr;
}

int RunPlayer(HINSTANCE instance) {
  if (!StartPlayer(instance)) return 0;
  const int exitCode = RunMessageLoop();
  StopPlayer();
  return exitCode;
}
