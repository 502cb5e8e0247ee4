// `jorvo-maker import` run as an author runs it: files written, refused, split.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/import/import_test_support.h"

namespace fs = std::filesystem;

namespace {

int RunImport(const std::string& arguments) {
    const std::string command = std::string(JORVO_MAKER) + " import " + arguments + " >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void Write(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

class ImportCommand : public testing::Test {
  protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("jorvo-import-" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir / "out");
    }
    void TearDown() override { fs::remove_all(dir); }
    fs::path dir;
};

TEST_F(ImportCommand, WritesASourceThatReadsBackAndNeverWritesOverOneUnasked) {
    const std::string in = std::string(JORVO_IMPORT_DATA) + "/capitales-libreoffice-1252.csv";
    const fs::path out = dir / "capitales.quiz";
    ASSERT_EQ(RunImport(in + " -o " + out.string()), 0);
    QuizSource source;
    std::vector<SourceMessage> errors, warnings;
    ASSERT_TRUE(ParseQuizSource(Read(out), &source, &errors, &warnings));
    EXPECT_EQ(source.content.title, "capitales-libreoffice-1252");
    EXPECT_EQ(source.content.questions.size(), 6u);

    Write(out, "mine\n");
    EXPECT_EQ(RunImport(in + " -o " + out.string()), 1);
    EXPECT_EQ(Read(out), "mine\n");
    EXPECT_EQ(RunImport(in + " -o " + out.string() + " --force"), 0);
    EXPECT_NE(Read(out), "mine\n");
}

TEST_F(ImportCommand, SplitsIntoNumberedSourcesWithMediaPathsFromTheirFolder) {
    std::string csv = "question;answer;image\n";
    for (int i = 1; i <= 97; ++i)
        csv += "Q" + std::to_string(i) + ";reponse;pictures/p" + std::to_string(i) + ".png\n";
    Write(dir / "bank.csv", csv);
    Write(dir / "out" / "bank-2.quiz", "mine\n");
    EXPECT_EQ(
        RunImport((dir / "bank.csv").string() + " -o " + (dir / "out" / "bank.quiz").string() + " --split"),
        1);
    EXPECT_FALSE(fs::exists(dir / "out" / "bank-1.quiz")); // nothing at all is written
    ASSERT_EQ(RunImport((dir / "bank.csv").string() + " -o " + (dir / "out" / "bank.quiz").string() +
                        " --split --force"),
              0);
    EXPECT_FALSE(fs::exists(dir / "out" / "bank.quiz"));
    for (const char* name : {"bank-1.quiz", "bank-2.quiz"}) {
        QuizSource source;
        std::vector<SourceMessage> errors, warnings;
        ASSERT_TRUE(ParseQuizSource(Read(dir / "out" / name), &source, &errors, &warnings)) << name;
        EXPECT_EQ(source.content.quizKind, 1);
        EXPECT_EQ(source.media[0].picture.substr(0, 12), "../pictures/");
    }
    EXPECT_EQ(RunImport((dir / "missing.csv").string() + " -o " + (dir / "x.quiz").string()), 1);
    EXPECT_EQ(RunImport((dir / "bank.csv").string()), 2);
}

} // namespace
