#include "tools/source/quiz_program.h"

#include "tools/common/messages.h"
#include "tools/pe/pe_resources.h"
#include "tools/source/quiz_resources.h"

namespace {

constexpr uint16_t kMachineI386 = 0x14C;
constexpr uint16_t kMachineAmd64 = 0x8664;
constexpr uint16_t kQuestionPanelDialog = 1001;
constexpr uint16_t kHeaderPanelDialog = 1002;

// The template must be the player without a quiz: its two panel dialogs present, no quiz yet.
bool CheckTemplate(const std::string& name, const ByteVector& image, const std::string& arch,
                   const std::vector<Resource>& resources, uint16_t* language, std::string* error) {
    const uint16_t machine = PeMachine(image);
    if (machine != kMachineI386 && machine != kMachineAmd64)
        return *error = Say(Msg::TemplateNotWindows, {name}), false;
    if (!arch.empty() && (machine == kMachineAmd64) != (arch == "x86_64"))
        return *error = Say(Msg::TemplateWrongArch, {name, arch}), false;
    const Resource* panel =
        FindPeResource(resources, NumberKey(kResourceTypeDialog), NumberKey(kQuestionPanelDialog));
    if (!panel || !FindPeResource(resources, NumberKey(kResourceTypeDialog), NumberKey(kHeaderPanelDialog)))
        return *error = Say(Msg::TemplateNotPlayer, {name}), false;
    if (FindPeResource(resources, TextKey("PATCH"), NumberKey(kQuizResourceId)))
        return *error = Say(Msg::TemplateHasQuiz, {name}), false;
    *language = panel->language; // the quiz joins the player's own resources in their language
    return true;
}

} // namespace

bool MakeQuizProgram(const ByteVector& templateImage, const std::string& templateName,
                     const std::string& arch, const QuizProject& project, bool scramble, ByteVector* program,
                     std::string* error) {
    std::vector<Resource> resources;
    std::string problem;
    if (!ReadPeResources(templateImage, &resources, &problem))
        return *error = Say(Msg::TemplateUnusable, {templateName, problem}), false;
    uint16_t language = 0;
    if (!CheckTemplate(templateName, templateImage, arch, resources, &language, error)) return false;
    if (!AddQuizResources(project, scramble, language, &resources, error)) return false;
    if (!WritePeResources(templateImage, resources, program, &problem))
        return *error = Say(Msg::TemplateUnusable, {templateName, problem}), false;
    return true;
}
