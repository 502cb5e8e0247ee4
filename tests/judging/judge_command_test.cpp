// `jorvo-maker judge` run as authors run it: UTF-8 arguments in, the verdict as one UTF-8 line out.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

struct ToolRun {
    std::string output; // standard output and standard error together
    int exitCode;
};

std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

ToolRun RunJudge(const std::vector<std::string>& arguments) {
    std::string command = ShellQuoted(JORVO_MAKER) + " judge";
    for (const std::string& argument : arguments)
        command += " " + ShellQuoted(argument);
    command += " 2>&1";
    ToolRun run{"", -1};
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    char chunk[256];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, pipe)) > 0)
        run.output.append(chunk, got);
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

// The literals below are spelled in escapes: this file is compiled to Windows-1252, the tool speaks UTF-8.
TEST(JudgeCommand, PrintsThePlayersVerdictInUtf8) {
    const struct {
        std::string accepted, typed, line;
    } cases[] = {
        {"Paris", "paris ", "BRAVO\n"},
        {"\xC3\xA9l\xC3\xA8ve", "\xC3\x89L\xC3\x88VE", "BRAVO\n"}, // élève, ÉLÈVE
        {"\xC3\xA9l\xC3\xA8ve", "ELEVE", "Presque\n"},             // accents missing
        {"\xC5\x93uvre", "OEUVRE", "Presque\n"},                   // œ is one character
        {"La Revolution francaise", "la revolusion fransaize",
         "y a de l'id\xC3\xA9"
         "e\n"},
        {"Rome", "", "?\n"},
        {"la tour Eiffel", "tour eiffel", "Trop court\n"},
    };
    for (const auto& c : cases) {
        const ToolRun run = RunJudge({c.accepted, c.typed});
        EXPECT_EQ(run.exitCode, 0) << c.accepted << " / " << c.typed;
        EXPECT_EQ(run.output, c.line) << c.accepted << " / " << c.typed;
    }
}

TEST(JudgeCommand, RefusesWhatThePlayerCouldNotHold) {
    const struct {
        std::vector<std::string> arguments;
        int exitCode;
        const char* said; // part of the message
    } cases[] = {
        {{"\xE4\xB8\xAD", "x"}, 1, "U+4E2D"}, // no Windows-1252 code
        {{"Paris", "\xFF"}, 1, "invalid UTF-8"},
        {{std::string(260, 'A'), "A"}, 1, "260 characters"},   // a quiz text holds 259
        {{"Paris", std::string(56, 'A')}, 1, "56 characters"}, // an answer field holds 55
        {{"Paris"}, 2, "usage"},
        {{"Paris", "paris", "extra"}, 2, "usage"},
    };
    for (const auto& c : cases) {
        const ToolRun run = RunJudge(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.output;
        EXPECT_NE(run.output.find(c.said), std::string::npos) << run.output;
    }
    // The longest texts still fit.
    const ToolRun run = RunJudge({std::string(259, 'A'), std::string(55, 'A')});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output, "FAUX\n");
}

} // namespace
