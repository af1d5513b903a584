// The saved answers file: one CR LF line per answer field of the page, in
// the current folder, named after the executable with "txt" for the last
// three characters of its name (quiz.exe saves to quiz.txt).
#pragma once
#include <windows.h>

#include "app/app_state.h"
#include "app/saved_answer_lines.h"

constexpr int kAnswerFieldIdBase = 4000;  // answer field k is control 4000 + k

// The file's name (no folder) into a buffer of MAX_PATH bytes.
void SavedAnswersPath(char* path);

// Writes the texts of answer fields 4001 ... 4000 + questionCount x
// answersPerQuestion of the page (at most 259 bytes each; a missing field
// gives an empty line). The new content goes to a temporary file beside the
// old one, which it replaces only once every byte is written: a failed save
// leaves the previous file as it was. Reports nothing.
void SaveAnswers(const AppState& state);

// Reads the saved answers back, one line per answer field in creation order.
// A file that is missing or cannot be mapped gives empty lines throughout.
class SavedAnswersReader {
 public:
  SavedAnswersReader();
  ~SavedAnswersReader() { Close(); }
  SavedAnswersReader(const SavedAnswersReader&) = delete;
  SavedAnswersReader& operator=(const SavedAnswersReader&) = delete;

  // At most 85 bytes, into a buffer of kSavedLineMax + 1 bytes.
  void NextLine(char* line);
  void Close();

 private:
  HANDLE file_ = INVALID_HANDLE_VALUE;
  HANDLE mapping_ = nullptr;
  const uint8_t* view_ = nullptr;
  SavedAnswerLines lines_{nullptr, 0};
};
