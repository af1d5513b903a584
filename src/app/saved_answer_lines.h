// The lines of the saved answers file, as the answer fields take them back.
//
// Only CR ends a line's text: a lone LF before it belongs to the text, and
// after the CR everything up to and including the next LF is skipped. A
// line gives at most 85 bytes (the rest of it, up to its CR, is skipped); a
// last line without CR LF still counts.
#pragma once
#include <cstddef>
#include <cstdint>

constexpr size_t kSavedLineMax = 85;  // what an answer field accepts

class SavedAnswerLines {
 public:
  SavedAnswerLines(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  // The next line into line (room for kSavedLineMax + 1 bytes, terminated);
  // empty once the data is used up. Returns the number of bytes copied (a
  // zero byte in the file counts, though it ends the text for the field).
  size_t Next(char* line);

 private:
  const uint8_t* data_;
  size_t size_;
  size_t position_ = 0;
};
