// Packed quiz programs driven from outside, as a player would drive them: started in a fresh folder,
// typed into with keyboard messages, clicked through their control ids, read back with WM_GETTEXT, window
// rectangles and screen pixels, closed, and judged by the answers file, the exit code and a restart.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "header/header_ids.h"
#include "questionpanel/panel_ids.h"
#include "shell_test_support.h"

namespace {

RECT ScreenRect(HWND parent, int id) {
    RECT rect{};
    GetWindowRect(GetDlgItem(parent, id), &rect);
    return rect;
}

// A quiz program started in a fresh folder of its own.
class Player {
  public:
    // A fresh run starts without an answers file; a restart keeps it.
    Player(const char* name, const std::string& folder, bool fresh)
        : folder_(folder), name_(std::string("e2e-") + name) {
        std::string program = PROGRAMS_DIR "\\" + name_ + ".exe", commandLine = "\"" + program + "\"";
        CreateDirectoryA(folder.c_str(), nullptr);
        if (fresh) DeleteFileA(AnswersFile().c_str());
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                       &startup, &process_);
    }
    ~Player() {
        if (process_.hProcess && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(process_.hProcess, 99);
        CloseHandle(process_.hProcess);
        CloseHandle(process_.hThread);
    }

    // The first visible top-level window of class `className` that the player owns, or null.
    HWND FindTopLevel(const char* className) {
        found_ = nullptr;
        wanted_ = className;
        EnumWindows(Match, reinterpret_cast<LPARAM>(this));
        return found_;
    }
    // The same, waited for while the player runs.
    HWND WaitForTopLevel(const char* className) {
        PumpMessagesUntil([&] {
            return FindTopLevel(className) != nullptr ||
                   WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0;
        });
        return found_;
    }
    // Finds the main window and its two panels (the header is the one at the top); false without them.
    bool Open() {
        window = WaitForTopLevel("Jorvo");
        return FindPanels(window, &header, &panel);
    }
    // Closes the window; the exit code, or -1 when the process stays.
    long CloseAndWait() { return CloseAndWaitForExit(window, process_.hProcess); }
    HWND Focus() const {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        return GetGUIThreadInfo(process_.dwThreadId, &info) ? info.hwndFocus : nullptr;
    }
    // Tab pressed in the focused control: down there, up where the focus went (as a real key would be).
    int Tab() {
        HWND from = Focus();
        PostKey(from, VK_TAB, false);
        PumpMessagesUntil([&] { return Focus() != from; });
        PostKey(Focus(), VK_TAB, true);
        return GetDlgCtrlID(Focus());
    }
    // Clicks into answer field `field`, which then takes the focus; answers that field.
    HWND Click(int field) {
        HWND edit = GetDlgItem(panel, kAnswerFieldBase + field);
        PostMessageA(edit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        PostMessageA(edit, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
        return edit;
    }
    // Presses function key `key` in answer field `field`, clicked into first.
    void FunctionKey(int field, WPARAM key) {
        HWND edit = Click(field);
        PostKey(edit, key, false);
        PostKey(edit, key, true);
    }
    bool WaitForAnswersFile(std::string* bytes) {
        return PumpMessagesUntil([&] { return ReadWholeFile(AnswersFile(), bytes); });
    }
    std::string AnswersFile() const { return folder_ + "\\" + name_ + ".txt"; }

    HWND window = nullptr, header = nullptr, panel = nullptr;

  private:
    static BOOL CALLBACK Match(HWND candidate, LPARAM lParam) {
        auto* player = reinterpret_cast<Player*>(lParam);
        DWORD owner = 0;
        GetWindowThreadProcessId(candidate, &owner);
        char name[16];
        if (owner != player->process_.dwProcessId || !IsWindowVisible(candidate) ||
            !GetClassNameA(candidate, name, sizeof name) || lstrcmpA(name, player->wanted_))
            return TRUE;
        player->found_ = candidate;
        return FALSE;
    }

    std::string folder_, name_;
    PROCESS_INFORMATION process_{};
    const char* wanted_ = "";
    HWND found_ = nullptr;
};

// What the centre of picture frame q shows: 'R' the reward's blue, 'P' the question picture's red.
char FrameColour(HWND panel, int q) {
    RECT frame = ScreenRect(panel, kPictureFrameBase + q), view{};
    GetWindowRect(panel, &view);
    const POINT centre{(frame.left + frame.right) / 2, (frame.top + frame.bottom) / 2};
    if (!PtInRect(&view, centre)) return 'o'; // scrolled out of view
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, centre.x, centre.y);
    ReleaseDC(nullptr, screen);
    return colour == RGB(0, 0, 255) ? 'R' : colour == RGB(255, 0, 0) ? 'P' : '?';
}

// The frames' colours, each read with the panel scrolled to the top or, for the lower rows, to the bottom.
// The main window is widened first, so that the third column is in view.
std::string FrameColours(HWND window, HWND panel, const char* expected) {
    SetWindowPos(window, nullptr, 10, 10, 1250, 600, SWP_NOZORDER);
    std::string seen;
    for (int q = 1; expected[q - 1]; ++q) {
        char colour = 'o';
        for (WPARAM end : {SB_TOP, SB_BOTTOM}) {
            SendMessageA(panel, WM_VSCROLL, end, 0);
            // Painting follows the scroll: wait for the expected colour, then take what is there.
            PumpMessagesUntil([&] {
                colour = FrameColour(panel, q);
                return colour == expected[q - 1] || colour == 'o';
            });
            if (colour != 'o') break;
        }
        seen += colour;
    }
    SendMessageA(panel, WM_VSCROLL, SB_TOP, 0);
    return seen;
}

// Reveal labels of questions 1..n: 'S' shown, 'H' hidden, '-' absent.
std::string Reveals(HWND panel, int questions) {
    std::string seen;
    for (int q = 1; q <= questions; ++q) {
        HWND label = GetDlgItem(panel, kRevealLabelBase + q);
        seen += !label ? '-' : IsWindowVisible(label) ? 'S' : 'H';
    }
    return seen;
}

// One step of play: type `typed` into field `field` and press Enter, expecting `verdict`; with no text,
// press F1 in that field (copying its answer into every field not yet found).
struct Step {
    int field;
    const char* typed;
    const char* verdict;
};

struct QuizCase {
    const char* name; // the program e2e-<name>.exe
    int questions;
    std::vector<Step> steps;
    std::vector<std::string> texts, verdicts; // every field's, after the steps and after a restart
    const char* score;
    const char* code;
    char media;          // 'T' text list, 'P' pictures, 'A' sound host, 'V' film host
    int afterFirstTab;   // the control that Tab from field 1 reaches
    bool scrolls;        // the content is taller than the panel
    const char* reveals; // reveal labels after the steps ('S', 'H', '-')
    const char* revealsRestored;
    const char* labels; // their texts, '|'-separated, or null
    const char* frames; // picture frames' colours after the steps ('R', 'P'), null without pictures
    const char* framesRestored;
};

const std::vector<Step> kRevealSteps = {{1, "Rouge", "BRAVO"},      {2, "vert pome", "Quasiment"},
                                        {2, "vert pomme", "BRAVO"}, {3, "l'eau-de-vie", "BRAVO"},
                                        {4, "jaune", "BRAVO"},      {4, "jeune", "Quasiment"}};
const std::vector<std::string> kRevealTexts = {"Rouge", "vert pomme", "l'eau-de-vie", "jeune"};
const std::vector<std::string> kRevealVerdicts = {"BRAVO", "BRAVO", "BRAVO", "Quasiment"};
const char kRevealLabels[] = "un|deux|trois|quatre";

#define REVEAL_CASE(name, media, tab, scrolls)                                                               \
    name, 4, kRevealSteps, kRevealTexts, kRevealVerdicts, " 3 / 4", "Bon", media, tab, scrolls

const QuizCase kQuizCases[] = {
    {"text",
     4,
     {{1, "paris", "BRAVO"},
      {2, "Roma", "Quasiment"},
      {3, "versaile", "Presque"},
      {2, nullptr, nullptr},
      {4, "Lisbonne", "BRAVO"}},
     {"paris", "Roma", "Roma", "Lisbonne"},
     {"BRAVO", "Quasiment", "FAUX", "BRAVO"},
     " 2 / 4",
     "Voyageur",
     'T',
     kAnswerFieldBase + 2,
     false,
     "----",
     "----",
     nullptr,
     nullptr,
     nullptr},
    {"pairs",
     4,
     {{1, "france", "BRAVO"},
      {2, "Pari", "Quasiment"},
      {3, "Italie", "BRAVO"},
      {5, "Espagne", "BRAVO"},
      {6, "Madird", "Anagramme"},
      {2, "Paris", "BRAVO"},
      {7, nullptr, nullptr}}, // F1 in an empty field empties the fields not found
     {"france", "Paris", "Italie", "-", "Espagne", "", "", ""},
     {"BRAVO", "BRAVO", "BRAVO", "BRAVO", "BRAVO", "?", "?", "?"},
     " 2 / 4",
     "Deux",
     'P',
     kAnswerFieldBase + 2,
     true,
     "SSHH",
     "SSHH",
     "Premier trouv\xe9|Deuxi\xe8me trouv\xe9|Troisi\xe8me trouv\xe9|Quatri\xe8me trouv\xe9",
     "RRPP",
     "RRPP"},
    // Other spellings: "London" is right where "Londres" is the first, and found with "angleterre"; the
    // verdict is the best over the spellings ("olande" is two slips from "Hollande").
    {"spellings",
     4,
     {{2, "London", "BRAVO"},
      {1, "angleterre", "BRAVO"},
      {3, "olande", "Presque"},
      {5, "Allemagne", "BRAVO"},
      {6, "Berlim", "Quasiment"},
      {7, "helvetie", "Quasiment"},
      {8, "Berne", "BRAVO"}},
     {"angleterre", "London", "olande", "-", "Allemagne", "Berlim", "helvetie", "Berne"},
     {"BRAVO", "BRAVO", "Presque", "BRAVO", "BRAVO", "Quasiment", "Quasiment", "BRAVO"},
     " 1 / 4",
     "Un",
     'P',
     kAnswerFieldBase + 2,
     true,
     "SHHH",
     "SHHH",
     "Premier trouv\xe9|Deuxi\xe8me trouv\xe9|Troisi\xe8me trouv\xe9|Quatri\xe8me trouv\xe9",
     "RPPP",
     "RPPP"},
    {REVEAL_CASE("reveal-0", 'P', kAnswerFieldBase + 2, true), "----", "----", nullptr, "PPPP", "PPPP"},
    {REVEAL_CASE("reveal-1", 'P', kAnswerFieldBase + 2, true), "----", "----", nullptr, "RRRR", "RRRP"},
    {REVEAL_CASE("reveal-2", 'A', kPlayButtonBase + 1, false), "SSSH", "SSSH", kRevealLabels, nullptr,
     nullptr},
    {REVEAL_CASE("reveal-3", 'P', kAnswerFieldBase + 2, true), "SSSH", "SSSH", kRevealLabels, "RRRR", "RRRP"},
    // Every label once all are found; a later wrong answer hides its own; a restart finds one wrong.
    {REVEAL_CASE("reveal-4", 'V', kPlayButtonBase + 1, true), "SSSH", "HHHH", kRevealLabels, nullptr,
     nullptr},
    // The word counts, shown from the start whatever is typed.
    {REVEAL_CASE("reveal-5", 'P', kAnswerFieldBase + 2, true), "SSSS", "SSSS",
     "en 1 mot|en 2 mots|en 4 mots|en 1 mot", "PPPP", "PPPP"},
    // Reveal texts are not packed in this mode: only the labels hiding matters.
    {REVEAL_CASE("reveal-6", 'P', kAnswerFieldBase + 2, true), "HHHH", "HHHH", nullptr, "PPPP", "PPPP"},
};

std::string Lines(const std::vector<std::string>& texts) {
    std::string lines;
    for (const std::string& text : texts)
        lines += text + "\r\n";
    return lines;
}

std::vector<std::string> Split(const char* joined) {
    std::vector<std::string> parts(1);
    for (; *joined; ++joined)
        if (*joined == '|')
            parts.emplace_back();
        else
            parts.back().push_back(*joined);
    return parts;
}

// What a player shows of the quiz's state: every field's text and verdict, the score line and code.
void ExpectState(const Player& player, const QuizCase& c) {
    for (size_t k = 1; k <= c.texts.size(); ++k) {
        EXPECT_EQ(ControlText(player.panel, kAnswerFieldBase + int(k)), c.texts[k - 1]) << "field " << k;
        // A second answer given as "-" is neither shown nor asked for.
        EXPECT_EQ(IsWindowVisible(GetDlgItem(player.panel, kAnswerFieldBase + int(k))) == FALSE,
                  c.texts[k - 1] == "-");
        EXPECT_EQ(IsWindowVisible(GetDlgItem(player.panel, kVerdictLabelBase + int(k))) == FALSE,
                  c.texts[k - 1] == "-");
        EXPECT_TRUE(PumpMessagesUntil([&] {
            return ControlText(player.panel, kVerdictLabelBase + int(k)) == c.verdicts[k - 1];
        })) << "verdict "
            << k << " reads " << ControlText(player.panel, kVerdictLabelBase + int(k));
    }
    EXPECT_EQ(GetDlgItem(player.panel, kAnswerFieldBase + int(c.texts.size()) + 1), nullptr)
        << "one field too many";
    EXPECT_EQ(ControlText(player.header, kScoreLabelId), c.score);
    EXPECT_EQ(ControlText(player.header, kCodeFieldId), c.code);
}

// The media part of every block: a frame for pictures, a host window and play and stop buttons for sounds
// and films (not pressed here), nothing for a text list.
void ExpectMediaParts(HWND panel, const QuizCase& c) {
    for (int q = 1; q <= c.questions; ++q) {
        HWND host = GetDlgItem(panel, kPictureFrameBase + q);
        const bool media = c.media == 'A' || c.media == 'V';
        EXPECT_EQ(host != nullptr, c.media != 'T') << q;
        EXPECT_EQ(GetDlgItem(panel, kPlayButtonBase + q) != nullptr, media) << q;
        EXPECT_EQ(GetDlgItem(panel, kStopButtonBase + q) != nullptr, media) << q;
        RECT rect{};
        GetWindowRect(host, &rect);
        if (media) {
            EXPECT_EQ(rect.right - rect.left, c.media == 'A' ? 0 : 300) << "a sound's host is not seen";
        }
    }
}

void ExpectRevealsAndFrames(const Player& player, const QuizCase& c, const char* reveals,
                            const char* frames) {
    EXPECT_EQ(Reveals(player.panel, c.questions), reveals);
    if (c.labels) {
        const std::vector<std::string> labels = Split(c.labels);
        for (int q = 1; q <= c.questions; ++q)
            EXPECT_EQ(ControlText(player.panel, kRevealLabelBase + q), labels[q - 1]) << q;
    }
    if (frames) {
        EXPECT_EQ(FrameColours(player.window, player.panel, frames), frames);
    }
}

// Scrolls the panel to its bottom and back, then tabs from the first field to the last, which must end
// wholly in view; tabbing from field 1 first reaches the control the case names.
void ExpectScrollAndTab(Player& player, const QuizCase& c) {
    const RECT first = ScreenRect(player.panel, kAnswerFieldBase + 1);
    SendMessageA(player.panel, WM_VSCROLL, SB_BOTTOM, 0);
    const RECT bottom = ScreenRect(player.panel, kAnswerFieldBase + 1);
    EXPECT_EQ(bottom.top < first.top, c.scrolls) << "first field's top " << first.top << " -> " << bottom.top;
    SendMessageA(player.panel, WM_VSCROLL, SB_TOP, 0);
    EXPECT_EQ(ScreenRect(player.panel, kAnswerFieldBase + 1).top, first.top);

    HWND one = player.Click(1);
    ASSERT_TRUE(PumpMessagesUntil([&] { return player.Focus() == one; })) << "a click focuses the field";
    if (c.scrolls) {
        // A wheel notch is 50 pixels; Page Down in a field pages the panel and leaves the focus there.
        auto movedBy = [&](int pixels) {
            return PumpMessagesUntil(
                [&] { return first.top - ScreenRect(player.panel, kAnswerFieldBase + 1).top == pixels; });
        };
        PostMessageA(player.panel, WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(-WHEEL_DELTA)), 0);
        EXPECT_TRUE(movedBy(50)) << "wheel down";
        PostMessageA(player.panel, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
        EXPECT_TRUE(movedBy(0)) << "wheel up";
        PostKey(one, VK_NEXT, false);
        PostKey(one, VK_NEXT, true);
        EXPECT_TRUE(PumpMessagesUntil([&] {
            return ScreenRect(player.panel, kAnswerFieldBase + 1).top < first.top - 50;
        })) << "Page Down";
        EXPECT_EQ(player.Focus(), one);
        PostKey(one, VK_PRIOR, false);
        PostKey(one, VK_PRIOR, true);
        EXPECT_TRUE(movedBy(0)) << "Page Up";
    }
    EXPECT_EQ(player.Tab(), c.afterFirstTab);
    const int last = kAnswerFieldBase + int(c.texts.size());
    for (int presses = 0; presses < 4 * int(c.texts.size()) && GetDlgCtrlID(player.Focus()) != last;
         ++presses)
        player.Tab();
    ASSERT_EQ(GetDlgCtrlID(player.Focus()), last) << "Tab never reached the last field";
    RECT view{};
    GetWindowRect(player.panel, &view);
    EXPECT_TRUE(PumpMessagesUntil([&] {
        const RECT field = ScreenRect(player.panel, last);
        return field.top >= view.top && field.bottom <= view.bottom;
    })) << "the last field, reached by Tab, is out of view";
    SendMessageA(player.panel, WM_VSCROLL, SB_TOP, 0);
}

// The verdicts that `jorvo-maker results` gives the answers file in `folder` for `program`, read from its
// spreadsheet (one row per file, the verdicts after five cells); empty when it does not run. Started
// without a console: a console of its own would tell it that it was started from Explorer, and it would
// wait for a key before it ends.
std::vector<std::string> ResultsVerdicts(const std::string& program, const std::string& folder,
                                         const std::string& answersFile) {
    const std::string csv = folder + "\\results.csv";
    std::string commandLine =
        "\"" JORVO_MAKER_EXE "\" results \"" + program + "\" \"" + answersFile + "\" --csv \"" + csv + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, DETACHED_PROCESS, nullptr, nullptr,
                        &startup, &process))
        return {};
    WaitForSingleObject(process.hProcess, 60000);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    std::string text;
    if (!ReadWholeFile(csv, &text)) return {};
    const size_t rowStart = text.find("\r\n") + 2, rowEnd = text.find("\r\n", rowStart);
    std::vector<std::string> cells(1);
    for (char c : text.substr(rowStart, rowEnd - rowStart))
        if (c == ';')
            cells.emplace_back();
        else
            cells.back().push_back(c);
    return cells.size() > 5 ? std::vector<std::string>(cells.begin() + 5, cells.end()) : cells;
}

