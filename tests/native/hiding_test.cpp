#include "checking/hiding.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Records the steps as text: "hide 1 -260", "show 4 +100", "shift 5 -325".
class Recorder : public RowMoves {
 public:
  std::vector<std::string> steps;
  void SetRowPicture(int k, bool show, int distance) override {
    steps.push_back(std::string(show ? "show " : "hide ") + std::to_string(k) + " " + Signed(distance));
  }
  void ShiftRow(int k, int distance) override {
    steps.push_back("shift " + std::to_string(k) + " " + Signed(distance));
  }

 private:
  static std::string Signed(int d) { return (d >= 0 ? "+" : "") + std::to_string(d); }
};

struct Quiz {
  AppState state;
  explicit Quiz(int count, int type = 0) {
    state.questionCount = count;
    state.questionType = type;
    for (int q = 0; q < count; ++q) AppendAnswer(state.answers, "A", "", "");
    state.pictureRowHeights[0] = 260;
    state.pictureRowHeights[1] = 100;
    state.pictureRowHeights[2] = 50;
    state.pageHeight = 1000;
  }
  void Solve(int k) { AnswerAt(state.answers, k - 1)->solved = 1; }
  std::vector<std::string> Hide() {
    Recorder recorder;
    RunHidePass(state, recorder);
    return recorder.steps;
  }
  std::vector<std::string> Show() {
    Recorder recorder;
    RunShowPass(state, recorder);
    return recorder.steps;
  }
};

using Steps = std::vector<std::string>;

}  // namespace

TEST(Hiding, SolvedRowsHideAndAFullRowCollapses) {
  Quiz quiz(7);
  quiz.Solve(1);
  quiz.Solve(2);
  EXPECT_EQ(quiz.Hide(), (Steps{"hide 1 -260", "hide 2 -260"}));
  EXPECT_EQ(quiz.state.pageHeight, 1000);
  EXPECT_EQ(quiz.Hide(), Steps{}) << "nothing new to hide";

  quiz.Solve(3);
  EXPECT_EQ(quiz.Hide(), (Steps{"hide 3 -260", "shift 4 -260", "shift 5 -260", "shift 6 -260", "shift 7 -260"}));
  EXPECT_EQ(quiz.state.pageHeight, 740);
  EXPECT_EQ(quiz.state.rowHideState[2], kRowCollapsed);
  EXPECT_EQ(quiz.Hide(), Steps{}) << "a row never collapses twice";
  EXPECT_EQ(quiz.state.pageHeight, 740);

  EXPECT_EQ(quiz.Show(), (Steps{"show 1 +260", "show 2 +260", "show 3 +260", "shift 4 +260", "shift 5 +260",
                                "shift 6 +260", "shift 7 +260"}));
  EXPECT_EQ(quiz.state.pageHeight, 1000);
  for (int k = 0; k < 7; ++k) EXPECT_EQ(quiz.state.rowHideState[k], kRowShown);

  // Checking the box again hides and collapses the same rows again.
  EXPECT_EQ(quiz.Hide().size(), 7u);
  EXPECT_EQ(quiz.state.pageHeight, 740);
}

TEST(Hiding, RevealBandCollapsesWithTheRowAboveType1) {
  Quiz quiz(6, 2);
  for (int k = 4; k <= 6; ++k) quiz.Solve(k);
  EXPECT_EQ(quiz.Hide(), (Steps{"hide 4 -100", "hide 5 -100", "hide 6 -100"}))
      << "row 1 is the last complete row: nothing after it to move";
  EXPECT_EQ(quiz.state.pageHeight, 1000 - 165);
}

TEST(Hiding, IncompleteLastRowNeverCollapses) {
  Quiz quiz(7);
  quiz.Solve(7);
  EXPECT_EQ(quiz.Hide(), (Steps{"hide 7 -50"}));
  EXPECT_EQ(quiz.state.pageHeight, 1000);
  EXPECT_EQ(quiz.state.rowHideState[6], kRowHidden);
}

TEST(Hiding, ShowPassWithNothingHiddenDoesNothing) {
  Quiz quiz(5);
  quiz.Solve(2);
  EXPECT_EQ(quiz.Show(), Steps{});
}
