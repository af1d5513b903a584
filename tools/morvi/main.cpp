// morvi: makes and inspects quiz packages for the player.
#include <iostream>
#include <string>

#include "commands.h"

namespace {

struct Command {
  const char* name;
  int (*run)(const Arguments&);
  const char* usage;
};

constexpr Command kCommands[] = {
    {"pack", RunPack, "morvi pack QUIZ.toml --blocks DIR [--plain]   write the stored blocks and pictures"},
    {"show", RunShow, "morvi show --blocks DIR                      print a package as JSON"},
    {"scramble", RunScramble, "morvi scramble IN OUT                        store a picture or clip as the player reads it"},
    {"grade", RunGrade, "morvi grade ACCEPTED TYPED                   the verdict the player shows"},
};

int Usage() {
  std::cerr << "usage:\n";
  for (const Command& command : kCommands) std::cerr << "  " << command.usage << '\n';
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  const std::string name = argv[1];
  for (const Command& command : kCommands) {
    if (name == command.name) return command.run(Arguments(argv + 2, argv + argc));
  }
  return Usage();
}
