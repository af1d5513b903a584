#include "package/quiz_package.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "lzw_encoder.h"
#include "package/hidden_form.h"
#include "support/hex.h"

namespace {

std::string HiddenOf(const char* plain) {
  std::string hidden;
  for (const char* p = plain; *p; ++p) hidden.push_back(static_cast<char>(HideByte(static_cast<uint8_t>(*p))));
  return hidden;
}

// Block 1 as its author would lay it out by hand.
std::vector<uint8_t> QuizBlock(uint8_t modePlusOne, uint8_t count, uint8_t perQuestion,
                               const std::vector<std::string>& texts, uint8_t type,
                               const std::vector<std::string>& typeTexts,
                               std::vector<uint8_t> colour = {1, 2, 3}) {
  std::vector<uint8_t> out = {0, modePlusOne, count, perQuestion};
  const auto add = [&out](const std::string& text) {
    out.insert(out.end(), text.begin(), text.end());
    out.push_back('|');
  };
  for (const std::string& text : texts) add(text);
  out.push_back(type);
  for (const std::string& text : typeTexts) add(text);
  out.insert(out.end(), colour.begin(), colour.end());
  return out;
}

const std::vector<std::string> kHeader = {"Titre", "Auteur", "Description", "Nom", "Date"};

std::vector<std::string> With(std::vector<std::string> texts, std::initializer_list<std::string> more) {
  texts.insert(texts.end(), more);
  return texts;
}

bool Parse(const std::vector<uint8_t>& block, AppState& state) {
  return ParseQuizBlock(block.data(), static_cast<uint32_t>(block.size()), state);
}

}  // namespace

TEST(HiddenForm, SwapNibblesExamples) {
  EXPECT_EQ(SwapNibbles(0x41), 0x14);
  EXPECT_EQ(SwapNibbles(0x7F), 0xF7);
  EXPECT_EQ(SwapNibbles(0xC9), 0x8C);
  EXPECT_EQ(SwapNibbles(0xC0), 0xFC);
  EXPECT_EQ(SwapNibbles(0x80), 0x08 | 0xF0);
}

TEST(HiddenForm, SwapNibblesIsOneToOneAndNeverZero) {
  std::set<int> seen;
  for (int b = 0; b < 256; ++b) {
    const uint8_t h = SwapNibbles(static_cast<uint8_t>(b));
    seen.insert(h);
    EXPECT_EQ(UnswapNibbles(h), b);
    if (b != 0) {
      EXPECT_NE(h, 0);
    }
  }
  EXPECT_EQ(seen.size(), 256u);
}

TEST(HiddenForm, UpperCasing) {
  const std::pair<uint8_t, uint8_t> cases[] = {
      {'a', 'A'}, {'z', 'Z'}, {'A', 'A'}, {'{', '{'}, {'`', '`'}, {0xE9, 0xC9},
      {0xE0, 0xC0}, {0xF7, 0xD7}, {0xFF, 0xDF}, {0xDF, 0xDF}, {0x9C, 0x9C}, {' ', ' '}};
  for (const auto& [plain, upper] : cases) EXPECT_EQ(UpperCaseByte(plain), upper) << int(plain);
}

TEST(CipherKey, KeyIsTheWindows1252Text) {
  const char expected[] = "Lignes vides oubliées";
  ASSERT_EQ(sizeof expected - 1, kCipherKeyLength);
  EXPECT_EQ(std::memcmp(kCipherKey, expected, kCipherKeyLength), 0);
}

TEST(CipherKey, SkipsTheFirstByteAndWraps) {
  std::vector<uint8_t> bytes(30, 0);
  CipherKey key;
  key.Apply(bytes.data(), bytes.size());
  EXPECT_EQ(bytes[0], 0);
  EXPECT_EQ(bytes[1], 'L');
  EXPECT_EQ(bytes[21], 's');
  EXPECT_EQ(bytes[22], 'L');
  EXPECT_EQ(key.position, 29u % kCipherKeyLength);
}

