// What a long run could leak, read from inside the process: GDI objects, USER objects and private bytes.
#pragma once

#include <windows.h>

#include <string>

struct ProcessFigures {
    int gdiObjects;            // -1: not readable here
    int userObjects;           // -1: not readable here
    int threadWindows;         // windows of this thread, children included: the USER objects a panel makes
    SIZE_T privateBytes;       // 0: not readable here
    const char* privateSource; // the counter privateBytes comes from
};

ProcessFigures ReadProcessFigures();

// "GDI 123 -> 125" and so on, for the test's report.
std::string DescribeChange(const ProcessFigures& before, const ProcessFigures& after);
