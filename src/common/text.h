// Zero-terminated single-byte (Windows-1252) texts in fixed buffers.
#pragma once
#include <cstddef>

// Copies at most size - 1 bytes of source (up to its terminator) into
// target and terminates it; size must be at least 1.
void CopyText(char* target, size_t size, const char* source);

template <size_t N>
void CopyText(char (&target)[N], const char* source) {
  CopyText(target, N, source);
}
