// The question page with the real player around it: rows in every layout,
// colours, scrolling, judging, score, hiding and the answer fields. Each
// fixture program carries one quiz (see CMakeLists.txt); MORVI_FIXTURE
// names it.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "app/layout.h"
#include "app/saved_answers_win.h"
#include "checking/hiding.h"
#include "page/page_layout.h"
#include "support/keyboard.h"
#include "support/player_fixture.h"
#include "support/test_dialog.h"

namespace {

[[maybe_unused]] std::string Text(HWND parent, int id) {
  char text[300] = "";
  GetDlgItemTextA(parent, id, text, sizeof text);
  return text;
}

[[maybe_unused]] void ExpectPlace(HWND parent, int id, int x, int y, int w, int h) {
  HWND control = GetDlgItem(parent, id);
  ASSERT_NE(control, nullptr) << id;
  const RECT r = PlaceInParent(control);
  EXPECT_EQ(r.left, x) << id;
  EXPECT_EQ(r.top, y) << id;
  EXPECT_EQ(r.right - r.left, w) << id;
  EXPECT_EQ(r.bottom - r.top, h) << id;
}

[[maybe_unused]] int Top(HWND parent, int id) { return PlaceInParent(GetDlgItem(parent, id)).top; }

[[maybe_unused]] DWORD Style(HWND parent, int id) {
  return static_cast<DWORD>(GetWindowLongPtrA(GetDlgItem(parent, id), GWL_STYLE));
}

[[maybe_unused]] HBRUSH ColourOf(HWND page, HWND control, HDC dc) {
  return reinterpret_cast<HBRUSH>(
      SendMessageA(page, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
}

// The saved answers file, written before start-up.
class SavedFile {
 public:
  explicit SavedFile(const std::string& bytes) {
    char path[MAX_PATH];
    SavedAnswersPath(path);
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
  }
};

// A player whose current folder is a fresh one, with an optional saved
// answers file from the run before.
class PageTest : public PlayerTest {
 protected:
  void SetUp() override {
    PlayerTest::SetUp();
    SetForegroundWindow(mainWindow);
    Pump();
  }
  void Answer(int field, const char* text) {
    SetFocus(GetDlgItem(page(), field));
    SetDlgItemTextA(page(), field, text);
    SetFocus(nullptr);  // the field loses the focus and is judged
    Pump();
  }
  std::string Verdict(int field) { return Text(page(), field + kVerdictToAnswer); }
  std::string Score() { return Text(header(), kScoreFieldId); }
};

[[maybe_unused]] std::string ReadSaved() {
  char path[MAX_PATH];
  SavedAnswersPath(path);
  HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "<missing>";
  std::string bytes(8192, '\0');
  DWORD read = 0;
  ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
  CloseHandle(file);
  bytes.resize(read);
  return bytes;
}

// Makes the page's client area w x h.
[[maybe_unused]] void SetPageClient(HWND page, int w, int h) {
  RECT window, client;
  GetWindowRect(page, &window);
  GetClientRect(page, &client);
  SetWindowPos(page, nullptr, 0, 0, w + (window.right - window.left) - client.right,
               h + (window.bottom - window.top) - client.bottom, SWP_NOMOVE | SWP_NOZORDER);
  PlayerTest::Pump();
}

[[maybe_unused]] SCROLLINFO Bar(HWND page, int bar) {
  SCROLLINFO info = {};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  GetScrollInfo(page, bar, &info);
  return info;
}

}  // namespace

#if MORVI_FIXTURE_PAGE_TEXT

// The first three lines restore and are judged at once.
class RestoredPage : public PageTest {
 protected:
  SavedFile saved_{"  paris \r\n\r\nPARIS" + std::string(97, '!') + "\r\n"};
};

TEST_F(RestoredPage, TextRowsAreBuiltAndRestoredAnswersJudged) {
  for (int q = 1; q <= 3; ++q) {
    const int y = 5 + 25 * (q - 1);
    ExpectPlace(page(), kAnswerIdBase + q, 610, y, 170, 20);
    ExpectPlace(page(), kVerdictIdBase + q, 790, y, 100, 20);
    // The edit class trades WS_BORDER for a client edge.
    EXPECT_EQ(Style(page(), kAnswerIdBase + q) & ~WS_BORDER, 0x50010081u);
    EXPECT_EQ(Style(page(), kVerdictIdBase + q), 0x50800201u);
  }
  // Every number field is 2000 and every question field 3000: walk them.
  int numbers = 0, questions = 0;
  for (HWND child = GetWindow(page(), GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    const RECT r = PlaceInParent(child);
    if (GetDlgCtrlID(child) == kNumberIdBase) {
      if (numbers < 3) {
        EXPECT_EQ(r.left, 26);
        EXPECT_EQ(r.top, 7 + 25 * numbers);
        EXPECT_EQ(r.right - r.left, 19);
        EXPECT_EQ(Text(child, 0), "");  // (its own text is below)
        char number[8];
        GetWindowTextA(child, number, sizeof number);
        EXPECT_EQ(std::string(number), std::to_string(numbers + 1) + ".");
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrA(child, GWL_STYLE)), 0x50000002u);
      }
      ++numbers;
    }
    if (GetDlgCtrlID(child) == kQuestionId) {
      if (questions == 1) {
        EXPECT_EQ(r.left, 50);
        EXPECT_EQ(r.top, 30);
        EXPECT_EQ(r.right - r.left, 550);
      }
      ++questions;
    }
  }
  EXPECT_EQ(numbers, 40);
  EXPECT_EQ(questions, 40);
  EXPECT_EQ(appState->pageWidth, 900);
  EXPECT_EQ(appState->pageHeight, 1005);

  HWND field = GetDlgItem(page(), 4001);
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(field, WM_GETFONT, 0, 0)), appState->answerFont);
  EXPECT_EQ(SendMessageA(field, EM_GETLIMITTEXT, 0, 0), 85);
  EXPECT_EQ(SendMessageA(GetDlgItem(page(), 5001), WM_GETFONT, 0, 0), 0);
  LOGFONTA font = {};
  GetObjectA(appState->answerFont, sizeof font, &font);
  EXPECT_EQ(font.lfHeight, 15);
  EXPECT_EQ(font.lfWeight, 100);

  EXPECT_EQ(Text(page(), 4001), "  paris ");
  EXPECT_EQ(Verdict(4001), "BRAVO");
  EXPECT_EQ(Verdict(4002), "?");
  EXPECT_EQ(Text(page(), 4003).size(), 85u) << "a saved line gives at most 85 characters";
  EXPECT_EQ(Verdict(4003), "FAUX") << "80 bytes more than the accepted answer";
  EXPECT_EQ(Score(), " 1 / 40");
  EXPECT_EQ(Text(header(), kCodeFieldId), "UN");
}

