// Making and unmaking the one AppState, with the fonts and brushes it owns.
#pragma once
#include "app/app_state.h"

// A new record with every default, its fonts and brushes created and the
// temporary folder filled in. A font or brush the system cannot create is
// simply null; nothing is reported.
AppState* CreateAppState();

// Deletes the brushes and fonts (pageBrush, wrongBrush, anagramBrush,
// hintBrush, questionBrush, titleFont, answerFont, scoreFont, in this order),
// then the question list, then the record. Window handles are not touched.
void DestroyAppState(AppState* state);
