// The Print Screen filter on every message kind and hook code. Installed for real, it is exercised
// end to end (it must hold the key from other programs while the player runs).
#include <windows.h>

#include <gtest/gtest.h>

#include "shell/print_screen_filter.h"

TEST(PrintScreenFilter, SwallowsPrintScreenUnderEveryKeyMessageAndPassesTheRest) {
    const struct {
        int code;
        UINT message;
        DWORD key;
        LRESULT result;
    } cases[] = {
        {HC_ACTION, WM_KEYDOWN, VK_SNAPSHOT, 1},
        {HC_ACTION, WM_KEYUP, VK_SNAPSHOT, 1},
        {HC_ACTION, WM_SYSKEYDOWN, VK_SNAPSHOT, 1},
        {HC_ACTION, WM_SYSKEYUP, VK_SNAPSHOT, 1},
        {HC_ACTION, WM_KEYDOWN, 'A', 0},
        {HC_ACTION, WM_SYSKEYDOWN, VK_MENU, 0},
        {HC_ACTION, WM_CHAR, VK_SNAPSHOT, 0},
        {-1, WM_KEYDOWN, VK_SNAPSHOT, 0},
        {3, WM_KEYUP, VK_SNAPSHOT, 0},
    };
    for (const auto& c : cases) {
        KBDLLHOOKSTRUCT event{};
        event.vkCode = c.key;
        EXPECT_EQ(PrintScreenFilter(c.code, c.message, reinterpret_cast<LPARAM>(&event)), c.result)
            << "code " << c.code << ", message 0x" << std::hex << c.message << ", key 0x" << c.key;
    }
}
