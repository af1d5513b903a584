// Runs the player's start-up inside a test, on the test's thread, so tests
// can look at and talk to its real windows; closing runs the message loop to
// its end and the shutdown.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include "app/app_state.h"
#include "app/player_win.h"

// A child's place in its parent's client coordinates.
RECT PlaceInParent(HWND child);

class PlayerTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Dispatches what is waiting, through the page's dialog handling as the
  // player's own loop does.
  static void Pump();

  // Closes the main window as a user does and runs the loop to WM_QUIT;
  // returns the loop's exit code. Shutdown follows.
  int Close();

  HWND header() const { return appState->headerBarWindow; }
  HWND page() const { return appState->pageWindow; }

  bool started_ = false;
  bool stopped_ = false;
};
