#include "json_writer.h"

#include <cstdio>

void JsonWriter::NewLine() {
  out_ += '\n';
  out_.append(2 * firstInLevel_.size(), ' ');
}

void JsonWriter::BeforeValue() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (!firstInLevel_.empty()) {
    if (!firstInLevel_.back()) out_ += ',';
    firstInLevel_.back() = false;
    NewLine();
  }
}

JsonWriter& JsonWriter::BeginObject() {
  BeforeValue();
  out_ += '{';
  firstInLevel_.push_back(true);
  return *this;
}

JsonWriter& JsonWriter::EndObject() {
  const bool empty = firstInLevel_.back();
  firstInLevel_.pop_back();
  if (!empty) NewLine();
  out_ += '}';
  if (firstInLevel_.empty()) out_ += '\n';
  return *this;
}

JsonWriter& JsonWriter::BeginArray() {
  BeforeValue();
  out_ += '[';
  firstInLevel_.push_back(true);
  return *this;
}

JsonWriter& JsonWriter::EndArray() {
  const bool empty = firstInLevel_.back();
  firstInLevel_.pop_back();
  if (!empty) NewLine();
  out_ += ']';
  return *this;
}

JsonWriter& JsonWriter::Key(std::string_view key) {
  BeforeValue();
  Quoted(key);
  out_ += ": ";
  afterKey_ = true;
  return *this;
}

JsonWriter& JsonWriter::String(std::string_view utf8) {
  BeforeValue();
  Quoted(utf8);
  return *this;
}

void JsonWriter::Quoted(std::string_view utf8) {
  out_ += '"';
  for (char c : utf8) {
    switch (c) {
      case '"': out_ += "\\\""; break;
      case '\\': out_ += "\\\\"; break;
      case '\n': out_ += "\\n"; break;
      case '\r': out_ += "\\r"; break;
      case '\t': out_ += "\\t"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escape[8];
          std::snprintf(escape, sizeof escape, "\\u%04x", c);
          out_ += escape;
        } else {
          out_ += c;
        }
    }
  }
  out_ += '"';
}

JsonWriter& JsonWriter::Number(long long value) {
  BeforeValue();
  out_ += std::to_string(value);
  return *this;
}
