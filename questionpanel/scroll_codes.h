// Scroll codes of the program's own, sent with WM_VSCROLL to the question panel beside the system's
// SB_ codes (which stop at 8).
#pragma once

enum : int {
    ScrollWheelDown = 500, // one wheel notch toward the user
    ScrollWheelUp = 501,   // one wheel notch away from the user
    ScrollToTarget = 502,  // to the panel's scroll target
};
