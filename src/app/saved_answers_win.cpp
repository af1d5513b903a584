#include "app/saved_answers_win.h"

#include <string>

void SavedAnswersPath(char* path) {
  char module[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, module, MAX_PATH);
  const char* name = module;
  for (const char* p = module; *p != '\0'; ++p) {
    if (*p == '\\') name = p + 1;
  }
  lstrcpynA(path, name, MAX_PATH);
  const int length = lstrlenA(path);
  if (length >= 3) {
    lstrcpyA(path + length - 3, "txt");
  } else {
    lstrcatA(path, ".txt");
  }
}

namespace {

bool WriteAll(HANDLE file, const std::string& bytes) {
  DWORD written = 0;
  return WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size();
}

}  // namespace

void SaveAnswers(const AppState& state) {
  char path[MAX_PATH];
  SavedAnswersPath(path);
  std::string content;
  const int fields = state.questionCount * state.answersPerQuestion;
  for (int k = 1; k <= fields; ++k) {
    char text[kTextSize] = "";
    HWND field = GetDlgItem(state.pageWindow, kAnswerFieldIdBase + k);
    if (field != nullptr) GetWindowTextA(field, text, kTextSize);
    content += text;
    content += "\r\n";
  }

  std::string temporary = std::string(path) + ".tmp";
  HANDLE file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  const bool written = WriteAll(file, content) && FlushFileBuffers(file);
  CloseHandle(file);
  if (!written || !MoveFileExA(temporary.c_str(), path,
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileA(temporary.c_str());
  }
}

SavedAnswersReader::SavedAnswersReader() {
  char path[MAX_PATH];
  SavedAnswersPath(path);
  file_ = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                      FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file_ == INVALID_HANDLE_VALUE) return;
  const DWORD size = GetFileSize(file_, nullptr);
  if (size == INVALID_FILE_SIZE || size == 0) return;  // an empty file cannot be mapped
  mapping_ = CreateFileMappingA(file_, nullptr, PAGE_READONLY, 0, 0, nullptr);
  if (mapping_ == nullptr) return;
  view_ = static_cast<const uint8_t*>(MapViewOfFile(mapping_, FILE_MAP_READ, 0, 0, 0));
  if (view_ != nullptr) lines_ = SavedAnswerLines(view_, size);
}

void SavedAnswersReader::NextLine(char* line) { lines_.Next(line); }

void SavedAnswersReader::Close() {
  if (view_ != nullptr) UnmapViewOfFile(view_);
  if (mapping_ != nullptr) CloseHandle(mapping_);
  if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
  view_ = nullptr;
  mapping_ = nullptr;
  file_ = INVALID_HANDLE_VALUE;
  lines_ = SavedAnswerLines(nullptr, 0);
}
