#include "page/page_scroll_win.h"

#include "page/page_layout.h"

namespace {

void SetRange(HWND page, int bar, int content, int visible) {
  SCROLLINFO info = {};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_DISABLENOSCROLL;
  info.nMin = 0;
  info.nMax = content - 2;
  info.nPage = static_cast<UINT>(visible - 1);
  SetScrollInfo(page, bar, &info, TRUE);
}

ScrollState ReadBar(HWND page, int bar) {
  SCROLLINFO info = {};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
  GetScrollInfo(page, bar, &info);
  return {info.nMin, info.nMax, static_cast<int>(info.nPage), info.nPos, info.nTrackPos};
}

// Moves every child with the contents. ScrollWindow does it for a visible
// page; before the page is shown (while it is built and first laid out)
// the system may leave the children where they are, so they are moved one
// by one and the positions never part from the controls.
void MoveBy(HWND page, int dx, int dy) {
  if (dx == 0 && dy == 0) return;
  if (IsWindowVisible(page)) {
    ScrollWindow(page, dx, dy, nullptr, nullptr);
    return;
  }
  for (HWND child = GetWindow(page, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT rect;
    GetWindowRect(child, &rect);
    POINT topLeft = {rect.left, rect.top};
    ScreenToClient(page, &topLeft);
    SetWindowPos(child, nullptr, topLeft.x + dx, topLeft.y + dy, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

}  // namespace

void UpdatePageScrollRanges(const AppState& state, HWND page) {
  RECT client;
  GetClientRect(page, &client);
  int width = client.right, height = client.bottom;
  if (state.pageWidth <= width) {
    width = state.pageWidth;
    SetScrollPos(page, SB_HORZ, 0, FALSE);
  }
  if (state.pageHeight <= height) {
    height = state.pageHeight;
    SetScrollPos(page, SB_VERT, 0, FALSE);
  }
  SetRange(page, SB_HORZ, state.pageWidth, width);
  SetRange(page, SB_VERT, state.pageHeight, height);
}

void RefreshPageScrolling(const AppState& state, HWND page) {
  const int oldV = GetScrollPos(page, SB_VERT), oldH = GetScrollPos(page, SB_HORZ);
  UpdatePageScrollRanges(state, page);
  MoveBy(page, oldH - GetScrollPos(page, SB_HORZ), oldV - GetScrollPos(page, SB_VERT));
}

void OnPageVScroll(HWND page, WPARAM wParam) {
  const ScrollState bar = ReadBar(page, SB_VERT);
  SetScrollPos(page, SB_VERT, VerticalScrollTarget(LOWORD(wParam), bar), TRUE);
  MoveBy(page, 0, bar.position - GetScrollPos(page, SB_VERT));
}

void OnPageHScroll(HWND page, WPARAM wParam) {
  const ScrollState bar = ReadBar(page, SB_HORZ);
  SetScrollPos(page, SB_HORZ, HorizontalScrollTarget(LOWORD(wParam), bar), TRUE);
  MoveBy(page, bar.position - GetScrollPos(page, SB_HORZ), 0);
}

void ScrollPageTo(HWND page, int horizontal, int vertical) {
  const int oldH = GetScrollPos(page, SB_HORZ), oldV = GetScrollPos(page, SB_VERT);
  SetScrollPos(page, SB_VERT, vertical, TRUE);
  SetScrollPos(page, SB_HORZ, horizontal, TRUE);
  MoveBy(page, oldH - GetScrollPos(page, SB_HORZ), oldV - GetScrollPos(page, SB_VERT));
}