TEST(QuizDriver, EachKindAndRevealModePlaysSavesClosesAndComesBackAfterARestart) {
    for (const QuizCase& c : kQuizCases) {
        SCOPED_TRACE(c.name);
        const std::string folder = std::string("run-") + c.name, expectedFile = Lines(c.texts);
        {
            Player player(c.name, folder, true);
            ASSERT_TRUE(player.Open()) << "no main window with two panels";
            EXPECT_EQ(ControlText(player.header, kScoreLabelId), " 0 / 4");
            EXPECT_EQ(GetDlgItem(player.header, kHideBoxId) != nullptr, c.media == 'P') << "the hide box";
            ExpectMediaParts(player.panel, c);
            for (const Step& step : c.steps) {
                if (!step.typed) {
                    player.FunctionKey(step.field, VK_F1);
                    continue;
                }
                TypeAndEnter(player.panel, step.field, step.typed);
                EXPECT_TRUE(PumpMessagesUntil([&] {
                    return ControlText(player.panel, kVerdictLabelBase + step.field) == step.verdict;
                })) << step.typed
                    << " reads " << ControlText(player.panel, kVerdictLabelBase + step.field);
                EXPECT_EQ(ControlText(player.panel, kAnswerFieldBase + step.field), step.typed)
                    << "Enter stays out";
            }
            ExpectState(player, c);
            ExpectRevealsAndFrames(player, c, c.reveals, c.frames);
            ExpectScrollAndTab(player, c);

            // F2, then "Sauver": each writes the answers file anew.
            std::string saved;
            player.FunctionKey(1, VK_F2);
            EXPECT_TRUE(player.WaitForAnswersFile(&saved)) << "F2 saves";
            EXPECT_EQ(saved, expectedFile);
            DeleteFileA(player.AnswersFile().c_str());
            PostMessageA(player.header, WM_COMMAND, kSaveButtonId, 0);
            EXPECT_TRUE(player.WaitForAnswersFile(&saved)) << "Sauver saves";
            EXPECT_EQ(saved, expectedFile);
            DeleteFileA(player.AnswersFile().c_str());
            EXPECT_EQ(player.CloseAndWait(), 0);
            EXPECT_TRUE(ReadWholeFile(player.AnswersFile(), &saved)) << "closing saves";
            EXPECT_EQ(saved, expectedFile);
        }
        Player again(c.name, folder, false);
        ASSERT_TRUE(again.Open());
        ExpectState(again, c);
        ExpectRevealsAndFrames(again, c, c.revealsRestored, c.framesRestored);
        EXPECT_EQ(again.CloseAndWait(), 0);
        // The class results judge the same file as the restarted player did.
        EXPECT_EQ(ResultsVerdicts(PROGRAMS_DIR "\\e2e-" + std::string(c.name) + ".exe", folder,
                                  again.AnswersFile()),
                  c.verdicts);
    }
}

