#include "quiz_source.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include <toml++/toml.h>

#include "cp1252.h"

namespace {

struct Field {
  std::string_view key;
  size_t limit;
};

class SourceReader {
 public:
  SourceReader(const std::string& name, std::string* error) : name_(name), error_(error) {}

  bool Fail(const std::string& where, const std::string& why) {
    *error_ = name_ + ": " + where + ": " + why;
    return false;
  }

  static std::string Where(std::string_view key, int question) {
    std::string where(key);
    if (question > 0) where = "question " + std::to_string(question) + ": " + where;
    return where;
  }

  // A text key: UTF-8 to Windows-1252, no '|' (it ends texts in the
  // package), no zero byte, at most limit bytes; line breaks only where
  // allowed.
  bool Text(const toml::table& table, std::string_view key, size_t limit, int question,
            std::string* out, bool allowLineBreaks = true) {
    out->clear();
    const toml::node* node = table.get(key);
    if (node == nullptr) return true;
    const std::string where = Where(key, question);
    if (!node->is_string()) return Fail(where, "must be a text");
    return Convert(**node->as_string(), where, limit, out, allowLineBreaks);
  }

  bool Convert(const std::string& utf8, const std::string& where, size_t limit, std::string* out,
               bool allowLineBreaks) {
    char32_t bad = 0;
    if (!Utf8ToCp1252(utf8, out, &bad)) {
      return Fail(where, "the character " + CodePointName(bad) + " has no Windows-1252 form");
    }
    if (out->find('|') != std::string::npos) return Fail(where, "'|' cannot appear in a text");
    if (out->find('\0') != std::string::npos) return Fail(where, "a text cannot hold a zero character");
    if (!allowLineBreaks && out->find_first_of("\r\n") != std::string::npos) {
      return Fail(where, "a line break cannot appear here");
    }
    if (out->size() > limit) {
      return Fail(where, "is " + std::to_string(out->size()) + " bytes long, at most " +
                             std::to_string(limit) + " fit");
    }
    return true;
  }

  // A file name, kept as written (UTF-8).
  bool Path(const toml::table& table, std::string_view key, int question, std::string* out) {
    const toml::node* node = table.get(key);
    if (node == nullptr) return true;
    if (!node->is_string() || node->as_string()->get().empty()) {
      return Fail(Where(key, question), "must be a file name");
    }
    *out = **node->as_string();
    return true;
  }

  bool Integer(const toml::table& table, std::string_view key, int64_t low, int64_t high,
               int64_t* out) {
    const toml::node* node = table.get(key);
    if (node == nullptr) return true;
    if (!node->is_integer()) return Fail(std::string(key), "must be a whole number");
    const int64_t value = **node->as_integer();
    if (value < low || value > high) {
      return Fail(std::string(key), "must be from " + std::to_string(low) + " to " + std::to_string(high));
    }
    *out = value;
    return true;
  }

  // Keys the table may hold; anything else is most likely a typing error.
  bool OnlyKnownKeys(const toml::table& table, std::initializer_list<std::string_view> known,
                     int question) {
    for (const auto& [key, value] : table) {
      bool found = false;
      for (std::string_view k : known) found = found || k == key.str();
      if (!found) return Fail(Where(key.str(), question), "unknown key");
    }
    return true;
  }

 private:
  const std::string& name_;
  std::string* error_;
};

bool ReadMode(SourceReader& reader, const toml::table& root, QuizMode* mode) {
  const toml::node* node = root.get("mode");
  if (node == nullptr) return true;
  static constexpr std::pair<std::string_view, QuizMode> kModes[] = {
      {"text", QuizMode::kText}, {"picture", QuizMode::kPicture},
      {"audio", QuizMode::kAudio}, {"video", QuizMode::kVideo}};
  if (node->is_string()) {
    for (const auto& [name, value] : kModes) {
      if (**node->as_string() == name) {
        *mode = value;
        return true;
      }
    }
  }
  return reader.Fail("mode", "must be \"text\", \"picture\", \"audio\" or \"video\"");
}

}  // namespace

