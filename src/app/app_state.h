// The one record holding all state of the running quiz, and its question list.
// Pure data: the fonts and brushes are created and deleted by the Win32 layer
// (CreateAppState / DestroyAppState in app_state_win.h).
#pragma once
#include <cstdint>

#include "common/win_handles.h"

constexpr int kTextSize = 260;        // every text field: at most 259 bytes
constexpr int kMaxQuestions = 96;     // rewardCodes and rowHideState entries
constexpr int kMaxPictureRows = 32;   // rows of three picture questions
constexpr int kLinkSize = 25;
constexpr int kCreditsSize = 43;
constexpr int kTempFolderSize = 512;

// One question. Both accepted answers are held only in hidden form.
struct AnswerNode {
  char answer[kTextSize];
  char secondAnswer[kTextSize];
  char questionText[kTextSize];
  char extraText[kTextSize];
  int32_t solved;
  AnswerNode* prev;
  AnswerNode* next;
};

// The questions in order; owns its nodes.
struct AnswerList {
  AnswerNode* first = nullptr;
  AnswerNode* last = nullptr;

  AnswerList() = default;
  AnswerList(const AnswerList&) = delete;
  AnswerList& operator=(const AnswerList&) = delete;
  ~AnswerList() { Clear(); }

  // Deletes every node, walking from first along next.
  void Clear();
};

// Appends a node holding copies of the three texts (each cut to 259 bytes),
// an empty extraText and solved 0; returns it.
AnswerNode* AppendAnswer(AnswerList& list, const char* answer,
                         const char* secondAnswer, const char* questionText);

// The node with the 0-based index; the last node when the list is shorter,
// null when it is empty.
AnswerNode* AnswerAt(const AnswerList& list, int index);

struct AppState {
  int32_t pageWidth = 0;
  int32_t pageHeight = 0;
  uint32_t quizMode = 0;
  char title[kTextSize] = "nom du morvi";
  char author[kTextSize] = " createur";
  char description[kTextSize] = {};
  char firstAnswerLabel[kTextSize] = {};
  char secondAnswerLabel[kTextSize] = {};
  int32_t questionCount = 2;
  int32_t answersPerQuestion = 1;
  char rewardCodes[kMaxQuestions][kTextSize] = {};
  int32_t questionType = 0;
  HFONT answerFont = nullptr;
  HFONT scoreFont = nullptr;
  HFONT titleFont = nullptr;
  int32_t allSolved = 0;
  HWND pageWindow = nullptr;
  int32_t pictureRowHeights[kMaxPictureRows] = {};
  int32_t rowHideState[kMaxQuestions] = {};
  // The colour components lie in the order red, blue, green.
  int32_t pageRed = 90;
  int32_t pageBlue = 150;
  int32_t pageGreen = 95;
  HBRUSH pageBrush = nullptr;
  HBRUSH wrongBrush = nullptr;
  HBRUSH anagramBrush = nullptr;
  HBRUSH hintBrush = nullptr;
  HBRUSH questionBrush = nullptr;
  HWND headerBarWindow = nullptr;
  char tempFolder[kTempFolderSize] = {};
  char linkTarget[kLinkSize] = {};
  char creditsText[kCreditsSize] = {};
  AnswerList answers;
};

// The one record of the running program; null before start-up has made it
// and after shutdown has destroyed it.
extern AppState* appState;