TEST_F(PageTest, VerdictsScoreAndRewardCodes) {
  EXPECT_EQ(Score(), " 0 / 40");
  EXPECT_EQ(Text(header(), kCodeFieldId), "") << "empty until a verdict changes";
  Answer(4004, "helene");
  EXPECT_EQ(Verdict(4004), "Presque");
  Answer(4004, "HÉLÈNE");
  EXPECT_EQ(Verdict(4004), "BRAVO");
  Answer(4002, "rois");
  EXPECT_EQ(Verdict(4002), "FAUX");
  Answer(4002, "roi");
  EXPECT_EQ(Score(), " 2 / 40");
  EXPECT_EQ(Text(header(), kCodeFieldId), "DEUX");
  EXPECT_EQ(AnswerAt(appState->answers, 1)->solved, 1);

  // A right answer changed to a wrong one: the score drops, the mark stays.
  Answer(4004, "helen");
  Answer(4002, "rai");
  EXPECT_EQ(Verdict(4002), "FAUX");
  EXPECT_EQ(Score(), " 0 / 40");
  EXPECT_EQ(Text(header(), kCodeFieldId), "      ") << "six blanks at 0";
  EXPECT_EQ(AnswerAt(appState->answers, 1)->solved, 1);

  // Judging an unchanged field changes nothing, not even the score.
  SetDlgItemTextA(header(), kScoreFieldId, "untouched");
  Answer(4002, "rai");
  EXPECT_EQ(Score(), "untouched");
}

