// A quiz as its author writes it: a TOML file in UTF-8, read into
// Windows-1252 texts and checked against what the player can hold.
//
//   title, author, description, link, credits     texts
//   mode = "text" | "picture" | "audio" | "video"
//   answers_per_question = 1 | 2
//   labels = ["first answer label", "second answer label"]
//   question_type = 0 .. 8
//   page_colour = [red, green, blue]
//   rewards = ["code for 1 right", "code for 2 right", ...]
//   [[question]]  text, answer, second_answer, extra, extra2, and in the
//                 picture layout picture and reveal_picture (files: PNG
//                 files go to the program's own decoder, any other picture
//                 the system reads goes stored scrambled)
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum class QuizMode : uint8_t { kText = 0, kPicture = 1, kAudio = 2, kVideo = 3 };

constexpr size_t kSourceLinkMax = 24;
constexpr size_t kSourceCreditsMax = 42;
constexpr size_t kSourceTextMax = 259;
constexpr size_t kSourceMaxQuestions = 96;
constexpr size_t kTypableAnswerMax = 85;  // what an answer field accepts

struct QuizQuestion {
  std::string text;
  std::string answer;
  std::string secondAnswer;
  std::string extra;
  std::string extra2;
  std::string picture;        // file path, relative ones resolved against the source's folder
  std::string revealPicture;  // likewise
};

// Every text in Windows-1252.
struct QuizSource {
  std::string title;
  std::string author;
  std::string description;
  std::string link;
  std::string credits;
  QuizMode mode = QuizMode::kText;
  int answersPerQuestion = 1;
  std::string labels[2];
  int questionType = 0;
  uint8_t pageColour[3] = {90, 95, 150};  // red, green, blue
  std::vector<std::string> rewards;
  std::vector<QuizQuestion> questions;
};

// Reads a quiz source. On failure returns false with a one-line reason
// naming the file, and the line or the key and question number.
// Warnings (answers that can never be typed as written) go to warnings.
bool ParseQuizSource(std::string_view text, const std::string& sourceName, QuizSource* quiz,
                     std::string* error, std::vector<std::string>* warnings);
bool ReadQuizSource(const std::string& path, QuizSource* quiz, std::string* error,
                    std::vector<std::string>* warnings);
