// The loader over the real resources of this test program: each fixture
// program carries one quiz package (see CMakeLists.txt), and MORVI_FIXTURE
// names it.
#include "package/quiz_package_win.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "app/app_state_win.h"
#include "package/hidden_form.h"
#include "support/message_box_watcher.h"

namespace {

[[maybe_unused]] std::string Hidden(const char* plain) {
  std::string hidden;
  for (const char* p = plain; *p; ++p) hidden.push_back(static_cast<char>(HideByte(static_cast<uint8_t>(*p))));
  return hidden;
}

[[maybe_unused]] COLORREF BrushColour(HBRUSH brush) {
  LOGBRUSH info = {};
  GetObjectA(brush, sizeof info, &info);
  return info.lbColor;
}

class Loaded : public ::testing::Test {
 protected:
  void SetUp() override {
    state_ = CreateAppState();
    MessageBoxWatcher watcher;
    LoadQuizPackage(*state_);
    shown_ = watcher.shown();
  }
  void TearDown() override { DestroyAppState(state_); }

  void ExpectDecipherMessage() {
    ASSERT_EQ(shown_.size(), 1u);
    EXPECT_EQ(shown_[0].caption, "Morvi");
    EXPECT_EQ(shown_[0].text, "Erreur dans le déchiffrage");
  }

  AppState* state_ = nullptr;
  std::vector<ShownMessage> shown_;
};

}  // namespace

#if MORVI_FIXTURE_PLAIN_ONE
TEST_F(Loaded, PlainPackageWithOneAnswerPerQuestion) {
  EXPECT_TRUE(shown_.empty());
  EXPECT_STREQ(state_->linkTarget, "http://a.fr");
  EXPECT_STREQ(state_->creditsText, "Merci à tous");
  EXPECT_EQ(state_->quizMode, 0u);
  EXPECT_STREQ(state_->title, "Capitales");
  EXPECT_STREQ(state_->description, "Trois capitales");
  EXPECT_EQ(state_->questionCount, 3);
  EXPECT_EQ(state_->answersPerQuestion, 1);
  EXPECT_EQ(state_->questionType, 7);
  EXPECT_EQ(std::string(AnswerAt(state_->answers, 0)->answer), Hidden("PARIS"));
  EXPECT_EQ(std::string(AnswerAt(state_->answers, 2)->answer), Hidden("ÉTÉ"));
  EXPECT_STREQ(AnswerAt(state_->answers, 2)->questionText, "Été ?");
  EXPECT_STREQ(AnswerAt(state_->answers, 1)->extraText, "Tibre");
  EXPECT_STREQ(state_->rewardCodes[2], "TROIS");
  EXPECT_EQ(BrushColour(state_->pageBrush), RGB(200, 10, 30));
}

TEST_F(Loaded, OutOfMemoryMessageGoesThroughARealMessageBox) {
  ASSERT_NE(lzwMemory.outputUnavailable, nullptr);
  MessageBoxWatcher watcher;
  lzwMemory.outputUnavailable();
  ASSERT_EQ(watcher.shown().size(), 1u);
  EXPECT_EQ(watcher.shown()[0].caption, "information");
  EXPECT_EQ(watcher.shown()[0].text, "Impossible d'allouer la memoire");
}
#endif

#if MORVI_FIXTURE_CIPHER_TWO
TEST_F(Loaded, EncipheredPackageWithTwoAnswersPerQuestion) {
  EXPECT_TRUE(shown_.empty());
  EXPECT_EQ(state_->quizMode, 1u);
  EXPECT_STREQ(state_->title, "Écrivains");
  EXPECT_STREQ(state_->firstAnswerLabel, "Prénom");
  EXPECT_STREQ(state_->secondAnswerLabel, "Nom");
  EXPECT_EQ(state_->answersPerQuestion, 2);
  EXPECT_EQ(state_->questionType, 3);
  const AnswerNode* second = AnswerAt(state_->answers, 1);
  EXPECT_EQ(std::string(second->answer), Hidden("ÉMILE"));
  EXPECT_EQ(std::string(second->secondAnswer), Hidden("ZOLA"));
  EXPECT_STREQ(second->extraText, "1885");
  EXPECT_STREQ(state_->rewardCodes[0], "R1");
  EXPECT_STREQ(state_->rewardCodes[1], "");
  EXPECT_EQ(BrushColour(state_->pageBrush), 0x00604020u);
}
#endif

#if MORVI_FIXTURE_CIPHER_NO_TYPE_TEXTS
TEST_F(Loaded, TypeWithoutTextsIsFollowedByTheColour) {
  EXPECT_TRUE(shown_.empty());
  EXPECT_EQ(state_->questionType, 5);
  EXPECT_EQ(state_->questionCount, 2);
  EXPECT_STREQ(AnswerAt(state_->answers, 1)->extraText, "");
  EXPECT_EQ(BrushColour(state_->pageBrush), RGB(1, 2, 3));
}
#endif

#if MORVI_FIXTURE_BROKEN_BLOCK0
TEST_F(Loaded, FailingBlock0KeepsEveryDefault) {
  ExpectDecipherMessage();
  EXPECT_EQ(state_->questionCount, 0);
  EXPECT_STREQ(state_->title, "nom du morvi");
  EXPECT_STREQ(state_->author, " createur");
  EXPECT_EQ(state_->answers.first, nullptr);
  EXPECT_EQ(BrushColour(state_->pageBrush), 0x00965F5Au);
}
#endif

#if MORVI_FIXTURE_BROKEN_BLOCK1
TEST_F(Loaded, FailingBlock1KeepsTheLinkOnly) {
  ExpectDecipherMessage();
  EXPECT_EQ(state_->questionCount, 0);
  EXPECT_STREQ(state_->linkTarget, "http://a.fr");
  EXPECT_STREQ(state_->title, "nom du morvi");
  EXPECT_EQ(BrushColour(state_->pageBrush), 0x00965F5Au);
}
#endif

#if MORVI_FIXTURE_BROKEN_BLOCK2
TEST_F(Loaded, FailingBlock2KeepsTheQuestionsButCountsNone) {
  ExpectDecipherMessage();
  EXPECT_EQ(state_->questionCount, 0);
  EXPECT_STREQ(state_->title, "Capitales");
  ASSERT_NE(state_->answers.first, nullptr);
  EXPECT_EQ(state_->answers.last, AnswerAt(state_->answers, 2));
  EXPECT_EQ(BrushColour(state_->pageBrush), RGB(200, 10, 30));
}
#endif

#if MORVI_FIXTURE_MISSING_BLOCK2
TEST_F(Loaded, MissingResourceFailsLikeABrokenBlock) {
  ExpectDecipherMessage();
  EXPECT_EQ(state_->questionCount, 0);
}
#endif
