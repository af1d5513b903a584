// Loads the quiz package the executable carries: block 0 from the quiz's
// 70-byte array, blocks 1 and 2 from the "PATCH" resources 104 and 105.
#pragma once
#include <cstdint>

#include "app/app_state.h"
#include "package/quiz_package.h"

// Block 0 of the quiz package, in the program's initialised data. Each quiz
// executable defines it.
extern uint8_t quizBlock0[kLinkBlockSize];

constexpr int kQuizResourceIds[2] = {104, 105};  // blocks 1 and 2
constexpr const char* kQuizResourceType = "PATCH";

// Fills state from the package. A block that unpacks neither as stored nor
// deciphered (or breaks its layout) shows "Erreur dans le déchiffrage",
// leaves the question count 0 and stops the load. The page brush is made
// anew from the colour that block 1 gives.
void LoadQuizPackage(AppState& state);
