#include "app/app_state_win.h"

#include <gtest/gtest.h>
#include <windows.h>

TEST(AppStateWin, ConstructionMakesTheFontsBrushesAndTemporaryFolder) {
  AppState* state = CreateAppState();
  LOGFONTA font = {};
  ASSERT_EQ(GetObjectA(state->scoreFont, sizeof font, &font), static_cast<int>(sizeof font));
  EXPECT_EQ(font.lfHeight, 25);
  EXPECT_EQ(font.lfWeight, 400);
  EXPECT_STREQ(font.lfFaceName, "Arial");
  ASSERT_EQ(GetObjectA(state->titleFont, sizeof font, &font), static_cast<int>(sizeof font));
  EXPECT_EQ(font.lfHeight, -15);
  EXPECT_EQ(font.lfWeight, 700);
  EXPECT_EQ(font.lfItalic, 1);
  EXPECT_STREQ(font.lfFaceName, "");
  EXPECT_EQ(state->answerFont, nullptr);

  const struct {
    HBRUSH brush;
    COLORREF colour;
  } brushes[] = {{state->pageBrush, 0x00965F5A}, {state->wrongBrush, 0x000000FF},
                 {state->anagramBrush, 0x000064FF}, {state->hintBrush, 0x0026CBFF},
                 {state->questionBrush, 0x00C0FFFF}};
  for (const auto& b : brushes) {
    LOGBRUSH info = {};
    ASSERT_EQ(GetObjectA(b.brush, sizeof info, &info), static_cast<int>(sizeof info));
    EXPECT_EQ(info.lbStyle, static_cast<UINT>(BS_SOLID));
    EXPECT_EQ(info.lbColor, b.colour);
  }

  char expected[MAX_PATH] = "";
  GetTempPathA(256, expected);
  EXPECT_STREQ(state->tempFolder, expected);
  EXPECT_EQ(state->tempFolder[lstrlenA(state->tempFolder) - 1], '\\');
  DestroyAppState(state);
}

TEST(AppStateWin, DestructionDeletesEveryObjectAndNode) {
  AppState* state = CreateAppState();
  AppendAnswer(state->answers, "A", "", "q");
  state->answerFont = CreateFontA(15, 0, 0, 0, 100, 0, 0, 0, 0, 0, 0, 0, 0, "");
  const HGDIOBJ objects[] = {state->pageBrush, state->wrongBrush, state->anagramBrush,
                             state->hintBrush, state->questionBrush, state->titleFont,
                             state->answerFont, state->scoreFont};
  for (HGDIOBJ object : objects) EXPECT_NE(GetObjectType(object), 0u);
  DestroyAppState(state);
  for (HGDIOBJ object : objects) EXPECT_EQ(GetObjectType(object), 0u);
}