TEST(ParseQuizBlock, OneAnswerPerQuestion) {
  AppState state;
  ASSERT_TRUE(Parse(QuizBlock(1, 2, 1, With(kHeader, {"\xE9t\xE9", "Saison ?", "Paris", "Ville ?"}), 0, {},
                              {0x20, 0x40, 0x60}),
                    state));
  EXPECT_EQ(state.quizMode, 0u);
  EXPECT_EQ(state.questionCount, 2);
  EXPECT_EQ(state.answersPerQuestion, 1);
  EXPECT_STREQ(state.title, "Titre");
  EXPECT_STREQ(state.author, "Auteur");
  EXPECT_STREQ(state.description, "Description");
  EXPECT_STREQ(state.firstAnswerLabel, "Nom");
  EXPECT_STREQ(state.secondAnswerLabel, "Date");
  const AnswerNode* first = AnswerAt(state.answers, 0);
  EXPECT_EQ(std::string(first->answer), std::string("\x8C\x45\x8C"));
  EXPECT_STREQ(first->secondAnswer, "");
  EXPECT_STREQ(first->questionText, "Saison ?");
  EXPECT_EQ(std::string(AnswerAt(state.answers, 1)->answer), HiddenOf("PARIS"));
  EXPECT_STREQ(AnswerAt(state.answers, 1)->questionText, "Ville ?");
  EXPECT_EQ(state.answers.last, AnswerAt(state.answers, 1));
  EXPECT_EQ(state.pageRed, 0x20);
  EXPECT_EQ(state.pageGreen, 0x40);
  EXPECT_EQ(state.pageBlue, 0x60);
}

TEST(ParseQuizBlock, TwoAnswersPerQuestion) {
  AppState state;
  ASSERT_TRUE(Parse(QuizBlock(2, 1, 2, With(kHeader, {"hugo", "victor", "Qui ?"}), 0, {}), state));
  EXPECT_EQ(state.quizMode, 1u);
  const AnswerNode* node = state.answers.first;
  EXPECT_EQ(std::string(node->answer), HiddenOf("HUGO"));
  EXPECT_EQ(std::string(node->secondAnswer), HiddenOf("VICTOR"));
  EXPECT_STREQ(node->questionText, "Qui ?");
}

