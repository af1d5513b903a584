#include "commands.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <iostream>

#include "block_files.h"
#include "checking/grading.h"
#include "images/picture_bytes.h"
#include "cp1252.h"
#include "json_writer.h"
#include "package/hidden_form.h"
#include "package/quiz_package.h"
#include "packer.h"
#include "pictures.h"
#include "quiz_source.h"

namespace {

int Fail(const std::string& reason) {
  std::cerr << "morvi: " << reason << '\n';
  return 1;
}

// Value of --name VALUE in args, removed from them; empty when absent.
bool TakeOption(Arguments* args, const std::string& name, std::string* value) {
  for (size_t i = 0; i < args->size(); ++i) {
    if ((*args)[i] == name && i + 1 < args->size()) {
      *value = (*args)[i + 1];
      args->erase(args->begin() + static_cast<long>(i), args->begin() + static_cast<long>(i) + 2);
      return true;
    }
  }
  return false;
}

bool TakeFlag(Arguments* args, const std::string& name) {
  for (size_t i = 0; i < args->size(); ++i) {
    if ((*args)[i] == name) {
      args->erase(args->begin() + static_cast<long>(i));
      return true;
    }
  }
  return false;
}

std::string Readable(const char* hidden) {
  std::string text;
  for (const char* p = hidden; *p != '\0'; ++p) {
    text.push_back(static_cast<char>(UnswapNibbles(static_cast<uint8_t>(*p))));
  }
  return Cp1252ToUtf8(text);
}


}  // namespace

int RunPack(const Arguments& given) {
  Arguments args = given;
  std::string dir;
  const bool haveDir = TakeOption(&args, "--blocks", &dir);
  const bool plain = TakeFlag(&args, "--plain");
  if (!haveDir || args.size() != 1) return Fail("usage: morvi pack QUIZ.toml --blocks DIR [--plain]");
  QuizSource quiz;
  std::string error;
  std::vector<std::string> warnings;
  const bool read = ReadQuizSource(args[0], &quiz, &error, &warnings);
  for (const std::string& warning : warnings) std::cerr << "morvi: warning: " << warning << '\n';
  if (!read) return Fail(error);
  PackedQuiz packed;
  if (!PackQuiz(quiz, plain, &packed, &error)) return Fail(args[0] + ": " + error);
  std::vector<PictureResource> pictures;
  if (!CollectPictures(quiz, &pictures, &error)) return Fail(error);
  if (!WriteBlockFiles(dir, packed, &error) || !WritePictureResources(pictures, dir, &error)) return Fail(error);
  return 0;
}

std::string QuizJson(const AppState& state) {
  JsonWriter json;
  json.BeginObject();
  json.Key("link").String(Cp1252ToUtf8(state.linkTarget));
  json.Key("credits").String(Cp1252ToUtf8(state.creditsText));
  json.Key("mode").Number(state.quizMode);
  json.Key("title").String(Cp1252ToUtf8(state.title));
  json.Key("author").String(Cp1252ToUtf8(state.author));
  json.Key("description").String(Cp1252ToUtf8(state.description));
  json.Key("labels").BeginArray();
  json.String(Cp1252ToUtf8(state.firstAnswerLabel)).String(Cp1252ToUtf8(state.secondAnswerLabel));
  json.EndArray();
  json.Key("answers_per_question").Number(state.answersPerQuestion);
  json.Key("question_type").Number(state.questionType);
  json.Key("page_colour").BeginArray();
  json.Number(state.pageRed).Number(state.pageGreen).Number(state.pageBlue).EndArray();
  json.Key("questions").BeginArray();
  int index = 0;
  for (const AnswerNode* node = state.answers.first; node != nullptr && index < state.questionCount;
       node = node->next, ++index) {
    json.BeginObject();
    json.Key("answer").String(Readable(node->answer));
    json.Key("second_answer").String(Readable(node->secondAnswer));
    json.Key("text").String(Cp1252ToUtf8(node->questionText));
    json.Key("extra").String(Cp1252ToUtf8(node->extraText));
    json.EndObject();
  }
  json.EndArray();
  json.Key("rewards").BeginArray();
  for (int i = 0; i < state.questionCount; ++i) json.String(Cp1252ToUtf8(state.rewardCodes[i]));
  json.EndArray();
  json.EndObject();
  return json.Text();
}

int RunShow(const Arguments& given) {
  Arguments args = given;
  std::string dir;
  if (!TakeOption(&args, "--blocks", &dir) || !args.empty()) return Fail("usage: morvi show --blocks DIR");
  PackedQuiz packed;
  std::string error;
  if (!ReadBlockFiles(dir, &packed, &error)) return Fail(error);
  AppState state;
  PackedQuizBlocks blocks(packed);
  const QuizLoadResult result = LoadQuizBlocks(state, blocks);
  if (!result.ok) {
    return Fail(BlockFilePath(dir, result.failedBlock) +
                ": does not unpack, plain or deciphered, or does not hold what its block must");
  }
  std::cout << QuizJson(state);
  return 0;
}

int RunGrade(const Arguments& args) {
  if (args.size() != 2) return Fail("usage: morvi grade ACCEPTED TYPED");
  std::string accepted, typed;
  char32_t bad = 0;
  if (!Utf8ToCp1252(args[0], &accepted, &bad) || !Utf8ToCp1252(args[1], &typed, &bad)) {
    return Fail("the character " + CodePointName(bad) + " has no Windows-1252 form");
  }
  if (accepted.size() > kSourceTextMax) return Fail("an accepted answer holds at most 259 bytes");
  if (typed.size() > kTypableAnswerMax) return Fail("an answer field takes at most 85 characters");
  // The accepted answer as the loader holds it (hidden, never trimmed), the
  // typed one as an answer field hands it over.
  std::string hiddenAccepted;
  for (char c : accepted) hiddenAccepted.push_back(static_cast<char>(HideByte(static_cast<uint8_t>(c))));
  char hiddenTyped[kTextSize];
  NormaliseAnswer(typed.c_str(), hiddenTyped, sizeof hiddenTyped);
  std::cout << Cp1252ToUtf8(JudgeAnswer(hiddenAccepted.c_str(), hiddenTyped)) << '\n';
  return 0;
}

int RunScramble(const Arguments& args) {
  if (args.size() != 2) return Fail("usage: morvi scramble IN OUT");
  std::ifstream in(args[0], std::ios::binary);
  if (!in) return Fail(args[0] + ": cannot be read");
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  RotateNibbles(bytes.data(), bytes.data(), bytes.size());
  std::ofstream out(args[1], std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out.flush()) return Fail(args[1] + ": cannot be written");
  return 0;
}
