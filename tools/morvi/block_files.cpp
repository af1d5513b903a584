#include "block_files.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "package/quiz_package.h"

std::string BlockFilePath(const std::string& dir, int index) {
  return (std::filesystem::path(dir) / ("block" + std::to_string(index) + ".bin")).string();
}

bool WriteBlockFiles(const std::string& dir, const PackedQuiz& packed, std::string* error) {
  std::error_code code;
  std::filesystem::create_directories(dir, code);
  for (int index = 0; index < kQuizBlockCount; ++index) {
    const std::string path = BlockFilePath(dir, index);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(packed.blocks[index].data()),
               static_cast<std::streamsize>(packed.blocks[index].size()));
    if (!file.flush()) {
      *error = path + ": cannot be written";
      return false;
    }
  }
  return true;
}

bool ReadBlockFiles(const std::string& dir, PackedQuiz* packed, std::string* error) {
  for (int index = 0; index < kQuizBlockCount; ++index) {
    const std::string path = BlockFilePath(dir, index);
    std::ifstream file(path, std::ios::binary);
    if (!file) {
      *error = path + ": cannot be read";
      return false;
    }
    packed->blocks[index].assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  }
  if (packed->blocks[0].size() != kLinkBlockSize) {
    *error = BlockFilePath(dir, 0) + ": block 0 must be " + std::to_string(kLinkBlockSize) +
             " bytes, not " + std::to_string(packed->blocks[0].size());
    return false;
  }
  return true;
}
