// The subcommands of the morvi authoring command. Each takes the arguments
// after its name and returns the process exit status; reasons for failure go
// to stderr as one line each.
#pragma once
#include <string>
#include <vector>

#include "app/app_state.h"

using Arguments = std::vector<std::string>;

int RunPack(const Arguments& args);
int RunShow(const Arguments& args);
int RunGrade(const Arguments& args);
int RunScramble(const Arguments& args);

// The quiz of a loaded record as the JSON that "morvi show" prints.
std::string QuizJson(const AppState& state);
