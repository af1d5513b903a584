// Encoder of the code stream the player's LZW decoder reads.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// Packs size bytes (at least one) as 9-bit codes and up: a grow code before
// any code that does not fit the current width, a reset before the next free
// code would pass 4095, and the end code. extraResets adds that many resets
// right after the first code: they change nothing the decoder produces, only
// the bits of everything after them.
std::vector<uint8_t> LzwEncode(const uint8_t* data, size_t size, int extraResets = 0);
