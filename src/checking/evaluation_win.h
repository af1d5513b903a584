// Judging an answer field on the page, and what a solved question reveals.
#pragma once
#include <windows.h>

#include "app/app_state.h"

// Judges the text of answer field fieldId against its accepted answer and,
// when the verdict changes, shows it, applies the reveals of the question
// type and brings the score up to date. An unchanged verdict changes
// nothing at all.
void EvaluateAnswer(AppState& state, HWND page, int fieldId);

// While a batch of evaluations runs (F1), the score is brought up to date
// once at its end instead of after each verdict: the state it leaves is the
// same, without recounting the whole page for every field.
void BeginEvaluationBatch();
void EndEvaluationBatch(AppState& state, HWND page);

// Question q's (0-based) reveal picture, fitted to its picture row, in
// place of its picture; nothing when the quiz has none for it.
void RevealPicture(AppState& state, HWND page, int q);
