#include "tools/studio/studio_startup.h"

#include <commctrl.h>

#include "media/png_picture.h"
#include "questionpanel/question_blocks.h"
#include "tools/common/messages.h"
#include "tools/studio/studio_controls.h"
#include "tools/studio/studio_fields.h"
#include "tools/studio/studio_files.h"
#include "tools/studio/studio_ids.h"
#include "tools/studio/studio_state.h"
#include "tools/studio/studio_window.h"

bool StartStudio(HINSTANCE instance) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    PngChooseLoopsForThisProcessor();
    SetMessageLanguage(Language::French); // the checks' and files' messages, like the Studio's own
    studioDocument = new StudioDocument;
    NewStudioDocument(studioDocument);
    mediaChecks = new MediaChecks;
    studioProblems = new std::vector<StudioProblem>;
    // The verdict label is coloured by the player's own code, which reads a quiz of one question.
    judgeDocument = new QuizDocument;
    judgeDocument->questionCount = 1;
    judgeDocument->answersPerQuestion = 1;
    BuildQuestionBlocks(nullptr, nullptr); // without a quiz this only makes the right answer's brush

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = StudioWindow;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    if (!windowClass.hIcon) windowClass.hIcon = LoadIconW(nullptr, MAKEINTRESOURCEW(32514)); // IDI_QUESTION
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));                     // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kStudioWindowClass;
    return RegisterClassExW(&windowClass) != 0;
}

HWND OpenStudioWindow(HINSTANCE instance, const char* path, int showCommand) {
    HWND window = CreateWindowExW(WS_EX_ACCEPTFILES | WS_EX_CONTROLPARENT, kStudioWindowClass,
                                  L"Jorvo Studio", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT,
                                  CW_USEDEFAULT, 1024, 720, nullptr, nullptr, instance, nullptr);
    if (!window) return nullptr;
    studioWindow = window;
    ShowStudioDocument(window);
    LayoutStudio(window);
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    if (path && *path) OpenStudioFile(window, path);
    SetFocus(GetDlgItem(window, kQuestionList)); // the arrows then go through the questions
    return window;
}

HACCEL CreateStudioAccelerators() {
    ACCEL keys[] = {
        {FCONTROL | FVIRTKEY, 'N', kCommandNew},
        {FCONTROL | FVIRTKEY, 'O', kCommandOpen},
        {FCONTROL | FVIRTKEY, 'S', kCommandSave},
        {FCONTROL | FSHIFT | FVIRTKEY, 'S', kCommandSaveAs},
        {FCONTROL | FVIRTKEY, VK_RETURN, kCommandAdd},
        {FCONTROL | FVIRTKEY, 'I', kCommandInsert},
        {FCONTROL | FVIRTKEY, VK_DELETE, kCommandDelete},
        {FALT | FVIRTKEY, VK_UP, kCommandUp},
        {FALT | FVIRTKEY, VK_DOWN, kCommandDown},
        {FVIRTKEY, VK_F5, kCommandTryQuiz},
        {FVIRTKEY, VK_F6, kCommandProblems},
        {FVIRTKEY, VK_F7, kCommandTryAnswer},
        {FCONTROL | FVIRTKEY, 'B', kCommandBuild},
    };
    return CreateAcceleratorTableW(keys, static_cast<int>(sizeof keys / sizeof keys[0]));
}

bool TakeStudioKey(HWND window, HACCEL accelerators, MSG* message) {
    return TranslateAcceleratorW(window, accelerators, message) || IsDialogMessageW(window, message);
}

void StopStudio() {
    if (sampleBrush) DeleteObject(sampleBrush);
    sampleBrush = nullptr;
    delete judgeDocument;
    delete studioProblems;
    delete mediaChecks;
    delete studioDocument;
    judgeDocument = nullptr;
    studioProblems = nullptr;
    mediaChecks = nullptr;
    studioDocument = nullptr;
    studioWindow = nullptr;
}
