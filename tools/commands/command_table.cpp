// Every command of the authoring tool, one line each: its name, then its arguments and, after three
// spaces, what it does (`jorvo-maker help` and `jorvo-maker COMMAND --help` print these).
#include "tools/commands/commands.h"

int RunVersionCommand(int argc, char** argv);
int RunJudgeCommand(int argc, char** argv);
int RunCodeCommand(int argc, char** argv);
int RunBuiltinCommand(int argc, char** argv);
int RunPictureCommand(int argc, char** argv);
int RunPackCommand(int argc, char** argv);
int RunUnpackCommand(int argc, char** argv);
int RunImportCommand(int argc, char** argv);

const MakerCommand kMakerCommands[] = {
    {"judge", "ACCEPTED TYPED   the verdict the player gives to TYPED (ACCEPTED may be 'a | b')",
     RunJudgeCommand},
    {"pack", "QUIZ -o OUT.exe [--scramble] [--arch i686|x86_64] [--template FILE]   write a quiz program",
     RunPackCommand},
    {"unpack", "QUIZ.exe DIR   write a quiz program's source and media files into DIR", RunUnpackCommand},
    {"import",
     "FILE -o QUIZ.quiz [--force] [--split]   write a quiz source from a spreadsheet's CSV or a GIFT file",
     RunImportCommand},
    {"code", "QUIZ OUTDIR [--scramble]   code a quiz source into the player's resources", RunCodeCommand},
    {"builtin", "LINK FOOTER OUT.cpp   write the player's built-in block", RunBuiltinCommand},
    {"picture", "IN.png OUT.bmp   the bitmap the player makes of a PNG picture, as a BMP file",
     RunPictureCommand},
    {"version", "   print the tool's version (also: jorvo-maker --version)", RunVersionCommand},
};
const int kMakerCommandCount = sizeof kMakerCommands / sizeof kMakerCommands[0];
