#include "support/keyboard.h"

#include <vector>

#include "support/player_fixture.h"

namespace {

INPUT Key(WORD key, bool up) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

void Send(std::vector<INPUT> inputs) {
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  for (int i = 0; i < 5; ++i) {
    Sleep(5);
    PlayerTest::Pump();
  }
}

}  // namespace

void PressKey(WORD key, bool alt) {
  std::vector<INPUT> inputs;
  if (alt) inputs.push_back(Key(VK_MENU, false));
  inputs.push_back(Key(key, false));
  inputs.push_back(Key(key, true));
  if (alt) inputs.push_back(Key(VK_MENU, true));
  Send(inputs);
}

void TypeText(const char* text) {
  std::vector<INPUT> inputs;
  for (const char* p = text; *p != '\0'; ++p) {
    wchar_t wide = 0;
    MultiByteToWideChar(1252, 0, p, 1, &wide, 1);
    INPUT down = {};
    down.type = INPUT_KEYBOARD;
    down.ki.wScan = wide;
    down.ki.dwFlags = KEYEVENTF_UNICODE;
    INPUT up = down;
    up.ki.dwFlags |= KEYEVENTF_KEYUP;
    inputs.push_back(down);
    inputs.push_back(up);
  }
  Send(inputs);
}
