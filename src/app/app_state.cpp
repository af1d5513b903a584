#include "app/app_state.h"

#include "common/text.h"

AppState* appState = nullptr;

void AnswerList::Clear() {
  AnswerNode* node = first;
  while (node != nullptr) {
    AnswerNode* next = node->next;
    delete node;
    node = next;
  }
  first = nullptr;
  last = nullptr;
}

AnswerNode* AppendAnswer(AnswerList& list, const char* answer,
                         const char* secondAnswer, const char* questionText) {
  AnswerNode* node = new AnswerNode{};
  CopyText(node->answer, answer);
  CopyText(node->secondAnswer, secondAnswer);
  CopyText(node->questionText, questionText);
  node->prev = list.last;
  if (list.last != nullptr) list.last->next = node;
  if (list.first == nullptr) list.first = node;
  list.last = node;
  return node;
}

AnswerNode* AnswerAt(const AnswerList& list, int index) {
  AnswerNode* node = list.first;
  for (int i = 0; node != nullptr && i < index && node->next != nullptr; ++i) {
    node = node->next;
  }
  return node;
}
