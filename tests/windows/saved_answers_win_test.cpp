#include "app/saved_answers_win.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "support/test_dialog.h"

namespace {

std::string ReadFileBytes(const char* path) {
  HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "<missing>";
  std::string bytes;
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) bytes.append(buffer, read);
  CloseHandle(file);
  return bytes;
}

void WriteFileBytes(const char* path, const std::string& bytes) {
  HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

std::string SavedName() {
  char path[MAX_PATH];
  SavedAnswersPath(path);
  return path;
}

class SavedAnswers : public ::testing::Test {
 protected:
  void SetUp() override {
    state_.questionCount = 3;
    state_.answersPerQuestion = 1;
    state_.pageWindow = page_.window();
  }

  std::string Saved() { return ReadFileBytes(SavedName().c_str()); }

  ScratchFolder folder_;
  TestDialog page_;
  AppState state_;
};

}  // namespace

TEST(SavedAnswersPath, ExecutableNameWithTxt) {
  EXPECT_EQ(SavedName(), "saved_answers_tests.txt");
}

TEST_F(SavedAnswers, OneLinePerFieldEvenEmptyOnes) {
  page_.AddEdit(4001, "ABC");
  page_.AddEdit(4002, "");
  page_.AddEdit(4003, "x y");
  SaveAnswers(state_);
  EXPECT_EQ(Saved(), "ABC\r\n\r\nx y\r\n");
}

TEST_F(SavedAnswers, TwoAnswersPerQuestionInFieldOrder) {
  state_.questionCount = 2;
  state_.answersPerQuestion = 2;
  const char* texts[] = {"q1a", "q1b", "q2a", "q2b"};
  for (int k = 0; k < 4; ++k) page_.AddEdit(4001 + k, texts[k]);
  SaveAnswers(state_);
  EXPECT_EQ(Saved(), "q1a\r\nq1b\r\nq2a\r\nq2b\r\n");
}

TEST_F(SavedAnswers, MissingFieldsGiveEmptyLinesAndLongTextsAreCut) {
  page_.AddEdit(4001, std::string(300, 'z').c_str());
  page_.AddEdit(4003, "\xE9t\xE9");
  SaveAnswers(state_);
  EXPECT_EQ(Saved(), std::string(259, 'z') + "\r\n\r\n\xE9t\xE9\r\n");
}

TEST_F(SavedAnswers, ReaderGivesTheLinesBack) {
  WriteFileBytes(SavedName().c_str(), "ABC\r\n" + std::string(100, 'k') + "\r\nlast");
  SavedAnswersReader reader;
  const std::string expected[] = {"ABC", std::string(85, 'k'), "last", "", ""};
  for (const std::string& line : expected) {
    char text[kSavedLineMax + 1];
    reader.NextLine(text);
    EXPECT_EQ(text, line);
  }
}

TEST_F(SavedAnswers, ReaderOfAMissingOrEmptyFileGivesEmptyLines) {
  for (bool exists : {false, true}) {
    if (exists) WriteFileBytes(SavedName().c_str(), "");
    SavedAnswersReader reader;
    char text[kSavedLineMax + 1] = "junk";
    reader.NextLine(text);
    EXPECT_STREQ(text, "");
  }
}

TEST_F(SavedAnswers, ReaderDoesNotLockTheFileForReaders) {
  WriteFileBytes(SavedName().c_str(), "one\r\n");
  SavedAnswersReader reader;
  EXPECT_EQ(Saved(), "one\r\n");
  reader.Close();
  SaveAnswers(state_);
  EXPECT_EQ(Saved(), "\r\n\r\n\r\n");
}

TEST_F(SavedAnswers, AnotherCurrentFolderHasItsOwnFile) {
  page_.AddEdit(4001, "first");
  SaveAnswers(state_);
  {
    ScratchFolder other;
    SavedAnswersReader reader;
    char text[kSavedLineMax + 1];
    reader.NextLine(text);
    EXPECT_STREQ(text, "");
    SaveAnswers(state_);
    EXPECT_EQ(ReadFileBytes(SavedName().c_str()), "first\r\n\r\n\r\n");
    SetWindowTextA(GetDlgItem(page_.window(), 4001), "second");
    SaveAnswers(state_);
  }
  EXPECT_EQ(Saved(), "first\r\n\r\n\r\n");
}

// A save that cannot complete leaves the answers saved before untouched.
TEST_F(SavedAnswers, FailedSaveKeepsThePreviousFile) {
  const std::string before = "old\r\nanswers\r\nkept\r\n";
  const std::string temporary = SavedName() + ".tmp";
  page_.AddEdit(4001, "new");

  // The temporary file cannot be made: a folder stands in its place.
  WriteFileBytes(SavedName().c_str(), before);
  ASSERT_TRUE(CreateDirectoryA(temporary.c_str(), nullptr));
  SaveAnswers(state_);
  EXPECT_EQ(Saved(), before);
  RemoveDirectoryA(temporary.c_str());

  // The old file cannot be replaced: someone holds it open without sharing.
  HANDLE held = CreateFileA(SavedName().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  SaveAnswers(state_);
  CloseHandle(held);
  EXPECT_EQ(Saved(), before);
  EXPECT_EQ(GetFileAttributesA(temporary.c_str()), INVALID_FILE_ATTRIBUTES) << "temporary file left";

  // Then a save that can complete replaces it.
  SaveAnswers(state_);
  EXPECT_EQ(Saved(), "new\r\n\r\n\r\n");
  EXPECT_EQ(GetFileAttributesA(temporary.c_str()), INVALID_FILE_ATTRIBUTES);
}

// The disk fills up in the middle of a save: the build prepares a folder
// whose temporary file is the full device (see CMakeLists.txt).
TEST_F(SavedAnswers, WriteThatFailsKeepsThePreviousFile) {
  const char* fullFolder = std::getenv("MORVI_FULL_DISK_FOLDER");
  if (fullFolder == nullptr) GTEST_SKIP() << "no full-disk folder prepared";
  ASSERT_TRUE(SetCurrentDirectoryA(fullFolder));
  const std::string before = "saved\r\nbefore\r\n";
  WriteFileBytes(SavedName().c_str(), before);
  page_.AddEdit(4001, "new");
  SaveAnswers(state_);
  EXPECT_EQ(Saved(), before);
  SetCurrentDirectoryA(folder_.path());
}
