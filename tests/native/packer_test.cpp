#include "packer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>
#include <sstream>

#include "block_files.h"
#include "commands.h"
#include "cp1252.h"
#include "lzw_encoder.h"
#include "package/lzw_decoder.h"
#include "quiz_source.h"
#include "support/hex.h"

namespace {

std::vector<uint8_t> RoundTrip(const std::vector<uint8_t>& data, int extraResets = 0) {
  const std::vector<uint8_t> packed = LzwEncode(data.data(), data.size(), extraResets);
  LzwOutput out;
  EXPECT_EQ(LzwDecode(packed.data(), static_cast<uint32_t>(packed.size()), &out), kLzwOk);
  std::vector<uint8_t> back(out.bytes, out.bytes + out.size);
  LzwFreeOutput(&out);
  return back;
}

std::vector<uint8_t> RandomBytes(size_t size, int alphabet, unsigned seed) {
  std::mt19937 random(seed);
  std::vector<uint8_t> bytes(size);
  for (uint8_t& b : bytes) b = static_cast<uint8_t>(random() % alphabet);
  return bytes;
}

}  // namespace

TEST(LzwEncode, WritesTheDecodersOwnStream) {
  EXPECT_EQ(LzwEncode(Bytes("abab").data(), 4), Hex("30 98 A0 70 00"));
  EXPECT_EQ(LzwEncode(Bytes("aaa").data(), 3), Hex("30 C0 E0 00"));
}

TEST(LzwEncode, RoundTrips) {
  const std::vector<uint8_t> inputs[] = {
      Bytes("x"),
      Bytes("Lignes vides"),
      std::vector<uint8_t>(30000, 'a'),           // long runs: long entries
      RandomBytes(20000, 256, 1),                 // many entries: grows and resets
      RandomBytes(30000, 3, 2),
      RandomBytes(5000, 40, 3),
  };
  for (const auto& input : inputs) {
    SCOPED_TRACE(input.size());
    EXPECT_EQ(RoundTrip(input), input);
  }
}

TEST(LzwEncode, ExtraResetsChangeTheBitsButNotTheBytes) {
  const std::vector<uint8_t> input = Bytes("Tour de France des curiosit\xE9s");
  const std::vector<uint8_t> plain = LzwEncode(input.data(), input.size());
  for (int resets : {1, 2, 5}) {
    EXPECT_NE(LzwEncode(input.data(), input.size(), resets), plain);
    EXPECT_EQ(RoundTrip(input, resets), input);
  }
  EXPECT_EQ(RoundTrip(Bytes("z"), 3), Bytes("z"));
}

namespace {

bool Parse(const std::string& toml, QuizSource* quiz, std::string* error) {
  std::vector<std::string> warnings;
  return ParseQuizSource(toml, "quiz.toml", quiz, error, &warnings);
}

}  // namespace

