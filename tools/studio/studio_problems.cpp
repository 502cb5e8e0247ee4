#include "tools/studio/studio_problems.h"

#include <algorithm>
#include <sstream>

#include "tools/source/quiz_project.h"

namespace {

struct LinePlace {
    int question = 0;
    StudioField field = StudioField::None;
};

StudioField FieldOfKey(const std::string& key) {
    static const std::pair<const char*, StudioField> kKeys[] = {{"title", StudioField::Title},
                                                                {"author", StudioField::Author},
                                                                {"explanation", StudioField::Explanation},
                                                                {"kind", StudioField::Kind},
                                                                {"answers", StudioField::Answers},
                                                                {"label1", StudioField::Label1},
                                                                {"label2", StudioField::Label2},
                                                                {"reveal-mode", StudioField::RevealMode},
                                                                {"colour", StudioField::Colour},
                                                                {"score", StudioField::Scores},
                                                                {"question", StudioField::Question},
                                                                {"answer", StudioField::Answer1},
                                                                {"answer2", StudioField::Answer2},
                                                                {"reveal", StudioField::Reveal},
                                                                {"picture", StudioField::Picture},
                                                                {"reward", StudioField::Reward}};
    for (const auto& entry : kKeys)
        if (key == entry.first) return entry.second;
    return StudioField::None;
}

// Where each line of the text the document saves as belongs (index 0 stands for the whole file).
std::vector<LinePlace> PlacesOfLines(const std::string& text) {
    std::vector<LinePlace> places(1);
    std::istringstream in(text);
    std::string line;
    int question = 0;
    while (std::getline(in, line)) {
        LinePlace place;
        const size_t colon = line.find(':');
        if (!line.empty() && line[0] != '#' && colon != std::string::npos) {
            const size_t first = line.find_first_not_of(' ');
            place.field = FieldOfKey(line.substr(first, colon - first));
            if (place.field == StudioField::Question) ++question;
        }
        const bool ofQuestion = place.field >= StudioField::Question || place.field == StudioField::None;
        place.question = ofQuestion ? question : 0;
        places.push_back(place);
    }
    return places;
}

void CheckMediaFile(const StudioDocument& document, MediaChecks* checks, int question, StudioField field,
                    const std::string& file, int quizKind, bool reward,
                    std::vector<StudioProblem>* problems) {
    if (file.empty()) return;
    const std::string key = std::to_string(reward ? -1 : quizKind) + "|" + MediaFilePath(document.path, file);
    auto found = checks->find(key);
    if (found == checks->end()) {
        MediaVerdict verdict;
        ByteVector bytes;
        LoadQuizMedia(document.path, file, quizKind, reward, &bytes, &verdict.errors, &verdict.warnings);
        found = checks->emplace(key, std::move(verdict)).first;
    }
    for (const std::string& text : found->second.errors)
        problems->push_back({true, question, field, text});
    for (const std::string& text : found->second.warnings)
        problems->push_back({false, question, field, text});
}

} // namespace

void CheckStudioDocument(const StudioDocument& document, MediaChecks* checks,
                         std::vector<StudioProblem>* problems) {
    problems->clear();
    const std::string text = StudioSourceText(document);
    const std::vector<LinePlace> places = PlacesOfLines(text);
    QuizSource parsed;
    std::vector<SourceMessage> errors, warnings;
    ParseQuizSource(text, &parsed, &errors, &warnings);
    for (int pass = 0; pass < 2; ++pass)
        for (const SourceMessage& message : pass == 0 ? errors : warnings) {
            const size_t line = static_cast<size_t>(message.line);
            const LinePlace place = line < places.size() ? places[line] : LinePlace();
            problems->push_back({pass == 0, place.question, place.field, message.text});
        }

    const QuizContent& quiz = document.source.content;
    const bool showsReward = quiz.quizKind == 1 && (quiz.revealMode == 1 || quiz.revealMode == 3);
    for (size_t i = 0; i < document.source.media.size(); ++i) {
        const QuestionMedia& media = document.source.media[i];
        const int question = static_cast<int>(i) + 1;
        if (quiz.quizKind >= 1 && quiz.quizKind <= 3)
            CheckMediaFile(document, checks, question, StudioField::Picture, media.picture, quiz.quizKind,
                           false, problems);
        if (showsReward)
            CheckMediaFile(document, checks, question, StudioField::Reward, media.reward, quiz.quizKind, true,
                           problems);
    }
    // In question order, errors before warnings within each question.
    std::stable_sort(problems->begin(), problems->end(), [](const StudioProblem& a, const StudioProblem& b) {
        return a.question != b.question ? a.question < b.question : a.error > b.error;
    });
}

bool HasStudioErrors(const std::vector<StudioProblem>& problems) {
    return std::any_of(problems.begin(), problems.end(), [](const StudioProblem& p) { return p.error; });
}
