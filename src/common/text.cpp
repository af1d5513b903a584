#include "common/text.h"

void CopyText(char* target, size_t size, const char* source) {
  size_t n = 0;
  while (n + 1 < size && source[n] != '\0') {
    target[n] = source[n];
    ++n;
  }
  target[n] = '\0';
}
