// Runs the player's start-up inside a test, on the test's thread, so tests
// can look at and talk to its real windows; closing runs the message loop to
// its end and the shutdown.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include "app/app_state.h"
#include "app/player_win.h"
#include "support/test_dialog.h"

// A child's place in its parent's client coordinates.
RECT PlaceInParent(HWND child);

class PlayerTest : public ::testing::Test {
 public:
  // Dispatches what is waiting, through the page's dialog handling as the
  // player's own loop does.
  static void Pump();

 protected:
  void SetUp() override;
  void TearDown() override;

  // Closes the main window as a user does and runs the loop to WM_QUIT;
  // returns the loop's exit code. Shutdown follows.
  int Close();

  HWND header() const { return appState->headerBarWindow; }
  HWND page() const { return appState->pageWindow; }

  // The player starts in a fresh current folder: no saved answers from
  // another test, and its own saves land there.
  ScratchFolder folder_;
  bool started_ = false;
  bool stopped_ = false;
};