// The controls of one picture block of the two-answer quiz: number, two fields, two verdicts, picture frame
// and reveal label.
std::vector<int> BlockControls(int q) {
    return {2000 + q,
            kAnswerFieldBase + 2 * q - 1,
            kAnswerFieldBase + 2 * q,
            kVerdictLabelBase + 2 * q - 1,
            kVerdictLabelBase + 2 * q,
            kPictureFrameBase + q,
            kRevealLabelBase + q};
}

TEST(QuizDriver, HideBoxCollapsesFoundPicturesClosesUpAFullRowAndPutsEverythingBack) {
    // The 120 by 240 picture, fitted into its 300 by 300 box, makes a row 300 high.
    const int kRowHeight = 300, kRevealHeight = 65;
    Player player("pairs", "run-hide", true);
    ASSERT_TRUE(player.Open());
    HWND box = GetDlgItem(player.header, kHideBoxId);
    ASSERT_NE(box, nullptr);
    for (const Step& step : std::vector<Step>{{1, "France", "BRAVO"},
                                              {2, "Paris", "BRAVO"},
                                              {3, "Italie", "BRAVO"},
                                              {5, "Espagne", "BRAVO"}}) {
        TypeAndEnter(player.panel, step.field, step.typed);
        EXPECT_TRUE(PumpMessagesUntil(
            [&] { return ControlText(player.panel, kVerdictLabelBase + step.field) == "BRAVO"; }));
    }
    std::vector<std::vector<RECT>> before(5);
    for (int q = 1; q <= 4; ++q)
        for (int id : BlockControls(q))
            before[q].push_back(ScreenRect(player.panel, id));
    // How far each control of block q has moved up since the start (or -1 when it moved otherwise).
    auto liftedBy = [&](int q) {
        std::vector<int> lifts;
        const std::vector<int> ids = BlockControls(q);
        for (size_t i = 0; i < ids.size(); ++i) {
            const RECT now = ScreenRect(player.panel, ids[i]), was = before[q][i];
            lifts.push_back(now.left == was.left && now.bottom - now.top == was.bottom - was.top
                                ? was.top - now.top
                                : -1);
        }
        return lifts;
    };
    const int H = kRowHeight, D = kRowHeight + kRevealHeight;
    const std::vector<int> still(7, 0), collapsed = {H, H, H, H, H, 0, 0}, closedUp(7, D);

    PostMessageA(box, BM_CLICK, 0, 0);
    ASSERT_TRUE(PumpMessagesUntil([&] { return SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }));
    EXPECT_TRUE(PumpMessagesUntil([&] { return liftedBy(1) == collapsed; }));
    EXPECT_EQ(liftedBy(2), collapsed);
    EXPECT_EQ(liftedBy(3), still) << "question 3 is not found yet";
    EXPECT_EQ(liftedBy(4), still);
    for (int q = 1; q <= 2; ++q) {
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(player.panel, kPictureFrameBase + q))) << q;
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(player.panel, kRevealLabelBase + q))) << q;
    }

    // Finding question 3 with the box ticked collapses it, and its full row closes up over the next.
    TypeAndEnter(player.panel, 6, "Madrid");
    EXPECT_TRUE(PumpMessagesUntil([&] { return liftedBy(4) == closedUp; }));
    EXPECT_EQ(liftedBy(3), collapsed);
    EXPECT_EQ(liftedBy(1), collapsed) << "a closed row stays where it was";
    EXPECT_EQ(ControlText(player.header, kScoreLabelId), " 3 / 4");

    PostMessageA(box, BM_CLICK, 0, 0);
    ASSERT_TRUE(PumpMessagesUntil([&] { return SendMessageA(box, BM_GETCHECK, 0, 0) == BST_UNCHECKED; }));
    for (int q = 1; q <= 4; ++q) {
        EXPECT_TRUE(PumpMessagesUntil([&] { return liftedBy(q) == still; }))
            << "block " << q << " back in place";
        EXPECT_TRUE(IsWindowVisible(GetDlgItem(player.panel, kPictureFrameBase + q))) << q;
        EXPECT_EQ(IsWindowVisible(GetDlgItem(player.panel, kRevealLabelBase + q)) != FALSE, q < 4) << q;
    }
    EXPECT_EQ(player.CloseAndWait(), 0);
}