TEST(QuizSource, ReadsEveryKey) {
  QuizSource quiz;
  std::string error;
  ASSERT_TRUE(Parse(R"(
title = "Été"
author = "Zoé"
description = "Une description"
link = "http://a.fr"
credits = "Merci €"
mode = "picture"
answers_per_question = 2
labels = ["Nom", "Prénom"]
question_type = 3
page_colour = [1, 2, 3]
rewards = ["R1"]
[[question]]
text = "Qui ?"
answer = "Hugo"
second_answer = "Victor"
extra = "e"
extra2 = "f"
)", &quiz, &error)) << error;
  EXPECT_EQ(quiz.title, "\xC9t\xE9");
  EXPECT_EQ(quiz.author, "Zo\xE9");
  EXPECT_EQ(quiz.credits, "Merci \x80");
  EXPECT_EQ(quiz.mode, QuizMode::kPicture);
  EXPECT_EQ(quiz.answersPerQuestion, 2);
  EXPECT_EQ(quiz.labels[1], "Pr\xE9nom");
  EXPECT_EQ(quiz.questionType, 3);
  EXPECT_EQ(quiz.pageColour[2], 3);
  ASSERT_EQ(quiz.questions.size(), 1u);
  EXPECT_EQ(quiz.questions[0].secondAnswer, "Victor");
  EXPECT_EQ(quiz.questions[0].extra2, "f");
  EXPECT_EQ(quiz.rewards, std::vector<std::string>{"R1"});
}

TEST(QuizSource, ErrorsNameTheirPlace) {
  const std::string tooMany = [] {
    std::string text;
    for (int i = 0; i < 97; ++i) text += "[[question]]\nanswer = \"a\"\n";
    return text;
  }();
  const struct {
    std::string toml;
    std::string error;
  } cases[] = {
      {"title = \"a|b\"", "quiz.toml: title: '|' cannot appear in a text"},
      {"[[question]]\nanswer = \"x\"\n[[question]]\nanswer = \"a|b\"",
       "quiz.toml: question 2: answer: '|' cannot appear in a text"},
      {"link = \"" + std::string(25, 'l') + "\"", "quiz.toml: link: is 25 bytes long, at most 24 fit"},
      {"credits = \"" + std::string(43, 'c') + "\"", "quiz.toml: credits: is 43 bytes long, at most 42 fit"},
      {"title = \"" + std::string(258, 't') + "é\"", ""},
      {"title = \"" + std::string(259, 't') + "é\"", "quiz.toml: title: is 260 bytes long, at most 259 fit"},
      {"[[question]]\nanswer = \"a\"\ntext = \"Ő\"",
       "quiz.toml: question 1: text: the character U+0150 has no Windows-1252 form"},
      {tooMany, "quiz.toml: question: 97 questions, at most 96 fit"},
      {"title = \"a\"\nauthor = ", "quiz.toml: line 2: "},
      {"titel = \"a\"", "quiz.toml: titel: unknown key"},
      {"[[question]]\ntext = \"q\"", "quiz.toml: question 1: answer: missing"},
      {"mode = \"picture\"\nanswers_per_question = 2\n[[question]]\nanswer = \"a\"",
       "quiz.toml: question 1: second_answer: missing (answers_per_question is 2)"},
      {"answers_per_question = 2", "quiz.toml: answers_per_question: the text layout has one answer per question"},
      {"mode = \"radio\"", "quiz.toml: mode: must be \"text\", \"picture\", \"audio\" or \"video\""},
      {"answers_per_question = 3", "quiz.toml: answers_per_question: must be from 1 to 2"},
      {"question_type = 9", "quiz.toml: question_type: must be from 0 to 8"},
      {"page_colour = [1, 2, 256]", "quiz.toml: page_colour: must be [red, green, blue], each from 0 to 255"},
      {"labels = [\"a\"]", "quiz.toml: labels: must be a list of two texts"},
      {"rewards = [\"a\"]", "quiz.toml: rewards: 1 codes for 0 questions: one code per score from 1 up"},
      {"[[question]]\nanswer = \"a\"\n[question.x]\n", "quiz.toml: question 1: x: unknown key"},
      {"rewards = [\"a\\nb\"]\n[[question]]\nanswer = \"a\"", "quiz.toml: rewards 1: a line break cannot appear here"},
      {"title = \"a\\u0000b\"", "quiz.toml: title: a text cannot hold a zero character"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.toml.substr(0, 60));
    QuizSource quiz;
    std::string error;
    const bool ok = Parse(c.toml, &quiz, &error);
    EXPECT_EQ(ok, c.error.empty());
    EXPECT_EQ(error.substr(0, c.error.size()), c.error);
  }
}

TEST(QuizSource, WarnsAboutAnswersThatCannotBeTyped) {
  QuizSource quiz;
  std::string error;
  std::vector<std::string> warnings;
  ASSERT_TRUE(ParseQuizSource("[[question]]\nanswer = \" blanc\"\n[[question]]\nanswer = \"" +
                                  std::string(86, 'a') + "\"\n",
                              "q.toml", &quiz, &error, &warnings));
  ASSERT_EQ(warnings.size(), 2u);
  EXPECT_NE(warnings[0].find("question 1: answer"), std::string::npos);
  EXPECT_NE(warnings[1].find("question 2: answer: longer than the 85"), std::string::npos);
}

namespace {

QuizSource SmallQuiz() {
  QuizSource quiz;
  quiz.title = "Titre";
  quiz.link = "http://x.fr";
  quiz.credits = "Merci";
  quiz.answersPerQuestion = 2;
  quiz.questionType = 6;
  quiz.questions = {{"Q1", "a1", "b1", "e1", "f1", "", ""}, {"Q2", "a2", "b2", "e2", "f2", "", ""}};
  quiz.rewards = {"R1"};
  return quiz;
}

}  // namespace

TEST(PackQuiz, BlockContentsFollowTheLayout) {
  const QuizSource quiz = SmallQuiz();
  EXPECT_EQ(LinkBlockContent(quiz), Bytes(std::string("\0\0http://x.fr|Merci|", 20)));
  EXPECT_EQ(QuizBlockContent(quiz),
            Bytes(std::string("\0\x01\x02\x02Titre|||||a1|b1|Q1|a2|b2|Q2|\x06" "e1|f1|e2|f2|\x5A\x5F\x96", 48)));
  EXPECT_EQ(RewardBlockContent(quiz), Bytes("R1\r\n\r\n"));
  EXPECT_EQ(RewardBlockContent(QuizSource{}), Bytes("\r\n"));
}

TEST(PackQuiz, EncipheredBlocksReadBackOnlyAfterDeciphering) {
  const QuizSource quiz = SmallQuiz();
  for (bool plain : {false, true}) {
    SCOPED_TRACE(plain);
    PackedQuiz packed;
    std::string error;
    ASSERT_TRUE(PackQuiz(quiz, plain, &packed, &error)) << error;
    EXPECT_EQ(packed.blocks[0].size(), kLinkBlockSize);
    for (auto& block : packed.blocks) {
      LzwOutput out;
      EXPECT_EQ(LzwDecode(block.data(), static_cast<uint32_t>(block.size()), &out) == kLzwOk, plain);
      LzwFreeOutput(&out);
    }
    AppState state;
    PackedQuizBlocks blocks(packed);
    ASSERT_TRUE(LoadQuizBlocks(state, blocks).ok);
    EXPECT_STREQ(state.title, "Titre");
    EXPECT_STREQ(AnswerAt(state.answers, 1)->extraText, "e2");
    EXPECT_STREQ(state.rewardCodes[0], "R1");
    EXPECT_STREQ(state.rewardCodes[1], "");
  }
}

TEST(PackQuiz, RefusesBlocksOverTheirLimits) {
  QuizSource longLink;
  longLink.link = "abcdefghijklmnopqrstuvwx";
  longLink.credits = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789()[]{}";
  std::mt19937 random(7);
  QuizSource noisy;  // fits unpacked, but packs to more than 32768 bytes
  for (int q = 0; q < 96; ++q) {
    std::string text;
    while (text.size() < 215) {
      const char c = static_cast<char>(1 + random() % 255);
      if (c != '|') text.push_back(c);
    }
    noisy.questions.push_back({text, text.substr(0, 85), "", "", "", "", ""});
  }
  QuizSource big = noisy;  // over 30000 bytes unpacked
  for (auto& question : big.questions) question.text += question.text;
  const struct {
    const QuizSource* quiz;
    std::string error;
  } cases[] = {
      {&longLink, "block 0 (link and credits) packs to "},
      {&noisy, "block 1 packs to "},
      {&big, "block 1 holds "},
  };
  for (const auto& c : cases) {
    PackedQuiz packed;
    std::string error;
    EXPECT_FALSE(PackQuiz(*c.quiz, false, &packed, &error));
    EXPECT_EQ(error.substr(0, c.error.size()), c.error);
  }
}

class MorviCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("morvi-test-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::string Write(const std::string& name, const std::string& text) {
    const std::string path = (dir_ / name).string();
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }

  std::filesystem::path dir_;
};

