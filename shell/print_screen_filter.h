// The low-level keyboard filter that keeps the Print Screen key from every application while the
// program runs.
#pragma once

#include <windows.h>

// WH_KEYBOARD_LL procedure: swallows VK_SNAPSHOT going down or up (with or without Alt), passes the rest.
LRESULT CALLBACK PrintScreenFilter(int code, WPARAM message, LPARAM event);
