// Starts a player the way a person does and watches it from outside.
//
//   driver launch EXE WORKDIR READY CLOSE
//     starts EXE in WORKDIR, waits until its "Morvi" window is idle, writes
//     the file READY ("x y" on the screen: the middle of the "Cacher" box,
//     or -1 -1 without one), waits for the file CLOSE, writes CLOSE.verdicts
//     (the score, the code and every verdict field, a line each, as the
//     controls read), then closes the window as the close button does
//     (WM_CLOSE) and prints "exit N" with the player's exit code; exits 0
//     when that code is 0.
//   driver startup RUNS EXE...
//     for each EXE, RUNS times: the time from process start to its first
//     top-level window being idle (WaitForInputIdle); prints each median.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Found {
  DWORD process;
  const char* className;
  HWND window;
};

BOOL CALLBACK FindWindowOf(HWND window, LPARAM lParam) {
  Found* found = reinterpret_cast<Found*>(lParam);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  char className[64] = "";
  GetClassNameA(window, className, sizeof className);
  if (process == found->process && IsWindowVisible(window) &&
      (found->className == nullptr || lstrcmpA(className, found->className) == 0)) {
    found->window = window;
    return FALSE;
  }
  return TRUE;
}

HWND WaitForWindow(DWORD process, const char* className, DWORD milliseconds) {
  for (DWORD waited = 0; waited < milliseconds; waited += 20) {
    Found found = {process, className, nullptr};
    EnumWindows(FindWindowOf, reinterpret_cast<LPARAM>(&found));
    if (found.window != nullptr) return found.window;
    Sleep(20);
  }
  return nullptr;
}

bool Start(const char* exe, const char* folder, PROCESS_INFORMATION* process) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  std::string command = std::string("\"") + exe + "\"";
  return CreateProcessA(exe, command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder, &startup,
                        process) != 0;
}

// The header bar and the page: the player's two dialogs, told apart by
// their controls (32, the score, and 5001, the first verdict).
struct Dialogs {
  HWND header = nullptr;
  HWND page = nullptr;
};

BOOL CALLBACK FindDialogs(HWND child, LPARAM lParam) {
  Dialogs* dialogs = reinterpret_cast<Dialogs*>(lParam);
  char className[16] = "";
  GetClassNameA(child, className, sizeof className);
  if (lstrcmpA(className, "#32770") != 0) return TRUE;
  if (GetDlgItem(child, 32) != nullptr) dialogs->header = child;
  if (GetWindowLongA(child, GWL_STYLE) & WS_VSCROLL) dialogs->page = child;
  return TRUE;
}

std::string ControlText(HWND parent, int id) {
  char text[300] = "";
  SendMessageA(GetDlgItem(parent, id), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}

void WriteFileText(const std::string& path, const std::string& text) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
}

int Launch(const char* exe, const char* folder, const char* ready, const char* close) {
  PROCESS_INFORMATION process;
  if (!Start(exe, folder, &process)) {
    std::printf("cannot start %s (%lu)\n", exe, GetLastError());
    return 2;
  }
  WaitForInputIdle(process.hProcess, 30000);
  HWND window = WaitForWindow(process.dwProcessId, "Morvi", 30000);
  if (window == nullptr) {
    std::printf("no Morvi window\n");
    TerminateProcess(process.hProcess, 3);
    return 3;
  }
  WaitForInputIdle(process.hProcess, 30000);
  Dialogs dialogs;
  EnumChildWindows(window, FindDialogs, reinterpret_cast<LPARAM>(&dialogs));
  char text[64];
  RECT hide = {-2, -2, 0, 0};
  if (HWND box = GetDlgItem(dialogs.header, 33)) GetWindowRect(box, &hide);
  wsprintfA(text, "%ld %ld\n", (hide.left + hide.right) / 2, (hide.top + hide.bottom) / 2);
  WriteFileText(ready, text);
  while (GetFileAttributesA(close) == INVALID_FILE_ATTRIBUTES) {
    if (WaitForSingleObject(process.hProcess, 50) == WAIT_OBJECT_0) {
      std::printf("the player ended by itself\n");
      return 4;
    }
  }
  std::string verdicts = ControlText(dialogs.header, 32) + "\n" + ControlText(dialogs.header, 30) + "\n";
  for (int id = 5001; GetDlgItem(dialogs.page, id) != nullptr; ++id) verdicts += ControlText(dialogs.page, id) + "\n";
  WriteFileText(std::string(close) + ".verdicts", verdicts);
  PostMessageA(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0) {
    std::printf("the player did not end\n");
    TerminateProcess(process.hProcess, 5);
    return 5;
  }
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  std::printf("exit %lu\n", code);
  return code == 0 ? 0 : 1;
}

double OneStartup(const char* exe, const char* folder) {
  LARGE_INTEGER frequency, begin, end;
  QueryPerformanceFrequency(&frequency);
  PROCESS_INFORMATION process;
  QueryPerformanceCounter(&begin);
  if (!Start(exe, folder, &process)) return -1;
  WaitForInputIdle(process.hProcess, 30000);
  QueryPerformanceCounter(&end);
  HWND window = WaitForWindow(process.dwProcessId, nullptr, 30000);
  if (window != nullptr) PostMessageA(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  return 1000.0 * static_cast<double>(end.QuadPart - begin.QuadPart) / static_cast<double>(frequency.QuadPart);
}

int Startup(int runs, int count, char** exes) {
  char folder[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, folder);
  std::vector<std::vector<double>> times(count);
  for (int run = 0; run < runs; ++run) {
    for (int i = 0; i < count; ++i) times[i].push_back(OneStartup(exes[i], folder));
  }
  for (int i = 0; i < count; ++i) {
    std::sort(times[i].begin(), times[i].end());
    std::printf("%s: median %.1f ms (min %.1f, max %.1f, %d runs)\n", exes[i], times[i][runs / 2],
                times[i].front(), times[i].back(), runs);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 6 && lstrcmpA(argv[1], "launch") == 0) return Launch(argv[2], argv[3], argv[4], argv[5]);
  if (argc >= 4 && lstrcmpA(argv[1], "startup") == 0) return Startup(std::atoi(argv[2]), argc - 3, argv + 3);
  std::printf("usage: driver launch EXE WORKDIR READY CLOSE | driver startup RUNS EXE...\n");
  return 2;
}
