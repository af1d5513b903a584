// The quiz package: three stored blocks, each an LZW code stream (see
// lzw_decoder.h), plain or enciphered with the running key (hidden_form.h),
// and their unpacked layouts.
//
//   block 0  2 unused bytes, link '|', credits line '|'
//   block 1  unused byte, quiz mode + 1, question count, answers per
//            question, title '|' author '|' description '|' first label '|'
//            second label '|', per question: answer '|' [second answer '|']
//            question text '|', the question type byte, its type section
//            (texts ended by '|'), and the page colour bytes red, green, blue
//   block 2  one reward code line per question, each ended by CR LF
//
// Data that does not match its layout is handled so that nothing is read
// past the data or written past a field:
//   - a text or line longer than its field is cut to the field and the rest
//     of it skipped, so the texts after it are read as they were written;
//   - a text without its closing '|', a question count above 96, or block 1
//     ending before its colour bytes make the block fail like one that cannot
//     be deciphered: loading stops with the question count 0;
//   - block 2 lines that are missing leave their reward codes empty.
#pragma once
#include <cstdint>

#include "app/app_state.h"
#include "package/hidden_form.h"
#include "package/lzw_decoder.h"

constexpr uint32_t kLinkBlockSize = 70;  // block 0 is a fixed 70-byte array
constexpr int kQuizBlockCount = 3;

// Where the loader gets the stored bytes of each block.
class StoredBlocks {
 public:
  virtual ~StoredBlocks() = default;
  // Stored bytes of block 0, 1 or 2, valid until Release(index); an empty
  // block (size 0) when it is missing.
  virtual void Fetch(int index, const uint8_t** bytes, uint32_t* size) = 0;
  virtual void Release(int index) { (void)index; }
};

struct QuizLoadResult {
  bool ok = false;
  int failedBlock = -1;     // 0 to 2 when not ok
  bool colourRead = false;  // block 1 set pageRed, pageGreen and pageBlue
};

// Unpacks and parses blocks 0, 1 and 2 in order into state. On failure the
// question count is 0 and the blocks after the failing one are not touched.
// The caller reports the failure and makes the page brush of the colour.
QuizLoadResult LoadQuizBlocks(AppState& state, StoredBlocks& blocks);

// Unpacks one stored block as the loader does: as stored, or, when that
// fails, after deciphering it in place with the running key (which moves on
// only then). Returns the result of the last LzwDecode.
int32_t UnpackStoredBlock(uint8_t* bytes, uint32_t size, CipherKey& key, LzwOutput* output);

// Parsers of the unpacked blocks; false when the data does not match the
// layout (see above).
bool ParseLinkBlock(const uint8_t* data, uint32_t size, AppState& state);
bool ParseQuizBlock(const uint8_t* data, uint32_t size, AppState& state);
bool ParseRewardBlock(const uint8_t* data, uint32_t size, AppState& state);