TEST_F(PageTest, VerdictColours) {
  HDC dc = CreateCompatibleDC(nullptr);
  const struct {
    const char* typed;
    HBRUSH brush;
    COLORREF background;
  } cases[] = {
      {"paris", nullptr, 0x0000FF00},  // right: the page's own green brush
      {"xyzab", appState->wrongBrush, 0x000000FF},
      {"apris", appState->anagramBrush, 0x000000FF},
      {"pari", appState->hintBrush, 0x000000FF},
  };
  HBRUSH green = nullptr;
  for (const auto& c : cases) {
    Answer(4001, c.typed);
    SetBkColor(dc, 0x00123456);
    HBRUSH brush = ColourOf(page(), GetDlgItem(page(), 5001), dc);
    if (c.brush == nullptr) {
      green = brush;
      LOGBRUSH info = {};
      GetObjectA(brush, sizeof info, &info);
      EXPECT_EQ(info.lbColor, 0x0000FF00u);
    } else {
      EXPECT_EQ(brush, c.brush) << c.typed;
    }
    EXPECT_EQ(GetBkColor(dc), c.background) << c.typed;
  }
  // "?" keeps the dialog's own colours.
  HBRUSH empty = ColourOf(page(), GetDlgItem(page(), 5002), dc);
  EXPECT_NE(empty, appState->pageBrush);
  EXPECT_NE(empty, green);

  // Question texts are pale yellow; numbers white on dark pages, else black.
  EXPECT_EQ(ColourOf(page(), GetDlgItem(page(), kQuestionId), dc), appState->questionBrush);
  EXPECT_EQ(GetBkColor(dc), 0x00C0FFFFu);
  for (const auto& [red, green2, text] : {std::tuple{60, 60, 0x00FFFFFFu}, std::tuple{70, 60, 0u}}) {
    appState->pageRed = red;
    appState->pageGreen = green2;
    EXPECT_EQ(ColourOf(page(), GetDlgItem(page(), kNumberIdBase), dc), appState->pageBrush);
    EXPECT_EQ(GetTextColor(dc), text);
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
  }
  EXPECT_EQ(reinterpret_cast<HBRUSH>(SendMessageA(page(), WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc), 0)),
            appState->pageBrush);
  DeleteDC(dc);
  Close();
  EXPECT_EQ(GetObjectType(green), 0u) << "the page deletes its brush";
}

TEST_F(PageTest, TabJudgesThroughTheDialogManager) {
  SetFocus(GetDlgItem(page(), 4001));
  Pump();
  TypeText("paris");
  EXPECT_EQ(Verdict(4001), "?") << "not judged while typing";
  PressKey(VK_TAB);
  EXPECT_EQ(GetFocus(), GetDlgItem(page(), 4002));
  EXPECT_EQ(Verdict(4001), "BRAVO");
  PressKey(VK_TAB);
  EXPECT_EQ(Verdict(4002), "?") << "an empty field keeps its ?";
  EXPECT_EQ(GetFocus(), GetDlgItem(page(), 4003));
  PressKey(VK_TAB, false);
}

