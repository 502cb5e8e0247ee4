// State of the question panel kept outside the document; there is one panel per process.
#pragma once

#include <windows.h>

#include "media/media_host.h"
#include "quizdata/quiz_document.h"

extern HBRUSH rightAnswerBrush;                 // RGB(0,255,0) behind "BRAVO"; lives as long as the panel
extern WNDPROC baseEditProc;                    // the system edit procedure behind every answer field
extern MediaSlot mediaSlots[kMaxQuestions + 1]; // indexed by question number 1..96; entry 0 is spare
extern int currentMedia;                        // number of the media item last started; 0 before any
extern int scrollTarget;                        // vertical content position for scroll code 502
