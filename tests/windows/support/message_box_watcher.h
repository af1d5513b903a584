// Watches for message boxes shown by the code under test on this thread:
// records each one's caption and text and answers it with OK, so tests run
// the real MessageBoxA without anyone at the keyboard.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

struct ShownMessage {
  std::string caption;
  std::string text;
};

class MessageBoxWatcher {
 public:
  MessageBoxWatcher();
  ~MessageBoxWatcher();
  MessageBoxWatcher(const MessageBoxWatcher&) = delete;
  MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

  const std::vector<ShownMessage>& shown() const { return shown_; }

 private:
  static LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam);

  HHOOK hook_;
  std::vector<ShownMessage> shown_;
};
