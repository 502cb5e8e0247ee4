// The authoring tool's commands. Each takes the arguments after its own name (UTF-8) and answers the
// exit code.
#pragma once

#include "tools/common/messages.h"

struct MakerCommand {
    const char* name;
    const char* arguments; // as typed after the name, e.g. "QUIZ.exe DIR"
    Msg about;             // what the command does, for `jorvo-maker help`
    int (*run)(int argc, char** argv);
};

// The table of commands, in the order `jorvo-maker help` lists them.
extern const MakerCommand kMakerCommands[];
extern const int kMakerCommandCount;
