// The header panel from the player's own template (1002): its controls, their places before and after
// a resize, their colours, and the "Sauver" and "Cacher" commands.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "header/answers_file.h"
#include "header/header_panel.h"
#include "resources/resource_ids.h"
#include "shell/shell_state.h"
#include "tests/header/stand_in_panel.h"

namespace {

struct Header {
    explicit Header(QuizDocument* document) {
        quizDocument = document;
        panel = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_HEADER_PANEL),
                                   SharedParent(), HeaderPanelProc, 0);
        document->headerPanel = panel;
    }
    ~Header() {
        DestroyWindow(panel);
        quizDocument = nullptr;
    }
    // Resizes the panel to a client area `width` wide, as the main window does.
    void SetClientWidth(int width) {
        RECT outer{}, client{};
        GetWindowRect(panel, &outer);
        GetClientRect(panel, &client);
        SetWindowPos(panel, nullptr, 5, 2, width + (outer.right - outer.left) - client.right, 49,
                     SWP_NOZORDER);
    }
    RECT Place(int id) const {
        RECT rect{};
        GetWindowRect(GetDlgItem(panel, id), &rect);
        MapWindowPoints(nullptr, panel, reinterpret_cast<POINT*>(&rect), 2);
        return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top}; // x, y, width, height
    }
    std::string Text(int id) const {
        char text[kTextSize] = "";
        GetDlgItemTextA(panel, id, text, sizeof text);
        return text;
    }
    HWND panel;
};

void FillQuiz(QuizDocument& document, int kind) {
    document.quizKind = kind;
    document.questionCount = 10;
    // The link text may fill its whole array, without a terminator.
    std::memset(document.linkText, 'w', sizeof document.linkText);
}

enum FontKind { kGui, kLink, kTitle, kScore, kNone };

struct Expected {
    int id;
    RECT created, at900; // x, y, width, height
    FontKind font;
};

// In creation order.
const Expected kControls[] = {
    {24, {736, 5, 115, 18}, {766, 0, 115, 18}, kLink},  {25, {736, 25, 27, 18}, {766, 25, 26, 18}, kGui},
    {26, {763, 25, 85, 18}, {793, 25, 105, 18}, kGui},  {33, {666, 5, 65, 18}, {696, 0, 85, 18}, kGui},
    {27, {666, 25, 55, 18}, {696, 25, 55, 18}, kGui},   {28, {110, 19, 490, 27}, {110, 19, 576, 28}, kGui},
    {29, {110, 3, 190, 18}, {110, 3, 550, 18}, kTitle}, {31, {7, 29, 36, 15}, {7, 29, 36, 15}, kGui},
    {32, {10, 1, 80, 20}, {10, 1, 80, 20}, kScore},     {30, {44, 29, 53, 16}, {44, 29, 53, 16}, kGui},
    {120, {0, 26, 100, 1}, {0, 26, 100, 1}, kNone},     {121, {100, 0, 1, 50}, {100, 0, 1, 50}, kNone},
    {122, {730, 0, 1, 50}, {755, 0, 1, 50}, kNone},
};

std::string Describe(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.right) + "x" +
           std::to_string(r.bottom);
}

TEST(HeaderPanel, CreatesItsControlsInOrderAndMovesTheRightHandGroup) {
    for (int kind : {kQuizPictures, kQuizText}) {
        SCOPED_TRACE(testing::Message() << "quiz kind " << kind);
        QuizDocument document;
        FillQuiz(document, kind);
        Header header(&document);
        const HFONT gui = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));

        std::vector<int> expectedOrder, order;
        for (const Expected& c : kControls)
            if (c.id != 33 || kind == kQuizPictures) expectedOrder.push_back(c.id);
        for (HWND child = GetWindow(header.panel, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            order.push_back(GetDlgCtrlID(child));
        EXPECT_EQ(order, expectedOrder);
        EXPECT_EQ(GetDlgItem(header.panel, 33) != nullptr, kind == kQuizPictures);

        for (const Expected& c : kControls) {
            HWND control = GetDlgItem(header.panel, c.id);
            if (!control) continue;
            EXPECT_EQ(Describe(header.Place(c.id)), Describe(c.created)) << c.id;
            const HFONT font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
            const HFONT expected[] = {gui, nullptr, document.titleFont, document.scoreFont, nullptr};
            if (c.font == kLink)
                EXPECT_TRUE(font && font != gui) << "the link has an underlined font of its own";
            else
                EXPECT_EQ(font, expected[c.font]) << c.id;
        }
        EXPECT_EQ(header.Text(24), std::string(sizeof document.linkText, 'w'));
        EXPECT_EQ(header.Text(32), " 0 / 10");

        // The right-hand group keeps its distance from the right edge; title and explanation grow.
        for (int width : {900, 1200}) {
            header.SetClientWidth(width);
            const int grown = width - 900;
            for (const Expected& c : kControls) {
                if (!GetDlgItem(header.panel, c.id)) continue;
                RECT expected = c.at900;
                if (c.created.left >= 600 && c.id != 28) expected.left += grown; // right-hand group
                if (c.id == 28 || c.id == 29) expected.right += grown;
                EXPECT_EQ(Describe(header.Place(c.id)), Describe(expected)) << c.id << " at width " << width;
            }
        }
    }
}

