// Jorvo Studio's entry point: one main window, one message loop. The command line may name a quiz
// source or a Jorvo program to open.
#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include "tools/studio/studio_startup.h"
#include "tools/studio/studio_text.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    if (!StartStudio(instance)) return 1;
    const bool comInitialised = SUCCEEDED(CoInitialize(nullptr)); // the folder picker and picture loader
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    const std::string path = arguments && count > 1 ? Utf8FromWide(arguments[1]) : std::string();
    LocalFree(arguments);
    HWND window = OpenStudioWindow(instance, path.c_str(), showCommand);
    HACCEL accelerators = CreateStudioAccelerators();
    MSG message;
    while (window && GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (TakeStudioKey(window, accelerators, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    DestroyAcceleratorTable(accelerators);
    StopStudio();
    if (comInitialised) CoUninitialize();
    return 0;
}
