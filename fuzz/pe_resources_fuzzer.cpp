// Arbitrary bytes as a program, read as `unpack` reads a quiz program and as `pack` reads and rewrites a
// player template. Reading never fails without a reason; a quiz found is whole; and when the template
// takes a quiz, the program written reads back with exactly the resources put in, the machine and the
// checksum right, the quiz decodable, and writing it again changes nothing.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tools/pe/pe_layout.h"
#include "tools/pe/pe_resources.h"
#include "tools/source/quiz_resources.h"

namespace {

// A broken promise: says which, for whoever replays the input.
#define Check(holds) CheckThat(holds, #holds)
void CheckThat(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "broken: %s\n", what);
    std::abort();
}

bool SameResource(const Resource& a, const Resource& b) {
    return a.type == b.type && a.name == b.name && a.language == b.language && a.codePage == b.codePage &&
           a.data == b.data;
}

// What the tree written from `resources` must hold: the tree's order, one leaf per type, name and
// language (the first one given).
std::vector<Resource> InTreeOrder(std::vector<Resource> resources) {
    std::stable_sort(resources.begin(), resources.end(), [](const Resource& a, const Resource& b) {
        if (!(a.type == b.type)) return a.type < b.type;
        if (!(a.name == b.name)) return a.name < b.name;
        return a.language < b.language;
    });
    std::vector<Resource> leaves;
    for (Resource& r : resources)
        if (leaves.empty() || !(leaves.back().type == r.type) || !(leaves.back().name == r.name) ||
            leaves.back().language != r.language)
            leaves.push_back(std::move(r));
    return leaves;
}

// Each section ends in memory before the next begins.
// A two-question picture quiz with a question file, a PNG reward (RCDATA) and a nibble-swapped one.
QuizProject MakeProject() {
    QuizProject project;
    QuizContent& quiz = project.source.content;
    quiz.quizKind = 1;
    quiz.answersPerQuestion = 2;
    quiz.title = "Essai";
    quiz.revealMode = 3;
    quiz.questions = {{"Paris", "-", "Capitale ?", "Oui"}, {"Rome", "Lazio", "Et celle-ci ?", ""}};
    quiz.scoreMessages = {"un"};
    project.source.media.resize(2);
    project.media = {{0xFF, 0xD8, 0xFF, 0xE0, 1, 2, 3}, {'G', 'I', 'F', '8', '9', 'a'}};
    project.rewards = {{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0}, {'B', 'M', 0x12, 0x34}};
    return project;
}

// `unpack`: a quiz found in the resources comes back whole, one file slot per question.
void CheckUnpackReading(const std::vector<Resource>& resources) {
    UnpackedQuiz quiz;
    std::string error;
    if (!ReadQuizResources(resources, &quiz, &error)) {
        Check(!error.empty());
        return;
    }
    const size_t count = quiz.content.questions.size();
    Check(quiz.media.size() == count && quiz.rewards.size() == count &&
          quiz.content.scoreMessages.size() <= count);
}

// `pack`: the quiz written into the template, read back.
void CheckPackWriting(const ByteVector& image, std::vector<Resource> resources, uint16_t language) {
    static const QuizProject project = MakeProject();
    // A file the program already has under a quiz file's id would hide the quiz's own (IMG before
    // RCDATA): not what is checked here.
    resources.erase(std::remove_if(resources.begin(), resources.end(),
                                   [](const Resource& r) {
                                       const int id = r.name.isNumber ? r.name.number : 0;
                                       return (id == 401 || id == 402 || id == 10401 || id == 10402) &&
                                              (r.type == TextKey("IMG") ||
                                               r.type == NumberKey(kResourceTypeRawData));
                                   }),
                    resources.end());
    // The quiz coded once (coding is not what is fuzzed here), put in as AddQuizResources puts it.
    static std::vector<Resource> coded[2];
    std::string error;
    if (coded[0].empty())
        Check(AddQuizResources(project, false, 0, &coded[0], &error) &&
              AddQuizResources(project, true, 0, &coded[1], &error));
    for (const Resource& r : coded[language & 1])
        SetResource(&resources, r.type, r.name, language, r.data);
    ByteVector program;
    if (!WritePeResources(image, resources, &program, &error)) {
        Check(!error.empty());
        return;
    }
    // In sections that overlap in memory (which Windows refuses to load) an RVA names bytes in two
    // places, and the program reads back as the first section says: only reading it is checked.
    PeLayout templateLayout;
    Check(ReadPeLayout(image, &templateLayout, &error));
    if (!PeSectionsApart(templateLayout)) {
        std::vector<Resource> any;
        ReadPeResources(program, &any, &error);
        return;
    }
    // The program grows by its new tree and some padding: never by more than two alignments of 64 KB.
    ByteVector tree;
    Check(SerialiseResourceTree(resources, 0, &tree, &error));
    Check(program.size() <= image.size() + tree.size() + 2 * 0x10000);
    std::vector<Resource> back;
    Check(ReadPeResources(program, &back, &error));
    const std::vector<Resource> expected = InTreeOrder(resources);
    Check(back.size() == expected.size() &&
          std::equal(back.begin(), back.end(), expected.begin(), SameResource));
    Check(PeMachine(program) == PeMachine(image));
    PeLayout layout;
    Check(ReadPeLayout(program, &layout, &error));
    const uint64_t checksumAt = layout.optionalAt + kPeChecksumField;
    Check(PeBytes{program}.U32(checksumAt) == PeChecksum(program, checksumAt));

    UnpackedQuiz quiz;
    Check(ReadQuizResources(back, &quiz, &error));
    const QuizContent& given = project.source.content;
    Check(quiz.content.title == given.title && quiz.content.questions.size() == given.questions.size() &&
          quiz.content.questions[1].answer2 == given.questions[1].answer2 &&
          quiz.content.scoreMessages[0] == given.scoreMessages[0]);
    Check(quiz.media == project.media && quiz.rewards == project.rewards);

    // Packing a packed program's own resources again goes over the tree in place: the same bytes. (Not
    // so when sections overlap in memory, which Windows refuses to load anyway: the new tree's smaller
    // size can leave another section reaching further.)
    if (!PeSectionsApart(layout)) return;
    ByteVector again;
    Check(WritePeResources(program, back, &again, &error) && again == program);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 1 << 20) return 0;
    const ByteVector image(data, data + size); // exactly the file's bytes, so ASan sees a read past them
    std::vector<Resource> resources;
    std::string error;
    if (!ReadPeResources(image, &resources, &error)) {
        Check(!error.empty());
        return 0;
    }
    // Leaves sharing data may not make the copy outgrow the file many times over: what is taken again
    // from a range already taken has a fixed budget.
    uint64_t copied = 0;
    for (const Resource& r : resources)
        copied += r.data.size();
    Check(copied <= kMostCopiesOfTheFile * uint64_t{size} + kMostSharedResourceBytes);
    CheckUnpackReading(resources);
    CheckPackWriting(image, resources, resources.empty() ? 0x0409 : resources.front().language);
    return 0;
}
