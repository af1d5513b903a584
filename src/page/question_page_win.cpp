#include "page/question_page_win.h"

#include "app/app_state.h"
#include "app/resource_ids.h"
#include "app/saved_answers_win.h"
#include "checking/evaluation_win.h"
#include "images/image_loader_win.h"
#include "page/answer_field_win.h"
#include "page/page_layout.h"
#include "page/page_scroll_win.h"

namespace {

constexpr COLORREF kRightColour = 0x0000FF00;
constexpr COLORREF kQuestionColour = 0x00C0FFFF;
constexpr DWORD kNumberStyle = WS_CHILD | WS_VISIBLE | SS_RIGHT;
constexpr DWORD kBoxedTextStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | SS_CENTERIMAGE | SS_CENTER;
constexpr DWORD kAnswerStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | ES_CENTER;
constexpr DWORD kPictureStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | SS_CENTERIMAGE | SS_BITMAP;
constexpr DWORD kPlayerStyle = WS_CHILD | WS_VISIBLE | WS_BORDER;
constexpr DWORD kCaptionStyle = WS_CHILD | WS_VISIBLE;
constexpr DWORD kRevealStyle = WS_CHILD | WS_VISIBLE | SS_CENTER;
constexpr DWORD kMediaButtonStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_ICON | BS_DEFPUSHBUTTON;

HBRUSH rightBrush = nullptr;
HICON playIcon = nullptr;
HICON stopIcon = nullptr;

enum class Font { kNone, kAnswer, kGui };

HWND Make(HWND page, const char* className, const char* text, DWORD style, int x, int y, int width,
          int height, int id, Font font = Font::kNone) {
  HWND control = CreateWindowExA(0, className, text, style, x, y, width, height, page,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleA(nullptr), nullptr);
  if (font == Font::kAnswer) {
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(appState->answerFont), FALSE);
  } else if (font == Font::kGui) {
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
  }
  return control;
}

HWND MakeNumber(HWND page, int q, int x, int y, int width, int id) {
  char number[kTextSize];
  wsprintfA(number, "%d.", q);
  return Make(page, "Static", number, kNumberStyle, x, y, width, 17, id);
}

// An answer field with the next saved line, and its verdict field.
HWND MakeAnswerField(HWND page, SavedAnswersReader& saved, int id, int x, int y, int width) {
  char line[kSavedLineMax + 1];
  saved.NextLine(line);
  HWND field = Make(page, "Edit", line, kAnswerStyle, x, y, width, 20, id, Font::kAnswer);
  SendMessageA(field, EM_LIMITTEXT, kAnswerMaxChars, 0);
  return field;
}

void CreateAnswerFont(AppState& state) {
  LOGFONTA font = {};
  font.lfHeight = 15;
  font.lfWeight = 100;
  state.answerFont = CreateFontIndirectA(&font);
}

void BuildTextRow(HWND page, SavedAnswersReader& saved, int q, const AnswerNode& node, int* y) {
  MakeNumber(page, q, 26, *y + 2, 19, kNumberIdBase);
  Make(page, "Static", node.questionText, kBoxedTextStyle, 50, *y, 550, 20, kQuestionId, Font::kAnswer);
  HWND field = MakeAnswerField(page, saved, kAnswerIdBase + q, 610, *y, 170);
  Make(page, "Static", "?", kBoxedTextStyle, 790, *y, 100, 20, kVerdictIdBase + q);
  EvaluateAnswer(*appState, page, kAnswerIdBase + q);
  SubclassAnswerField(field);
  *y += 25;
  appState->pageWidth = 880;
  appState->pageHeight = *y;
}

// The three pictures of a picture row, shared by its three cells.
struct RowPictures {
  HBITMAP bitmaps[3] = {};
  SIZE sizes[3] = {};
  int height = 0;
};

void LoadRowPictures(int firstQuestion, RowPictures* row) {
  *row = RowPictures{};
  for (int c = 0; c < 3; ++c) {
    // Questions beyond the last are looked up all the same.
    row->bitmaps[c] = LoadFittedPicture(GetModuleHandleA(nullptr),
                                        MAKEINTRESOURCEA(400 + firstQuestion + c), "IMG", kPictureBox, kPictureBox);
    row->sizes[c] = {kPictureBox, 0};
    if (row->bitmaps[c] != nullptr) {
      BITMAP info = {};
      GetObjectA(row->bitmaps[c], sizeof info, &info);
      row->sizes[c] = {info.bmWidth, info.bmHeight};
    }
    if (row->sizes[c].cy > row->height) row->height = row->sizes[c].cy;
  }
}

struct PictureRowCursor {
  int y = 5;      // top of the current picture row
  int row = 0;    // picture rows begun
  RowPictures pictures;
};

