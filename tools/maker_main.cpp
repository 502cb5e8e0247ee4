// jorvo-maker: the authoring tool. One command per file; this file only dispatches.
#include <cstdio>
#include <cstring>

#include "tools/commands.h"

namespace {

void PrintUsage(FILE* out) {
    std::fprintf(out, "usage: jorvo-maker COMMAND [ARGUMENTS]\n");
    for (int i = 0; i < kMakerCommandCount; ++i)
        std::fprintf(out, "  jorvo-maker %s %s\n", kMakerCommands[i].name, kMakerCommands[i].usage);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        PrintUsage(stderr);
        return 2;
    }
    if (!std::strcmp(argv[1], "help") || !std::strcmp(argv[1], "--help")) {
        PrintUsage(stdout);
        return 0;
    }
    for (int i = 0; i < kMakerCommandCount; ++i)
        if (!std::strcmp(argv[1], kMakerCommands[i].name)) return kMakerCommands[i].run(argc - 2, argv + 2);
    std::fprintf(stderr, "jorvo-maker: unknown command '%s'\n", argv[1]);
    PrintUsage(stderr);
    return 2;
}
