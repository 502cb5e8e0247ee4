#include <cstdio>

int RunVersionCommand(int, char**) {
    std::printf("jorvo-maker 0.1\n");
    return 0;
}
