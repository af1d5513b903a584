#include "page/answer_field_win.h"

#include <cstring>

#include "app/app_state.h"
#include "app/saved_answers_win.h"
#include "checking/evaluation_win.h"
#include "checking/grading.h"
#include "page/page_layout.h"
#include "page/page_scroll_win.h"

WNDPROC editDefaultProc = nullptr;

namespace {

// A page not shown yet (the first field takes the focus while the page is
// being made, before it is laid out) has no view to bring anything into.
void BringIntoView(HWND field) {
  HWND page = GetParent(field);
  if (!IsWindowVisible(page)) return;
  RECT pageRect, fieldRect;
  GetWindowRect(page, &pageRect);
  GetWindowRect(field, &fieldRect);
  const int hpos = GetScrollPos(page, SB_HORZ), vpos = GetScrollPos(page, SB_VERT);
  POINT topLeft = {fieldRect.left, fieldRect.top};
  ScreenToClient(page, &topLeft);
  const FieldOwner owner = OwnerOfField(GetDlgCtrlID(field), appState->answersPerQuestion,
                                        appState->questionCount);
  const ViewTarget target =
      ::BringIntoView(topLeft.x + hpos, topLeft.y + vpos, hpos, vpos, pageRect.right - pageRect.left,
                      pageRect.bottom - pageRect.top, FocusAllowance(appState->pictureRowHeights, owner.question));
  if (target.scroll) ScrollPageTo(page, target.horizontal, target.vertical);
}

// The key table, on a key's release (or its press with Alt held). True
// when the key was Enter, which the edit control must not see.
bool OnKey(HWND field, WPARAM key) {
  HWND page = GetParent(field);
  switch (key) {
    case VK_RETURN:
      EvaluateAnswer(*appState, page, GetDlgCtrlID(field));
      return true;
    case VK_UP:
    case VK_PRIOR:
      SendMessageA(page, WM_VSCROLL, SB_PAGEUP, 0);
      break;
    case VK_DOWN:
    case VK_NEXT:
      SendMessageA(page, WM_VSCROLL, SB_PAGEDOWN, 0);
      break;
    case VK_F1:
      FillUnsolvedFields(field);
      break;
    case VK_F2:
      SaveAnswers(*appState);
      break;
    default:
      break;
  }
  return false;
}

}  // namespace

void SubclassAnswerField(HWND field) {
  editDefaultProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(field, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AnswerFieldProc)));
}

LRESULT CALLBACK AnswerFieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETFOCUS:
      SendMessageA(field, EM_SETSEL, 0, 260);
      BringIntoView(field);
      break;
    case WM_KILLFOCUS:
      EvaluateAnswer(*appState, GetParent(field), GetDlgCtrlID(field));
      break;
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
      if (OnKey(field, wParam)) return 1;
      break;
    case WM_CHAR:
      if (wParam == '\r' || wParam == '\t' || wParam == 0) return 0;
      break;
    default:
      break;
  }
  return CallWindowProcA(editDefaultProc, field, message, wParam, lParam);
}

// The page is not redrawn while the focus walks (each step would scroll and
// repaint it), and the score is brought up to date once, before the focus
// comes back and the field is brought into view.
void FillUnsolvedFields(HWND field) {
  HWND page = GetParent(field);
  char text[kTextSize];
  GetWindowTextA(field, text, kTextSize);
  const int fields = appState->answersPerQuestion * appState->questionCount;
  SendMessageA(page, WM_SETREDRAW, FALSE, 0);
  BeginEvaluationBatch();
  for (int i = 1; i <= fields; ++i) {
    char verdict[kTextSize];
    GetDlgItemTextA(page, kVerdictIdBase + i, verdict, kTextSize);
    if (std::strcmp(verdict, kVerdictRight) == 0) continue;
    SetDlgItemTextA(page, kAnswerIdBase + i, text);
    SetFocus(GetDlgItem(page, kAnswerIdBase + i));
  }
  // The last field the walk reached is judged as it loses the focus.
  HWND last = GetFocus();
  if (last != field && GetParent(last) == page) EvaluateAnswer(*appState, page, GetDlgCtrlID(last));
  EndEvaluationBatch(*appState, page);
  SendMessageA(page, WM_SETREDRAW, TRUE, 0);
  RedrawWindow(page, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
  SetFocus(field);
}
