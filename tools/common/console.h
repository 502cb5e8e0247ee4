// Text for the user on the standard streams. On Windows a console is written in UTF-16, so accents
// show right whatever its code page; a pipe or a file gets the UTF-8 bytes, as everywhere else.
#pragma once

#include <cstdio>
#include <string>

// Writes `utf8` as it is (add the "\n" yourself) to stdout or stderr.
void PrintText(FILE* stream, const std::string& utf8);
// The same followed by a line end.
void PrintLine(FILE* stream, const std::string& utf8);

// True when no other program shares the console: the tool was started from Explorer (a double-click
// or a file dropped on it), and its window closes as soon as it ends. Always false elsewhere.
bool ConsoleIsOwn();
// Says `prompt` and waits until a key is pressed.
void WaitForKey(const std::string& prompt);
