// Resource ids of the player, shared by the code and the resource script.
#pragma once

#define MORVI_PROGRAM_ICON 1
#define MORVI_PAGE_DIALOG 1001
#define MORVI_HEADER_BAR_DIALOG 1002
#define MORVI_HAND_CURSOR 1003
#define MORVI_PLAY_ICON 1004
#define MORVI_STOP_ICON 1005
