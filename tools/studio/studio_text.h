// Texts between Windows-1252 (the quiz and the interface) and UTF-16 (what the Unicode windows take);
// UTF-8 (paths and messages inside) goes through the file layer's WidePath and Utf8FromWide.
#pragma once

#include <windows.h>

#include <string>

#include "tools/common/file_access.h" // WidePath and Utf8FromWide: UTF-8 and UTF-16

std::wstring WideFrom1252(const std::string& cp1252);
std::string Cp1252FromWide(const std::wstring& wide); // characters without a code become '?'

// A control's text, and its text set, in Windows-1252.
std::string ControlText1252(HWND parent, int id);
void SetControlText1252(HWND parent, int id, const std::string& cp1252);
// The same in UTF-8 (file paths).
std::string ControlTextUtf8(HWND parent, int id);
void SetControlTextUtf8(HWND parent, int id, const std::string& utf8);

// A message box owned by the Studio's window, texts in Windows-1252; answers the button pressed.
int StudioMessage(const std::string& cp1252, UINT flags);

// Set by tests that answer the Studio's modal questions instead of a person: a message box then goes to
// studioMessageHook (its answer is the button pressed), and a file or folder to choose to
// studioChoiceHook (`purpose` says which question; its answer is the UTF-8 path, empty to cancel).
extern int (*studioMessageHook)(const std::string& cp1252, UINT flags);
extern std::string (*studioChoiceHook)(const char* purpose);
