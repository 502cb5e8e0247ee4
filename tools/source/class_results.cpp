#include "tools/source/class_results.h"

#include <cstdio>
#include <cstring>

#include "judging/field_judging.h"
#include "judging/verdict.h"
#include "quizdata/quiz_coding.h"
#include "quizdata/quiz_loader.h"
#include "questionpanel/restored_answers.h"
#include "tools/common/cp1252.h"
#include "tools/common/messages.h"
#include "tools/pe/pe_resources.h"
#include "tools/source/quiz_resources.h"
#include "tools/source/quiz_source.h"

namespace {

const char kNoCode[] = "      "; // what the header's code field shows for a score of 0

struct Pieces {
    const std::vector<Resource>* resources;
    std::vector<std::string>* notes;
};

void FindPiece(void* context, int id, const uint8_t** bytes, size_t* size) {
    const Resource* piece = FindPeResource(*static_cast<Pieces*>(context)->resources, TextKey("PATCH"),
                                           NumberKey(static_cast<uint16_t>(id)));
    *bytes = piece && !piece->data.empty() ? piece->data.data() : nullptr;
    *size = piece ? piece->data.size() : 0;
}

void ReleasePiece(void*, int) {}

void KeepMessage(void* context, const char* text, const char*, unsigned) {
    static_cast<Pieces*>(context)->notes->push_back(Say(Msg::ResultsPlayerSays, {Cp1252ToUtf8(text)}));
}

bool QuizResourcesOf(const ByteVector& bytes, std::vector<Resource>* resources, std::string* error) {
    if (bytes.size() >= 2 && bytes[0] == 'M' && bytes[1] == 'Z')
        return ReadPeResources(bytes, resources, error);
    // A source: its texts only, coded as pack codes them; its media files are not needed to judge.
    QuizProject project;
    std::vector<SourceMessage> errors, warnings;
    if (!ParseQuizSource(std::string(bytes.begin(), bytes.end()), &project.source, &errors, &warnings)) {
        *error = Say(Msg::ResultsSourceMistakes, {FormatSourceMessage(errors.front())});
        return false;
    }
    return AddQuizResources(project, false, 0, resources, error);
}

std::string ScoreLine(int score, int questions) {
    char line[32];
    std::snprintf(line, sizeof line, " %d / %d", score, questions);
    return line;
}

std::string FoundList(const std::vector<int>& found) {
    std::string list;
    for (int question : found)
        list += (list.empty() ? "" : " ") + std::to_string(question);
    return list.empty() ? "-" : list;
}

// Characters, not bytes, so that accented names line up.
size_t Width(const std::string& utf8) {
    size_t width = 0;
    for (unsigned char c : utf8)
        width += (c & 0xC0) != 0x80;
    return width;
}

std::string Padded(const std::string& utf8, size_t width) {
    const size_t own = Width(utf8);
    return utf8 + std::string(own < width ? width - own : 0, ' ');
}

std::string TrimmedEnd(std::string text) {
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

int Judged(const std::vector<PupilResult>& results) {
    int judged = 0;
    for (const PupilResult& r : results)
        judged += r.problem.empty();
    return judged;
}

std::vector<int> FoundBy(const QuizDocument& document, const std::vector<PupilResult>& results) {
    std::vector<int> count(static_cast<size_t>(QuestionCountOf(&document)) + 1, 0);
    for (const PupilResult& r : results)
        for (int question : r.found)
            ++count[static_cast<size_t>(question)];
    return count;
}

std::string CsvCell(const std::string& text) {
    if (text.find_first_of(";\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

// "1", or "1 Pays" and "1 Capitale" in a two-answer quiz ("1a", "1b" without row labels).
std::string FieldHeading(const QuizDocument& document, int field) {
    int question = 0, slot = 0;
    PlaceOfField(&document, field, &question, &slot);
    if (AnswersPerQuestionOf(&document) == 1) return std::to_string(question);
    const char* label = slot == 1 ? document.answerLabel1 : document.answerLabel2;
    return std::to_string(question) + (label[0] ? " " + Cp1252ToUtf8(label) : slot == 1 ? "a" : "b");
}

} // namespace

std::unique_ptr<QuizDocument> LoadQuizForResults(const ByteVector& bytes, std::string* error,
                                                 std::vector<std::string>* notes) {
    std::vector<Resource> resources;
    if (!QuizResourcesOf(bytes, &resources, error)) return nullptr;
    if (!FindPeResource(resources, TextKey("PATCH"), NumberKey(kQuizResourceId))) {
        *error = Say(Msg::NoQuizInside);
        return nullptr;
    }
    // The player's own block holds only its link and footer, which judging does not read.
    int keyPosition = 0;
    const ByteVector block = CodeBuiltInBlock("", "", false, keyPosition);
    Pieces pieces = {&resources, notes};
    const QuizResourceAccess access = {&pieces,   block.data(), block.size(),
                                       FindPiece, ReleasePiece, KeepMessage};
    auto document = std::make_unique<QuizDocument>();
    QuizLoader::load(document.get(), access);
    SettleDeclaredShape(document.get());
    if (QuestionCountOf(document.get()) == 0) {
        *error = Say(Msg::ResultsNoQuestion);
        return nullptr;
    }
    return document;
}

std::string AnswersFileProblem(const ByteVector& bytes, int fieldCount) {
    int lines = 0;
    size_t start = 0;
    for (size_t i = 0; i <= bytes.size(); ++i) {
        const bool end = i == bytes.size();
        const uint8_t c = end ? 0 : bytes[i];
        if (!end && c < 0x20 && c != '\r' && c != '\n' && c != '\t') {
            char byte[8];
            std::snprintf(byte, sizeof byte, "0x%02X", c);
            return Say(Msg::AnswersBinary, {byte, std::to_string(i)});
        }
        if (!end && c != '\r' && c != '\n') continue;
        if (!end && (c == '\n' || i + 1 == bytes.size() || bytes[i + 1] != '\n'))
            return Say(Msg::AnswersLineEnd, {std::to_string(lines + 1)});
        if (end && i == start) break; // nothing after the last CR LF
        ++lines;
        if (i - start > static_cast<size_t>(kMaxAnswerLength))
            return Say(Msg::AnswersLineTooLong,
                       {std::to_string(lines), std::to_string(i - start), std::to_string(kMaxAnswerLength)});
        start = i + 2;
        i = end ? i : i + 1;
    }
    if (lines != fieldCount)
        return Say(Msg::AnswersLineCount, {SayCount(Msg::AnswersLinesOne, Msg::AnswersLinesMany, lines),
                                           std::to_string(fieldCount)});
    return {};
}

PupilResult JudgeAnswersFile(const QuizDocument& document, const std::string& name, const ByteVector& bytes) {
    PupilResult result;
    result.name = name;
    const int perQuestion = AnswersPerQuestionOf(&document);
    const int questions = QuestionCountOf(&document);
    result.problem = AnswersFileProblem(bytes, questions * perQuestion);
    if (!result.problem.empty()) return result;
    // The fields' texts and verdicts exactly as a restarted player shows them.
    auto restored = std::make_unique<RestoredAnswers>();
    RestoreAnswers(&document, reinterpret_cast<const char*>(bytes.data()), static_cast<int32_t>(bytes.size()),
                   restored.get());
    for (int field = 1; field <= restored->fieldCount; ++field)
        result.verdicts.push_back(FieldVerdict(&document, field, restored->text[field - 1]));
    for (int question = 1; question <= questions; ++question) {
        bool found = true;
        for (int slot = 1; slot <= perQuestion; ++slot)
            found = found && result.verdicts[static_cast<size_t>((question - 1) * perQuestion + slot - 1)] ==
                                 kVerdictRight;
        if (found) result.found.push_back(question);
    }
    const size_t score = result.found.size();
    result.code = score ? document.scoreMessages[score - 1] : kNoCode;
    return result;
}

std::string ResultsTable(const QuizDocument& document, const std::vector<PupilResult>& results) {
    const int questions = QuestionCountOf(&document);
    const std::string file = Say(Msg::ResultsFile), score = Say(Msg::ResultsScore),
                      code = Say(Msg::ResultsCode);
    size_t nameWidth = Width(file), codeWidth = Width(code), scoreWidth = Width(score);
    for (const PupilResult& r : results) {
        if (!r.problem.empty()) continue;
        nameWidth = std::max(nameWidth, Width(r.name));
        codeWidth = std::max(codeWidth, Width(Cp1252ToUtf8(TrimmedEnd(r.code))));
        scoreWidth = std::max(scoreWidth, ScoreLine(static_cast<int>(r.found.size()), questions).size());
    }
    std::string out = Padded(file, nameWidth) + "  " + Padded(score, scoreWidth) + "  " +
                      Padded(code, codeWidth) + "  " + Say(Msg::ResultsFound) + "\n";
    for (const PupilResult& r : results) {
        if (!r.problem.empty()) continue;
        out += Padded(r.name, nameWidth) + "  " +
               Padded(ScoreLine(static_cast<int>(r.found.size()), questions), scoreWidth) + "  " +
               Padded(Cp1252ToUtf8(TrimmedEnd(r.code)), codeWidth) + "  " + FoundList(r.found) + "\n";
    }
    const std::vector<int> foundBy = FoundBy(document, results);
    const std::string files = std::to_string(Judged(results));
    const std::string question = Say(Msg::ResultsQuestion);
    out += "\n" + question + "  " + Say(Msg::ResultsFoundBy) + "\n";
    for (int q = 1; q <= questions; ++q)
        out += Padded(std::to_string(q), Width(question)) + "  " +
               std::to_string(foundBy[static_cast<size_t>(q)]) + " / " + files + "\n";
    return out;
}

std::string ResultsCsv(const QuizDocument& document, const std::vector<PupilResult>& results) {
    const int questions = QuestionCountOf(&document);
    const int fields = questions * AnswersPerQuestionOf(&document);
    std::string out = "\xEF\xBB\xBF" + Say(Msg::ResultsFile) + ";" + Say(Msg::ResultsScore) + ";" +
                      Say(Msg::ResultsQuestions) + ";" + Say(Msg::ResultsCode) + ";" + Say(Msg::ResultsFound);
    for (int field = 1; field <= fields; ++field)
        out += ";" + CsvCell(FieldHeading(document, field));
    out += "\r\n";
    for (const PupilResult& r : results) {
        if (!r.problem.empty()) continue;
        out += CsvCell(r.name) + ";" + std::to_string(r.found.size()) + ";" + std::to_string(questions) +
               ";" + CsvCell(Cp1252ToUtf8(TrimmedEnd(r.code))) + ";" + CsvCell(FoundList(r.found));
        for (const std::string& verdict : r.verdicts)
            out += ";" + CsvCell(Cp1252ToUtf8(verdict));
        out += "\r\n";
    }
    const std::vector<int> foundBy = FoundBy(document, results);
    out += "\r\n" + Say(Msg::ResultsQuestion) + ";" + Say(Msg::ResultsFoundBy) + ";" +
           Say(Msg::ResultsFiles) + "\r\n";
    for (int question = 1; question <= questions; ++question)
        out += std::to_string(question) + ";" + std::to_string(foundBy[static_cast<size_t>(question)]) + ";" +
               std::to_string(Judged(results)) + "\r\n";
    return out;
}
