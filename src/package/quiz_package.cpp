#include "package/quiz_package.h"

#include <cstring>
#include <vector>

namespace {

constexpr uint8_t kTextEnd = '|';

// Walks unpacked block data; never reads past its end.
class BlockReader {
 public:
  BlockReader(const uint8_t* data, uint32_t size) : data_(data), size_(size) {}

  bool Skip(uint32_t count) {
    if (size_ - position_ < count) return false;
    position_ += count;
    return true;
  }

  bool Byte(uint8_t* value) {
    if (position_ == size_) return false;
    *value = data_[position_++];
    return true;
  }

  // A text ended by '|' into target (cut to fieldSize - 1 bytes, the rest
  // skipped), each byte in hidden form when hide is set; target may be null
  // for a text that is read and not kept. False when no '|' is left.
  bool Text(char* target, uint32_t fieldSize, bool hide = false) {
    uint32_t kept = 0;
    while (position_ < size_) {
      const uint8_t byte = data_[position_++];
      if (byte == kTextEnd) {
        if (target != nullptr) target[kept] = '\0';
        return true;
      }
      if (target != nullptr && kept + 1 < fieldSize) {
        target[kept++] = static_cast<char>(hide ? HideByte(byte) : byte);
      }
    }
    return false;
  }

  // A line up to the next CR or the end of the data into target (cut to
  // fieldSize - 1 bytes), then over the CR and the byte after it.
  void Line(char* target, uint32_t fieldSize) {
    uint32_t kept = 0;
    while (position_ < size_ && data_[position_] != '\r') {
      if (kept + 1 < fieldSize) target[kept++] = static_cast<char>(data_[position_]);
      ++position_;
    }
    target[kept] = '\0';
    position_ = size_ - position_ < 2 ? size_ : position_ + 2;
  }

  bool AtEnd() const { return position_ == size_; }

 private:
  const uint8_t* data_;
  uint32_t size_;
  uint32_t position_ = 0;
};

// Question types whose section holds one text per question, and two.
bool HasOneExtraText(int32_t type) {
  return type == 1 || type == 2 || type == 4 || type == 7 || type == 8;
}
bool HasTwoExtraTexts(int32_t type) { return type == 3 || type == 6; }

}  // namespace

bool ParseLinkBlock(const uint8_t* data, uint32_t size, AppState& state) {
  BlockReader reader(data, size);
  return reader.Skip(2) && reader.Text(state.linkTarget, kLinkSize) &&
         reader.Text(state.creditsText, kCreditsSize);
}

bool ParseQuizBlock(const uint8_t* data, uint32_t size, AppState& state) {
  BlockReader reader(data, size);
  uint8_t modePlusOne, count, perQuestion;
  if (!reader.Skip(1) || !reader.Byte(&modePlusOne) || !reader.Byte(&count) ||
      !reader.Byte(&perQuestion)) {
    return false;
  }
  if (count > kMaxQuestions) return false;  // the record never holds more
  state.quizMode = static_cast<uint32_t>(modePlusOne) - 1u;  // 0 gives 0xFFFFFFFF
  state.questionCount = count;
  state.answersPerQuestion = perQuestion;
  if (!reader.Text(state.title, kTextSize) || !reader.Text(state.author, kTextSize) ||
      !reader.Text(state.description, kTextSize) ||
      !reader.Text(state.firstAnswerLabel, kTextSize) ||
      !reader.Text(state.secondAnswerLabel, kTextSize)) {
    return false;
  }
  for (int q = 0; q < count; ++q) {
    char answer[kTextSize], secondAnswer[kTextSize] = "", questionText[kTextSize];
    if (!reader.Text(answer, kTextSize, true)) return false;
    if (perQuestion == 2 && !reader.Text(secondAnswer, kTextSize, true)) return false;
    if (!reader.Text(questionText, kTextSize)) return false;
    AppendAnswer(state.answers, answer, secondAnswer, questionText);
  }
  uint8_t type;
  if (!reader.Byte(&type)) return false;
  state.questionType = type;
  if (HasOneExtraText(type) || HasTwoExtraTexts(type)) {
    for (int k = 0; k < count; ++k) {
      if (!reader.Text(AnswerAt(state.answers, k)->extraText, kTextSize)) return false;
      if (HasTwoExtraTexts(type) && !reader.Text(nullptr, kTextSize)) return false;
    }
  }
  uint8_t red, green, blue;
  if (!reader.Byte(&red) || !reader.Byte(&green) || !reader.Byte(&blue)) return false;
  state.pageRed = red;
  state.pageGreen = green;
  state.pageBlue = blue;
  return true;
}

bool ParseRewardBlock(const uint8_t* data, uint32_t size, AppState& state) {
  BlockReader reader(data, size);
  for (int i = 0; i < state.questionCount && !reader.AtEnd(); ++i) {
    reader.Line(state.rewardCodes[i], kTextSize);
  }
  return true;
}

int32_t UnpackStoredBlock(uint8_t* bytes, uint32_t size, CipherKey& key, LzwOutput* output) {
  const int32_t plain = LzwDecode(bytes, size, output);
  if (plain == kLzwOk) return plain;
  key.Apply(bytes, size);
  return LzwDecode(bytes, size, output);
}

QuizLoadResult LoadQuizBlocks(AppState& state, StoredBlocks& blocks) {
  using Parser = bool (*)(const uint8_t*, uint32_t, AppState&);
  static constexpr Parser kParsers[kQuizBlockCount] = {ParseLinkBlock, ParseQuizBlock,
                                                       ParseRewardBlock};
  QuizLoadResult result;
  CipherKey key;
  for (int index = 0; index < kQuizBlockCount; ++index) {
    const uint8_t* stored = nullptr;
    uint32_t storedSize = 0;
    blocks.Fetch(index, &stored, &storedSize);
    // Work on a copy: the stored bytes may lie in read-only memory. Block 0
    // is always exactly the 70 bytes of its array.
    const uint32_t workSize = index == 0 ? kLinkBlockSize : storedSize;
    std::vector<uint8_t> work(workSize, 0);
    if (stored != nullptr) std::memcpy(work.data(), stored, storedSize < workSize ? storedSize : workSize);
    LzwOutput unpacked;
    const int32_t unpackResult = UnpackStoredBlock(work.data(), workSize, key, &unpacked);
    blocks.Release(index);
    bool parsed = false;
    if (unpackResult == kLzwOk) {
      parsed = kParsers[index](unpacked.bytes, unpacked.size, state);
      LzwFreeOutput(&unpacked);
      if (index == 1 && parsed) result.colourRead = true;
    }
    if (!parsed) {
      state.questionCount = 0;
      result.failedBlock = index;
      return result;
    }
  }
  result.ok = true;
  return result;
}
