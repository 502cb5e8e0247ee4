// The problems list: pack's checks on the document as it stands, each placed on its question and field,
// media verdicts kept until the Studio clears them.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "tests/tools/media_samples.h"
#include "tools/common/file_bytes.h"
#include "tools/studio/studio_problems.h"

namespace {

std::string ScratchFolder() {
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("jorvo-studio-" + std::to_string(stamp));
    std::filesystem::create_directories(folder);
    return folder.generic_string();
}

// A picture quiz of three good questions whose pictures lie in `folder`, saved there.
StudioDocument ThreePictures(const std::string& folder) {
    StudioDocument document;
    NewStudioDocument(&document);
    document.path = folder + "/quiz.quiz";
    for (const char* name : {"chat.png", "chien.png", "poule.png"}) {
        WriteFileBytes(folder + "/" + name, TinyPng());
        AddMediaQuestion(&document, folder + "/" + name);
    }
    document.source.content.scoreMessages = {"un", "deux", "trois"};
    return document;
}

const StudioProblem* Find(const std::vector<StudioProblem>& problems, int question, StudioField field) {
    for (const StudioProblem& problem : problems)
        if (problem.question == question && problem.field == field) return &problem;
    return nullptr;
}

TEST(StudioProblems, EachProblemNamesItsQuestionAndField) {
    const std::string folder = ScratchFolder();
    const struct {
        const char* what;
        void (*spoil)(StudioDocument*);
        bool error;
        int question;
        StudioField field;
    } cases[] = {
        {"no answer", [](StudioDocument* d) { d->source.content.questions[1].answer1.clear(); }, true, 2,
         StudioField::Question},
        {"an answer too long to type",
         [](StudioDocument* d) { d->source.content.questions[2].answer1 = std::string(56, 'a'); }, true, 3,
         StudioField::Answer1},
        {"a short answer", [](StudioDocument* d) { d->source.content.questions[0].answer1 = "ab"; }, false, 1,
         StudioField::Answer1},
        {"a missing picture", [](StudioDocument* d) { d->source.media[1].picture = "absente.png"; }, true, 2,
         StudioField::Picture},
        {"no picture", [](StudioDocument* d) { d->source.media[2].picture.clear(); }, true, 3,
         StudioField::Question},
        {"a sound in a picture quiz", [](StudioDocument* d) { d->source.media[0].picture = "son.wav"; }, true,
         1, StudioField::Picture},
        {"too many score codes", [](StudioDocument* d) { d->source.content.scoreMessages.push_back("x"); },
         true, 0, StudioField::Scores},
        {"a bar in the title", [](StudioDocument* d) { d->source.content.title = "a|b"; }, true, 0,
         StudioField::Title},
        {"a missing reward",
         [](StudioDocument* d) {
             d->source.content.revealMode = 1;
             d->source.media[2].reward = "bravo.png";
         },
         true, 3, StudioField::Reward},
    };
    WriteFileBytes(folder + "/son.wav", SoundOrFilm("WAV"));
    for (const auto& c : cases) {
        StudioDocument document = ThreePictures(folder);
        MediaChecks checks;
        std::vector<StudioProblem> problems;
        CheckStudioDocument(document, &checks, &problems);
        EXPECT_TRUE(problems.empty()) << c.what << ": " << (problems.empty() ? "" : problems[0].text);
        c.spoil(&document);
        CheckStudioDocument(document, &checks, &problems);
        const StudioProblem* found = Find(problems, c.question, c.field);
        ASSERT_NE(found, nullptr) << c.what << ": " << problems.size() << " problems";
        EXPECT_EQ(found->error, c.error) << c.what << ": " << found->text;
        EXPECT_EQ(HasStudioErrors(problems), c.error) << c.what;
    }
}

TEST(StudioProblems, MediaVerdictsAreKeptUntilCleared) {
    const std::string folder = ScratchFolder();
    StudioDocument document = ThreePictures(folder);
    MediaChecks checks;
    std::vector<StudioProblem> problems;
    CheckStudioDocument(document, &checks, &problems);
    EXPECT_TRUE(problems.empty());
    std::remove((folder + "/chien.png").c_str());
    CheckStudioDocument(document, &checks, &problems);
    EXPECT_TRUE(problems.empty()); // the file's verdict of before
    checks.clear();
    CheckStudioDocument(document, &checks, &problems);
    const StudioProblem* missing = Find(problems, 2, StudioField::Picture);
    ASSERT_NE(missing, nullptr);
    EXPECT_TRUE(missing->error);
    EXPECT_NE(missing->text.find("chien.png"), std::string::npos) << missing->text;
    EXPECT_EQ(missing->text.find(document.path + ":"), std::string::npos) << missing->text;
}

TEST(StudioProblems, ProblemsComeInQuestionOrderErrorsFirst) {
    const std::string folder = ScratchFolder();
    StudioDocument document = ThreePictures(folder);
    document.source.content.questions[2].answer1 = "ab";       // a warning
    document.source.content.questions[2].questionText = "a|b"; // an error
    document.source.content.questions[0].answer1.clear();
    document.source.content.scoreMessages.pop_back(); // a warning about the whole quiz
    MediaChecks checks;
    std::vector<StudioProblem> problems;
    CheckStudioDocument(document, &checks, &problems);
    ASSERT_EQ(problems.size(), 4u);
    EXPECT_EQ(problems[0].question, 0);
    EXPECT_EQ(problems[1].question, 1);
    EXPECT_EQ(problems[2].question, 3);
    EXPECT_TRUE(problems[2].error);
    EXPECT_EQ(problems[3].question, 3);
    EXPECT_FALSE(problems[3].error);
}

} // namespace
