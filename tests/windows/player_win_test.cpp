// The player's start-up, main window, header bar and shutdown, with the real
// windows of the player running inside this test program. Each fixture
// program carries one quiz (see CMakeLists.txt); MORVI_FIXTURE names it.
#include "app/player_win.h"

#include <gtest/gtest.h>
#include <objbase.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/header_bar_win.h"
#include "app/layout.h"
#include "app/main_window_win.h"
#include "app/media_win.h"
#include "app/resource_ids.h"
#include "page/question_page_win.h"
#include "support/message_box_watcher.h"
#include "support/player_fixture.h"
#include "support/test_dialog.h"

namespace {

[[maybe_unused]] std::string TextOf(HWND window) {
  char text[512] = "";
  GetWindowTextA(window, text, sizeof text);
  return text;
}

[[maybe_unused]] COLORREF BrushColour(HGDIOBJ brush) {
  LOGBRUSH info = {};
  GetObjectA(brush, sizeof info, &info);
  return info.lbColor;
}

[[maybe_unused]] bool ComWasInitialised() {
  const HRESULT result = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  if (SUCCEEDED(result)) CoUninitialize();
  return result == S_FALSE;
}

// Makes the client area of the main window w x h.
[[maybe_unused]] void SetClientSize(HWND window, int w, int h) {
  RECT rect = {0, 0, w, h};
  AdjustWindowRectEx(&rect, WS_OVERLAPPEDWINDOW, FALSE, 0);
  SetWindowPos(window, nullptr, 0, 0, rect.right - rect.left, rect.bottom - rect.top,
               SWP_NOMOVE | SWP_NOZORDER);
}

[[maybe_unused]] void ExpectPlace(HWND control, int x, int y, int w, int h) {
  const RECT r = PlaceInParent(control);
  EXPECT_EQ(r.left, x) << GetDlgCtrlID(control);
  EXPECT_EQ(r.top, y) << GetDlgCtrlID(control);
  EXPECT_EQ(r.right - r.left, w) << GetDlgCtrlID(control);
  EXPECT_EQ(r.bottom - r.top, h) << GetDlgCtrlID(control);
}

// Resizes the header bar so that its client area is w pixels wide.
[[maybe_unused]] void SetHeaderClientWidth(HWND header, int w) {
  RECT window, client;
  GetWindowRect(header, &window);
  GetClientRect(header, &client);
  const int frame = (window.right - window.left) - client.right;
  SetWindowPos(header, nullptr, 0, 0, w + frame, window.bottom - window.top, SWP_NOMOVE | SWP_NOZORDER);
}

}  // namespace

#if MORVI_FIXTURE_SHELL

