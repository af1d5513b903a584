// An empty modeless dialog made from an in-memory template, with child
// controls added in code: stands in for the page where a test needs a
// window holding answer fields.
#pragma once
#include <windows.h>

class TestDialog {
 public:
  TestDialog();
  ~TestDialog();
  TestDialog(const TestDialog&) = delete;
  TestDialog& operator=(const TestDialog&) = delete;

  HWND window() const { return window_; }

  // A single-line edit control with the given id and text.
  HWND AddEdit(int id, const char* text);

 private:
  HWND window_;
};

// A fresh, empty folder under the temporary folder made current for the
// test, removed with whatever it holds afterwards.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  const char* path() const { return path_; }

 private:
  char previous_[MAX_PATH];
  char path_[MAX_PATH];
};
