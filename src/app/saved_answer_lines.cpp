#include "app/saved_answer_lines.h"

size_t SavedAnswerLines::Next(char* line) {
  size_t copied = 0;
  while (position_ < size_ && data_[position_] != '\r' && copied < kSavedLineMax) {
    line[copied++] = static_cast<char>(data_[position_++]);
  }
  line[copied] = '\0';
  if (copied == kSavedLineMax) {
    while (position_ < size_ && data_[position_] != '\r') ++position_;
  }
  while (position_ < size_ && data_[position_] != '\n') ++position_;
  if (position_ < size_) ++position_;
  return copied;
}