namespace {

// Records the dialogs made as children of the main window, in order, and
// what the score field says when the page is made.
std::vector<HWND> madeDialogs;
std::string scoreWhenPageMade;

LRESULT CALLBACK RecordCreation(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) {
    const CBT_CREATEWNDA* create = reinterpret_cast<CBT_CREATEWNDA*>(lParam);
    const bool dialog = HIWORD(reinterpret_cast<UINT_PTR>(create->lpcs->lpszClass)) == 0 &&
                        LOWORD(reinterpret_cast<UINT_PTR>(create->lpcs->lpszClass)) == 32770;
    if (dialog && create->lpcs->hwndParent == mainWindow && mainWindow != nullptr) {
      madeDialogs.push_back(reinterpret_cast<HWND>(wParam));
      if (madeDialogs.size() == 2) {
        char score[64] = "";
        GetDlgItemTextA(madeDialogs[0], kScoreFieldId, score, sizeof score);
        scoreWhenPageMade = score;
      }
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

TEST(StartUp, HeaderBarExistsWithItsScoreBeforeThePage) {
  HHOOK hook = SetWindowsHookExA(WH_CBT, RecordCreation, nullptr, GetCurrentThreadId());
  ASSERT_TRUE(StartPlayer(GetModuleHandleA(nullptr)));
  UnhookWindowsHookEx(hook);
  ASSERT_EQ(madeDialogs.size(), 2u);
  EXPECT_EQ(madeDialogs[0], appState->headerBarWindow);
  EXPECT_EQ(madeDialogs[1], appState->pageWindow);
  EXPECT_EQ(scoreWhenPageMade, " 0 / 12");
  SendMessageA(mainWindow, WM_CLOSE, 0, 0);
  EXPECT_EQ(RunMessageLoop(), 0);
  StopPlayer();
  EXPECT_EQ(appState, nullptr);
}

TEST(StartUp, ClassThatCannotBeRegisteredEndsStartUp) {
  WNDCLASSEXA taken = {};
  taken.cbSize = sizeof taken;
  taken.lpfnWndProc = DefWindowProcA;
  taken.hInstance = GetModuleHandleA(nullptr);
  taken.lpszClassName = kMainWindowClass;
  ASSERT_NE(RegisterClassExA(&taken), 0);
  MessageBoxWatcher watcher;
  EXPECT_EQ(RunPlayer(GetModuleHandleA(nullptr)), 0);
  ASSERT_EQ(watcher.shown().size(), 1u);
  EXPECT_EQ(watcher.shown()[0].caption, "Morvi");
  EXPECT_EQ(watcher.shown()[0].text, "Erreur dans la création de la fenêtre principale");
  EXPECT_EQ(appState, nullptr);
  EXPECT_EQ(mainWindow, nullptr);
}

TEST_F(PlayerTest, MainWindowIsCentredAndTitledAndItsClassIsAsMade) {
  RECT rect;
  GetWindowRect(mainWindow, &rect);
  EXPECT_EQ(rect.left, 175);
  EXPECT_EQ(rect.top, 212);
  EXPECT_EQ(rect.right - rect.left, 930);
  EXPECT_EQ(rect.bottom - rect.top, 600);
  EXPECT_EQ(TextOf(mainWindow), "Coquilles");
  EXPECT_TRUE(IsWindowVisible(mainWindow));
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrA(mainWindow, GWL_STYLE)) & WS_OVERLAPPEDWINDOW,
            static_cast<DWORD>(WS_OVERLAPPEDWINDOW));

  WNDCLASSEXA info = {};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetClassInfoExA(GetModuleHandleA(nullptr), kMainWindowClass, &info));
  EXPECT_EQ(info.style, static_cast<UINT>(CS_OWNDC));
  EXPECT_EQ(info.hbrBackground, reinterpret_cast<HBRUSH>(COLOR_SCROLLBAR + 1));
  EXPECT_EQ(info.hCursor, LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)));
  EXPECT_EQ(info.hIcon, LoadIconA(nullptr, MAKEINTRESOURCEA(32512)));
  EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(mainWindow, WM_GETICON, ICON_BIG, 0)),
            LoadIconA(nullptr, MAKEINTRESOURCEA(32514)));

  HWND credits = GetDlgItem(mainWindow, kCreditsId);
  EXPECT_EQ(TextOf(credits), "Crédits");
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageA(credits, WM_GETFONT, 0, 0)),
            GetStockObject(DEFAULT_GUI_FONT));
  EXPECT_TRUE(GetWindowLongPtrA(header(), GWL_STYLE) & WS_BORDER);
  EXPECT_TRUE(GetWindowLongPtrA(page(), GWL_STYLE) & WS_VSCROLL);
  EXPECT_TRUE(GetWindowLongPtrA(page(), GWL_STYLE) & WS_HSCROLL);
  EXPECT_TRUE(IsWindowVisible(page()));
  EXPECT_TRUE(IsWindowVisible(header()));
}

TEST_F(PlayerTest, LayoutFollowsTheClientArea) {
  SetClientSize(mainWindow, 900, 540);
  Pump();
  ExpectPlace(page(), 5, 50, 889, 472);
  ExpectPlace(header(), 5, 2, 889, 49);
  ExpectPlace(GetDlgItem(mainWindow, kCreditsId), 755, 524, 150, 15);
}

TEST_F(PlayerTest, MinimisingLeavesTheLayoutAndRestoringReappliesIt) {
  SetClientSize(mainWindow, 900, 540);
  Pump();
  ShowWindow(mainWindow, SW_MINIMIZE);
  Pump();
  ExpectPlace(page(), 5, 50, 889, 472);
  SetWindowPos(page(), nullptr, 0, 0, 10, 10, SWP_NOZORDER);
  ShowWindow(mainWindow, SW_RESTORE);
  Pump();
  ExpectPlace(page(), 5, 50, 889, 472);
  ExpectPlace(header(), 5, 2, 889, 49);
}

