#include "app/saved_answer_lines.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

TEST(SavedAnswerLines, LineRules) {
  const std::string hundred(100, 'x');
  const struct {
    const char* name;
    std::string file;
    std::vector<std::string> lines;  // then empty lines for ever
  } cases[] = {
      {"three lines, one empty", "ABC\r\n\r\nx y\r\n", {"ABC", "", "x y"}},
      {"last line without CR LF", "one\r\ntwo", {"one", "two"}},
      {"over-long line: 85 bytes, rest skipped", hundred + "\r\nnext\r\n", {std::string(85, 'x'), "next"}},
      {"exactly 85 bytes", std::string(85, 'y') + "\r\nnext\r\n", {std::string(85, 'y'), "next"}},
      {"lone LF before the CR is kept", "a\nb\r\nc\r\n", {"a\nb", "c"}},
      {"only CR ends the text; then up to the next LF",
       "first\rsecond\r\nthird\r\n", {"first", "third"}},
      {"CR without LF ends the file", "a\rb", {"a"}},
      {"an LF after the skipped one starts the next text", "a\r\n\nb\r\n", {"a", "\nb"}},
      {"zero byte inside", std::string("a\0b\r\nc\r\n", 8), {std::string("a\0b", 3), "c"}},
      {"empty file", "", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SavedAnswerLines lines(reinterpret_cast<const uint8_t*>(c.file.data()), c.file.size());
    for (const std::string& expected : c.lines) {
      char line[kSavedLineMax + 1];
      const size_t copied = lines.Next(line);
      EXPECT_EQ(std::string(line, copied), expected);
      EXPECT_EQ(line[copied], '\0');
    }
    for (int i = 0; i < 3; ++i) {
      char line[kSavedLineMax + 1] = "junk";
      lines.Next(line);
      EXPECT_STREQ(line, "");
    }
  }
}
