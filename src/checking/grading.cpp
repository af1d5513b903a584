#include "checking/grading.h"

#include <cstdint>
#include <cstring>
#include <vector>

#include "package/hidden_form.h"

const char kVerdictEmpty[] = "?";
const char kVerdictRight[] = "BRAVO";
const char kVerdictWrong[] = "FAUX";
const char kVerdictAnagram[] = "Anagramme";
const char kVerdictAlmost[] = "Quasiment";
const char kVerdictNearly[] = "Presque";
const char kVerdictTooShort[] = "Trop court";
const char kVerdictTooLong[] = "Trop long";
const char kVerdictNotFar[] = "Pas loin";
// The accent spelled out, so the bytes do not depend on the compiler's
// character set.
const char kVerdictSomeIdea[] = "y a de l'id\xE9" "e";

namespace {

const uint8_t* Bytes(const char* text) { return reinterpret_cast<const uint8_t*>(text); }

bool SameBytesInAnyOrder(const char* a, size_t la, const char* b, size_t lb) {
  if (la != lb) return false;
  int counts[256] = {};
  for (size_t i = 0; i < la; ++i) {
    ++counts[Bytes(a)[i]];
    --counts[Bytes(b)[i]];
  }
  for (int count : counts) {
    if (count != 0) return false;
  }
  return true;
}

}  // namespace

int EditDistance(const char* a, const char* b) {
  const size_t la = std::strlen(a), lb = std::strlen(b);
  // Two rows of the (la + 1) x (lb + 1) table; answers never pass 259 bytes,
  // so the rows fit on the stack.
  int small[2][260];
  std::vector<int> large;
  int* previous = small[0];
  int* current = small[1];
  if (lb >= 260) {
    large.resize(2 * (lb + 1));
    previous = large.data();
    current = previous + lb + 1;
  }
  for (size_t j = 0; j <= lb; ++j) previous[j] = static_cast<int>(j);
  for (size_t i = 1; i <= la; ++i) {
    current[0] = static_cast<int>(i);
    const char ai = a[i - 1];
    for (size_t j = 1; j <= lb; ++j) {
      int best = previous[j - 1] + (ai == b[j - 1] ? 0 : 1);
      if (previous[j] + 1 < best) best = previous[j] + 1;
      if (current[j - 1] + 1 < best) best = current[j - 1] + 1;
      current[j] = best;
    }
    int* swap = previous;
    previous = current;
    current = swap;
  }
  return previous[lb];
}

int FindInside(const char* accepted, const char* typed) {
  const size_t la = std::strlen(accepted), lt = std::strlen(typed);
  const bool typedShorter = lt < la;
  const char* s = typedShorter ? typed : accepted;
  const char* l = typedShorter ? accepted : typed;
  const size_t ls = typedShorter ? lt : la, ll = typedShorter ? la : lt;
  const int sign = typedShorter ? -1 : 1;
  if (ls == 0) return 0;
  size_t j = 0;
  for (;;) {
    while (j < ll && l[j] != s[0]) ++j;
    if (j == ll) return 0;
    size_t i = 0;
    while (i < ls && j < ll && s[i] == l[j]) {
      ++i;
      ++j;
    }
    if (i == ls) return 2 * sign;
  }
}

const char* GradeMiss(const char* accepted, const char* typed, int d) {
  const size_t la = std::strlen(accepted), lt = std::strlen(typed);
  if (SameBytesInAnyOrder(accepted, la, typed, lt)) return kVerdictAnagram;
  if (d == 1) return kVerdictAlmost;
  if (d == 2) return kVerdictNearly;
  switch (FindInside(accepted, typed)) {
    case -2:  // a part of the accepted answer
      if (la <= 9) return kVerdictWrong;
      if (5 * lt > 4 * la) return kVerdictTooShort;  // more than 80 %
      if (4 * lt > 3 * la) return kVerdictNotFar;    // more than 75 %
      return kVerdictWrong;
    case 2: {  // the accepted answer with extra bytes around it
      const size_t extra = lt - la;
      if (extra > 20) return kVerdictWrong;
      if (extra > 10) return kVerdictNotFar;
      return kVerdictTooLong;
    }
    default: {  // similarity above 80 %
      const size_t longest = la > lt ? la : lt;
      return longest > 5 * static_cast<size_t>(d) ? kVerdictSomeIdea : kVerdictWrong;
    }
  }
}

void NormaliseAnswer(const char* text, char* hidden, size_t size) {
  size_t begin = 0, end = std::strlen(text);
  while (end > begin && text[end - 1] == ' ') --end;
  while (begin < end && text[begin] == ' ') ++begin;
  size_t n = 0;
  for (size_t i = begin; i < end && n + 1 < size; ++i) {
    hidden[n++] = static_cast<char>(HideByte(static_cast<uint8_t>(text[i])));
  }
  hidden[n] = '\0';
}

const char* JudgeAnswer(const char* accepted, const char* typed) {
  if (typed[0] == '\0') return kVerdictEmpty;
  if (std::strlen(accepted) <= kShortAnswer) {
    return std::strcmp(accepted, typed) == 0 ? kVerdictRight : kVerdictWrong;
  }
  const int d = EditDistance(accepted, typed);
  return d == 0 ? kVerdictRight : GradeMiss(accepted, typed, d);
}
