#include "packer.h"

#include <algorithm>

#include "app/app_state.h"
#include "package/hidden_form.h"
#include "package/lzw_decoder.h"
#include "package/quiz_package.h"
#include "lzw_encoder.h"

namespace {

void AddText(std::vector<uint8_t>* out, const std::string& text) {
  out->insert(out->end(), text.begin(), text.end());
  out->push_back('|');
}

bool HasExtraTexts(int type, int* count) {
  *count = (type == 1 || type == 2 || type == 4 || type == 7 || type == 8) ? 1
           : (type == 3 || type == 6)                                      ? 2
                                                                           : 0;
  return *count > 0;
}

// The stored form of one block, read back as the loader would read it, at
// the given key position: true when it unpacks to content (and, enciphered,
// only after deciphering).
bool ReadsBack(const std::vector<uint8_t>& stored, const std::vector<uint8_t>& content,
               bool plain, CipherKey key) {
  std::vector<uint8_t> work = stored;
  LzwOutput out;
  if (!plain) {
    if (LzwDecode(work.data(), static_cast<uint32_t>(work.size()), &out) == kLzwOk) {
      LzwFreeOutput(&out);
      return false;  // would be taken as stored and never deciphered
    }
  }
  if (UnpackStoredBlock(work.data(), static_cast<uint32_t>(work.size()), key, &out) != kLzwOk) {
    return false;
  }
  const bool same = out.size == content.size() &&
                    std::equal(content.begin(), content.end(), out.bytes);
  LzwFreeOutput(&out);
  return same;
}


bool PackBlock(int index, const std::vector<uint8_t>& content, bool plain, CipherKey* key,
               std::vector<uint8_t>* stored, std::string* error) {
  const std::string name = "block " + std::to_string(index);
  if (content.size() > kLzwMaxUnpacked) {
    *error = name + " holds " + std::to_string(content.size()) + " bytes unpacked, at most " +
             std::to_string(kLzwMaxUnpacked) + " fit";
    return false;
  }
  // An enciphered block that happens to unpack as stored would be read as
  // plain: vary the encoding (extra resets; for block 0 also its filler)
  // until it reads back right. One or two tries are the rule.
  for (int variant = 0; variant < 512; ++variant) {
    const int resets = index == 0 ? variant / 256 : variant;
    *stored = LzwEncode(content.data(), content.size(), resets);
    if (index == 0) {
      if (stored->size() > kLinkBlockSize) {
        if (variant == 0) {
          *error = name + " (link and credits) packs to " + std::to_string(stored->size()) +
                   " bytes, at most " + std::to_string(kLinkBlockSize) + " fit";
          return false;
        }
        continue;
      }
      stored->resize(kLinkBlockSize, static_cast<uint8_t>(variant % 256));
    } else if (stored->size() > kLzwMaxPacked) {
      *error = name + " packs to " + std::to_string(stored->size()) + " bytes, at most " +
               std::to_string(kLzwMaxPacked) + " fit";
      return false;
    }
    const CipherKey start = *key;
    if (!plain) key->Apply(stored->data(), stored->size());
    if (ReadsBack(*stored, content, plain, start)) return true;
    *key = start;
  }
  *error = name + " could not be enciphered so that it reads back";
  return false;
}

}  // namespace

std::vector<uint8_t> LinkBlockContent(const QuizSource& quiz) {
  std::vector<uint8_t> out = {0, 0};
  AddText(&out, quiz.link);
  AddText(&out, quiz.credits);
  return out;
}

std::vector<uint8_t> QuizBlockContent(const QuizSource& quiz) {
  std::vector<uint8_t> out = {0, static_cast<uint8_t>(static_cast<int>(quiz.mode) + 1),
                              static_cast<uint8_t>(quiz.questions.size()),
                              static_cast<uint8_t>(quiz.answersPerQuestion)};
  for (const std::string* text : {&quiz.title, &quiz.author, &quiz.description, &quiz.labels[0],
                                  &quiz.labels[1]}) {
    AddText(&out, *text);
  }
  for (const QuizQuestion& question : quiz.questions) {
    AddText(&out, question.answer);
    if (quiz.answersPerQuestion == 2) AddText(&out, question.secondAnswer);
    AddText(&out, question.text);
  }
  out.push_back(static_cast<uint8_t>(quiz.questionType));
  int extraTexts;
  if (HasExtraTexts(quiz.questionType, &extraTexts)) {
    for (const QuizQuestion& question : quiz.questions) {
      AddText(&out, question.extra);
      if (extraTexts == 2) AddText(&out, question.extra2);
    }
  }
  out.insert(out.end(), quiz.pageColour, quiz.pageColour + 3);
  return out;
}

std::vector<uint8_t> RewardBlockContent(const QuizSource& quiz) {
  std::vector<uint8_t> out;
  for (size_t i = 0; i < quiz.questions.size(); ++i) {
    if (i < quiz.rewards.size()) out.insert(out.end(), quiz.rewards[i].begin(), quiz.rewards[i].end());
    out.push_back('\r');
    out.push_back('\n');
  }
  // A code stream always unpacks to at least one byte: a quiz without
  // questions still gets one (ignored) empty line.
  if (out.empty()) out = {'\r', '\n'};
  return out;
}

bool PackQuiz(const QuizSource& quiz, bool plain, PackedQuiz* packed, std::string* error) {
  const std::vector<uint8_t> contents[3] = {LinkBlockContent(quiz), QuizBlockContent(quiz),
                                            RewardBlockContent(quiz)};
  CipherKey key;
  for (int index = 0; index < 3; ++index) {
    if (!PackBlock(index, contents[index], plain, &key, &packed->blocks[index], error)) return false;
  }
  // The whole package once more through the loader itself.
  AppState state;
  PackedQuizBlocks blocks(*packed);
  if (!LoadQuizBlocks(state, blocks).ok) {
    *error = "the packed quiz does not load";
    return false;
  }
  return true;
}
