// Turns a quiz source into the three stored blocks of a quiz package,
// exactly as the player carries them.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "package/quiz_package.h"
#include "quiz_source.h"

struct PackedQuiz {
  std::vector<uint8_t> blocks[3];  // block 0 is always 70 bytes
};

// The stored blocks of a packed quiz, handed to the loader.
class PackedQuizBlocks : public StoredBlocks {
 public:
  explicit PackedQuizBlocks(const PackedQuiz& packed) : packed_(packed) {}
  void Fetch(int index, const uint8_t** bytes, uint32_t* size) override {
    *bytes = packed_.blocks[index].data();
    *size = static_cast<uint32_t>(packed_.blocks[index].size());
  }

 private:
  const PackedQuiz& packed_;
};

// The unpacked contents of blocks 0, 1 and 2.
std::vector<uint8_t> LinkBlockContent(const QuizSource& quiz);
std::vector<uint8_t> QuizBlockContent(const QuizSource& quiz);
std::vector<uint8_t> RewardBlockContent(const QuizSource& quiz);

// Packs (and, unless plain, enciphers with the running key) the three
// blocks, then reads them back the way the player's loader does. False with
// a one-line reason when a block does not fit its limits.
bool PackQuiz(const QuizSource& quiz, bool plain, PackedQuiz* packed, std::string* error);
