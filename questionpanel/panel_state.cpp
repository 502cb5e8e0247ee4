#include "questionpanel/panel_state.h"

HBRUSH rightAnswerBrush = nullptr;
WNDPROC baseEditProc = nullptr;
MediaSlot mediaSlots[kMaxQuestions + 1] = {};
int currentMedia = 0;
int scrollTarget = 0;
