// The Studio's main window: quiz settings at the top, the question list at the left, the editor, the
// answer tryer and the problems list at the right. One procedure; each message goes to a small handler.
#pragma once

#include <windows.h>

constexpr wchar_t kStudioWindowClass[] = L"JorvoStudio";

LRESULT CALLBACK StudioWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Carries out menu command, accelerator or button `id` (StudioCommandId) as the author's key or click would.
void RunStudioCommand(HWND window, int id);