// Players whose quiz data the loader rejects: its message box first, then the main window.
struct LoaderCase {
    const char* name;
    const char* message;
    const char* title;  // of the main window
    const char* footer; // footer label (main window's control 8000)
    int fields;         // answer fields built
    const char* right;  // an answer the last field accepts, or null
};

const char kBadBlock[] = "Erreur dans le d\xe9"
                         "cryptage";
const char kNoQuiz[] = "Donn\xe9"
                       "es inaccessibles";

const LoaderCase kLoaderCases[] = {
    {"block", kBadBlock, "nom du jorvo", "", 0, nullptr},
    // The stand-in quiz: seven questions over two records, the last ones all answered "TEST".
    {"missing", kNoQuiz, "Nom du jorvo", "Un quiz Jorvo", 7, "test"},
    {"empty", kNoQuiz, "Nom du jorvo", "Un quiz Jorvo", 7, "test"},
    {"damaged",
     "Erreur dans le d\xe9"
     "cryptage des reponses",
     "nom du jorvo", "Un quiz Jorvo", 0, nullptr},
    // The quiz stands; only its score codes are gone.
    {"noscores",
     "Erreur dans le d\xe9"
     "cryptage des codes",
     "Villes", "Un quiz Jorvo", 4, "Lisbonne"},
};

