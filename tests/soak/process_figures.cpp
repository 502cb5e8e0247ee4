#include "process_figures.h"

#include <psapi.h>

#include "tests/pictures/picture_test_support.h"

namespace {

BOOL CALLBACK CountChild(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    EnumChildWindows(window, CountChild, count);
    return TRUE;
}

std::string Figure(long long value, bool readable) {
    return readable ? std::to_string(value) : std::string("not readable");
}

} // namespace

ProcessFigures ReadProcessFigures() {
    ProcessFigures figures{};
    // GetGuiResources is a stub answering 0 under Wine; a live process always holds GDI objects.
    const DWORD gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    figures.gdiObjects = gdi > 0 ? static_cast<int>(gdi) : CountGdiObjects();
    const DWORD user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    figures.userObjects = user > 0 ? static_cast<int>(user) : -1;
    EnumThreadWindows(GetCurrentThreadId(), CountTopLevel, reinterpret_cast<LPARAM>(&figures.threadWindows));
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                             sizeof memory))
        figures.privateBytes = memory.PrivateUsage;
    figures.privateSource = "PrivateUsage";
    // Wine leaves PrivateUsage 0; its PagefileUsage is the process's resident anonymous memory.
    if (figures.privateBytes == 0) {
        figures.privateBytes = memory.PagefileUsage;
        figures.privateSource = "PagefileUsage";
    }
    return figures;
}

std::string DescribeChange(const ProcessFigures& before, const ProcessFigures& after) {
    return "GDI objects " + Figure(before.gdiObjects, before.gdiObjects >= 0) + " -> " +
           Figure(after.gdiObjects, after.gdiObjects >= 0) + ", USER objects " +
           Figure(before.userObjects, before.userObjects >= 0) + " -> " +
           Figure(after.userObjects, after.userObjects >= 0) + ", windows " +
           std::to_string(before.threadWindows) + " -> " + std::to_string(after.threadWindows) +
           ", private bytes (" + after.privateSource + ") " +
           Figure(static_cast<long long>(before.privateBytes), before.privateBytes > 0) + " -> " +
           Figure(static_cast<long long>(after.privateBytes), after.privateBytes > 0);
}
