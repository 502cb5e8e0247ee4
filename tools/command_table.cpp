// Every command of the authoring tool, one line each.
#include "tools/commands.h"

int RunVersionCommand(int argc, char** argv);
int RunJudgeCommand(int argc, char** argv);

const MakerCommand kMakerCommands[] = {
    {"version", "", RunVersionCommand},
    {"judge", "ACCEPTED TYPED", RunJudgeCommand},
};
const int kMakerCommandCount = sizeof kMakerCommands / sizeof kMakerCommands[0];
