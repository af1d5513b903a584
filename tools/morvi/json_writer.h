// A small JSON writer for the command's reports: values written in order,
// two-space indentation, strings escaped (their bytes must be UTF-8).
#pragma once
#include <string>
#include <string_view>
#include <vector>

class JsonWriter {
 public:
  JsonWriter& BeginObject();
  JsonWriter& EndObject();
  JsonWriter& BeginArray();
  JsonWriter& EndArray();
  JsonWriter& Key(std::string_view key);
  JsonWriter& String(std::string_view utf8);
  JsonWriter& Number(long long value);

  const std::string& Text() const { return out_; }

 private:
  void BeforeValue();
  void NewLine();
  void Quoted(std::string_view utf8);

  std::string out_;
  std::vector<bool> firstInLevel_;
  bool afterKey_ = false;
};