namespace {

std::vector<WPARAM> pageScrolls;
WNDPROC pageProc = nullptr;

LRESULT CALLBACK RecordScrolls(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_VSCROLL) pageScrolls.push_back(wParam);
  return CallWindowProcA(pageProc, window, message, wParam, lParam);
}

}  // namespace

TEST_F(PlayerTest, WheelNotchesArePostedToThePage) {
  pageProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(page(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordScrolls)));
  const struct {
    short delta;
    std::vector<WPARAM> scrolls;
  } cases[] = {{120, {kScrollWheelUp}}, {-120, {kScrollWheelDown}}, {60, {}}, {240, {}}, {-60, {}}};
  for (const auto& c : cases) {
    pageScrolls.clear();
    SendMessageA(mainWindow, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(c.delta)), MAKELPARAM(400, 400));
    EXPECT_TRUE(pageScrolls.empty()) << "posted, not sent";
    Pump();
    EXPECT_EQ(pageScrolls, c.scrolls) << c.delta;
  }
  SetWindowLongPtrA(page(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pageProc));
}

TEST_F(PlayerTest, ClosingSavesTheAnswersBeforeThePageGoes) {
  SetDlgItemTextA(page(), 4001, "avant");
  const HWND pageWindow = page();
  EXPECT_EQ(Close(), 0);
  HANDLE file = CreateFileA("shell_tests.txt", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  char bytes[64] = "";
  DWORD read = 0;
  ReadFile(file, bytes, sizeof bytes - 1, &read, nullptr);
  CloseHandle(file);
  std::string expected = "avant\r\n";
  for (int i = 1; i < 12; ++i) expected += "\r\n";
  EXPECT_EQ(std::string(bytes, read), expected);
  EXPECT_FALSE(IsWindow(pageWindow));
}

TEST_F(PlayerTest, HeaderBarControls) {
  const struct {
    int id;
    const char* className;
    const char* text;
  } controls[] = {
      {kLinkId, "Static", "link-target.exe"}, {kById, "Static", "Par :"},
      {kAuthorId, "Static", "Auteur"},        {kSaveButtonId, "Button", "Sauver"},
      {kDescriptionId, "Static", "Une description"}, {kTitleId, "Static", "Coquilles"},
      {kCodeLabelId, "Static", " Code :"},   {kScoreFieldId, "Static", " 0 / 12"},
      {kCodeFieldId, "Edit", ""},            {kScoreRuleId, "Static", ""},
      {kBlockRuleId, "Static", ""},          {kLinkRuleId, "Static", ""},
  };
  for (const auto& c : controls) {
    HWND control = GetDlgItem(header(), c.id);
    ASSERT_NE(control, nullptr) << c.id;
    char className[32];
    GetClassNameA(control, className, sizeof className);
    EXPECT_STREQ(className, c.className);
    EXPECT_EQ(TextOf(control), c.text);
  }
  EXPECT_EQ(GetDlgItem(header(), kHideBoxId), nullptr) << "only in the picture layout";
  EXPECT_TRUE(GetWindowLongPtrA(GetDlgItem(header(), kCodeFieldId), GWL_STYLE) & ES_READONLY);
  EXPECT_TRUE(GetWindowLongPtrA(GetDlgItem(header(), kLinkId), GWL_STYLE) & SS_NOTIFY);
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(GetDlgItem(header(), kTitleId), WM_GETFONT, 0, 0)),
            appState->titleFont);
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(GetDlgItem(header(), kScoreFieldId), WM_GETFONT, 0, 0)),
            appState->scoreFont);
  // Places as made, before any resize (the rules and the score block stay).
  ExpectPlace(GetDlgItem(header(), kCodeLabelId), 7, 29, 36, 15);
  ExpectPlace(GetDlgItem(header(), kScoreFieldId), 10, 1, 80, 20);
  ExpectPlace(GetDlgItem(header(), kCodeFieldId), 44, 29, 53, 16);
  ExpectPlace(GetDlgItem(header(), kScoreRuleId), 0, 26, 100, 1);
  ExpectPlace(GetDlgItem(header(), kBlockRuleId), 100, 0, 1, 50);
}