bool ParseQuizSource(std::string_view text, const std::string& sourceName, QuizSource* quiz,
                     std::string* error, std::vector<std::string>* warnings) {
  *quiz = QuizSource{};
  toml::table root;
  try {
    root = toml::parse(text, sourceName);
  } catch (const toml::parse_error& e) {
    *error = sourceName + ": line " + std::to_string(e.source().begin.line) + ": " +
             std::string(e.description());
    return false;
  }
  SourceReader reader(sourceName, error);
  if (!reader.OnlyKnownKeys(root,
                            {"title", "author", "description", "link", "credits", "mode",
                             "answers_per_question", "labels", "question_type", "page_colour",
                             "rewards", "question"},
                            0)) {
    return false;
  }
  if (!reader.Text(root, "title", kSourceTextMax, 0, &quiz->title) ||
      !reader.Text(root, "author", kSourceTextMax, 0, &quiz->author) ||
      !reader.Text(root, "description", kSourceTextMax, 0, &quiz->description) ||
      !reader.Text(root, "link", kSourceLinkMax, 0, &quiz->link, false) ||
      !reader.Text(root, "credits", kSourceCreditsMax, 0, &quiz->credits) ||
      !ReadMode(reader, root, &quiz->mode)) {
    return false;
  }
  int64_t perQuestion = 1, type = 0;
  if (!reader.Integer(root, "answers_per_question", 1, 2, &perQuestion) ||
      !reader.Integer(root, "question_type", 0, 8, &type)) {
    return false;
  }
  quiz->answersPerQuestion = static_cast<int>(perQuestion);
  if (quiz->answersPerQuestion == 2 && quiz->mode == QuizMode::kText) {
    return reader.Fail("answers_per_question", "the text layout has one answer per question");
  }
  quiz->questionType = static_cast<int>(type);

  if (const toml::node* labels = root.get("labels")) {
    const toml::array* list = labels->as_array();
    if (list == nullptr || list->size() != 2 || !list->is_homogeneous(toml::node_type::string)) {
      return reader.Fail("labels", "must be a list of two texts");
    }
    for (size_t i = 0; i < 2; ++i) {
      if (!reader.Convert(**(*list)[i].as_string(), "labels", kSourceTextMax, &quiz->labels[i], true)) {
        return false;
      }
    }
  }
  if (const toml::node* colour = root.get("page_colour")) {
    const toml::array* list = colour->as_array();
    bool ok = list != nullptr && list->size() == 3 && list->is_homogeneous(toml::node_type::integer);
    for (size_t i = 0; ok && i < 3; ++i) {
      const int64_t value = **(*list)[i].as_integer();
      ok = value >= 0 && value <= 255;
      if (ok) quiz->pageColour[i] = static_cast<uint8_t>(value);
    }
    if (!ok) return reader.Fail("page_colour", "must be [red, green, blue], each from 0 to 255");
  }

  if (const toml::node* questions = root.get("question")) {
    const toml::array* list = questions->as_array();
    if (list == nullptr || !list->is_homogeneous(toml::node_type::table)) {
      return reader.Fail("question", "must be [[question]] tables");
    }
    if (list->size() > kSourceMaxQuestions) {
      return reader.Fail("question", std::to_string(list->size()) + " questions, at most " +
                                         std::to_string(kSourceMaxQuestions) + " fit");
    }
    int number = 0;
    for (const toml::node& node : *list) {
      ++number;
      const toml::table& table = *node.as_table();
      QuizQuestion question;
      if (!reader.OnlyKnownKeys(table, {"text", "answer", "second_answer", "extra", "extra2", "picture",
                                        "reveal_picture"},
                                number) ||
          !reader.Path(table, "picture", number, &question.picture) ||
          !reader.Path(table, "reveal_picture", number, &question.revealPicture) ||
          !reader.Text(table, "text", kSourceTextMax, number, &question.text) ||
          !reader.Text(table, "answer", kSourceTextMax, number, &question.answer) ||
          !reader.Text(table, "second_answer", kSourceTextMax, number, &question.secondAnswer) ||
          !reader.Text(table, "extra", kSourceTextMax, number, &question.extra) ||
          !reader.Text(table, "extra2", kSourceTextMax, number, &question.extra2)) {
        return false;
      }
      if ((!question.picture.empty() || !question.revealPicture.empty()) && quiz->mode != QuizMode::kPicture) {
        return reader.Fail(SourceReader::Where(question.picture.empty() ? "reveal_picture" : "picture", number),
                           "pictures show only in the picture layout (mode = \"picture\")");
      }
      if (!table.contains("answer")) return reader.Fail(SourceReader::Where("answer", number), "missing");
      if (quiz->answersPerQuestion == 2 && !table.contains("second_answer")) {
        return reader.Fail(SourceReader::Where("second_answer", number),
                           "missing (answers_per_question is 2)");
      }
      for (const std::string* answer : {&question.answer, &question.secondAnswer}) {
        const char* key = answer == &question.answer ? "answer" : "second_answer";
        if (answer->size() > kTypableAnswerMax) {
          warnings->push_back(sourceName + ": " + SourceReader::Where(key, number) +
                              ": longer than the 85 characters an answer field accepts");
        } else if (!answer->empty() && (answer->front() == ' ' || answer->back() == ' ')) {
          warnings->push_back(sourceName + ": " + SourceReader::Where(key, number) +
                              ": typed answers lose their outer blanks, so this one never matches");
        }
      }
      quiz->questions.push_back(std::move(question));
    }
  }

  if (const toml::node* rewards = root.get("rewards")) {
    const toml::array* list = rewards->as_array();
    if (list == nullptr || !list->is_homogeneous(toml::node_type::string)) {
      if (list == nullptr || !list->empty()) return reader.Fail("rewards", "must be a list of texts");
    }
    if (list->size() > quiz->questions.size()) {
      return reader.Fail("rewards", std::to_string(list->size()) + " codes for " +
                                        std::to_string(quiz->questions.size()) +
                                        " questions: one code per score from 1 up");
    }
    for (size_t i = 0; i < list->size(); ++i) {
      std::string code;
      if (!reader.Convert(**(*list)[i].as_string(), "rewards " + std::to_string(i + 1),
                          kSourceTextMax, &code, false)) {
        return false;
      }
      quiz->rewards.push_back(std::move(code));
    }
  }
  return true;
}

bool ReadQuizSource(const std::string& path, QuizSource* quiz, std::string* error,
                    std::vector<std::string>* warnings) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    *error = path + ": cannot be read";
    return false;
  }
  std::ostringstream text;
  text << file.rdbuf();
  if (!ParseQuizSource(text.str(), path, quiz, error, warnings)) return false;
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  for (QuizQuestion& question : quiz->questions) {
    for (std::string* picture : {&question.picture, &question.revealPicture}) {
      if (!picture->empty() && std::filesystem::path(*picture).is_relative()) {
        *picture = (folder / *picture).string();
      }
    }
  }
  return true;
}
