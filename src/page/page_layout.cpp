#include "page/page_layout.h"

#include <cstdio>
#include <cstring>

#include "checking/grading.h"
#include "package/hidden_form.h"

FieldOwner OwnerOfField(int fieldId, int answersPerQuestion, int questionCount) {
  FieldOwner owner{-1, 1};
  if (answersPerQuestion == 1) {
    owner.question = fieldId - kAnswerIdBase - 1;
  } else if (answersPerQuestion == 2) {
    owner.question = (fieldId - (kAnswerIdBase - 1)) / 2 - 1;
    owner.answer = fieldId % 2 == 1 ? 1 : 2;
  }
  if (owner.question < 0 || owner.question >= questionCount) owner.question = -1;
  return owner;
}

int CountAnswerWords(const char* hiddenAnswer) {
  constexpr uint8_t kBlank = SwapNibbles(' '), kApostrophe = SwapNibbles('\''),
                    kHyphen = SwapNibbles('-'), kBang = SwapNibbles('!');
  int separators = 0;
  for (const char* p = hiddenAnswer; *p != '\0'; ++p) {
    const uint8_t b = static_cast<uint8_t>(*p);
    if (b == kBang) {
      if (p[1] == '\0') break;
      ++p;  // the protected character
    } else if (b == kBlank || b == kApostrophe || b == kHyphen) {
      ++separators;
    }
  }
  return separators + 1;
}

void WordCountHint(const char* hiddenAnswer, char* hint) {
  const int words = CountAnswerWords(hiddenAnswer);
  std::snprintf(hint, 32, "en %d mot%s", words, words > 1 ? "s" : "");
}

StaticLook LookOfStatic(int id, int answersPerQuestion, int questionCount) {
  const int fields = answersPerQuestion * questionCount;
  if ((id >= kNumberIdBase && id <= 2240 + fields) || id == kCaptionId ||
      (id >= kRevealIdBase + 1 && id <= kRevealIdBase + fields)) {
    return StaticLook::kOnPage;
  }
  if (id >= kVerdictIdBase + 1 && id <= kVerdictIdBase + fields) return StaticLook::kVerdict;
  if (id == kQuestionId) return StaticLook::kQuestion;
  return StaticLook::kDefault;
}

uint32_t TextColourOnPage(int red, int green) {
  return red <= 69 && green <= 69 ? 0x00FFFFFF : 0x00000000;
}

VerdictLook LookOfVerdict(const char* verdict) {
  constexpr uint32_t kRed = 0x000000FF, kGreen = 0x0000FF00;
  if (std::strcmp(verdict, kVerdictAnagram) == 0) return {kRed, VerdictBrush::kAnagram};
  if (std::strcmp(verdict, kVerdictRight) == 0) return {kGreen, VerdictBrush::kRight};
  if (std::strcmp(verdict, kVerdictWrong) == 0) return {kRed, VerdictBrush::kWrong};
  if (std::strcmp(verdict, kVerdictEmpty) == 0) return {0, VerdictBrush::kNone};
  return {kRed, VerdictBrush::kHint};
}

namespace {

int Clamp(int value, int low, int high) { return value < low ? low : value > high ? high : value; }

}  // namespace

int VerticalScrollTarget(int code, const ScrollState& bar) {
  int target;
  switch (code) {
    case 0: target = bar.position - 310; break;       // SB_LINEUP
    case 1: target = bar.position + 310; break;       // SB_LINEDOWN
    case 2: target = bar.position - bar.page; break;  // SB_PAGEUP
    case 3: target = bar.position + bar.page; break;  // SB_PAGEDOWN
    case 5: target = bar.trackPosition; break;        // SB_THUMBTRACK
    case 6: target = 0; break;                        // SB_TOP
    case 7: target = bar.max; break;                  // SB_BOTTOM
    case 500: target = bar.position + 50; break;      // wheel towards the user
    case 501: target = bar.position - 50; break;      // wheel away from the user
    default: target = bar.position; break;
  }
  return Clamp(target, bar.min, bar.max);
}

int HorizontalScrollTarget(int code, const ScrollState& bar) {
  int target;
  switch (code) {
    case 0: target = bar.position - 1; break;         // SB_LINELEFT
    case 1: target = bar.position + 1; break;         // SB_LINERIGHT
    case 2: target = bar.position - bar.page; break;  // SB_PAGELEFT
    case 3: target = bar.position + bar.page; break;  // SB_PAGERIGHT
    case 5: target = bar.trackPosition; break;        // SB_THUMBTRACK
    default: target = bar.position; break;
  }
  return Clamp(target, bar.min, bar.max);
}

ViewTarget BringIntoView(int x, int y, int hpos, int vpos, int pageW, int pageH, int allowance) {
  const int px = x + 18, py = y;
  const bool inView = hpos <= px + 130 && px + 130 <= hpos + pageW - 15 && vpos <= py &&
                      py <= vpos + pageH - 15;
  if (inView) return {false, hpos, vpos};
  return {true, px - 130, py - allowance - 15};
}

int FocusAllowance(const int32_t* pictureRowHeights, int question) {
  if (question < 0) return 0;
  const int height = pictureRowHeights[question / 3];
  return height > 0 ? height + 10 : 0;
}