TEST_F(MorviCommand, PackThenShow) {
  const std::string source = Write("q.toml", "title = \"Été\"\nrewards = [\"R\"]\n[[question]]\nanswer = \"oui\"\ntext = \"Q ?\"\n");
  const std::string blocks = (dir_ / "blocks").string();
  ASSERT_EQ(RunPack({source, "--blocks", blocks}), 0);
  PackedQuiz packed;
  std::string error;
  ASSERT_TRUE(ReadBlockFiles(blocks, &packed, &error)) << error;
  AppState state;
  PackedQuizBlocks stored(packed);
  ASSERT_TRUE(LoadQuizBlocks(state, stored).ok);
  const std::string json = QuizJson(state);
  EXPECT_NE(json.find("\"title\": \"Été\""), std::string::npos) << json;
  EXPECT_NE(json.find("\"answer\": \"OUI\""), std::string::npos) << json;
  EXPECT_NE(json.find("\"rewards\": [\n    \"R\"\n  ]"), std::string::npos) << json;
  EXPECT_EQ(RunShow({"--blocks", blocks}), 0);
}

TEST_F(MorviCommand, FailuresWriteNothing) {
  const std::string source = Write("bad.toml", "title = \"a|b\"\n");
  const std::filesystem::path blocks = dir_ / "blocks";
  EXPECT_NE(RunPack({source, "--blocks", blocks.string()}), 0);
  EXPECT_FALSE(std::filesystem::exists(blocks));
  EXPECT_NE(RunPack({(dir_ / "missing.toml").string(), "--blocks", blocks.string()}), 0);
  EXPECT_NE(RunPack({source}), 0);
  EXPECT_FALSE(std::filesystem::exists(blocks));
}