TEST_F(PageTest, EnterJudgesAndNeverReachesTheField) {
  SetFocus(GetDlgItem(page(), 4002));
  Pump();
  TypeText("roi");
  PressKey(VK_RETURN);
  EXPECT_EQ(Verdict(4002), "BRAVO");
  EXPECT_EQ(GetFocus(), GetDlgItem(page(), 4002));
  HWND field = GetDlgItem(page(), 4002);
  for (WPARAM c : {WPARAM('\r'), WPARAM('\t'), WPARAM(0)}) SendMessageA(field, WM_CHAR, c, 1);
  EXPECT_EQ(Text(page(), 4002), "roi");
  SendMessageA(field, WM_CHAR, 's', 1);
  EXPECT_EQ(Text(page(), 4002), "rois");
}

TEST_F(PageTest, F1TriesTheTextInEveryUnsolvedField) {
  Answer(4002, "roi");
  Answer(4005, "mot5");
  SetFocus(GetDlgItem(page(), 4001));
  Pump();
  TypeText("paris");
  PressKey(VK_F1);
  EXPECT_EQ(GetFocus(), GetDlgItem(page(), 4001));
  EXPECT_EQ(Text(page(), 4002), "roi") << "right fields keep their text";
  EXPECT_EQ(Text(page(), 4005), "mot5");
  EXPECT_EQ(Text(page(), 4003), "paris");
  EXPECT_EQ(Text(page(), 4040), "paris");
  EXPECT_EQ(Verdict(4001), "BRAVO");
  EXPECT_EQ(Verdict(4003), "BRAVO");
  EXPECT_EQ(Verdict(4040), "FAUX");
  EXPECT_EQ(Score(), " 4 / 40");
}

TEST_F(PageTest, F1WhenEverythingElseIsRightChangesNothing) {
  for (int f = 2; f <= 40; ++f) {
    char text[16];
    GetDlgItemTextA(page(), f + 4000, text, sizeof text);
    const char* answers[] = {"", "", "roi", "paris", "hélène"};
    if (f <= 4) {
      Answer(4000 + f, answers[f]);
    } else {
      wsprintfA(text, "mot%d", f);
      Answer(4000 + f, text);
    }
  }
  EXPECT_EQ(Score(), " 39 / 40");
  SetFocus(GetDlgItem(page(), 4001));
  Pump();
  TypeText("zzz");
  PressKey(VK_F1);
  EXPECT_EQ(Text(page(), 4002), "roi");
  EXPECT_EQ(Score(), " 39 / 40");
}

TEST_F(PageTest, F2SavesEvenWithAlt) {
  SetFocus(GetDlgItem(page(), 4001));
  Pump();
  TypeText("a");
  PressKey(VK_F2);
  EXPECT_EQ(ReadSaved().substr(0, 5), "a\r\n\r\n");
  TypeText("b");
  PressKey(VK_F2, true);
  EXPECT_EQ(ReadSaved().substr(0, 6), "ab\r\n\r\n");
  EXPECT_EQ(ReadSaved().size(), 2u + 40 * 2);
}