// The longest static text of a message box: its message.
std::string MessageOf(HWND box) {
    std::string message;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char name[16];
        const std::string text = TextOf(child);
        if (GetClassNameA(child, name, sizeof name) && !lstrcmpiA(name, "Static") &&
            text.size() > message.size())
            message = text;
    }
    return message;
}

TEST(QuizDriver, EachLoaderFailureShowsItsMessageThenTheWindowAndEndsWithZero) {
    for (const LoaderCase& c : kLoaderCases) {
        SCOPED_TRACE(c.name);
        Player player(c.name, std::string("run-") + c.name, true);
        HWND box = player.WaitForTopLevel("#32770");
        ASSERT_NE(box, nullptr) << "no message box";
        char caption[64];
        EXPECT_EQ(std::string(caption, GetWindowTextA(box, caption, sizeof caption)), "Jorvo");
        EXPECT_EQ(MessageOf(box), c.message);
        EXPECT_EQ(player.FindTopLevel("Jorvo"), nullptr) << "the window waits for the message";
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        ASSERT_TRUE(player.Open()) << "no main window after the message";
        char title[128];
        EXPECT_EQ(std::string(title, GetWindowTextA(player.window, title, sizeof title)), c.title);
        EXPECT_EQ(TextOf(GetDlgItem(player.window, 8000)), c.footer);
        for (int k = 1; k <= c.fields; ++k)
            EXPECT_EQ(ControlText(player.panel, kVerdictLabelBase + k), "?") << k;
        EXPECT_EQ(GetDlgItem(player.panel, kAnswerFieldBase + c.fields + 1), nullptr);
        std::string expectedFile = EmptyLines(c.fields);
        if (c.right) {
            TypeAndEnter(player.panel, c.fields, c.right);
            const std::string score = " 1 / " + std::to_string(c.fields);
            EXPECT_TRUE(
                PumpMessagesUntil([&] { return ControlText(player.header, kScoreLabelId) == score; }));
            EXPECT_EQ(ControlText(player.panel, kVerdictLabelBase + c.fields), "BRAVO");
            EXPECT_EQ(ControlText(player.header, kCodeFieldId), "");
            expectedFile = EmptyLines(c.fields - 1) + c.right + "\r\n";
        }
        EXPECT_EQ(player.CloseAndWait(), 0);
        std::string saved;
        EXPECT_TRUE(ReadWholeFile(player.AnswersFile(), &saved));
        EXPECT_EQ(saved, expectedFile);
    }
}

} // namespace