TEST_F(PlayerTest, HeaderBarPlacesForAClientWidthOf900) {
  SetHeaderClientWidth(header(), 900);
  Pump();
  ExpectPlace(GetDlgItem(header(), kLinkId), 766, 0, 115, 18);
  ExpectPlace(GetDlgItem(header(), kById), 766, 25, 26, 18);
  ExpectPlace(GetDlgItem(header(), kAuthorId), 793, 25, 105, 18);
  ExpectPlace(GetDlgItem(header(), kSaveButtonId), 696, 25, 55, 18);
  ExpectPlace(GetDlgItem(header(), kTitleId), 110, 3, 550, 18);
  ExpectPlace(GetDlgItem(header(), kDescriptionId), 110, 19, 576, 28);
  ExpectPlace(GetDlgItem(header(), kLinkRuleId), 755, 0, 1, 50);
}

TEST_F(PlayerTest, LinkFontAndPointingHand) {
  HWND link = GetDlgItem(header(), kLinkId);
  LOGFONTA font = {};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(link, WM_GETFONT, 0, 0)), sizeof font, &font);
  EXPECT_EQ(font.lfHeight, -13);
  EXPECT_EQ(font.lfWeight, 400);
  EXPECT_EQ(font.lfUnderline, 1);

  const HCURSOR hand = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(MORVI_HAND_CURSOR));
  ASSERT_NE(hand, nullptr);
  EXPECT_EQ(reinterpret_cast<HCURSOR>(GetClassLongPtrA(link, GCLP_HCURSOR)), hand);
  ICONINFO info = {};
  ASSERT_TRUE(GetIconInfo(hand, &info));
  EXPECT_FALSE(info.fIcon);
  EXPECT_EQ(info.xHotspot, 6u);
  EXPECT_EQ(info.yHotspot, 0u);
  BITMAP mask = {};
  GetObjectA(info.hbmMask, sizeof mask, &mask);
  EXPECT_EQ(mask.bmWidth, 32);
  EXPECT_EQ(mask.bmHeight, 64) << "monochrome: image and mask in one bitmap";
  EXPECT_EQ(info.hbmColor, nullptr);
  DeleteObject(info.hbmMask);

  // Only the link takes the mouse; the other statics let it through.
  EXPECT_EQ(SendMessageA(link, WM_NCHITTEST, 0, 0), HTCLIENT);
  EXPECT_EQ(SendMessageA(GetDlgItem(header(), kTitleId), WM_NCHITTEST, 0, 0), HTTRANSPARENT);
  EXPECT_EQ(SendMessageA(GetDlgItem(header(), kDescriptionId), WM_NCHITTEST, 0, 0), HTTRANSPARENT);
}

TEST_F(PlayerTest, Colours) {
  HDC dc = CreateCompatibleDC(nullptr);
  const auto colour = [dc](HWND parent, UINT message, int id) {
    SetBkMode(dc, OPAQUE);
    SetTextColor(dc, 0x00123456);
    return reinterpret_cast<HBRUSH>(SendMessageA(parent, message, reinterpret_cast<WPARAM>(dc),
                                                 reinterpret_cast<LPARAM>(GetDlgItem(parent, id))));
  };
  HBRUSH linkBrush = colour(header(), WM_CTLCOLORSTATIC, kLinkId);
  EXPECT_EQ(BrushColour(linkBrush), kHeaderColour);
  EXPECT_EQ(GetTextColor(dc), kLinkColour);
  EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
  for (int id : {kById, kAuthorId, kTitleId, kCodeFieldId, kScoreFieldId}) {
    EXPECT_EQ(colour(header(), WM_CTLCOLORSTATIC, id), linkBrush) << id;
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    EXPECT_EQ(GetTextColor(dc), 0x00123456u) << "text colour left alone";
  }
  // The rules are left to the dialog's default colours.
  EXPECT_NE(colour(header(), WM_CTLCOLORSTATIC, kScoreRuleId), linkBrush);
  EXPECT_EQ(colour(header(), WM_CTLCOLORDLG, 0), linkBrush);

  HBRUSH creditsColour = colour(mainWindow, WM_CTLCOLORSTATIC, kCreditsId);
  EXPECT_EQ(creditsColour, creditsBrush);
  EXPECT_EQ(BrushColour(creditsColour), 0x00C8D0D4u);
  EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
  DeleteDC(dc);
}

