#include "pictures.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "images/picture_bytes.h"

namespace {

constexpr int kPictureIdBase = 400;
constexpr int kRevealPictureIdBase = 10400;

bool IsPng(const std::string& path) {
  std::string extension = std::filesystem::path(path).extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension == ".png";
}

bool ReadPicture(const std::string& path, int id, PictureResource* picture, std::string* error) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    *error = path + ": cannot be read";
    return false;
  }
  picture->id = id;
  picture->png = IsPng(path);
  picture->bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  if (picture->bytes.empty()) {
    *error = path + ": empty";
    return false;
  }
  if (!picture->png) RotateNibbles(picture->bytes.data(), picture->bytes.data(), picture->bytes.size());
  return true;
}

// A path as a resource script string: forward slashes, quotes doubled.
std::string ScriptString(const std::filesystem::path& path) {
  std::string text;
  for (char c : std::filesystem::absolute(path).generic_string()) {
    text += c;
    if (c == '"') text += c;
  }
  return "\"" + text + "\"";
}

}  // namespace

bool CollectPictures(const QuizSource& quiz, std::vector<PictureResource>* pictures, std::string* error) {
  pictures->clear();
  for (size_t i = 0; i < quiz.questions.size(); ++i) {
    const int q = static_cast<int>(i) + 1;
    const QuizQuestion& question = quiz.questions[i];
    const std::pair<const std::string*, int> files[] = {{&question.picture, kPictureIdBase + q},
                                                        {&question.revealPicture, kRevealPictureIdBase + q}};
    for (const auto& [path, id] : files) {
      if (path->empty()) continue;
      PictureResource picture;
      if (!ReadPicture(*path, id, &picture, error)) return false;
      pictures->push_back(std::move(picture));
    }
  }
  return true;
}

bool WritePictureResources(const std::vector<PictureResource>& pictures, const std::string& dir,
                           std::string* error) {
  std::string script = "// Made by morvi pack: the quiz's pictures.\n";
  for (const PictureResource& picture : pictures) {
    const std::filesystem::path file =
        std::filesystem::path(dir) / ("picture-" + std::to_string(picture.id) + (picture.png ? ".png" : ".img"));
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(picture.bytes.data()), static_cast<std::streamsize>(picture.bytes.size()));
    if (!out.flush()) {
      *error = file.string() + ": cannot be written";
      return false;
    }
    script += std::to_string(picture.id) + (picture.png ? " RCDATA " : " IMG ") + ScriptString(file) + "\n";
  }
  const std::filesystem::path scriptPath = std::filesystem::path(dir) / "resources.rc";
  std::ofstream out(scriptPath, std::ios::binary | std::ios::trunc);
  out << script;
  if (!out.flush()) {
    *error = scriptPath.string() + ": cannot be written";
    return false;
  }
  return true;
}
