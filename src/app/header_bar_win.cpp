#include "app/header_bar_win.h"

#include <shellapi.h>

#include "app/app_state.h"
#include "app/layout.h"
#include "app/resource_ids.h"
#include "app/saved_answers_win.h"
#include "checking/score_win.h"

namespace {

HBRUSH headerBrush = nullptr;

enum class Font { kGui, kLink, kTitle, kScore, kNone };

struct HeaderControl {
  int id;
  const char* className;
  DWORD style;
  Place place;
  Font font;
};

// In creation order; the hide box (33) only in the picture layout.
constexpr HeaderControl kControls[] = {
    {kLinkId, "Static", WS_CHILD | WS_VISIBLE | SS_NOTIFY, {736, 5, 115, 18}, Font::kLink},
    {kById, "Static", WS_CHILD | WS_VISIBLE, {736, 25, 27, 18}, Font::kGui},
    {kAuthorId, "Static", WS_CHILD | WS_VISIBLE, {763, 25, 85, 18}, Font::kGui},
    {kHideBoxId, "button", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, {666, 5, 65, 18}, Font::kGui},
    {kSaveButtonId, "button", WS_CHILD | WS_VISIBLE, {666, 25, 55, 18}, Font::kGui},
    {kDescriptionId, "Static", WS_CHILD | WS_VISIBLE, {110, 19, 490, 27}, Font::kGui},
    {kTitleId, "Static", WS_CHILD | WS_VISIBLE, {110, 3, 190, 18}, Font::kTitle},
    {kCodeLabelId, "Static", WS_CHILD | WS_VISIBLE, {7, 29, 36, 15}, Font::kGui},
    {kScoreFieldId, "Static", WS_CHILD | WS_VISIBLE | SS_CENTER, {10, 1, 80, 20}, Font::kScore},
    {kCodeFieldId, "edit", WS_CHILD | WS_VISIBLE | ES_READONLY, {44, 29, 53, 16}, Font::kGui},
    {kScoreRuleId, "Static", WS_CHILD | WS_VISIBLE | WS_BORDER, {0, 26, 100, 1}, Font::kNone},
    {kBlockRuleId, "Static", WS_CHILD | WS_VISIBLE | WS_BORDER, {100, 0, 1, 50}, Font::kNone},
    {kLinkRuleId, "Static", WS_CHILD | WS_VISIBLE | WS_BORDER, {730, 0, 1, 50}, Font::kNone},
};

bool IsPictureLayout() { return appState->quizMode == 1; }

const char* InitialText(int id, char* score) {
  switch (id) {
    case kLinkId: return appState->linkTarget;
    case kById: return "Par :";
    case kAuthorId: return appState->author;
    case kHideBoxId: return "Cacher";
    case kSaveButtonId: return "Sauver";
    case kDescriptionId: return appState->description;
    case kTitleId: return appState->title;
    case kCodeLabelId: return " Code :";
    case kScoreFieldId:
      wsprintfA(score, " 0 / %d", appState->questionCount);
      return score;
    default: return "";
  }
}

BOOL OnInitDialog(HWND bar) {
  char score[kTextSize];
  for (const HeaderControl& control : kControls) {
    if (control.id == kHideBoxId && !IsPictureLayout()) continue;
    HWND child = CreateWindowExA(0, control.className, InitialText(control.id, score), control.style,
                                 control.place.x, control.place.y, control.place.width,
                                 control.place.height, bar,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)),
                                 GetModuleHandleA(nullptr), nullptr);
    switch (control.font) {
      case Font::kGui:
        SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
        break;
      case Font::kLink:
        SetLinkStyle(child);
        break;
      case Font::kTitle:
        SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(appState->titleFont), FALSE);
        break;
      case Font::kScore:
        SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(appState->scoreFont), FALSE);
        break;
      case Font::kNone:
        break;
    }
  }
  headerBrush = CreateSolidBrush(kHeaderColour);
  return TRUE;
}

void OnSize(HWND bar) {
  RECT client;
  GetClientRect(bar, &client);
  HeaderMove moves[kHeaderMoveCount];
  HeaderBarMoves(client.right, moves);
  for (const HeaderMove& move : moves) {
    if (move.id == kHideBoxId && !IsPictureLayout()) continue;
    HWND control = GetDlgItem(bar, move.id);
    SetWindowPos(control, nullptr, move.place.x, move.place.y, move.place.width, move.place.height,
                 SWP_NOOWNERZORDER | SWP_NOACTIVATE);
    const bool repaint = move.id != kTitleId && move.id != kLinkId && move.id != kById;
    if (repaint) InvalidateRect(control, nullptr, FALSE);
  }
}

void OnCommand(WPARAM command) {
  switch (command) {
    case kSaveButtonId:
      SaveAnswers(*appState);
      break;
    case kHideBoxId:
      ApplyHiding(*appState);  // the box has already toggled itself
      break;
    case kLinkId:
      ShellExecuteA(nullptr, "open", appState->linkTarget, nullptr, nullptr, SW_SHOWNORMAL);
      break;
    default:
      break;
  }
}

INT_PTR OnCtlColorStatic(HDC dc, HWND control) {
  const LONG_PTR id = GetWindowLongPtrA(control, GWLP_ID);
  if (id == kLinkId) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kLinkColour);
    return reinterpret_cast<INT_PTR>(headerBrush);
  }
  if (id >= 20 && id <= 33) {
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<INT_PTR>(headerBrush);
  }
  return 0;  // the rules keep the dialog's colours
}

}  // namespace

void SetLinkStyle(HWND link) {
  RECT client;
  GetClientRect(link, &client);
  LOGFONTA font = {};
  font.lfHeight = -(3 * client.bottom / 4);
  font.lfWeight = 400;
  font.lfUnderline = 1;
  SendMessageA(link, WM_SETFONT, reinterpret_cast<WPARAM>(CreateFontIndirectA(&font)), FALSE);
  HCURSOR hand = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(MORVI_HAND_CURSOR));
  SetClassLongPtrA(link, GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(hand));
}

INT_PTR CALLBACK HeaderBarProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      return OnInitDialog(bar);
    case WM_SIZE:
      OnSize(bar);
      return 0;
    case WM_COMMAND:
      OnCommand(wParam);
      return 0;
    case WM_CTLCOLORDLG:
      return reinterpret_cast<INT_PTR>(headerBrush);
    case WM_CTLCOLORSTATIC:
      return OnCtlColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_DESTROY:
      DeleteObject(headerBrush);
      headerBrush = nullptr;
      return 0;
    default:
      return 0;
  }
}
