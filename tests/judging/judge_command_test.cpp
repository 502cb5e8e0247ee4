// `jorvo-maker judge` run as authors run it: UTF-8 arguments in, the verdict as one UTF-8 line out.
// The literals are spelled in escapes: this file is compiled to Windows-1252, the tool speaks UTF-8.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// Runs the tool; answers its exit code, and its standard output and error together in *output.
int RunJudge(const std::vector<std::string>& arguments, std::string* output) {
    std::string command = std::string(JORVO_MAKER) + " judge";
    for (const std::string& argument : arguments) {
        command += " '";
        for (char c : argument)
            command += c == '\'' ? std::string("'\\''") : std::string(1, c);
        command += "'";
    }
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe) return -1;
    char chunk[256];
    for (size_t got; (got = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;)
        output->append(chunk, got);
    const int status = pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(JudgeCommand, PrintsTheVerdictOrSaysWhyNot) {
    const struct {
        std::vector<std::string> arguments;
        int exitCode;
        std::string output; // the whole line, or a part of the message on failure
    } cases[] = {
        {{"Paris", "paris "}, 0, "BRAVO\n"},
        {{"\xC3\xA9l\xC3\xA8ve", "\xC3\x89L\xC3\x88VE"}, 0, "BRAVO\n"}, // élève, ÉLÈVE
        {{"\xC3\xA9l\xC3\xA8ve", "ELEVE"}, 0, "Presque\n"},
        {{"\xC5\x93uvre", "OEUVRE"}, 0, "Presque\n"}, // œ is one character
        {{"La Revolution francaise", "la revolusion fransaize"},
         0,
         "y a de l'id\xC3\xA9"
         "e\n"},
        {{std::string(259, 'A'), std::string(55, 'A')}, 0, "FAUX\n"}, // the longest texts fit
        {{"\xE4\xB8\xAD", "x"}, 1, "U+4E2D"},                         // no Windows-1252 code
        {{"Paris", "\xFF"}, 1, "invalid UTF-8"},
        {{std::string(260, 'A'), "A"}, 1, "260 characters"},
        {{"Paris", std::string(56, 'A')}, 1, "56 characters"}, // an answer field holds 55
        // Several spellings as a quiz source writes them: the best verdict over them.
        {{"Londres | London", "london"}, 0, "BRAVO\n"},
        {{"Londres | London", "Lodnon"}, 0, "Anagramme\n"},
        {{"a \\| b | c", "A | B"}, 0, "BRAVO\n"},
        {{"1|2|3|4|5|6|7|8|9", "x"}, 1, "9 spellings"},
        {{"Paris"}, 2, "usage"},
        {{"Paris", "paris", "extra"}, 2, "usage"},
    };
    for (const auto& c : cases) {
        std::string output;
        EXPECT_EQ(RunJudge(c.arguments, &output), c.exitCode) << output;
        if (c.exitCode == 0)
            EXPECT_EQ(output, c.output);
        else
            EXPECT_NE(output.find(c.output), std::string::npos) << output;
    }
}

} // namespace
