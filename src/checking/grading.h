// Judging a typed answer against an accepted one: the verdict texts, the
// near-miss hints and the hidden form typed answers are compared in.
//
// Both texts are compared in hidden form (hidden_form.h). The map is one to
// one and never makes a zero byte, so every equality, length and distance
// below is the same as on the two upper-cased plain texts.
#pragma once
#include <cstddef>

// The verdict texts, exactly as the verdict fields show them.
extern const char kVerdictEmpty[];      // "?"
extern const char kVerdictRight[];      // "BRAVO"
extern const char kVerdictWrong[];      // "FAUX"
extern const char kVerdictAnagram[];    // "Anagramme"
extern const char kVerdictAlmost[];     // "Quasiment"
extern const char kVerdictNearly[];     // "Presque"
extern const char kVerdictTooShort[];   // "Trop court"
extern const char kVerdictTooLong[];    // "Trop long"
extern const char kVerdictNotFar[];     // "Pas loin"
extern const char kVerdictSomeIdea[];   // "y a de l'idée"

// Accepted answers of this many bytes or fewer get no hints.
constexpr size_t kShortAnswer = 3;

// Fewest single-byte insertions, deletions and substitutions turning a into
// b (Levenshtein distance over bytes).
int EditDistance(const char* a, const char* b);

// Whether the shorter text occurs in the longer one: -2 when typed (shorter)
// lies inside accepted, +2 when accepted lies inside typed (same length or
// longer), 0 otherwise. The scan only moves forward: after a failed partial
// match it goes on from the byte that broke it, so an occurrence overlapping
// a failed partial match is missed ("ABAC" in "XYABABAC" gives 0).
int FindInside(const char* accepted, const char* typed);

// The hint for a wrong answer: accepted longer than three bytes, typed not
// empty, d their edit distance (at least 1).
const char* GradeMiss(const char* accepted, const char* typed, int d);

// The typed text in hidden form: blanks (0x20 only) cut at both ends, then
// upper-cased and passed through SwapNibbles. hidden holds size bytes (at
// least the text's length + 1).
void NormaliseAnswer(const char* text, char* hidden, size_t size);

// The verdict for a typed answer; both in hidden form, typed normalised.
const char* JudgeAnswer(const char* accepted, const char* typed);
