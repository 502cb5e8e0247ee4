// The authoring tool's commands. Each takes the arguments after its own name and answers the exit code.
#pragma once

struct MakerCommand {
    const char* name;
    const char* usage;
    int (*run)(int argc, char** argv);
};

// The table of commands, in the order `jorvo-maker help` lists them.
extern const MakerCommand kMakerCommands[];
extern const int kMakerCommandCount;