TEST_F(PageTest, ScrollRangesAndRequests) {
  SetPageClient(page(), 700, 400);
  ASSERT_EQ(GetScrollPos(page(), SB_HORZ), 0) << "the page starts at its top-left corner";
  SCROLLINFO vertical = Bar(page(), SB_VERT), horizontal = Bar(page(), SB_HORZ);
  EXPECT_EQ(vertical.nMax, 1003);
  EXPECT_EQ(vertical.nPage, 399u);
  EXPECT_EQ(horizontal.nMax, 898);
  EXPECT_EQ(horizontal.nPage, 699u);
  const struct {
    WPARAM code;
    int position;
  } steps[] = {
      {SB_LINEDOWN, 310}, {SB_LINEDOWN, 605}, {SB_LINEUP, 295}, {SB_TOP, 0},  {SB_PAGEDOWN, 399},
      {SB_BOTTOM, 605},   {SB_THUMBPOSITION, 605}, {SB_TOP, 0},  {500, 50},   {501, 0},
  };
  for (const auto& step : steps) {
    SendMessageA(page(), WM_VSCROLL, step.code, 0);
    EXPECT_EQ(GetScrollPos(page(), SB_VERT), step.position) << step.code;
    EXPECT_EQ(Top(page(), 4001), 5 - step.position) << "controls follow the position";
  }
  SendMessageA(page(), WM_HSCROLL, SB_LINERIGHT, 0);
  EXPECT_EQ(GetScrollPos(page(), SB_HORZ), 1);
  SendMessageA(page(), WM_HSCROLL, SB_PAGERIGHT, 0);
  EXPECT_EQ(GetScrollPos(page(), SB_HORZ), 200);
  EXPECT_EQ(PlaceInParent(GetDlgItem(page(), 4001)).left, 410);
  SendMessageA(page(), WM_HSCROLL, SB_LEFT, 0);
  EXPECT_EQ(GetScrollPos(page(), SB_HORZ), 200) << "SB_LEFT is not one of the page's codes";

  // The wheel is posted to the page, 50 pixels a notch; 60 does nothing.
  SendMessageA(page(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0);
  EXPECT_EQ(GetScrollPos(page(), SB_VERT), 0) << "posted, not yet done";
  Pump();
  EXPECT_EQ(GetScrollPos(page(), SB_VERT), 50);
  SendMessageA(page(), WM_MOUSEWHEEL, MAKEWPARAM(0, 60), 0);
  Pump();
  EXPECT_EQ(GetScrollPos(page(), SB_VERT), 50);

  // A page taller than the content goes back to the top, controls too.
  SendMessageA(page(), WM_VSCROLL, SB_BOTTOM, 0);
  SetPageClient(page(), 700, 1100);
  EXPECT_EQ(GetScrollPos(page(), SB_VERT), 0);
  EXPECT_EQ(Top(page(), 4001), 5);
  const SCROLLINFO tall = Bar(page(), SB_VERT);
  EXPECT_GT(static_cast<int>(tall.nPage), tall.nMax - tall.nMin) << "nothing left to scroll";
  SendMessageA(page(), WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(Top(page(), 4001), 5) << "any request leaves the contents where they are";
}

TEST_F(PageTest, PageKeysAndFocusScrollThePage) {
  SetPageClient(page(), 700, 400);
  SetFocus(GetDlgItem(page(), 4001));
  Pump();
  PressKey(VK_DOWN);
  EXPECT_EQ(GetScrollPos(page(), SB_VERT), 399);
  PressKey(VK_NEXT);
  EXPECT_EQ(GetScrollPos(page(), SB_VERT), 605);
  PressKey(VK_PRIOR);
  EXPECT_EQ(GetScrollPos(page(), SB_VERT), 206);
  PressKey(VK_UP);
  EXPECT_EQ(GetScrollPos(page(), SB_VERT), 0);

  // A field that gains the focus outside the visible area brings itself in.
  SetFocus(GetDlgItem(page(), 4020));  // content top 480
  Pump();
  EXPECT_EQ(GetScrollPos(page(), SB_VERT), 480 - 15);
  EXPECT_EQ(GetScrollPos(page(), SB_HORZ), 200) << "610 + 18 - 130, limited to 200";
  EXPECT_EQ(Top(page(), 4020), 15);
  DWORD start = 0, end = 0;
  SendMessageA(GetDlgItem(page(), 4020), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  // One in view does not move it.
  SetFocus(GetDlgItem(page(), 4022));
  Pump();
  EXPECT_EQ(GetScrollPos(page(), SB_VERT), 465);
}

#endif  // MORVI_FIXTURE_PAGE_TEXT

#if MORVI_FIXTURE_PAGE_PICTURE
TEST_F(PageTest, PictureRowOfThreeAsLaidOut) {
  ExpectPlace(page(), 9901, 46, 37, 260, 195);
  ExpectPlace(page(), 9902, 366, 5, 200, 260);
  ExpectPlace(page(), 9903, 626, 85, 260, 100);
  for (int q = 1; q <= 3; ++q) {
    ExpectPlace(page(), 4000 + q, 46 + 290 * (q - 1), 275, 260, 20);
    ExpectPlace(page(), 5000 + q, 46 + 290 * (q - 1), 294, 260, 20);
    ExpectPlace(page(), 2000 + q, 18 + 290 * (q - 1), 277, 27, 17);
    EXPECT_EQ(Style(page(), 9900 + q), 0x5080020Eu);
    EXPECT_EQ(GetDlgItem(page(), 8000 + q), nullptr) << "question type 0 has no reveal field";
    HBITMAP bitmap = reinterpret_cast<HBITMAP>(SendDlgItemMessageA(page(), 9900 + q, STM_GETIMAGE, IMAGE_BITMAP, 0));
    ASSERT_NE(bitmap, nullptr) << q;
  }
  EXPECT_EQ(appState->pictureRowHeights[0], 260);
  EXPECT_EQ(appState->pageWidth, 910);
  EXPECT_EQ(appState->pageHeight, 335);
  // Tab order: the answer fields in question order.
  SetFocus(GetDlgItem(page(), 4001));
  Pump();
  PressKey(VK_TAB);
  EXPECT_EQ(GetFocus(), GetDlgItem(page(), 4002));
}

TEST_F(PageTest, PicturesAreReleasedWithThePage) {
  HBITMAP bitmaps[3];
  for (int q = 1; q <= 3; ++q) {
    bitmaps[q - 1] = reinterpret_cast<HBITMAP>(SendDlgItemMessageA(page(), 9900 + q, STM_GETIMAGE, IMAGE_BITMAP, 0));
    EXPECT_NE(GetObjectType(bitmaps[q - 1]), 0u);
  }
  Close();
  for (HBITMAP bitmap : bitmaps) EXPECT_EQ(GetObjectType(bitmap), 0u);
}
#endif

#if MORVI_FIXTURE_PAGE_HIDING
class HidingTest : public PageTest {
 protected:
  void Check(bool on) {
    HWND box = GetDlgItem(header(), kHideBoxId);
    if ((SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED) != on) SendMessageA(box, BM_CLICK, 0, 0);
    Pump();
  }
};

TEST_F(HidingTest, SolvedRowsHideCollapseAndComeBack) {
  ASSERT_EQ(appState->pageHeight, 735);
  const int answer4 = Top(page(), 4004), answer7 = Top(page(), 4007);
  Check(true);
  Answer(4001, "r1");
  Answer(4002, "r2");
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(page(), 9901)));
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(page(), 9902)));
  EXPECT_EQ(Top(page(), 4001), 275 - 260);
  EXPECT_EQ(Top(page(), 5002), 294 - 260);
  EXPECT_EQ(Top(page(), 2001), 277 - 260);
  EXPECT_EQ(Top(page(), 4004), answer4) << "nothing else moves";
  Answer(4003, "r3");
  EXPECT_EQ(Top(page(), 4004), answer4 - 260);
  EXPECT_EQ(Top(page(), 9904), 335 - 260);
  EXPECT_EQ(appState->pageHeight, 735 - 260);
  Answer(4007, "r7");
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(page(), 9907)));
  EXPECT_EQ(appState->pageHeight, 735 - 260) << "the last row is incomplete: no collapse";
  EXPECT_EQ(Top(page(), 4007), answer7 - 260 - 130);

  Check(false);
  for (int q = 1; q <= 7; ++q) EXPECT_TRUE(IsWindowVisible(GetDlgItem(page(), 9900 + q))) << q;
  EXPECT_EQ(Top(page(), 4001), 275);
  EXPECT_EQ(Top(page(), 4004), answer4);
  EXPECT_EQ(Top(page(), 4007), answer7);
  EXPECT_EQ(appState->pageHeight, 735);

  Check(true);
  EXPECT_EQ(Top(page(), 4004), answer4 - 260);
  EXPECT_EQ(appState->pageHeight, 475);
}