TEST(HeaderPanel, PaintsLabelsOnItsBrushAndTheLinkInBlue) {
    QuizDocument document;
    FillQuiz(document, kQuizPictures);
    Header header(&document);
    ASSERT_TRUE(headerBrush);
    LOGBRUSH brush{};
    ASSERT_EQ(GetObjectA(headerBrush, sizeof brush, &brush), static_cast<int>(sizeof brush));
    EXPECT_EQ(brush.lbColor, RGB(128, 128, 255));
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(
        reinterpret_cast<HBRUSH>(SendMessageA(header.panel, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc),
                                              reinterpret_cast<LPARAM>(header.panel))),
        headerBrush);

    for (const Expected& c : kControls) {
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkMode(dc, OPAQUE);
        const LRESULT result = SendMessageA(header.panel, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                            reinterpret_cast<LPARAM>(GetDlgItem(header.panel, c.id)));
        const bool rule = c.id >= 120;
        // The rules are left to the dialog manager, which answers with the system's brush.
        if (rule)
            EXPECT_NE(reinterpret_cast<HBRUSH>(result), headerBrush) << c.id;
        else
            EXPECT_EQ(reinterpret_cast<HBRUSH>(result), headerBrush) << c.id;
        EXPECT_EQ(GetBkMode(dc), rule ? OPAQUE : TRANSPARENT) << c.id;
        EXPECT_EQ(GetTextColor(dc), c.id == 24 ? RGB(50, 50, 255) : RGB(0, 0, 0)) << c.id;
    }
    DeleteDC(dc);

    const HBRUSH brushBefore = headerBrush;
    DestroyWindow(header.panel);
    EXPECT_EQ(headerBrush, nullptr);
    EXPECT_EQ(GetObjectType(brushBefore), 0u) << "the brush is deleted with the panel";
}

TEST(HeaderPanel, WithoutADocumentShowsAnEmptyScoreAndItsCommandsDoNothing) {
    HWND panel = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_HEADER_PANEL),
                                    SharedParent(), HeaderPanelProc, 0);
    char score[16] = "";
    GetDlgItemTextA(panel, 32, score, sizeof score);
    EXPECT_STREQ(score, " 0 / 0");
    EXPECT_EQ(GetDlgItem(panel, 33), nullptr);
    for (WPARAM command : {24, 27, 33})
        SendMessageA(panel, WM_COMMAND, command, 0);
    DestroyWindow(panel);
}

std::string ReadAnswersFile() {
    char name[MAX_PATH];
    ProgramAnswersFileName(name, sizeof name);
    std::string bytes;
    HANDLE file = CreateFileA(name, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "(none)";
    char buffer[512];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
        bytes.append(buffer, read);
    CloseHandle(file);
    DeleteFileA(name);
    return bytes;
}

TEST(HeaderPanel, SauverSavesTheAnswersAndCacherClosesUpTheFoundQuestions) {
    StandInPanel quiz({4, 1, 0, {200, 150}}, 900, 400);
    Header header(&quiz.document);
    ReadAnswersFile(); // none left over
    SetDlgItemTextA(quiz.panel, 4002, "Oslo");
    SetDlgItemTextA(quiz.panel, 4004, " rome ");

    // Only a click acts: the second click of a double click (notification 5) does nothing.
    SendMessageA(header.panel, WM_COMMAND, MAKEWPARAM(27, BN_DOUBLECLICKED), 0);
    EXPECT_EQ(ReadAnswersFile(), "(none)");
    SendMessageA(GetDlgItem(header.panel, 27), BM_CLICK, 0, 0);
    EXPECT_EQ(ReadAnswersFile(), "\r\nOslo\r\n\r\n rome \r\n");

    quiz.document.questionAt(1)->solved = 1;
    const POINT field = quiz.ContentPosition(4002);
    SendMessageA(GetDlgItem(header.panel, 33), BM_CLICK, 0, 0);
    EXPECT_EQ(SendDlgItemMessageA(header.panel, 33, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(quiz.ContentPosition(4002).y, field.y - 200);
    EXPECT_FALSE(quiz.Shown(9902));
    SendMessageA(GetDlgItem(header.panel, 33), BM_CLICK, 0, 0);
    EXPECT_EQ(quiz.ContentPosition(4002).y, field.y);
    EXPECT_TRUE(quiz.Shown(9902));
}

} // namespace
