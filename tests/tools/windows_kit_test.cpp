// The Windows tool as an author gets it: jorvo-maker.exe alone in a folder, no template beside it, quiz
// sources, media and programs named with accents, spaces and backslashes, started with a wide command
// line; and a .quiz file dropped on it.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "tests/tools/media_samples.h"
#include "tools/common/file_access.h"
#include "tools/common/file_bytes.h"
#include "tools/pe/pe_resources.h"
#include "tools/source/quiz_resources.h"

namespace {

struct ToolRun {
    DWORD code = 0xFFFFFFFF;
    std::string printed; // standard output and error, as the bytes came
};

// Starts the program with a wide command line, its output read through a pipe.
ToolRun RunWide(const std::wstring& commandLine) {
    ToolRun run;
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE readEnd, writeEnd;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return run;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    PROCESS_INFORMATION process;
    std::wstring line = commandLine;
    const BOOL started =
        CreateProcessW(nullptr, &line[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
    CloseHandle(writeEnd);
    if (started) {
        char chunk[512];
        DWORD got;
        while (ReadFile(readEnd, chunk, sizeof chunk, &got, nullptr) && got)
            run.printed.append(chunk, got);
        WaitForSingleObject(process.hProcess, 60000);
        GetExitCodeProcess(process.hProcess, &run.code);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    CloseHandle(readEnd);
    return run;
}

std::wstring Quoted(const std::string& utf8) {
    return L"\"" + WidePath(utf8) + L"\"";
}

std::string Backslashed(std::string path) {
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

UnpackedQuiz QuizIn(const std::string& program, uint16_t* machine) {
    ByteVector image;
    std::vector<Resource> resources;
    std::string error;
    UnpackedQuiz quiz;
    EXPECT_TRUE(ReadFileBytes(program, &image)) << program;
    EXPECT_TRUE(ReadPeResources(image, &resources, &error)) << error;
    EXPECT_TRUE(ReadQuizResources(resources, &quiz, &error)) << error;
    *machine = PeMachine(image);
    return quiz;
}

TEST(WindowsKit, TheToolAloneInAFolderPacksAccentedNamesAndDroppedSources) {
    wchar_t temporary[MAX_PATH];
    GetTempPathW(MAX_PATH, temporary);
    const std::string root =
        Backslashed(Utf8FromWide(temporary)) + "jorvo kit " + std::to_string(GetCurrentProcessId());
    // The tool alone, in a folder of its own: nothing beside it.
    const std::string toolFolder = root + "\\Outils \xC3\xA0 moi";
    ASSERT_TRUE(MakeDirectories(toolFolder));
    const std::string tool = toolFolder + "\\jorvo-maker.exe";
    ASSERT_TRUE(CopyFileW(WidePath(JORVO_MAKER).c_str(), WidePath(tool).c_str(), FALSE));

    const std::string quizFolder = root + "\\Mes quiz \xC3\xA9t\xC3\xA9";
    ASSERT_TRUE(MakeDirectories(quizFolder + "\\images d'\xC3\xA9"
                                             "cureuils"));
    const ByteVector jpeg = TinyJpeg();
    ASSERT_TRUE(WriteFileBytes(quizFolder + "\\images d'\xC3\xA9"
                                            "cureuils\\\xC3\xA9"
                                            "cureuil roux.jpg",
                               jpeg));
    const std::string source = quizFolder + "\\\xC3\xA9"
                                            "cureuils.quiz";
    ASSERT_TRUE(WriteFileText(source, "title: \xC3\x89"
                                      "cureuils\nkind: pictures\nreveal-mode: 0\n"
                                      "question: Qui est-ce ?\n  answer: \xC3\xA9"
                                      "cureuil\n"
                                      "  picture: images d'\xC3\xA9"
                                      "cureuils\\\xC3\xA9"
                                      "cureuil roux.jpg\n"
                                      "score: bravo\n"));

    // Named output without .exe: it gets one, for Explorer runs only that.
    const std::string output = quizFolder + "\\sortie \xC3\xA0 part\\animaux";
    ASSERT_TRUE(MakeDirectories(FolderOf(output)));
    const ToolRun packed = RunWide(Quoted(tool) + L" pack " + Quoted(source) + L" -o " + Quoted(output));
    EXPECT_EQ(packed.code, 0u) << packed.printed;
    EXPECT_NE(packed.printed.find(output + ".exe: 1 question, "), std::string::npos) << packed.printed;
    uint16_t machine = 0;
    const UnpackedQuiz quiz = QuizIn(output + ".exe", &machine);
    EXPECT_EQ(machine, 0x14C) << "i686 is the default";
    ASSERT_EQ(quiz.content.questions.size(), 1u);
    EXPECT_EQ(quiz.content.title, "\xC9"
                                  "cureuils");
    EXPECT_EQ(quiz.media[0], jpeg);

    const ToolRun wide = RunWide(Quoted(tool) + L" pack " + Quoted(source) + L" -o " +
                                 Quoted(output + "64.exe") + L" --arch x86_64");
    EXPECT_EQ(wide.code, 0u) << wide.printed;
    QuizIn(output + "64.exe", &machine);
    EXPECT_EQ(machine, 0x8664) << "the x86_64 template is carried too";

    // Dropped on the tool (from a console of another program: nothing waits for a key).
    const ToolRun dropped = RunWide(Quoted(tool) + L" " + Quoted(source));
    EXPECT_EQ(dropped.code, 0u) << dropped.printed;
    ByteVector first, beside;
    ASSERT_TRUE(ReadFileBytes(output + ".exe", &first));
    ASSERT_TRUE(ReadFileBytes(quizFolder + "\\\xC3\xA9"
                                           "cureuils.exe",
                              &beside))
        << dropped.printed;
    EXPECT_TRUE(first == beside) << "the dropped source packs to the same program beside itself";

    // A source that does not pack names the file once, in the words of the message table.
    const ToolRun missing = RunWide(Quoted(tool) + L" pack " + Quoted(quizFolder + "\\absent \xC3\xA9.quiz") +
                                    L" -o " + Quoted(output));
    EXPECT_EQ(missing.code, 1u);
    EXPECT_NE(missing.printed.find("cannot read " + quizFolder + "\\absent \xC3\xA9.quiz: no such file"),
              std::string::npos)
        << missing.printed;
}

} // namespace