TEST_F(HidingTest, ShorterContentScrollsBackToTheTop) {
  SendMessageA(page(), WM_VSCROLL, SB_BOTTOM, 0);
  ASSERT_GT(GetScrollPos(page(), SB_VERT), 0);
  Check(true);
  for (int q = 1; q <= 6; ++q) {
    char answer[4];
    wsprintfA(answer, "r%d", q);
    Answer(4000 + q, answer);
  }
  EXPECT_EQ(appState->pageHeight, 735 - 260 - 130);
  EXPECT_EQ(GetScrollPos(page(), SB_VERT), 0);
  EXPECT_EQ(Top(page(), 4007), 675 - 390);
}

TEST_F(HidingTest, SolvedQuestionRevealsItsPicture) {
  HBITMAP before = reinterpret_cast<HBITMAP>(SendDlgItemMessageA(page(), 9901, STM_GETIMAGE, IMAGE_BITMAP, 0));
  Answer(4001, "r1");
  // The 100 x 50 reveal picture fitted to 260 x 260 (the row's height),
  // centred on the old 260 x 195 field at (46, 37).
  ExpectPlace(page(), 9901, 46, 37 + (195 - 130) / 2, 260, 130);
  EXPECT_EQ(GetObjectType(before), 0u) << "the replaced picture is deleted";
  // The fourth question's reveal picture fits the height of row 1 (130).
  Answer(4004, "r4");
  ExpectPlace(page(), 9904, 46, 335, 260, 130);
  // Without a reveal picture only the verdict changes.
  const RECT second = PlaceInParent(GetDlgItem(page(), 9902));
  Answer(4002, "r2");
  EXPECT_EQ(PlaceInParent(GetDlgItem(page(), 9902)).top, second.top);
  // Turned wrong again: the verdict changes, the picture stays.
  Answer(4001, "x");
  EXPECT_EQ(Verdict(4001), "FAUX");
  ExpectPlace(page(), 9901, 46, 69, 260, 130);
}
#endif

