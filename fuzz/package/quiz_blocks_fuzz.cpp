// Any bytes as unpacked block data, or as three stored blocks for the whole
// loader. The first byte chooses which.
#include <cstring>
#include <vector>

#include "app/app_state.h"
#include "package/quiz_package.h"

namespace {

// Three stored blocks cut from the input, each behind a two-byte length.
class FuzzBlocks : public StoredBlocks {
 public:
  FuzzBlocks(const uint8_t* data, size_t size) {
    for (auto& block : blocks_) {
      size_t length = size >= 2 ? (data[0] | data[1] << 8) : 0;
      if (size >= 2) {
        data += 2;
        size -= 2;
      }
      if (length > size) length = size;
      block.assign(data, data + length);
      data += length;
      size -= length;
    }
  }
  void Fetch(int index, const uint8_t** bytes, uint32_t* size) override {
    *bytes = blocks_[index].data();
    *size = static_cast<uint32_t>(blocks_[index].size());
  }

 private:
  std::vector<uint8_t> blocks_[3];
};

void CheckTerminated(const char* text, size_t size) {
  if (std::memchr(text, 0, size) == nullptr) __builtin_trap();
}

void Check(const AppState& state) {
  CheckTerminated(state.title, sizeof state.title);
  CheckTerminated(state.linkTarget, sizeof state.linkTarget);
  CheckTerminated(state.creditsText, sizeof state.creditsText);
  if (state.questionCount < 0 || state.questionCount > kMaxQuestions) __builtin_trap();
  for (int i = 0; i < kMaxQuestions; ++i) CheckTerminated(state.rewardCodes[i], kTextSize);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const uint8_t choice = data[0] % 4;
  ++data;
  --size;
  const uint32_t length = static_cast<uint32_t>(size);
  AppState state;
  switch (choice) {
    case 0:
      ParseLinkBlock(data, length, state);
      break;
    case 1:
      if (ParseQuizBlock(data, length, state)) Check(state);
      break;
    case 2:
      state.questionCount = size > 0 ? data[0] % (kMaxQuestions + 1) : 0;
      ParseRewardBlock(data, length, state);
      break;
    default: {
      FuzzBlocks blocks(data, size);
      LoadQuizBlocks(state, blocks);
      break;
    }
  }
  Check(state);
  return 0;
}
