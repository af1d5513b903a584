// What an answer field adds to the edit control: it selects its text and
// comes into view when focused, is judged when it loses the focus or Enter
// is released, turns the page keys into page scrolling, F1 tries its text in
// every unsolved field, F2 saves, and Enter, Tab and NUL characters never
// reach the edit control.
#pragma once
#include <windows.h>

// The edit class's procedure, shared by every answer field.
extern WNDPROC editDefaultProc;

// Subclasses an answer field with AnswerFieldProc.
void SubclassAnswerField(HWND field);

LRESULT CALLBACK AnswerFieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam);

// F1: the field's text into every answer field whose verdict is not "BRAVO",
// each given the focus in turn (so judged), then the focus back.
void FillUnsolvedFields(HWND field);
