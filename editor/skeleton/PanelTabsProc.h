#pragma once
// The two tabs above the side panel (dialog entry 4; d1 is the selected tab): "Tabs.png" holds
// both looks stacked, the upper half with tab 0 selected, the lower half with tab 1. A click on a
// tab shows its panel; tabs are 60 pixels wide, and the strip's space past the second does nothing.

#include "gui/Dialog.h"

int PanelTabsProc(int message, DIALOG* d, int c);

constexpr const char* kTabsStrip = "../Game Data/GFX/MARL GUI/Tabs.png";
constexpr int kTabWidth = 60;
constexpr int kTabCount = 2;

// The tab under a mouse x relative to the tabs' left edge, or -1 where there is none.
int TabAt(int relativeX);
