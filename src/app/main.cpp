// The player's entry point. It takes no command line and ignores the
// show command it is started with.
#include <windows.h>

#include "app/player_win.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) { return RunPlayer(instance); }
