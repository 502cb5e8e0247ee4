// jorvo-maker: the authoring tool. One command per file; this file dispatches, prints usage, and
// serves Explorer: a .quiz file dropped on the tool is packed beside itself, and a console window the
// tool opened itself stays until a key is pressed, so that its words can be read.
#include <cstdio>
#include <string>
#include <vector>

#include "tools/commands/commands.h"
#include "tools/common/console.h"
#include "tools/common/file_access.h"
#include "tools/common/messages.h"

int RunPackCommand(int argc, char** argv);

namespace {

bool IsHelp(const std::string& argument) {
    return argument == "-h" || argument == "--help" || argument == "help";
}

std::string CommandLine(const MakerCommand& command) {
    return std::string(command.name) + (*command.arguments ? " " : "") + command.arguments;
}

void PrintUsage(FILE* out) {
    std::string text = Say(Msg::UsageHeading) + "\n\n";
    for (int i = 0; i < kMakerCommandCount; ++i)
        text +=
            "  jorvo-maker " + CommandLine(kMakerCommands[i]) + "   " + Say(kMakerCommands[i].about) + "\n";
    PrintText(out, text + "\n" + Say(Msg::UsageOneCommand) + "\n");
}

void PrintCommandUsage(const MakerCommand& command) {
    PrintText(stdout, Say(Msg::UsageOf, {CommandLine(command)}) + "\n  " + Say(command.about) + "\n");
}

const MakerCommand* FindCommand(const std::string& name) {
    for (int i = 0; i < kMakerCommandCount; ++i)
        if (name == kMakerCommands[i].name) return &kMakerCommands[i];
    return nullptr;
}

bool EndsWithQuiz(const std::string& path) {
    if (path.size() < 5) return false;
    std::string end = path.substr(path.size() - 5);
    for (char& c : end)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    return end == ".quiz";
}

int Run(std::vector<std::string> arguments, bool fromExplorer) {
    if (arguments.empty()) {
        if (fromExplorer) {
            PrintText(stdout, Say(Msg::ExplorerHelp));
            return 0;
        }
        PrintUsage(stderr);
        return 2;
    }
    if (IsHelp(arguments[0])) {
        const MakerCommand* command = arguments.size() > 1 ? FindCommand(arguments[1]) : nullptr;
        if (command)
            PrintCommandUsage(*command);
        else
            PrintUsage(stdout);
        return 0;
    }
    const MakerCommand* command = FindCommand(arguments[0] == "--version" ? "version" : arguments[0]);
    if (!command && arguments.size() == 1 && IsRegularFile(arguments[0])) {
        // A file dropped on the tool: a quiz source is packed beside itself as NAME.exe.
        if (!EndsWithQuiz(arguments[0])) {
            PrintLine(stderr, Say(Msg::NotAQuizSource, {arguments[0]}));
            return 2;
        }
        arguments = {arguments[0], "-o", arguments[0].substr(0, arguments[0].size() - 5) + ".exe"};
        std::vector<char*> argv;
        for (std::string& a : arguments)
            argv.push_back(&a[0]);
        return RunPackCommand(static_cast<int>(argv.size()), argv.data());
    }
    if (!command) {
        PrintLine(stderr, Say(Msg::UnknownCommand, {arguments[0]}));
        PrintUsage(stderr);
        return 2;
    }
    if (arguments.size() > 1 && (arguments[1] == "--help" || arguments[1] == "-h")) {
        PrintCommandUsage(*command);
        return 0;
    }
    std::vector<char*> argv;
    for (size_t i = 1; i < arguments.size(); ++i)
        argv.push_back(&arguments[i][0]);
    argv.push_back(nullptr);
    return command->run(static_cast<int>(arguments.size() - 1), argv.data());
}

} // namespace

int main(int argc, char** argv) {
    const bool fromExplorer = ConsoleIsOwn();
    const int status = Run(Utf8Arguments(argc, argv), fromExplorer);
    std::fflush(stdout);
    std::fflush(stderr);
    if (fromExplorer) WaitForKey("\n" + Say(Msg::PressAKey) + "\n");
    return status;
}