TEST_F(PlayerTest, SaveButtonWritesTheSavedAnswers) {
  SetDlgItemTextA(page(), 4002, "sauve");
  SendMessageA(GetDlgItem(header(), kSaveButtonId), BM_CLICK, 0, 0);
  HANDLE file = CreateFileA("shell_tests.txt", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  char bytes[64] = "";
  DWORD read = 0;
  ReadFile(file, bytes, sizeof bytes - 1, &read, nullptr);
  CloseHandle(file);
  EXPECT_EQ(std::string(bytes, read).substr(0, 9), "\r\nsauve\r\n");
}

TEST_F(PlayerTest, ClickingTheLinkOpensItThroughTheShell) {
  // The link names a program beside this one.
  char folder[MAX_PATH];
  GetModuleFileNameA(nullptr, folder, MAX_PATH);
  *strrchr(folder, '\\') = '\0';
  SetCurrentDirectoryA(folder);
  DeleteFileA("link-opened.txt");
  HWND link = GetDlgItem(header(), kLinkId);
  SendMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
  SendMessageA(link, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
  bool opened = false;
  for (int i = 0; i < 100 && !opened; ++i) {
    Pump();
    opened = GetFileAttributesA("link-opened.txt") != INVALID_FILE_ATTRIBUTES;
    if (!opened) Sleep(100);
  }
  EXPECT_TRUE(opened);
  DeleteFileA("link-opened.txt");
}

TEST_F(PlayerTest, TextQuizNeverLoadsTheMediaSupport) {
  EXPECT_EQ(GetModuleHandleA("atl.dll"), nullptr);
  EXPECT_EQ(atlAxAttachControl, nullptr);
  EXPECT_FALSE(ComWasInitialised());
}

#endif  // MORVI_FIXTURE_SHELL

#if MORVI_FIXTURE_CIPHER_TWO
TEST_F(PlayerTest, PictureLayoutHasTheHideBox) {
  HWND hide = GetDlgItem(header(), kHideBoxId);
  ASSERT_NE(hide, nullptr);
  EXPECT_EQ(TextOf(hide), "Cacher");
  EXPECT_EQ(GetWindowLongPtrA(hide, GWL_STYLE) & 0xF, BS_AUTOCHECKBOX);
  SetHeaderClientWidth(header(), 900);
  Pump();
  ExpectPlace(hide, 696, 0, 85, 18);
  // The box checks itself when clicked.
  SendMessageA(hide, BM_CLICK, 0, 0);
  EXPECT_EQ(SendMessageA(hide, BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(PlayerTest, PictureQuizNeverLoadsTheMediaSupport) {
  EXPECT_EQ(GetModuleHandleA("atl.dll"), nullptr);
  EXPECT_FALSE(ComWasInitialised());
}
#endif

#if MORVI_FIXTURE_BROKEN_BLOCK0
class BrokenPackage : public PlayerTest {
 protected:
  MessageBoxWatcher watcher_;  // made before start-up
};

TEST_F(BrokenPackage, WindowsOpenWithTheDefaults) {
  ASSERT_EQ(watcher_.shown().size(), 1u);
  EXPECT_EQ(watcher_.shown()[0].text, "Erreur dans le déchiffrage");
  EXPECT_TRUE(IsWindowVisible(mainWindow));
  EXPECT_EQ(TextOf(mainWindow), "nom du morvi");
  EXPECT_EQ(TextOf(GetDlgItem(header(), kScoreFieldId)), " 0 / 0");
  EXPECT_EQ(TextOf(GetDlgItem(header(), kAuthorId)), " createur");
  EXPECT_EQ(Close(), 0);
}
#endif

#if MORVI_FIXTURE_AUDIO_EMPTY
TEST_F(PlayerTest, MediaQuizPreparesAndReleasesTheMediaSupport) {
  EXPECT_NE(GetModuleHandleA("atl.dll"), nullptr);
  EXPECT_EQ(atlModule, GetModuleHandleA("atl.dll"));
  EXPECT_NE(atlAxAttachControl, nullptr);
  EXPECT_TRUE(ComWasInitialised());
  const HWND window = mainWindow;
  EXPECT_EQ(Close(), 0);
  EXPECT_FALSE(IsWindow(window)) << "the media modes destroy the main window at shutdown";
  EXPECT_FALSE(ComWasInitialised());
  EXPECT_EQ(atlModule, nullptr);
}
#endif