#if MORVI_FIXTURE_PAGE_TWO
TEST_F(PageTest, VideoRowsWithTwoAnswers) {
  const int rowY = 5 + 210;
  ExpectPlace(page(), 9901, 106, 5, 260, 200);
  EXPECT_EQ(Style(page(), 9901), 0x50800000u);
  ExpectPlace(page(), 4001, 126, rowY, 181, 20);
  ExpectPlace(page(), 4002, 126, rowY + 19, 181, 20);
  ExpectPlace(page(), 5001, 306, rowY, 60, 20);
  ExpectPlace(page(), 5002, 306, rowY + 19, 60, 20);
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendDlgItemMessageA(page(), 5001, WM_GETFONT, 0, 0)), GetStockObject(DEFAULT_GUI_FONT));
  ExpectPlace(page(), 4003, 416, rowY, 181, 20);
  ExpectPlace(page(), 6001, 106, rowY, 20, 20);
  ExpectPlace(page(), 7001, 106, rowY + 20, 20, 19);
  EXPECT_EQ(Style(page(), 6001), 0x50010041u);
  EXPECT_NE(SendDlgItemMessageA(page(), 6001, BM_GETIMAGE, IMAGE_ICON, 0), 0);
  EXPECT_NE(SendDlgItemMessageA(page(), 7001, BM_GETIMAGE, IMAGE_ICON, 0), 0);
  ExpectPlace(page(), 8001, 106, rowY + 46, 260, 65);
  // Captions beside the first column only: two per picture row.
  int captions = 0;
  for (HWND child = GetWindow(page(), GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (GetDlgCtrlID(child) == kCaptionId) {
      const RECT r = PlaceInParent(child);
      EXPECT_LE(r.left, 4);
      ++captions;
    }
  }
  EXPECT_EQ(captions, 4);
  EXPECT_EQ(appState->pageWidth, 890 + 80);
  EXPECT_EQ(appState->pageHeight, rowY + 140 + 210 + 140);
}