// Builds question q's cell; false when construction must stop (a player
// that cannot be made).
bool BuildPictureCell(HWND page, SavedAnswersReader& saved, int q, const AnswerNode& node,
                      PictureRowCursor* cursor) {
  AppState& state = *appState;
  const int mode = static_cast<int>(state.quizMode);
  const int n = state.answersPerQuestion;
  const int col = (q - 1) % 3;
  const int x0 = (n == 2 ? 106 : 46) + 290 * col;
  const int width = mode == 1 ? 260 : 240;
  const int dx = mode == 1 ? 0 : 20;
  const int y = cursor->y;

  int dy;
  if (mode == 1) {
    if (col == 0) {
      LoadRowPictures(q, &cursor->pictures);
      state.pictureRowHeights[cursor->row++] = cursor->pictures.height;
    }
    const SIZE size = cursor->pictures.sizes[col];
    const int rowHeight = cursor->pictures.height;
    Make(page, "Static", "", kPictureStyle, x0 + (260 - size.cx) / 2, y + (rowHeight - size.cy) / 2,
         size.cx, size.cy, kPictureIdBase + q);
    dy = rowHeight + 10;
  } else {
    // The player itself comes with the media support; its field is placed.
    Make(page, "Static", "", kPlayerStyle, x0, y, mode == 3 ? 260 : 0, mode == 3 ? 200 : 0,
         kPictureIdBase + q);
    dy = mode == 3 ? 210 : 0;
  }
  const int rowY = y + dy;

  if (n == 2 && col == 0) {
    Make(page, "Static", state.firstAnswerLabel, kCaptionStyle, 4, rowY + 2, 95, 20, kCaptionId, Font::kGui);
    Make(page, "Static", state.secondAnswerLabel, kCaptionStyle, 3, rowY + 22, 95, 20, kCaptionId, Font::kGui);
  }
  MakeNumber(page, q, x0 - 28, rowY + 2, 27, kNumberIdBase + q);

  if (state.questionType > 1) {
    HWND reveal = Make(page, "Static", "", kRevealStyle, x0, rowY + 46, 260, 65, kRevealIdBase + q, Font::kGui);
    SetWindowTextA(reveal, node.extraText);
    if (state.questionType == 5 || state.questionType == 7) {
      char hint[32];
      WordCountHint(node.answer, hint);
      SetWindowTextA(reveal, hint);
      ShowWindow(reveal, SW_SHOWNORMAL);
    } else if (state.questionType == 8) {
      ShowWindow(reveal, SW_SHOWNORMAL);
    } else {
      ShowWindow(reveal, SW_HIDE);  // shown when the question is solved
    }
  }

  if (n == 1) {
    HWND field = MakeAnswerField(page, saved, kAnswerIdBase + q, x0 + dx, rowY, width);
    Make(page, "Static", "?", kBoxedTextStyle, x0 + dx, rowY + 19, width, 20, kVerdictIdBase + q);
    SubclassAnswerField(field);
    EvaluateAnswer(state, page, kAnswerIdBase + q);
  } else if (n == 2) {
    for (int k = 1; k <= 2; ++k) {
      const int id = kAnswerIdBase + 2 * q - 2 + k;
      const int fieldY = rowY + 19 * (k - 1);
      HWND field = MakeAnswerField(page, saved, id, x0 + dx, fieldY, width - 59);
      HWND verdict = Make(page, "Static", "?", kBoxedTextStyle, x0 + dx + width - 60, fieldY, 60, 20,
                          id + kVerdictToAnswer, Font::kGui);
      // A second answer of "-" means the question has only one: its field
      // holds "-" out of sight and is right from the start.
      if (k == 2 && static_cast<uint8_t>(node.secondAnswer[0]) == 0xD2 && node.secondAnswer[1] == '\0') {
        SetWindowTextA(field, "-");
        ShowWindow(field, SW_HIDE);
        ShowWindow(verdict, SW_HIDE);
      }
      SubclassAnswerField(field);
      EvaluateAnswer(state, page, id);
    }
  }

  if (mode == 1) {
    HBITMAP& bitmap = cursor->pictures.bitmaps[col];
    if (bitmap != nullptr) {
      SendDlgItemMessageA(page, kPictureIdBase + q, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
      bitmap = nullptr;  // the field holds it now
    }
    // Pictures looked up past the last question belong to no field.
    if (q == state.questionCount) {
      for (HBITMAP& spare : cursor->pictures.bitmaps) {
        if (spare != nullptr) DeleteObject(spare);
        spare = nullptr;
      }
    }
  } else {
    HWND play = Make(page, "Button", "", kMediaButtonStyle, x0, rowY, 20, 20, kPlayIdBase + q);
    SendMessageA(play, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(playIcon));
    HWND stop = Make(page, "Button", "", kMediaButtonStyle, x0, rowY + 20, 20, 19, kStopIdBase + q);
    SendMessageA(stop, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(stopIcon));
  }

  const int rowHeight = state.questionType > 1 ? 140 : 60;
  if (col == 0) {
    state.pageWidth = 890;
    state.pageHeight = rowY + rowHeight;
  } else if (col == 2) {
    cursor->y = rowY + rowHeight;
  }
  return true;
}

BOOL OnInitDialog(HWND page) {
  AppState& state = *appState;
  // Known at once, not only when the dialog is made: judging the restored
  // answers below already works on the page through the record.
  state.pageWindow = page;
  rightBrush = CreateSolidBrush(kRightColour);
  state.pageWidth = 0;
  state.pageHeight = 0;
  const bool media = state.quizMode == 2 || state.quizMode == 3;
  if (media) {
    playIcon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(MORVI_PLAY_ICON));
    stopIcon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(MORVI_STOP_ICON));
  }
  SavedAnswersReader saved;
  CreateAnswerFont(state);
  int y = 5;
  PictureRowCursor cursor;
  const AnswerNode* node = state.answers.first;
  for (int q = 1; q <= state.questionCount && node != nullptr; ++q, node = node->next) {
    if (state.quizMode == 0) {
      BuildTextRow(page, saved, q, *node, &y);
    } else if (state.quizMode <= 3) {
      if (!BuildPictureCell(page, saved, q, *node, &cursor)) break;
    }
  }
  state.pageWidth += state.answersPerQuestion == 2 ? 80 : 20;
  saved.Close();
  UpdatePageScrollRanges(state, page);
  return TRUE;
}

