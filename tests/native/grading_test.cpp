#include "checking/grading.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "package/hidden_form.h"

namespace {

std::string Hidden(const std::string& plain) {
  std::string hidden(plain.size() + 1, '\0');
  NormaliseAnswer(plain.c_str(), hidden.data(), hidden.size());
  hidden.resize(std::strlen(hidden.c_str()));
  return hidden;
}

// The accepted answer as the loader holds it: hidden, but never trimmed.
std::string Accepted(const std::string& plain) {
  std::string hidden;
  for (char c : plain) hidden.push_back(static_cast<char>(HideByte(static_cast<uint8_t>(c))));
  return hidden;
}

std::string Judge(const std::string& accepted, const std::string& typed) {
  return JudgeAnswer(Accepted(accepted).c_str(), Hidden(typed).c_str());
}

}  // namespace

TEST(JudgeAnswer, Verdicts) {
  const struct {
    const char* accepted;
    const char* typed;
    const char* verdict;
  } cases[] = {
      // Short answers: right, wrong or empty, never a hint.
      {"Roi", "roi", "BRAVO"},
      {"Roi", "  roi ", "BRAVO"},
      {"Roi", "rois", "FAUX"},
      {"Roi", "ior", "FAUX"},
      {"Roi", "", "?"},
      {"Roi", "   ", "?"},
      {"Roi", "\troi", "FAUX"},  // only 0x20 is a blank
      // Accents are upper-cased like letters.
      {"Hélène", "hélène", "BRAVO"},
      {"Hélène", "HÉLÈNE", "BRAVO"},
      {"Hélène", "helene", "Presque"},
      {"Noël", "NOËL", "BRAVO"},
      {"chat", "", "?"},
      {"chat", "  ", "?"},
      {"chat", " Chat  ", "BRAVO"},
      // Anagrams come before the distance rules.
      {"chat", "caht", "Anagramme"},
      {"roma", "amor", "Anagramme"},
      {"chat", "chat ", "BRAVO"},
      {"le chat", "lechat", "Quasiment"},
      {"chat", "chats", "Quasiment"},
      {"chat", "cha", "Quasiment"},
      {"napoleon", "napole", "Presque"},
      // The accepted answer inside a longer one.
      {"chat", "le chat", "Trop long"},
      {"chat", "le chat noir", "Trop long"},                // 8 extra
      {"chat", "le chat noir du", "Pas loin"},              // 11 extra
      {"chat", "le chat noir du voisin", "Pas loin"},       // 18 extra
      {"chat", "le chat noir du voisin!!", "Pas loin"},     // 20 extra
      {"chat", "le chat noir du voisin!!!", "FAUX"},        // 21 extra
      {"chat", "le chat noir de mon voisin", "FAUX"},       // 22 extra
      // A part of the accepted answer: only for answers over 9 bytes.
      {"alexandre le grand", "alexandre le gr", "Trop court"},  // 83.3 %
      {"alexandre le grand", "alexandre le g", "Pas loin"},     // 77.8 %
      {"alexandre le grand", "alexandre le", "FAUX"},           // 66.7 %
      {"abcdefghijklmnopqrst", "abcdefghijklmnopq", "Trop court"},  // 85 %
      {"abcdefghijklmnopqrst", "abcdefghijklmnop", "Pas loin"},     // exactly 80 %
      {"abcdefghijklmnopqrst", "abcdefghijklmno", "FAUX"},          // exactly 75 %
      {"napoleon", "napo", "FAUX"},
      {"abcdefghi", "abcde", "FAUX"},       // 9 bytes: never graded as a part
      {"abcdefghij", "abcdefghi", "Quasiment"},
      {"abcdefghij", "abcdefg", "FAUX"},         // 70 %
      // Similarity.
      {"abcdefghijklmnop", "abcxefgyijkzmnop", "y a de l'idée"},  // s = 81.25
      {"abcdefghijklmno", "abcxefgyijkzmno", "FAUX"},             // s = 80
      {"christophe colomb", "christof kolomb", "FAUX"},           // s = 76.5
      // The scan's blind spot: an occurrence after a failed partial match.
      {"abac", "xyababac", "FAUX"},
      {"abac", "xyabac", "Presque"},
      {"abac", "xyzabac", "Trop long"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Judge(c.accepted, c.typed), c.verdict) << c.accepted << " / " << c.typed;
  }
}

