#include "support/test_dialog.h"

#include <shellapi.h>

#include <string>

namespace {

INT_PTR CALLBACK EmptyDialogProc(HWND, UINT message, WPARAM, LPARAM) {
  return message == WM_INITDIALOG ? TRUE : FALSE;
}

}  // namespace

TestDialog::TestDialog() {
  // DLGTEMPLATE followed by empty menu, class and title arrays.
  alignas(4) WORD buffer[16] = {};
  DLGTEMPLATE* dialog = reinterpret_cast<DLGTEMPLATE*>(buffer);
  dialog->style = WS_POPUP | WS_CAPTION;
  dialog->cx = 200;
  dialog->cy = 100;
  window_ = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), dialog, nullptr, EmptyDialogProc, 0);
}

TestDialog::~TestDialog() { DestroyWindow(window_); }

HWND TestDialog::AddEdit(int id, const char* text) {
  return CreateWindowExA(0, "Edit", text, WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 0, 0, 100, 20,
                         window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         GetModuleHandleA(nullptr), nullptr);
}

ScratchFolder::ScratchFolder() {
  GetCurrentDirectoryA(MAX_PATH, previous_);
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  wsprintfA(path_, "%smorvi-test-%lu-%lu", temp, GetCurrentProcessId(), GetTickCount());
  CreateDirectoryA(path_, nullptr);
  SetCurrentDirectoryA(path_);
}

ScratchFolder::~ScratchFolder() {
  SetCurrentDirectoryA(previous_);
  // SHFileOperation wants a double-zero-terminated list.
  std::string from = std::string(path_) + '\0';
  SHFILEOPSTRUCTA op = {};
  op.wFunc = FO_DELETE;
  op.pFrom = from.c_str();
  op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
  SHFileOperationA(&op);
}
