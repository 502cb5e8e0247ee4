// jorvo-maker pack QUIZ -o OUT.exe [--scramble] [--arch i686|x86_64] [--template FILE]
// Writes a quiz program: a copy of the player template (the player without a quiz, shipped beside
// jorvo-maker as jorvo-template-<arch>.exe) with the coded quiz in its resources. Needs no compiler.
#include <cstdio>
#include <cstring>
#include <string>

#include "tools/common/atomic_write.h"
#include "tools/common/file_bytes.h"
#include "tools/pe/pe_resources.h"
#include "tools/source/quiz_resources.h"

namespace {

constexpr uint16_t kMachineI386 = 0x14C;
constexpr uint16_t kMachineAmd64 = 0x8664;
constexpr uint16_t kQuestionPanelDialog = 1001;
constexpr uint16_t kHeaderPanelDialog = 1002;

struct PackOptions {
    std::string quiz, output, arch, templatePath;
    bool scramble = false;
};

bool Fail(const std::string& message) {
    std::fprintf(stderr, "jorvo-maker pack: %s\n", message.c_str());
    return false;
}

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
        } else if (argument[0] != '-' && options->quiz.empty()) {
            options->quiz = argument;
        } else {
            return false;
        }
    }
    return !options->quiz.empty() && !options->output.empty();
}

// The template must be the player without a quiz: its two panel dialogs present, no quiz yet.
bool CheckTemplate(const std::string& path, const ByteVector& image, const std::string& arch,
                   const std::vector<Resource>& resources, uint16_t* language) {
    const uint16_t machine = PeMachine(image);
    if (machine != kMachineI386 && machine != kMachineAmd64)
        return Fail(path + ": not an i686 or x86_64 Windows program");
    if (!arch.empty() && (machine == kMachineAmd64) != (arch == "x86_64"))
        return Fail(path + ": the template is not an " + arch + " program");
    const Resource* panel =
        FindPeResource(resources, NumberKey(kResourceTypeDialog), NumberKey(kQuestionPanelDialog));
    if (!panel || !FindPeResource(resources, NumberKey(kResourceTypeDialog), NumberKey(kHeaderPanelDialog)))
        return Fail(path + ": not a Jorvo player template (its panel dialogs 1001 and 1002 are missing)");
    if (FindPeResource(resources, TextKey("PATCH"), NumberKey(kQuizResourceId)))
        return Fail(path + ": this program already carries a quiz; use the player template");
    *language = panel->language; // the quiz joins the player's own resources in their language
    return true;
}

bool Pack(const PackOptions& options) {
    std::vector<std::string> errors, warnings;
    QuizProject project;
    const bool loaded = LoadQuizProject(options.quiz, &project, &errors, &warnings);
    for (const std::string& warning : warnings)
        std::fprintf(stderr, "warning: %s\n", warning.c_str());
    for (const std::string& error : errors)
        std::fprintf(stderr, "error: %s\n", error.c_str());
    if (!loaded || !errors.empty()) return Fail("nothing written");

    std::string templatePath = options.templatePath;
    if (templatePath.empty()) {
        const std::string arch = options.arch.empty() ? "i686" : options.arch;
        const std::string folder = ProgramDirectory();
        templatePath = (folder.empty() ? "." : folder) + "/jorvo-template-" + arch + ".exe";
    }
    ByteVector image;
    if (!ReadFileBytes(templatePath, &image))
        return Fail("cannot read the player template " + templatePath +
                    (options.templatePath.empty() ? " (name one with --template FILE)" : ""));
    std::vector<Resource> resources;
    std::string error;
    if (!ReadPeResources(image, &resources, &error)) return Fail(templatePath + ": " + error);
    uint16_t language = 0;
    if (!CheckTemplate(templatePath, image, options.arch, resources, &language)) return false;
    if (!AddQuizResources(project, options.scramble, language, &resources, &error))
        return Fail(options.quiz + ": " + error);
    ByteVector program;
    if (!WritePeResources(image, resources, &program, &error)) return Fail(templatePath + ": " + error);
    if (!WriteFileAtomically(options.output, program)) return Fail("cannot write " + options.output);
    return true;
}

} // namespace

int RunPackCommand(int argc, char** argv) {
    PackOptions options;
    if (!ParseOptions(argc, argv, &options)) {
        std::fprintf(
            stderr,
            "usage: jorvo-maker pack QUIZ -o OUT.exe [--scramble] [--arch i686|x86_64] [--template FILE]\n");
        return 2;
    }
    return Pack(options) ? 0 : 1;
}
