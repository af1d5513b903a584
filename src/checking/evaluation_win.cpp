#include "checking/evaluation_win.h"

#include <cstring>

#include "checking/grading.h"
#include "checking/score_win.h"
#include "images/image_loader_win.h"
#include "page/page_layout.h"

namespace {

constexpr int kRevealPictureIdBase = 10400;
bool batchRunning = false;
bool scorePending = false;

bool IsRight(const char* verdict) { return std::strcmp(verdict, kVerdictRight) == 0; }

const char* AcceptedAnswer(const AnswerNode& node, int answer) {
  return answer == 1 ? node.answer : node.secondAnswer;
}

// Every answer field of question q holds its accepted answer.
bool QuestionComplete(const AppState& state, HWND page, const AnswerNode& node, int q) {
  for (int j = 1; j <= state.answersPerQuestion; ++j) {
    char text[kTextSize], hidden[kTextSize];
    GetDlgItemTextA(page, kAnswerIdBase + q * state.answersPerQuestion + j, text, kTextSize);
    NormaliseAnswer(text, hidden, sizeof hidden);
    if (std::strcmp(hidden, AcceptedAnswer(node, j)) != 0) return false;
  }
  return true;
}

void ShowReveal(HWND page, int k) { ShowWindow(GetDlgItem(page, kRevealIdBase + k), SW_SHOWNORMAL); }

void RevealSolved(AppState& state, HWND page, AnswerNode& node, int q) {
  const int k = q + 1;
  switch (state.questionType) {
    case 1:
      RevealPicture(state, page, q);
      break;
    case 2:
      ShowReveal(page, k);
      break;
    case 3:
      ShowReveal(page, k);
      RevealPicture(state, page, q);
      break;
    case 7:
      SetDlgItemTextA(page, kRevealIdBase + k, node.extraText);
      break;
    default:
      break;
  }
}

// Question types 4 and 8 reveal everything once the whole page is right.
void RevealAllWhenAllRight(AppState& state, HWND page) {
  if ((state.questionType != 4 && state.questionType != 8) || state.allSolved) return;
  const int fields = state.questionCount * state.answersPerQuestion;
  for (int i = 1; i <= fields; ++i) {
    char verdict[kTextSize];
    GetDlgItemTextA(page, kVerdictIdBase + i, verdict, kTextSize);
    if (!IsRight(verdict)) return;
  }
  state.allSolved = 1;
  for (int k = 1; k <= state.questionCount; ++k) {
    ShowReveal(page, k);
    RevealPicture(state, page, k - 1);
  }
}

}  // namespace

void EvaluateAnswer(AppState& state, HWND page, int fieldId) {
  const FieldOwner owner = OwnerOfField(fieldId, state.answersPerQuestion, state.questionCount);
  if (owner.question < 0) return;
  AnswerNode& node = *AnswerAt(state.answers, owner.question);
  char oldVerdict[255];
  GetDlgItemTextA(page, fieldId + kVerdictToAnswer, oldVerdict, sizeof oldVerdict);
  char text[kTextSize], hidden[kTextSize];
  GetDlgItemTextA(page, fieldId, text, kTextSize);
  NormaliseAnswer(text, hidden, sizeof hidden);
  const char* verdict = JudgeAnswer(AcceptedAnswer(node, owner.answer), hidden);
  if (std::strcmp(verdict, oldVerdict) == 0) return;

  SetDlgItemTextA(page, fieldId + kVerdictToAnswer, verdict);
  const int k = owner.question + 1;
  if (!IsRight(verdict)) {
    // The solved mark stays, and so does a reveal picture already shown.
    if (state.questionType != 5 && state.questionType != 7) {
      ShowWindow(GetDlgItem(page, kRevealIdBase + k), SW_HIDE);
    }
    state.allSolved = 0;
  } else if (QuestionComplete(state, page, node, owner.question)) {
    node.solved = 1;
    RevealSolved(state, page, node, owner.question);
  }
  RevealAllWhenAllRight(state, page);
  if (batchRunning) {
    scorePending = true;
  } else {
    UpdateScore(state, page);
  }
}

void BeginEvaluationBatch() {
  batchRunning = true;
  scorePending = false;
}

void EndEvaluationBatch(AppState& state, HWND page) {
  batchRunning = false;
  if (scorePending) UpdateScore(state, page);
  scorePending = false;
}

void RevealPicture(AppState& state, HWND page, int q) {
  const int k = q + 1;
  const int rowHeight = state.pictureRowHeights[q / 3];
  HWND field = GetDlgItem(page, kPictureIdBase + k);
  HBITMAP bitmap = LoadFittedPicture(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kRevealPictureIdBase + k),
                                     "IMG", kPictureBox, rowHeight);
  if (bitmap == nullptr) return;
  if (field == nullptr) {  // a layout without picture fields has nowhere to show it
    DeleteObject(bitmap);
    return;
  }
  BITMAP size = {};
  GetObjectA(bitmap, sizeof size, &size);
  RECT old;
  GetWindowRect(field, &old);
  POINT topLeft = {old.left, old.top};
  ScreenToClient(page, &topLeft);
  const int x = topLeft.x + ((old.right - old.left) - size.bmWidth) / 2;
  const int y = topLeft.y + ((old.bottom - old.top) - size.bmHeight) / 2;
  MoveWindow(field, x, y, size.bmWidth, size.bmHeight, TRUE);
  HGDIOBJ previous = reinterpret_cast<HGDIOBJ>(SendMessageA(field, STM_GETIMAGE, IMAGE_BITMAP, 0));
  if (previous != nullptr) DeleteObject(previous);
  SendMessageA(field, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
}
