#include "page/question_page_win.h"

INT_PTR CALLBACK QuestionPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      return TRUE;
    case WM_PAINT:
    case WM_ERASEBKGND:
    case WM_NCPAINT:
      return DefWindowProcA(page, message, wParam, lParam);
    default:
      return 0;
  }
}