TEST(FindInside, ForwardScan) {
  const struct {
    const char* accepted;
    const char* typed;
    int result;
  } cases[] = {
      {"chat", "le chat", 2},        {"alexandre", "xandre", -2}, {"chat", "chat", 2},
      {"ABAC", "XYABABAC", 0},       {"XYABABAC", "ABAC", 0},     {"ABAC", "XYABAC", 2},
      {"AAB", "AAAB", 0},            {"chat", "chien", 0},        {"chat", "c", -2},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FindInside(c.accepted, c.typed), c.result) << c.accepted << " / " << c.typed;
  }
}

TEST(EditDistance, Levenshtein) {
  const struct {
    const char* a;
    const char* b;
    int d;
  } cases[] = {
      {"", "", 0},          {"abc", "", 3},          {"", "abcd", 4},
      {"chat", "chat", 0},  {"chat", "caht", 2},     {"kitten", "sitting", 3},
      {"napoleon", "napole", 2}, {"flaw", "lawn", 2}, {"abcdefghijklmnop", "abcxefgyijkzmnop", 3},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(EditDistance(c.a, c.b), c.d) << c.a << " / " << c.b;
    EXPECT_EQ(EditDistance(c.b, c.a), c.d) << c.b << " / " << c.a;
  }
  const std::string longA(259, 'a'), longB(259, 'b');
  EXPECT_EQ(EditDistance(longA.c_str(), longB.c_str()), 259);
  EXPECT_EQ(EditDistance(longA.c_str(), ("b" + longA.substr(2) + "b").c_str()), 2);
}

TEST(NormaliseAnswer, TrimsUpperCasesAndHides) {
  const struct {
    const char* typed;
    const char* plain;  // the upper-cased text before SwapNibbles
  } cases[] = {
      {"  roi  ", "ROI"}, {"a b", "A B"}, {" \t ", "\t"}, {"", ""},
      {"\xE9\xF7\xFF", "\xC9\xD7\xDF"}, {"\xDF\xB5", "\xDF\xB5"}, {"{|}~", "{|}~"},
  };
  for (const auto& c : cases) {
    std::string expected;
    for (const char* p = c.plain; *p; ++p) expected.push_back(static_cast<char>(SwapNibbles(static_cast<uint8_t>(*p))));
    EXPECT_EQ(Hidden(c.typed), expected) << c.typed;
  }
  char small[4];
  NormaliseAnswer("abcdef", small, sizeof small);
  EXPECT_EQ(std::string(small), Accepted("ABC"));
}

// Judging in hidden form gives exactly the verdicts the upper-cased plain
// texts give, whatever bytes the answers hold.
TEST(JudgeAnswer, HiddenFormJudgesLikeThePlainText) {
  const auto upper = [](const std::string& text) {
    std::string out;
    for (char c : text) out.push_back(static_cast<char>(UpperCaseByte(static_cast<uint8_t>(c))));
    return out;
  };
  for (int b = 1; b < 256; ++b) {
    const char c = static_cast<char>(b);
    const char other = static_cast<char>(b == 255 ? 1 : b + 1);
    const std::string accepted = std::string("ab") + c + "cdefghijk" + c;
    const std::string typedAnswers[] = {
        accepted,
        std::string("ab") + c + "cdefghijk" + other,
        std::string("ab") + c + c + "cdefghijk",
        std::string("ba") + c + "cdefghijk" + c,
        std::string(1, c) + accepted,
        accepted.substr(0, 10),
        std::string(3, c),
        std::string(1, c) + "Z",
    };
    for (const std::string& typed : typedAnswers) {
      const std::string onHidden = JudgeAnswer(Accepted(accepted).c_str(), Hidden(typed).c_str());
      std::string trimmedTyped = typed;
      while (!trimmedTyped.empty() && trimmedTyped.back() == ' ') trimmedTyped.pop_back();
      while (!trimmedTyped.empty() && trimmedTyped.front() == ' ') trimmedTyped.erase(0, 1);
      const std::string onPlain = JudgeAnswer(upper(accepted).c_str(), upper(trimmedTyped).c_str());
      EXPECT_EQ(onHidden, onPlain) << "byte " << b << " typed " << typed;
    }
    // A short accepted answer holding the byte.
    const std::string shortAccepted(1, c);
    EXPECT_EQ(JudgeAnswer(Accepted(shortAccepted).c_str(), Hidden(std::string(1, c)).c_str()),
              std::string(b == ' ' ? "?" : "BRAVO"));
  }
}
