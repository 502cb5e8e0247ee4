// Every command of the authoring tool, one line each: its name, its arguments and what it does
// (`jorvo-maker help` and `jorvo-maker COMMAND --help` print these).
#include "tools/commands/commands.h"

int RunVersionCommand(int argc, char** argv);
int RunJudgeCommand(int argc, char** argv);
int RunCodeCommand(int argc, char** argv);
int RunBuiltinCommand(int argc, char** argv);
int RunPictureCommand(int argc, char** argv);
int RunPackCommand(int argc, char** argv);
int RunUnpackCommand(int argc, char** argv);
int RunResultsCommand(int argc, char** argv);
int RunImportCommand(int argc, char** argv);

const MakerCommand kMakerCommands[] = {
    {"judge", "ACCEPTED TYPED", Msg::AboutJudge, RunJudgeCommand},
    {"pack", "QUIZ -o OUT.exe [--scramble] [--arch i686|x86_64] [--template FILE]", Msg::AboutPack,
     RunPackCommand},
    {"unpack", "QUIZ.exe DIR", Msg::AboutUnpack, RunUnpackCommand},
    {"import", "FILE -o QUIZ.quiz [--force] [--split]", Msg::AboutImport, RunImportCommand},
    {"results", "QUIZ FILE... [--csv OUT.csv]", Msg::AboutResults, RunResultsCommand},
    {"code", "QUIZ OUTDIR [--scramble]", Msg::AboutCode, RunCodeCommand},
    {"builtin", "LINK FOOTER OUT.cpp", Msg::AboutBuiltin, RunBuiltinCommand},
    {"picture", "IN.png OUT.bmp", Msg::AboutPicture, RunPictureCommand},
    {"version", "", Msg::AboutVersion, RunVersionCommand},
};
const int kMakerCommandCount = sizeof kMakerCommands / sizeof kMakerCommands[0];
