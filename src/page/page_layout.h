// The question page's arithmetic: control ids, where each control of a row
// goes, colours by id and verdict, scroll positions, and what a focused
// field scrolls to. Pure code; the Win32 page applies it.
#pragma once
#include <cstdint>

// Control ids; q is the question number from 1, f the answer field number
// (f = q with one answer per question, 2q - 1 and 2q with two).
constexpr int kCaptionId = 156;
constexpr int kNumberIdBase = 2000;    // 2000 in the text layout, 2000 + q in the others
constexpr int kQuestionId = 3000;      // every question text of the text layout
constexpr int kAnswerIdBase = 4000;    // 4000 + f
constexpr int kVerdictIdBase = 5000;   // 5000 + f: always answer id + 1000
constexpr int kPlayIdBase = 6000;      // 6000 + q
constexpr int kStopIdBase = 7000;      // 7000 + q
constexpr int kRevealIdBase = 8000;    // 8000 + q
constexpr int kPictureIdBase = 9900;   // 9900 + q: picture or player field
constexpr int kVerdictToAnswer = kVerdictIdBase - kAnswerIdBase;

constexpr int kPictureBox = 260;       // pictures are fitted into 260 x 260
constexpr int kAnswerMaxChars = 85;    // what an answer field accepts

// The question (0-based) and the answer (1 or 2) of answer field id, for n
// answers per question; question -1 when the id belongs to no question.
struct FieldOwner {
  int question;
  int answer;
};
FieldOwner OwnerOfField(int fieldId, int answersPerQuestion, int questionCount);

// The word-count hint of an accepted answer held in hidden form: "en N mot"
// or "en N mots". Blanks, apostrophes and hyphens separate words; a "!"
// protects the character after it (so "!-" joins), and a final "!" ends the
// count.
int CountAnswerWords(const char* hiddenAnswer);
void WordCountHint(const char* hiddenAnswer, char* hint /* 32 bytes */);

// How the page colours one of its statics.
enum class StaticLook {
  kOnPage,    // numbers, captions, reveal fields: page brush, white or black text
  kVerdict,   // verdict fields: by their text
  kQuestion,  // question texts: pale yellow
  kDefault,   // anything else: the dialog's own colours
};
StaticLook LookOfStatic(int id, int answersPerQuestion, int questionCount);

// Text on the page brush is white on dark pages (red and green both 69 or
// less), else black.
uint32_t TextColourOnPage(int red, int green);

// A verdict field's colours: the text background colour and which brush.
enum class VerdictBrush { kNone, kRight, kWrong, kAnagram, kHint };
struct VerdictLook {
  uint32_t background;  // unused for kNone
  VerdictBrush brush;
};
VerdictLook LookOfVerdict(const char* verdict);

// Where a scroll request moves the position (before the system's own limit
// to the largest reachable position). Codes are the SB_ codes and the
// page's wheel codes 500 and 501 (vertical only).
struct ScrollState {
  int min, max, page, position, trackPosition;
};
int VerticalScrollTarget(int code, const ScrollState& bar);
int HorizontalScrollTarget(int code, const ScrollState& bar);

// A focused answer field is brought into view unless its reference point
// (18 pixels right of its left edge) and top lie inside the page minus a
// 15-pixel margin. x, y: the field's top-left in content coordinates; pageW,
// pageH: the page's outer size; allowance: room kept above the field.
struct ViewTarget {
  bool scroll;
  int horizontal, vertical;
};
ViewTarget BringIntoView(int x, int y, int hpos, int vpos, int pageW, int pageH, int allowance);

// The allowance above a field brought into view: its picture row's height
// and the 10-pixel band under the pictures, so the picture it answers comes
// into view with it; nothing in layouts without pictures (heights 0).
int FocusAllowance(const int32_t* pictureRowHeights, int question);
