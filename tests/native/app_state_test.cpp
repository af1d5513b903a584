#include "app/app_state.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(AppState, FreshRecordHoldsTheDefaults) {
  AppState state;
  EXPECT_STREQ(state.title, "nom du morvi");
  EXPECT_STREQ(state.author, " createur");
  EXPECT_EQ(state.questionCount, 2);
  EXPECT_EQ(state.answersPerQuestion, 1);
  EXPECT_EQ(state.quizMode, 0u);
  EXPECT_EQ(state.questionType, 0);
  EXPECT_EQ(state.pageRed, 90);
  EXPECT_EQ(state.pageGreen, 95);
  EXPECT_EQ(state.pageBlue, 150);
  EXPECT_EQ(state.answers.first, nullptr);
  EXPECT_EQ(state.answers.last, nullptr);
  for (int i = 0; i < kMaxQuestions; ++i) {
    EXPECT_EQ(state.rowHideState[i], 0);
    EXPECT_STREQ(state.rewardCodes[i], "");
  }
}

TEST(AnswerList, AppendLinksNodesInOrder) {
  AnswerList list;
  AnswerNode* one = AppendAnswer(list, "A", "", "first");
  AnswerNode* two = AppendAnswer(list, "B", "b", "second");
  AnswerNode* three = AppendAnswer(list, "C", "", "third");
  EXPECT_EQ(list.first, one);
  EXPECT_EQ(list.last, three);
  EXPECT_EQ(one->prev, nullptr);
  EXPECT_EQ(one->next, two);
  EXPECT_EQ(two->prev, one);
  EXPECT_EQ(two->next, three);
  EXPECT_EQ(three->prev, two);
  EXPECT_EQ(three->next, nullptr);
  EXPECT_STREQ(two->answer, "B");
  EXPECT_STREQ(two->secondAnswer, "b");
  EXPECT_STREQ(two->questionText, "second");
  EXPECT_STREQ(two->extraText, "");
  EXPECT_EQ(two->solved, 0);
}

TEST(AnswerList, AnswerAtClampsToTheLastNode) {
  AnswerList list;
  EXPECT_EQ(AnswerAt(list, 0), nullptr);
  AppendAnswer(list, "A", "", "");
  AppendAnswer(list, "B", "", "");
  AnswerNode* last = AppendAnswer(list, "C", "", "");
  EXPECT_EQ(AnswerAt(list, 0), list.first);
  EXPECT_EQ(AnswerAt(list, 1), list.first->next);
  EXPECT_EQ(AnswerAt(list, 2), last);
  EXPECT_EQ(AnswerAt(list, 5), last);
}

TEST(AnswerList, TextsAreCutToTheirField) {
  AnswerList list;
  const std::string longText(400, 'x');
  AnswerNode* node = AppendAnswer(list, longText.c_str(), longText.c_str(), longText.c_str());
  EXPECT_EQ(std::strlen(node->answer), 259u);
  EXPECT_EQ(std::strlen(node->secondAnswer), 259u);
  EXPECT_EQ(std::strlen(node->questionText), 259u);
}

TEST(AnswerList, ClearEmptiesTheList) {
  AnswerList list;
  list.Clear();
  EXPECT_EQ(list.first, nullptr);
  AppendAnswer(list, "A", "", "");
  AppendAnswer(list, "B", "", "");
  list.Clear();
  EXPECT_EQ(list.first, nullptr);
  EXPECT_EQ(list.last, nullptr);
}
