#include "shell/print_screen_filter.h"

LRESULT CALLBACK PrintScreenFilter(int code, WPARAM message, LPARAM event) {
    if (code == HC_ACTION && event &&
        (message == WM_KEYDOWN || message == WM_KEYUP || message == WM_SYSKEYDOWN ||
         message == WM_SYSKEYUP)) {
        // Alt and Ctrl variants carry the same key code, so this one test covers them too.
        if (reinterpret_cast<const KBDLLHOOKSTRUCT*>(event)->vkCode == VK_SNAPSHOT) return 1;
    }
    return CallNextHookEx(nullptr, code, message, event);
}
