// The loader on real resources under Wine: the test program's own scrambled quiz through LoadQuiz, and
// resource-only DLLs holding other sets of "PATCH" pieces. Messages are recorded, never shown.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "quizdata/builtin_block.h"
#include "quizdata/quiz_loader_win32.h"
#include "quizdata/user_message.h"

namespace {

struct Message {
    std::string text, caption;
    unsigned flags;
};
std::vector<Message> messages;

void RecordMessage(const char* text, const char* caption, unsigned flags) {
    messages.push_back({text, caption, flags});
}

class LoaderOnResources : public testing::Test {
  protected:
    void SetUp() override {
        messages.clear();
        userMessageHook = RecordMessage;
    }
    void TearDown() override { userMessageHook = nullptr; }
};

struct ModuleCloser {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};
using ModuleHandle = std::unique_ptr<std::remove_pointer<HMODULE>::type, ModuleCloser>;

ModuleHandle OpenResourceDll(const char* name) {
    const std::string path = std::string(".\\") + name + ".dll";
    return ModuleHandle(LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
}

COLORREF BrushColour(BrushHandle brush) {
    LOGBRUSH description = {};
    if (GetObjectA(reinterpret_cast<HBRUSH>(brush), sizeof description, &description) != sizeof description)
        return 0xFFFFFFFF;
    return description.lbColor;
}

int RecordCount(const QuizDocument& document) {
    int count = 0;
    for (QuestionRecord* record = document.firstQuestion; record; record = record->next)
        ++count;
    return count;
}

TEST_F(LoaderOnResources, OwnScrambledResourcesComeBackFieldForField) {
    QuizDocument document;
    const HBRUSH constructedBrush = reinterpret_cast<HBRUSH>(document.backgroundBrush);
    LoadQuiz(&document);
    EXPECT_TRUE(messages.empty());
    // The built-in block carries the texts the build was configured with.
    EXPECT_STREQ(document.linkText, JORVO_LINK_TEXT);
    EXPECT_STREQ(document.footerText, JORVO_FOOTER_TEXT);
    EXPECT_STREQ(document.title, "Capitales et fleuves");
    EXPECT_STREQ(document.author, "\xC9quipe de test");
    EXPECT_STREQ(document.explanation, "Une ville et son fleuve");
    EXPECT_STREQ(document.answerLabel1, "Ville");
    EXPECT_STREQ(document.answerLabel2, "Fleuve");
    EXPECT_EQ(document.quizKind, kQuizPictures);
    EXPECT_EQ(document.questionCount, 3);
    EXPECT_EQ(document.answersPerQuestion, 2);
    EXPECT_EQ(document.revealMode, 3);
    ASSERT_EQ(RecordCount(document), 3);
    const struct {
        const char* answer1;
        const char* answer2;
        const char* question;
        const char* reveal;
        const char* score;
    } expected[] = {
        {"Paris", "Seine", "Premi\xE8re question", "Bravo Paris",
         "D\xE9"
         "butant"},
        {"Londres", "Tamise", "Deuxi\xE8me question", "Bravo Londres", "Amateur"},
        {"Vienne", "Danube", "Troisi\xE8me question", "Bravo Vienne", "Expert"},
    };
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const QuestionRecord* record = document.questionAt(i);
        EXPECT_STREQ(record->answer1, expected[i].answer1);
        EXPECT_STREQ(record->answer2, expected[i].answer2);
        EXPECT_STREQ(record->questionText, expected[i].question);
        EXPECT_STREQ(record->revealText, expected[i].reveal);
        EXPECT_STREQ(document.scoreMessages[i], expected[i].score);
    }
    EXPECT_EQ(document.backgroundColour[0], 10);
    EXPECT_EQ(document.backgroundColour[1], 30);
    EXPECT_EQ(document.backgroundColour[2], 20);
    EXPECT_EQ(BrushColour(document.backgroundBrush), RGB(10, 20, 30));
    EXPECT_EQ(GetObjectType(constructedBrush), 0u) << "the replaced brush is deleted";
}

struct ModuleCase {
    const char* name;
    const char* dll;
    bool garbageBlock;
    const char* message; // null: none
    int questionCount;
    const char* title;
    const char* link;
    int records;
    const char* firstScore;
    COLORREF colour;
};

TEST_F(LoaderOnResources, EveryOutcomeOnResourceDlls) {
    const COLORREF constructed = RGB(90, 95, 150);
    const ModuleCase cases[] = {
        {"plain quiz", "quizdata_plain_dll", false, nullptr, 2, "Liste simple", "https://jorvo.fr", 2, "Bien",
         RGB(200, 100, 50)},
        {"built-in block damaged", "quizdata_plain_dll", true,
         "Erreur dans le d\xE9"
         "cryptage",
         0, "nom du jorvo", "", 0, "", constructed},
        {"quiz piece missing", "quizdata_missing_dll", false,
         "Donn\xE9"
         "es inaccessibles",
         7, "Nom du jorvo", "https://jorvo.fr", 2, "", RGB(51, 102, 255)},
        {"quiz piece empty", "quizdata_empty_dll", false,
         "Donn\xE9"
         "es inaccessibles",
         7, "Nom du jorvo", "https://jorvo.fr", 2, "", RGB(51, 102, 255)},
        {"quiz piece damaged", "quizdata_damaged_dll", false,
         "Erreur dans le d\xE9"
         "cryptage des reponses",
         0, "nom du jorvo", "https://jorvo.fr", 0, "", constructed},
        {"score piece damaged", "quizdata_noscores_dll", false,
         "Erreur dans le d\xE9"
         "cryptage des codes",
         2, "Liste simple", "https://jorvo.fr", 2, "", RGB(200, 100, 50)},
    };
    const std::vector<uint8_t> garbageBlock(kBuiltInBlockSize, 0xFF);
    for (const ModuleCase& c : cases) {
        SCOPED_TRACE(c.name);
        messages.clear();
        ModuleHandle module = OpenResourceDll(c.dll);
        ASSERT_TRUE(module) << c.dll << ": error " << GetLastError();
        QuizDocument document;
        LoadQuizFromModule(&document, module.get(), c.garbageBlock ? garbageBlock.data() : kBuiltInBlock,
                           kBuiltInBlockSize);
        ASSERT_EQ(messages.size(), c.message ? 1u : 0u);
        if (c.message) {
            EXPECT_EQ(messages[0].text, c.message);
            EXPECT_EQ(messages[0].caption, "Jorvo");
            EXPECT_EQ(messages[0].flags, 0u);
        }
        EXPECT_EQ(document.questionCount, c.questionCount);
        EXPECT_STREQ(document.title, c.title);
        EXPECT_STREQ(document.linkText, c.link);
        EXPECT_EQ(RecordCount(document), c.records);
        EXPECT_STREQ(document.scoreMessages[0], c.firstScore);
        EXPECT_EQ(BrushColour(document.backgroundBrush), c.colour);
    }
}

TEST_F(LoaderOnResources, PlainQuizRevealTextsAndSecondScore) {
    ModuleHandle module = OpenResourceDll("quizdata_plain_dll");
    ASSERT_TRUE(module);
    QuizDocument document;
    LoadQuizFromModule(&document, module.get(), kBuiltInBlock, kBuiltInBlockSize);
    EXPECT_EQ(document.quizKind, kQuizText);
    EXPECT_EQ(document.answersPerQuestion, 1);
    EXPECT_STREQ(document.questionAt(1)->answer1, "2");
    EXPECT_STREQ(document.questionAt(1)->answer2, "");
    EXPECT_STREQ(document.questionAt(1)->revealText, "deux");
    EXPECT_STREQ(document.scoreMessages[1], "Tr\xE8s bien");
}

} // namespace
