// The Print Screen filter: called directly for every message kind, then installed for real and fed
// with injected keys, watched by an older low-level hook that only sees what the filter lets through.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "shell/print_screen_filter.h"
#include "shell_test_support.h"

namespace {

struct FilterCase {
    int code;
    UINT message;
    DWORD key;
    LRESULT result;
};

TEST(PrintScreenFilter, SwallowsPrintScreenUnderEveryKeyMessageAndPassesTheRest) {
    const FilterCase cases[] = {
        {HC_ACTION, WM_KEYDOWN, VK_SNAPSHOT, 1},
        {HC_ACTION, WM_KEYUP, VK_SNAPSHOT, 1},
        {HC_ACTION, WM_SYSKEYDOWN, VK_SNAPSHOT, 1},
        {HC_ACTION, WM_SYSKEYUP, VK_SNAPSHOT, 1},
        {HC_ACTION, WM_KEYDOWN, 'A', 0},
        {HC_ACTION, WM_SYSKEYDOWN, VK_MENU, 0},
        {HC_ACTION, WM_KEYUP, VK_F12, 0},
        {HC_ACTION, WM_CHAR, VK_SNAPSHOT, 0}, // not a key message
        {-1, WM_KEYDOWN, VK_SNAPSHOT, 0},
        {3, WM_KEYUP, VK_SNAPSHOT, 0}, // other hook codes pass
    };
    for (const FilterCase& c : cases) {
        KBDLLHOOKSTRUCT event{};
        event.vkCode = c.key;
        EXPECT_EQ(PrintScreenFilter(c.code, c.message, reinterpret_cast<LPARAM>(&event)), c.result)
            << "code " << c.code << ", message 0x" << std::hex << c.message << ", key 0x" << c.key;
    }
}

// What the older hook saw: (message, key) pairs.
std::vector<std::pair<WPARAM, DWORD>> seenKeys;

LRESULT CALLBACK WatchKeys(int code, WPARAM message, LPARAM event) {
    if (code == HC_ACTION) seenKeys.emplace_back(message, reinterpret_cast<KBDLLHOOKSTRUCT*>(event)->vkCode);
    return CallNextHookEx(nullptr, code, message, event);
}

void PressKeys(std::initializer_list<std::pair<WORD, bool>> keys) {
    std::vector<INPUT> inputs;
    for (auto [key, up] : keys) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(input);
    }
    // The last key, F24 released, tells the pump that every earlier event went through the hooks.
    INPUT marker{};
    marker.type = INPUT_KEYBOARD;
    marker.ki.wVk = VK_F24;
    inputs.push_back(marker);
    marker.ki.dwFlags = KEYEVENTF_KEYUP;
    inputs.push_back(marker);
    seenKeys.clear();
    ASSERT_EQ(SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)), inputs.size());
    ASSERT_TRUE(PumpMessagesUntil([] {
        return std::find(seenKeys.begin(), seenKeys.end(), std::make_pair(WPARAM(WM_KEYUP), DWORD(VK_F24))) !=
               seenKeys.end();
    })) << "injected keys never reached the watching hook";
}

bool Saw(WPARAM message, DWORD key) {
    return std::find(seenKeys.begin(), seenKeys.end(), std::make_pair(message, key)) != seenKeys.end();
}

bool SawKey(DWORD key) {
    return std::any_of(seenKeys.begin(), seenKeys.end(),
                       [key](const auto& seen) { return seen.second == key; });
}

TEST(PrintScreenFilter, InstalledItKeepsPrintScreenFromLaterHooksAndRemovedItLetsItThrough) {
    HHOOK watcher = SetWindowsHookExA(WH_KEYBOARD_LL, WatchKeys, GetModuleHandleA(nullptr), 0);
    ASSERT_NE(watcher, nullptr);
    // Low-level hooks run newest first: the filter, installed last, decides before the watcher.
    HHOOK filter = SetWindowsHookExA(WH_KEYBOARD_LL, PrintScreenFilter, GetModuleHandleA(nullptr), 0);
    ASSERT_NE(filter, nullptr);

    PressKeys({{VK_SNAPSHOT, false},
               {VK_SNAPSHOT, true},
               {VK_MENU, false},
               {VK_SNAPSHOT, false},
               {VK_SNAPSHOT, true},
               {VK_MENU, true},
               {VK_CONTROL, false},
               {VK_SNAPSHOT, false},
               {VK_SNAPSHOT, true},
               {VK_CONTROL, true},
               {'A', false},
               {'A', true}});
    EXPECT_FALSE(SawKey(VK_SNAPSHOT)) << "Print Screen, Alt+Print Screen or Ctrl+Print Screen got through";
    EXPECT_TRUE(Saw(WM_KEYDOWN, 'A'));
    EXPECT_TRUE(Saw(WM_KEYUP, 'A'));
    EXPECT_TRUE(SawKey(VK_MENU) || SawKey(VK_LMENU));
    EXPECT_TRUE(SawKey(VK_CONTROL) || SawKey(VK_LCONTROL));

    UnhookWindowsHookEx(filter);
    PressKeys({{VK_SNAPSHOT, false}, {VK_SNAPSHOT, true}});
    EXPECT_TRUE(Saw(WM_KEYDOWN, VK_SNAPSHOT)) << "Print Screen must work again once the filter is gone";
    EXPECT_TRUE(Saw(WM_KEYUP, VK_SNAPSHOT));
    UnhookWindowsHookEx(watcher);
}

} // namespace
