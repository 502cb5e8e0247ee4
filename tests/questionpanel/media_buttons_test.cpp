// Play and stop: which item is current and which temporary file exists after each press. The players
// are released first, so that only the files are watched (StartMediaPlayer passes over an empty slot);
// the shell's media_play_test plays the real player.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "media/media_host.h"
#include "panel_fixture.h"
#include "questionpanel/media_buttons.h"
#include "questionpanel/panel_ids.h"
#include "questionpanel/panel_state.h"
#include "questionpanel/question_blocks.h"
#include "shell/shell_state.h"

namespace {

using MediaButtonsTest = PanelTest;

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

TEST_F(MediaButtonsTest, EachPlayWritesItsItemAfreshAndStopOrThePanelsEndDeletesIt) {
    quizDocument = new QuizDocument;
    quizDocument->quizKind = kQuizAudio;
    InstallMediaHost();
    ASSERT_TRUE(Build(kQuizAudio, 1, 0, {{"a"}, {"b"}, {"c"}}));
    ReleasePanelMedia();
    const auto press = [this](int id, WORD code) {
        SendMessageA(panel, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(Item(id)));
    };
    press(kPlayButtonBase + 2, BN_CLICKED);
    const std::string second = currentMediaPath;
    EXPECT_EQ(currentMedia, 2);
    EXPECT_EQ(second.rfind("jorvo402.", 0), 0u) << second;
    EXPECT_TRUE(Exists(second));

    press(kPlayButtonBase + 1, BN_CLICKED);
    const std::string first = currentMediaPath;
    EXPECT_EQ(currentMedia, 1);
    EXPECT_FALSE(Exists(second)) << "the item played before is deleted";
    EXPECT_TRUE(Exists(first));

    // Other notifications, ids past the last question and a stop leave the current item as it is.
    press(kPlayButtonBase + 3, BN_DOUBLECLICKED);
    press(kPlayButtonBase + 4, BN_CLICKED);
    press(kStopButtonBase + 3, BN_CLICKED);
    EXPECT_EQ(currentMedia, 1);
    EXPECT_FALSE(Exists(first)) << "any stop button stops and deletes the item started last";

    press(kPlayButtonBase + 3, BN_CLICKED); // item 403 is missing: nothing is written
    EXPECT_EQ(currentMedia, 3);
    EXPECT_FALSE(Exists(currentMediaPath));
    press(kPlayButtonBase + 2, BN_CLICKED);
    EXPECT_TRUE(Exists(second)) << "written afresh";
    DestroyPanel();
    EXPECT_FALSE(Exists(second));
    EXPECT_EQ(currentMedia, 0);
    ShutdownMediaHost(nullptr);

    ASSERT_TRUE(Build(kQuizPictures, 1, 0, {{"a"}}));
    SendMessageA(panel, WM_COMMAND, MAKEWPARAM(kPlayButtonBase + 1, BN_CLICKED), 0);
    EXPECT_EQ(currentMedia, 0) << "a picture quiz has no media";
}

} // namespace
