// jorvo-maker pack QUIZ -o OUT.exe [--scramble] [--arch i686|x86_64] [--template FILE]
// Writes a quiz program: a copy of the player template (the player without a quiz, carried by the
// Windows tool and shipped beside the native one) with the coded quiz in its resources. Needs no
// compiler.
#include <cstdio>
#include <string>

#include "tools/common/atomic_write.h"
#include "tools/common/console.h"
#include "tools/common/messages.h"
#include "tools/common/player_template.h"
#include "tools/common/file_bytes.h"
#include "tools/source/quiz_program.h"

namespace {

const char kPackArguments[] = "pack QUIZ -o OUT.exe [--scramble] [--arch i686|x86_64] [--template FILE]";

struct PackOptions {
    std::string quiz, output, arch, templatePath;
    bool scramble = false;
};

bool Fail(const std::string& message) {
    PrintLine(stderr, "jorvo-maker pack: " + message);
    return false;
}

#ifdef _WIN32
bool EndsWithExe(const std::string& name) {
    if (name.size() < 4) return false;
    std::string end = name.substr(name.size() - 4);
    for (char& c : end)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    return end == ".exe";
}
#endif

bool ParseOptions(int argc, char** argv, PackOptions* options) {
    for (int i = 0; i < argc; ++i) {
        const std::string argument = argv[i];
        const bool hasValue = i + 1 < argc;
        if (argument == "--scramble") {
            options->scramble = true;
        } else if (argument == "-o" && hasValue) {
            options->output = argv[++i];
        } else if (argument == "--arch" && hasValue) {
            options->arch = argv[++i];
            if (options->arch != "i686" && options->arch != "x86_64") return false;
        } else if (argument == "--template" && hasValue) {
            options->templatePath = argv[++i];
        } else if (!argument.empty() && argument[0] != '-' && options->quiz.empty()) {
            options->quiz = argument;
        } else {
            return false;
        }
    }
#ifdef _WIN32
    // Explorer runs only what ends in .exe.
    if (!options->output.empty() && !EndsWithExe(options->output)) options->output += ".exe";
#endif
    return !options->quiz.empty() && !options->output.empty();
}

bool Pack(const PackOptions& options) {
    std::vector<std::string> errors, warnings;
    QuizProject project;
    const bool loaded = LoadQuizProject(options.quiz, &project, &errors, &warnings);
    for (const std::string& warning : warnings)
        PrintLine(stderr, Say(Msg::WarningLine, {warning}));
    for (const std::string& error : errors)
        PrintLine(stderr, Say(Msg::ErrorLine, {error}));
    if (!loaded || !errors.empty()) return Fail(Say(Msg::NothingWritten));

    ByteVector image;
    std::string templateName = options.templatePath, error;
    if (!templateName.empty()) {
        if (!ReadFileBytes(templateName, &image)) return Fail(Say(Msg::CannotReadTemplate, {templateName}));
    } else if (!LoadPlayerTemplate(options.arch.empty() ? "i686" : options.arch, &image, &templateName,
                                   &error)) {
        return Fail(error);
    }
    ByteVector program;
    if (!MakeQuizProgram(image, templateName, options.arch, project, options.scramble, &program, &error))
        return Fail(error);
    if (!WriteFileAtomically(options.output, program)) return Fail(Say(Msg::CannotWrite, {options.output}));
    const size_t questions = project.source.content.questions.size();
    PrintLine(stdout, Say(Msg::PackWrote,
                          {options.output,
                           SayCount(Msg::QuestionsOne, Msg::QuestionsMany, static_cast<long long>(questions)),
                           SayBytes(program.size())}));
    return true;
}

} // namespace

int RunPackCommand(int argc, char** argv) {
    PackOptions options;
    if (!ParseOptions(argc, argv, &options)) {
        PrintLine(stderr, Say(Msg::UsageOf, {kPackArguments}));
        return 2;
    }
    return Pack(options) ? 0 : 1;
}