TEST(ParseQuizBlock, TypeSections) {
  const auto questions = With(kHeader, {"a", "Q1", "b", "Q2"});
  const struct {
    uint8_t type;
    std::vector<std::string> section;
    const char* extra1;
    const char* extra2;
  } cases[] = {
      {0, {}, "", ""},
      {5, {}, "", ""},
      {9, {}, "", ""},
      {255, {}, "", ""},
      {1, {"x1", "x2"}, "x1", "x2"},
      {2, {"x1", "x2"}, "x1", "x2"},
      {4, {"x1", "x2"}, "x1", "x2"},
      {7, {"x1", "x2"}, "x1", "x2"},
      {8, {"x1", "x2"}, "x1", "x2"},
      {3, {"x1", "unused", "x2", "unused"}, "x1", "x2"},
      {6, {"x1", "unused", "x2", "unused"}, "x1", "x2"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(int(c.type));
    AppState state;
    ASSERT_TRUE(Parse(QuizBlock(1, 2, 1, questions, c.type, c.section, {7, 8, 9}), state));
    EXPECT_EQ(state.questionType, c.type);
    EXPECT_STREQ(AnswerAt(state.answers, 0)->extraText, c.extra1);
    EXPECT_STREQ(AnswerAt(state.answers, 1)->extraText, c.extra2);
    EXPECT_EQ(state.pageRed, 7);
    EXPECT_EQ(state.pageGreen, 8);
    EXPECT_EQ(state.pageBlue, 9);
  }
}

TEST(ParseQuizBlock, ModeByteZeroWrapsAround) {
  AppState state;
  ASSERT_TRUE(Parse(QuizBlock(0, 0, 1, kHeader, 0, {}), state));
  EXPECT_EQ(state.quizMode, 0xFFFFFFFFu);
}

TEST(ParseQuizBlock, EveryCutShortBlockFailsAndTrailingBytesAreIgnored) {
  std::vector<uint8_t> block = QuizBlock(1, 2, 2, With(kHeader, {"a", "b", "Q1", "c", "d", "Q2"}), 3,
                                         {"e1", "f1", "e2", "f2"});
  for (size_t size = 0; size < block.size(); ++size) {
    AppState state;
    EXPECT_FALSE(ParseQuizBlock(block.data(), static_cast<uint32_t>(size), state)) << size;
  }
  block.push_back('z');
  AppState state;
  EXPECT_TRUE(Parse(block, state));
  EXPECT_EQ(state.pageBlue, 3);
}

TEST(ParseQuizBlock, AtMost96Questions) {
  for (int count : {96, 97, 255}) {
    std::vector<std::string> texts = kHeader;
    for (int q = 0; q < count; ++q) {
      texts.push_back("r");
      texts.push_back("q");
    }
    AppState state;
    EXPECT_EQ(Parse(QuizBlock(1, static_cast<uint8_t>(count), 1, texts, 0, {}), state), count <= 96)
        << count;
    EXPECT_LE(state.questionCount, kMaxQuestions) << "the record never holds more";
  }
}

TEST(ParseQuizBlock, OverLongTextsAreCutAndTheRestStaysInStep) {
  const std::string longTitle(300, 'T');
  const std::string longAnswer(400, 'a');
  AppState state;
  ASSERT_TRUE(Parse(QuizBlock(1, 1, 1, {longTitle, "Auteur", "D", "L1", "L2", longAnswer, "Q"}, 7,
                              {std::string(270, 'x')}),
                    state));
  EXPECT_EQ(std::string(state.title), std::string(259, 'T'));
  EXPECT_STREQ(state.author, "Auteur");
  EXPECT_EQ(std::string(state.answers.first->answer), HiddenOf(std::string(259, 'A').c_str()));
  EXPECT_STREQ(state.answers.first->questionText, "Q");
  EXPECT_EQ(std::string(state.answers.first->extraText), std::string(259, 'x'));
  EXPECT_EQ(state.pageRed, 1);
}

TEST(ParseLinkBlock, LinkAndCredits) {
  const struct {
    std::string data;
    bool ok;
    const char* link;
    const char* credits;
  } cases[] = {
      {"xxhttp://a.fr|Merci|tail", true, "http://a.fr", "Merci"},
      {"xx" + std::string(30, 'l') + "|" + std::string(50, 'c') + "|", true,
       "llllllllllllllllllllllll", "cccccccccccccccccccccccccccccccccccccccccc"},
      {"xx|", false, "", ""},
      {"xxlink|credits", false, "link", ""},
      {"x", false, "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.data);
    AppState state;
    EXPECT_EQ(ParseLinkBlock(reinterpret_cast<const uint8_t*>(c.data.data()),
                             static_cast<uint32_t>(c.data.size()), state),
              c.ok);
    if (c.ok) {
      EXPECT_STREQ(state.linkTarget, c.link);
      EXPECT_STREQ(state.creditsText, c.credits);
    }
  }
}

TEST(ParseRewardBlock, Lines) {
  const struct {
    std::string data;
    int count;
    std::vector<std::string> codes;
  } cases[] = {
      {"A\r\nB\r\nC\r\n", 3, {"A", "B", "C"}},
      {"A\r\nB\r\n", 3, {"A", "B", ""}},
      {"A\r\nB", 3, {"A", "B", ""}},
      {"A\r\nB\r\nC\r\nD\r\n", 2, {"A", "B"}},
      {"\r\n\r\nC\r\n", 3, {"", "", "C"}},
      {"A\nB\r\nC\r\n", 2, {"A\nB", "C"}},
      {"A\r", 2, {"A", ""}},
      {std::string(300, 'k') + "\r\nB\r\n", 2, {std::string(259, 'k'), "B"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.data);
    AppState state;
    state.questionCount = c.count;
    EXPECT_TRUE(ParseRewardBlock(reinterpret_cast<const uint8_t*>(c.data.data()),
                                 static_cast<uint32_t>(c.data.size()), state));
    for (int i = 0; i < c.count; ++i) EXPECT_EQ(state.rewardCodes[i], c.codes[i]) << i;
  }
}

namespace {

// Enciphers the way the stored blocks are written, independently of the
// loader's own key code: byte i (from 1) uses key byte (start + i - 1) mod 21.
std::vector<uint8_t> Encipher(std::vector<uint8_t> bytes, size_t start) {
  const char key[] = "Lignes vides oubliées";
  for (size_t i = 1; i < bytes.size(); ++i) bytes[i] ^= static_cast<uint8_t>(key[(start + i - 1) % 21]);
  return bytes;
}

std::vector<uint8_t> Pack(const std::vector<uint8_t>& content, size_t size = 0) {
  std::vector<uint8_t> packed = LzwEncode(content.data(), content.size());
  if (size != 0) packed.resize(size, 0);
  return packed;
}

class TestBlocks : public StoredBlocks {
 public:
  std::vector<uint8_t> blocks[3];
  std::vector<int> fetched;
  std::vector<int> released;

  void Fetch(int index, const uint8_t** bytes, uint32_t* size) override {
    fetched.push_back(index);
    *bytes = blocks[index].empty() ? nullptr : blocks[index].data();
    *size = static_cast<uint32_t>(blocks[index].size());
  }
  void Release(int index) override { released.push_back(index); }
};

const std::vector<uint8_t> kLink = Bytes("..http://x.fr|Merci|");
const std::vector<uint8_t> kQuiz = QuizBlock(1, 2, 1, With(kHeader, {"oui", "Q1", "non", "Q2"}), 0, {});
const std::vector<uint8_t> kRewards = Bytes("CODE1\r\nCODE2\r\n");

// Blocks whose enciphered parts start at the given key positions.
TestBlocks MakeBlocks(bool cipher0, bool cipher1, bool cipher2) {
  TestBlocks blocks;
  size_t position = 0;
  const auto store = [&position](const std::vector<uint8_t>& packed, bool cipher) {
    if (!cipher) return packed;
    std::vector<uint8_t> stored = Encipher(packed, position);
    position += packed.size() - 1;
    return stored;
  };
  blocks.blocks[0] = store(Pack(kLink, kLinkBlockSize), cipher0);
  blocks.blocks[1] = store(Pack(kQuiz), cipher1);
  blocks.blocks[2] = store(Pack(kRewards), cipher2);
  return blocks;
}

void ExpectFullyLoaded(const AppState& state) {
  EXPECT_STREQ(state.linkTarget, "http://x.fr");
  EXPECT_STREQ(state.creditsText, "Merci");
  EXPECT_STREQ(state.title, "Titre");
  EXPECT_EQ(state.questionCount, 2);
  EXPECT_STREQ(state.rewardCodes[0], "CODE1");
  EXPECT_STREQ(state.rewardCodes[1], "CODE2");
}

}  // namespace

TEST(LoadQuizBlocks, PlainAndEncipheredBlocksInAnyMix) {
  for (int mask = 0; mask < 8; ++mask) {
    SCOPED_TRACE(mask);
    TestBlocks blocks = MakeBlocks(mask & 1, mask & 2, mask & 4);
    const TestBlocks original = blocks;
    AppState state;
    const QuizLoadResult result = LoadQuizBlocks(state, blocks);
    EXPECT_TRUE(result.ok);
    EXPECT_TRUE(result.colourRead);
    ExpectFullyLoaded(state);
    EXPECT_EQ(blocks.fetched, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(blocks.released, (std::vector<int>{0, 1, 2}));
    for (int i = 0; i < 3; ++i) EXPECT_EQ(blocks.blocks[i], original.blocks[i]) << "stored bytes changed";
  }
}

TEST(LoadQuizBlocks, KeyDoesNotRestartBetweenBlocks) {
  // Block 2 enciphered as if the key had started again at its first byte.
  TestBlocks blocks = MakeBlocks(true, true, false);
  blocks.blocks[2] = Encipher(Pack(kRewards), 0);
  AppState state;
  const QuizLoadResult result = LoadQuizBlocks(state, blocks);
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.failedBlock, 2);
}

TEST(LoadQuizBlocks, FailingBlockStopsTheLoad) {
  const std::vector<uint8_t> garbage = Hex("01");
  for (int failing = 0; failing < 3; ++failing) {
    SCOPED_TRACE(failing);
    TestBlocks blocks = MakeBlocks(true, true, true);
    blocks.blocks[failing] = failing == 0 ? std::vector<uint8_t>(kLinkBlockSize, 0) : garbage;
    AppState state;
    const QuizLoadResult result = LoadQuizBlocks(state, blocks);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.failedBlock, failing);
    EXPECT_EQ(state.questionCount, 0);
    EXPECT_EQ(blocks.fetched.size(), static_cast<size_t>(failing + 1));
    EXPECT_EQ(result.colourRead, failing == 2);
    EXPECT_STREQ(state.title, failing == 2 ? "Titre" : "nom du morvi");
    EXPECT_STREQ(state.linkTarget, failing == 0 ? "" : "http://x.fr");
    EXPECT_EQ(state.answers.first != nullptr, failing == 2);
  }
}

TEST(LoadQuizBlocks, MissingBlockFails) {
  TestBlocks blocks = MakeBlocks(false, false, false);
  blocks.blocks[1].clear();
  AppState state;
  EXPECT_EQ(LoadQuizBlocks(state, blocks).failedBlock, 1);
}

TEST(LoadQuizBlocks, BlockThatUnpacksButBreaksItsLayoutFails) {
  TestBlocks blocks = MakeBlocks(false, false, false);
  std::vector<uint8_t> cut = kQuiz;
  cut.pop_back();  // no blue byte
  blocks.blocks[1] = Pack(cut);
  AppState state;
  const QuizLoadResult result = LoadQuizBlocks(state, blocks);
  EXPECT_EQ(result.failedBlock, 1);
  EXPECT_FALSE(result.colourRead);
  EXPECT_EQ(state.questionCount, 0);
}