INT_PTR OnCtlColorStatic(HDC dc, HWND control) {
  const AppState& state = *appState;
  const int id = GetDlgCtrlID(control);
  switch (LookOfStatic(id, state.answersPerQuestion, state.questionCount)) {
    case StaticLook::kOnPage:
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, TextColourOnPage(state.pageRed, state.pageGreen));
      return reinterpret_cast<INT_PTR>(state.pageBrush);
    case StaticLook::kVerdict: {
      char verdict[kTextSize];
      GetWindowTextA(control, verdict, kTextSize);
      const VerdictLook look = LookOfVerdict(verdict);
      HBRUSH brush = nullptr;
      switch (look.brush) {
        case VerdictBrush::kNone: return 0;
        case VerdictBrush::kRight: brush = rightBrush; break;
        case VerdictBrush::kWrong: brush = state.wrongBrush; break;
        case VerdictBrush::kAnagram: brush = state.anagramBrush; break;
        case VerdictBrush::kHint: brush = state.hintBrush; break;
      }
      SetBkColor(dc, look.background);
      return reinterpret_cast<INT_PTR>(brush);
    }
    case StaticLook::kQuestion:
      SetBkColor(dc, kQuestionColour);
      return reinterpret_cast<INT_PTR>(state.questionBrush);
    case StaticLook::kDefault:
      return 0;
  }
  return 0;
}

// The page owns the bitmaps its picture fields show; the icons are shared
// resources and the controls go with the window.
void OnDestroy(HWND page) {
  if (rightBrush != nullptr) DeleteObject(rightBrush);
  rightBrush = nullptr;
  for (int q = 1; q <= appState->questionCount; ++q) {
    HWND field = GetDlgItem(page, kPictureIdBase + q);
    if (field == nullptr) continue;
    HGDIOBJ bitmap = reinterpret_cast<HGDIOBJ>(SendMessageA(field, STM_SETIMAGE, IMAGE_BITMAP, 0));
    if (bitmap != nullptr) DeleteObject(bitmap);
  }
}

void OnMouseWheel(HWND page, WPARAM wParam) {
  const WPARAM code = WheelScrollCode(wParam);
  if (code != 0) PostMessageA(page, WM_VSCROLL, code, 0);
}

}  // namespace

WPARAM WheelScrollCode(WPARAM wheelWParam) {
  switch (HIWORD(wheelWParam)) {
    case 120:
      return kScrollWheelUp;
    case 65416:
      return kScrollWheelDown;
    default:
      return 0;
  }
}

INT_PTR CALLBACK QuestionPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      return OnInitDialog(page);
    case WM_CTLCOLORDLG:
      return reinterpret_cast<INT_PTR>(appState->pageBrush);
    case WM_CTLCOLORSTATIC:
      return OnCtlColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_PAINT:
    case WM_ERASEBKGND:
    case WM_NCPAINT:
      return DefWindowProcA(page, message, wParam, lParam);
    case WM_DESTROY:
    case WM_CLOSE:
      OnDestroy(page);
      return 0;
    case WM_SIZE:
      RefreshPageScrolling(*appState, page);
      return 0;
    case WM_VSCROLL:
      OnPageVScroll(page, wParam);
      return 0;
    case WM_HSCROLL:
      OnPageHScroll(page, wParam);
      return 0;
    case WM_MOUSEWHEEL:
      // Handled here: passed on, the default handling would hand the same
      // notch to the main window, which would post a second scroll.
      OnMouseWheel(page, wParam);
      return TRUE;
    default:
      return 0;
  }
}