TEST_F(MorviCommand, ShowFailsWhereTheLoaderWould) {
  const std::string source = Write("q.toml", "[[question]]\nanswer = \"oui\"\n");
  const std::string blocks = (dir_ / "blocks").string();
  ASSERT_EQ(RunPack({source, "--blocks", blocks}), 0);
  EXPECT_NE(RunShow({"--blocks", (dir_ / "nothing").string()}), 0);
  Write("blocks/block2.bin", "\x01");
  EXPECT_NE(RunShow({"--blocks", blocks}), 0);
  Write("blocks/block0.bin", "short");
  EXPECT_NE(RunShow({"--blocks", blocks}), 0);
}

TEST(MorviGrade, PrintsThePlayersVerdictInUtf8) {
  const struct {
    std::vector<std::string> args;
    int status;
    std::string output;
  } cases[] = {
      {{"abcdefghijklmnop", "abcxefgyijkzmnop"}, 0, "y a de l'idée\n"},
      {{"Hélène", "  HÉLÈNE "}, 0, "BRAVO\n"},
      {{"Hélène", "helene"}, 0, "Presque\n"},
      {{"Roi", ""}, 0, "?\n"},
      {{"Roi", "ő"}, 1, ""},
      {{"Roi", std::string(86, 'a')}, 1, ""},
      {{"Roi"}, 1, ""},
  };
  for (const auto& c : cases) {
    std::ostringstream out;
    std::streambuf* saved = std::cout.rdbuf(out.rdbuf());
    const int status = RunGrade(c.args);
    std::cout.rdbuf(saved);
    EXPECT_EQ(status, c.status);
    EXPECT_EQ(out.str(), c.output);
  }
}

TEST_F(MorviCommand, PicturesBecomeResources) {
  Write("a.jpg", std::string("\xFF\xD8\x01\x98", 4));
  Write("r.PNG", "\x89PNG");
  const std::string source = Write("q.toml",
      "mode = \"picture\"\n[[question]]\nanswer = \"a\"\npicture = \"a.jpg\"\n"
      "[[question]]\nanswer = \"b\"\nreveal_picture = \"r.PNG\"\n");
  const std::filesystem::path blocks = dir_ / "out";
  ASSERT_EQ(RunPack({source, "--blocks", blocks.string()}), 0);
  std::ifstream script(blocks / "resources.rc");
  const std::string text((std::istreambuf_iterator<char>(script)), std::istreambuf_iterator<char>());
  EXPECT_NE(text.find("401 IMG \"" + (blocks / "picture-401.img").generic_string() + "\""), std::string::npos) << text;
  EXPECT_NE(text.find("10402 RCDATA \"" + (blocks / "picture-10402.png").generic_string() + "\""), std::string::npos) << text;
  std::ifstream scrambled(blocks / "picture-401.img", std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(scrambled)), std::istreambuf_iterator<char>());
  EXPECT_EQ(bytes, std::string("\xFF\x8D\x10\x89", 4));

  const std::string textMode = Write("t.toml", "[[question]]\nanswer = \"a\"\npicture = \"a.jpg\"\n");
  EXPECT_NE(RunPack({textMode, "--blocks", (dir_ / "t").string()}), 0);
  const std::string missing = Write("m.toml", "mode = \"picture\"\n[[question]]\nanswer = \"a\"\npicture = \"none.gif\"\n");
  EXPECT_NE(RunPack({missing, "--blocks", (dir_ / "m").string()}), 0);
  EXPECT_FALSE(std::filesystem::exists(dir_ / "m")) << "nothing written";
}
