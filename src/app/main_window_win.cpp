#include "app/main_window_win.h"

#include "app/app_state.h"
#include "app/layout.h"
#include "app/saved_answers_win.h"
#include "page/question_page_win.h"

HBRUSH creditsBrush = nullptr;

namespace {

LRESULT OnCreate(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  CreateStatic(window, appState->creditsText, 720, client.bottom - 16, 140, 15, kCreditsId);
  SendMessageA(window, WM_SETICON, ICON_BIG,
               reinterpret_cast<LPARAM>(LoadIconA(nullptr, MAKEINTRESOURCEA(32514))));  // IDI_QUESTION
  return 0;
}

LRESULT OnSize(HWND window, WPARAM kind) {
  if (kind == SIZE_MINIMIZED) return 0;
  RECT client;
  GetClientRect(window, &client);
  const MainLayout layout = LayOutMainWindow(client.right, client.bottom);
  SetWindowPos(appState->pageWindow, nullptr, layout.page.x, layout.page.y, layout.page.width,
               layout.page.height, SWP_NOZORDER);
  SetWindowPos(appState->headerBarWindow, nullptr, layout.headerBar.x, layout.headerBar.y,
               layout.headerBar.width, layout.headerBar.height, SWP_NOZORDER);
  SetWindowPos(GetDlgItem(window, kCreditsId), nullptr, layout.credits.x, layout.credits.y,
               layout.credits.width, layout.credits.height, SWP_NOOWNERZORDER | SWP_NOACTIVATE);
  return 0;
}

LRESULT OnDestroy() {
  DestroyWindow(appState->pageWindow);
  PostQuitMessage(0);
  return 0;
}

LRESULT OnClose() {
  SaveAnswers(*appState);  // while the page and its fields still exist
  return OnDestroy();      // the main window itself stays until shutdown
}

LRESULT OnCtlColorStatic(HDC dc, HWND control) {
  if (GetWindowLongPtrA(control, GWLP_ID) != kCreditsId) return 0;
  SetBkMode(dc, TRANSPARENT);
  return reinterpret_cast<LRESULT>(creditsBrush);
}

LRESULT OnMouseWheel(WPARAM wParam) {
  const WPARAM code = WheelScrollCode(wParam);
  if (code != 0) PostMessageA(appState->pageWindow, WM_VSCROLL, code, 0);
  return 0;
}

}  // namespace

bool RegisterMainWindowClass(HINSTANCE instance) {
  WNDCLASSEXA windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_OWNDC;
  windowClass.lpfnWndProc = MainWindowProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconA(nullptr, MAKEINTRESOURCEA(32512));  // IDI_APPLICATION
  windowClass.hIconSm = windowClass.hIcon;
  windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_SCROLLBAR + 1);
  windowClass.lpszClassName = kMainWindowClass;
  return RegisterClassExA(&windowClass) != 0;
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      return OnCreate(window);
    case WM_SIZE:
      return OnSize(window, wParam);
    case WM_CLOSE:
      return OnClose();
    case WM_DESTROY:
      return OnDestroy();
    case WM_CTLCOLORSTATIC:
      return OnCtlColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_MOUSEWHEEL:
      return OnMouseWheel(wParam);
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

HWND CreateStatic(HWND parent, const char* text, int x, int y, int width, int height, int id) {
  HWND control = CreateWindowExA(0, "Static", text, WS_CHILD | WS_VISIBLE, x, y, width, height,
                                 parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleA(nullptr), nullptr);
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
  return control;
}
