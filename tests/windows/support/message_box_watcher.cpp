#include "support/message_box_watcher.h"

namespace {
MessageBoxWatcher* active = nullptr;
std::vector<ShownMessage>* activeList = nullptr;
}  // namespace

MessageBoxWatcher::MessageBoxWatcher() {
  active = this;
  activeList = &shown_;
  hook_ = SetWindowsHookExA(WH_CBT, OnCbt, nullptr, GetCurrentThreadId());
}

MessageBoxWatcher::~MessageBoxWatcher() {
  UnhookWindowsHookEx(hook_);
  active = nullptr;
  activeList = nullptr;
}

LRESULT CALLBACK MessageBoxWatcher::OnCbt(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE && activeList != nullptr) {
    HWND window = reinterpret_cast<HWND>(wParam);
    char className[32] = "";
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpA(className, "#32770") == 0) {
      char caption[256] = "";
      char text[1024] = "";
      GetWindowTextA(window, caption, sizeof caption);
      GetDlgItemTextA(window, 0xFFFF, text, sizeof text);  // the message box's text
      activeList->push_back({caption, text});
      PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}
