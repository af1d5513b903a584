// The three stored blocks as files DIR/block0.bin, block1.bin, block2.bin.
#pragma once
#include <string>

#include "packer.h"

std::string BlockFilePath(const std::string& dir, int index);
bool WriteBlockFiles(const std::string& dir, const PackedQuiz& packed, std::string* error);
bool ReadBlockFiles(const std::string& dir, PackedQuiz* packed, std::string* error);
