// Measures the player's costly operations in a quiz of 96 picture questions
// with two answers each (192 fields), inside the real player:
//   - one evaluation of a field holding a 259-byte text against a 259-byte
//     accepted answer (the most grading ever does);
//   - F1 over all 192 fields;
//   - loading and fitting its pictures, by kind.
// Prints the medians; used by scripts/measure.sh, not a test.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/player_win.h"
#include "checking/evaluation_win.h"
#include "images/image_loader_win.h"
#include "page/answer_field_win.h"

namespace {

double Now() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void Pump() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (IsDialogMessageA(appState->pageWindow, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main() {
  if (!StartPlayer(GetModuleHandleA(nullptr))) return 1;
  Pump();
  HWND page = appState->pageWindow;

  // A 259-byte accepted answer for question 1 and a 259-byte near miss.
  AnswerNode* first = appState->answers.first;
  std::string accepted(259, 'A'), typed(259, 'A');
  for (size_t i = 0; i < typed.size(); i += 37) typed[i] = 'B';
  for (size_t i = 0; i < accepted.size(); ++i) first->answer[i] = static_cast<char>(0x14);  // hidden 'A'
  first->answer[259] = '\0';
  std::vector<double> evaluations;
  for (int run = 0; run < 21; ++run) {
    typed[1] = static_cast<char>('C' + run % 2);  // a new verdict each time
    SetDlgItemTextA(page, 4001, typed.c_str());
    const double start = Now();
    EvaluateAnswer(*appState, page, 4001);
    evaluations.push_back(Now() - start);
  }

  std::vector<double> fills;
  for (int run = 0; run < 7; ++run) {
    HWND field = GetDlgItem(page, 4001);
    SetWindowTextA(field, run % 2 ? "premiere1" : "nothing right");
    SetFocus(field);
    Pump();
    const double start = Now();
    FillUnsolvedFields(field);
    fills.push_back(Now() - start);
    Pump();
  }
  {
    double kinds[4] = {};
    for (int q = 1; q <= 96; ++q) {
      const double t = Now();
      HBITMAP b = LoadFittedPicture(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(400 + q), "IMG", 260, 260);
      kinds[q % 4] += Now() - t;
      DeleteObject(b);
    }
    std::printf("LoadFittedPicture, 24 of each: 260x195 JPEG %.1f ms, 260x100 PNG %.1f ms, 200x260 GIF %.1f ms, 130x65 JPEG %.1f ms\n",
                kinds[0], kinds[1], kinds[2], kinds[3]);
  }
  std::printf("EvaluateAnswer, 259-byte texts: median %.3f ms (21 runs)\n", Median(evaluations));
  std::printf("F1 over %d fields: median %.1f ms (7 runs)\n",
              appState->questionCount * appState->answersPerQuestion, Median(fills));
  SendMessageA(mainWindow, WM_CLOSE, 0, 0);
  RunMessageLoop();
  StopPlayer();
  return 0;
}
