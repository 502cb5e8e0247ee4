// jorvo-maker version (or --version): the tool's version, from the project's.
#include <cstdio>

int RunVersionCommand(int, char**) {
    std::printf("jorvo-maker 0.1\n");
    return 0;
}
