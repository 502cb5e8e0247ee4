// jorvo-maker: the authoring tool. One command per file; this file only dispatches and prints usage.
#include <cstdio>
#include <cstring>
#include <string>

#include "tools/commands/commands.h"

namespace {

bool IsHelp(const char* argument) {
    return !std::strcmp(argument, "-h") || !std::strcmp(argument, "--help") || !std::strcmp(argument, "help");
}

void PrintUsage(FILE* out) {
    std::fprintf(out, "usage: jorvo-maker COMMAND [ARGUMENTS]\n\n");
    for (int i = 0; i < kMakerCommandCount; ++i)
        std::fprintf(out, "  jorvo-maker %s%s%s\n", kMakerCommands[i].name,
                     *kMakerCommands[i].usage == ' ' ? "" : " ", kMakerCommands[i].usage);
    std::fprintf(out, "\njorvo-maker COMMAND --help prints one command's usage.\n");
}

// The table's usage holds the arguments, then three spaces and what the command does.
void PrintCommandUsage(const MakerCommand& command) {
    const std::string usage = command.usage;
    const size_t gap = usage.find("   ");
    const std::string arguments = usage.substr(0, gap);
    std::printf("usage: jorvo-maker %s%s%s\n", command.name, arguments.empty() ? "" : " ", arguments.c_str());
    if (gap != std::string::npos)
        std::printf("  %s\n", usage.substr(usage.find_first_not_of(' ', gap)).c_str());
}

const MakerCommand* FindCommand(const char* name) {
    for (int i = 0; i < kMakerCommandCount; ++i)
        if (!std::strcmp(name, kMakerCommands[i].name)) return &kMakerCommands[i];
    return nullptr;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        PrintUsage(stderr);
        return 2;
    }
    if (IsHelp(argv[1])) {
        const MakerCommand* command = argc > 2 ? FindCommand(argv[2]) : nullptr;
        if (command)
            PrintCommandUsage(*command);
        else
            PrintUsage(stdout);
        return 0;
    }
    const MakerCommand* command = FindCommand(!std::strcmp(argv[1], "--version") ? "version" : argv[1]);
    if (!command) {
        std::fprintf(stderr, "jorvo-maker: unknown command '%s'\n", argv[1]);
        PrintUsage(stderr);
        return 2;
    }
    if (argc > 2 && (!std::strcmp(argv[2], "--help") || !std::strcmp(argv[2], "-h"))) {
        PrintCommandUsage(*command);
        return 0;
    }
    return command->run(argc - 2, argv + 2);
}