TEST_F(PageTest, WordCountHintsShowFromTheStart) {
  EXPECT_EQ(Text(page(), 8001), "en 2 mots");
  EXPECT_TRUE(IsWindowVisible(GetDlgItem(page(), 8001)));
  EXPECT_EQ(Text(page(), 8002), "en 1 mot");
  EXPECT_EQ(Text(page(), 8003), "en 1 mot") << "a hyphen after ! joins";
}

TEST_F(PageTest, DashSecondAnswerIsHiddenAndRight) {
  EXPECT_EQ(Text(page(), 4004), "-");
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(page(), 4004)));
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(page(), 5004)));
  EXPECT_EQ(Verdict(4004), "BRAVO");
  Answer(4003, "Victor");
  EXPECT_EQ(AnswerAt(appState->answers, 1)->solved, 1);
  EXPECT_EQ(Text(page(), 8002), "seul") << "question type 7 shows the extra text once solved";
  EXPECT_EQ(Text(header(), kScoreFieldId), " 1 / 4");
}

TEST_F(PageTest, BothAnswersMakeTheQuestion) {
  Answer(4001, "jean-paul");
  EXPECT_EQ(Verdict(4001), "BRAVO");
  EXPECT_EQ(AnswerAt(appState->answers, 0)->solved, 0);
  EXPECT_EQ(Text(header(), kScoreFieldId), " 0 / 4");
  Answer(4002, "sartre");
  EXPECT_EQ(AnswerAt(appState->answers, 0)->solved, 1);
  EXPECT_EQ(Text(page(), 8001), "philosophe");
  EXPECT_EQ(Text(header(), kScoreFieldId), " 1 / 4");
  EXPECT_EQ(Text(header(), kCodeFieldId), "A");
  // Solved the other way round too.
  Answer(4008, "b");
  EXPECT_EQ(AnswerAt(appState->answers, 3)->solved, 0);
  Answer(4007, "a");
  EXPECT_EQ(AnswerAt(appState->answers, 3)->solved, 1);
  // A wrong answer in a type-7 quiz leaves the reveal field shown.
  Answer(4001, "paul");
  EXPECT_TRUE(IsWindowVisible(GetDlgItem(page(), 8001)));
}
#endif

#if MORVI_FIXTURE_PAGE_FINAL
TEST_F(PageTest, WholePageRightRevealsEverythingOnce) {
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(page(), 8001)));
  Answer(4001, "un");
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(page(), 8001))) << "type 4 waits for the whole page";
  EXPECT_EQ(appState->allSolved, 0);
  HBITMAP before = reinterpret_cast<HBITMAP>(SendDlgItemMessageA(page(), 9901, STM_GETIMAGE, IMAGE_BITMAP, 0));
  Answer(4002, "deux");
  EXPECT_EQ(appState->allSolved, 1);
  EXPECT_TRUE(IsWindowVisible(GetDlgItem(page(), 8001)));
  EXPECT_TRUE(IsWindowVisible(GetDlgItem(page(), 8002)));
  EXPECT_EQ(Text(page(), 8001), "premier");
  HBITMAP revealed = reinterpret_cast<HBITMAP>(SendDlgItemMessageA(page(), 9901, STM_GETIMAGE, IMAGE_BITMAP, 0));
  EXPECT_NE(revealed, nullptr);
  EXPECT_NE(revealed, before);

  Answer(4001, "trois");
  EXPECT_EQ(appState->allSolved, 0);
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(page(), 8001)));
  EXPECT_TRUE(IsWindowVisible(GetDlgItem(page(), 8002)));
  Answer(4001, "un");
  EXPECT_EQ(appState->allSolved, 1);
  EXPECT_TRUE(IsWindowVisible(GetDlgItem(page(), 8001))) << "turned back: revealed again";
}
#endif
