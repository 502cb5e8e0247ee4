#include "tools/import/quiz_import.h"

#include <algorithm>
#include <map>

#include "tools/source/answer_text.h"
#include "judging/text_ops.h"
#include "quizdata/extra_spellings.h"
#include "tools/common/cp1252.h"
#include "tools/common/messages.h"
#include "tools/source/quiz_source_writer.h"

namespace {

constexpr size_t kMostQuestions = 96;
constexpr size_t kLongestText = 259;
constexpr size_t kLongestAnswer = 55;

struct Fitter {
    std::vector<SourceMessage>* notes;
    int line = 0;
    void Note(const std::string& text) const { notes->push_back({line, text}); }
};

// Windows-1252 for `utf8`, each character it lacks written '?'; answers the characters it lacked.
std::string ToCp1252(const std::string& utf8, std::string* lacking) {
    std::string out, problem;
    if (Utf8ToCp1252(utf8, &out, &problem)) return out;
    out.clear();
    for (size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        const std::string character = utf8.substr(i, length);
        std::string byte;
        if (Utf8ToCp1252(character, &byte, &problem)) {
            out += byte;
        } else {
            out.push_back('?');
            if (lacking->find(character) == std::string::npos) *lacking += character;
        }
        i += length;
    }
    return out;
}

std::string Trim(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// A text the player shows: on one line, in Windows-1252, without '|', within its length.
std::string FitText(const Fitter& f, Msg field, const std::string& utf8, size_t limit) {
    const std::string what = Say(field);
    std::string text;
    if (utf8.find_first_of("\r\n") == std::string::npos) {
        text = utf8;
    } else {
        f.Note(Say(Msg::ImportLineBreaks, {what}));
        // Each break, with the spaces around it, becomes one space.
        bool broken = false;
        for (char c : utf8) {
            if (c == '\r' || c == '\n') {
                broken = true;
                while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
                    text.pop_back();
            } else if (!broken || (c != ' ' && c != '\t')) {
                if (broken && !text.empty()) text.push_back(' ');
                broken = false;
                text.push_back(c);
            }
        }
    }
    std::string lacking;
    text = ToCp1252(Trim(text), &lacking);
    if (!lacking.empty()) f.Note(Say(Msg::ImportNotShown, {what, lacking}));
    if (text.find('|') != std::string::npos) {
        f.Note(Say(Msg::ImportBarInText, {what}));
        std::replace(text.begin(), text.end(), '|', '/');
    }
    if (text.size() > limit) {
        f.Note(Say(Msg::ImportTextCut, {what, std::to_string(text.size()), std::to_string(limit)}));
        text = Trim(text.substr(0, limit));
    }
    return text;
}

// The spellings a player can type, in Windows-1252, as many as a field keeps; the others are noted and
// left out. Only the first spelling travels with the quiz's texts, which '|' separates.
std::vector<std::string> FitSpellings(const Fitter& f, const std::vector<std::string>& spellings) {
    std::vector<std::string> kept, upper;
    size_t total = 0;
    for (const std::string& spelling : spellings) {
        std::vector<std::string> changes;
        const std::string typed = Trim(KeyboardAnswer(spelling, &changes));
        for (const std::string& change : changes)
            f.Note(Say(Msg::ImportAnswerChanged, {spelling, change}));
        std::string cp1252, problem;
        if (typed.empty()) continue;
        if (!Utf8ToCp1252(typed, &cp1252, &problem)) {
            f.Note(Say(Msg::ImportAnswerUntypable, {spelling, problem}));
            continue;
        }
        if (kept.empty() && cp1252.find('|') != std::string::npos) {
            f.Note(Say(Msg::ImportAnswerBar, {spelling}));
            continue;
        }
        if (cp1252.size() > kLongestAnswer) {
            f.Note(Say(Msg::ImportAnswerLong,
                       {spelling, std::to_string(cp1252.size()), std::to_string(kLongestAnswer)}));
            continue;
        }
        // The judge cannot tell apart spellings that differ in case only: one is enough.
        std::string folded = cp1252;
        UpperCase(&folded[0]);
        if (std::find(upper.begin(), upper.end(), folded) != upper.end()) continue;
        if (kept.size() == static_cast<size_t>(kMaxSpellings)) {
            f.Note(Say(Msg::ImportTooManySpellings, {spelling, std::to_string(kMaxSpellings)}));
            continue;
        }
        if (total + cp1252.size() > static_cast<size_t>(kMaxSpellingsLength)) {
            f.Note(Say(Msg::ImportSpellingsTooLong, {spelling, std::to_string(kMaxSpellingsLength)}));
            continue;
        }
        total += cp1252.size();
        kept.push_back(cp1252);
        upper.push_back(folded);
    }
    return kept;
}

// One question as the quiz keeps it.
struct FittedQuestion {
    int line = 0;
    QuestionContent content;
    QuestionMedia media;
    std::vector<std::string> answer, answer2; // every spelling, the first one in `content`
};

struct QuizShape {
    int kind = 0;
    int answers = 1;
    int revealMode = 0;
};

const Msg kMediaNames[] = {Msg::ImportAPicture, Msg::ImportAPicture, Msg::ImportASound, Msg::ImportAFilm};

// A quiz with pictures, sounds or films when most questions name one, of the kind most of them are.
QuizShape ChooseShape(const ImportedQuiz& quiz, const ImportSettings& settings) {
    QuizShape shape;
    std::map<int, size_t> kinds;
    size_t named = 0;
    for (const ImportedQuestion& q : quiz.questions) {
        if (q.media.empty()) continue;
        ++named;
        MediaKind kind = settings.mediaKind ? settings.mediaKind(q.media) : MediaKind::Unknown;
        if (kind == MediaKind::Unknown) kind = MediaKindOfName(q.media);
        ++kinds[kind == MediaKind::Sound ? 2 : kind == MediaKind::Film ? 3 : 1];
    }
    if (named * 2 <= quiz.questions.size()) return shape;
    size_t most = 0;
    for (const auto& k : kinds)
        if (k.second > most) shape.kind = k.first, most = k.second;
    bool reveal = false, reward = false, second = false;
    for (const ImportedQuestion& q : quiz.questions) {
        reveal = reveal || !q.reveal.empty();
        reward = reward || (!q.reward.empty() && shape.kind == 1);
        second = second || !q.answer2.empty();
    }
    shape.answers = second ? 2 : 1;
    shape.revealMode = reveal && reward ? 3 : reward ? 1 : reveal ? 2 : 0;
    return shape;
}

bool FitQuestion(const ImportedQuestion& q, const QuizShape& shape, const ImportSettings& settings,
                 std::vector<SourceMessage>* notes, FittedQuestion* out) {
    const Fitter f{notes, q.line};
    out->line = q.line;
    out->content.questionText = FitText(f, Msg::ImportFieldQuestion, q.text, kLongestText);
    out->answer = FitSpellings(f, q.answer);
    if (out->answer.empty()) {
        f.Note(Say(Msg::ImportNoAnswer, {Trim(q.text)}));
        return false;
    }
    if (shape.kind == 0) {
        if (!q.answer2.empty()) f.Note(Say(Msg::ImportTextListAnswer2));
        if (!q.reveal.empty()) f.Note(Say(Msg::ImportTextListReveal));
        if (!q.media.empty()) f.Note(Say(Msg::ImportTextListMedia, {q.media}));
        if (!q.reward.empty()) f.Note(Say(Msg::ImportTextListReward, {q.reward}));
        out->content.answer1 = out->answer[0];
        out->content.extraSpellings1.assign(out->answer.begin() + 1, out->answer.end());
        return true;
    }
    if (q.media.empty()) {
        f.Note(Say(Msg::ImportNoMedia, {Trim(q.text), Say(kMediaNames[shape.kind])}));
        return false;
    }
    const MediaKind kind = settings.mediaKind ? settings.mediaKind(q.media) : MediaKind::Unknown;
    const MediaKind wanted = shape.kind == 1   ? MediaKind::Picture
                             : shape.kind == 2 ? MediaKind::Sound
                                               : MediaKind::Film;
    if (kind != MediaKind::Unknown && kind != wanted) {
        f.Note(Say(Msg::ImportWrongMedia, {q.media, Say(kMediaNames[shape.kind])}));
        return false;
    }
    out->media.picture = q.media;
    if (!q.reward.empty() && shape.kind != 1)
        f.Note(Say(Msg::ImportRewardNotShown, {q.reward}));
    else
        out->media.reward = q.reward;
    if (shape.answers == 2) {
        out->answer2 = FitSpellings(f, q.answer2);
        if (out->answer2.empty()) out->answer2.push_back("-"); // a question with one answer field
    }
    if (shape.revealMode >= 2)
        out->content.revealText = FitText(f, Msg::ImportFieldReveal, q.reveal, kLongestText);
    out->content.answer1 = out->answer[0];
    out->content.extraSpellings1.assign(out->answer.begin() + 1, out->answer.end());
    if (shape.answers == 2) {
        out->content.answer2 = out->answer2[0];
        out->content.extraSpellings2.assign(out->answer2.begin() + 1, out->answer2.end());
    }
    return true;
}

// Messages the source reader gives on a written source, with the imported line of their question.
void AddReaderMessages(const std::vector<SourceMessage>& messages, const QuizSource& read,
                       const std::vector<FittedQuestion>& questions, size_t first, bool errors,
                       std::vector<SourceMessage>* notes) {
    for (const SourceMessage& m : messages) {
        int line = 0;
        for (size_t i = 0; i < read.media.size() && first + i < questions.size(); ++i)
            if (m.line >= read.media[i].line) line = questions[first + i].line;
        const std::string text = line ? m.text : Say(Msg::ImportInWrittenSource, {m.text});
        notes->push_back({line, errors ? Say(Msg::ImportSourceUnreadable, {text}) : text});
    }
}

} // namespace

MediaKind MediaKindOfName(const std::string& file) {
    const size_t dot = file.find_last_of('.');
    if (dot == std::string::npos) return MediaKind::Unknown;
    std::string extension = file.substr(dot + 1);
    for (char& c : extension)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    for (const char* e : {"png", "jpg", "jpeg", "gif", "bmp"})
        if (extension == e) return MediaKind::Picture;
    for (const char* e : {"wav", "mp3", "mid", "midi", "wma", "ogg", "m4a"})
        if (extension == e) return MediaKind::Sound;
    for (const char* e : {"avi", "mpg", "mpeg", "wmv", "mp4"})
        if (extension == e) return MediaKind::Film;
    return MediaKind::Unknown;
}

bool BuildImportedSources(const ImportedQuiz& quiz, const ImportSettings& settings,
                          std::vector<ImportedSource>* sources, std::vector<SourceMessage>* notes) {
    sources->clear();
    const QuizShape shape = ChooseShape(quiz, settings);
    std::vector<FittedQuestion> questions;
    for (const ImportedQuestion& q : quiz.questions) {
        FittedQuestion fitted;
        if (FitQuestion(q, shape, settings, notes, &fitted)) questions.push_back(fitted);
    }
    if (questions.empty()) return true;
    size_t parts = 1;
    if (questions.size() > kMostQuestions && settings.split) {
        parts = (questions.size() + kMostQuestions - 1) / kMostQuestions;
    } else if (questions.size() > kMostQuestions) {
        notes->push_back({questions[kMostQuestions].line,
                          Say(Msg::ImportTooManyQuestions, {std::to_string(questions.size())})});
        questions.resize(kMostQuestions);
    }
    const Fitter titleFitter{notes, 0};
    const std::string title = FitText(titleFitter, Msg::ImportFieldTitle,
                                      quiz.title.empty() ? settings.title : quiz.title, kLongestText);
    // Parts as even as they can be: 100 questions make two quizzes of 50, not 96 and 4.
    size_t first = 0;
    for (size_t part = 0; part < parts; ++part) {
        const size_t count = (questions.size() - first) / (parts - part);
        QuizSource source;
        source.content.quizKind = shape.kind;
        source.content.answersPerQuestion = shape.answers;
        source.content.revealMode = shape.revealMode;
        source.content.title = title;
        if (parts > 1) {
            const std::string suffix = " (" + std::to_string(part + 1) + "/" + std::to_string(parts) + ")";
            source.content.title = title.substr(0, kLongestText - suffix.size()) + suffix;
        }
        for (size_t i = first; i < first + count; ++i) {
            source.content.questions.push_back(questions[i].content);
            source.media.push_back(questions[i].media);
        }
        std::vector<std::string> written;
        ImportedSource out;
        out.text = WriteQuizSource(source, settings.heading, &written);
        for (const std::string& w : written)
            notes->push_back({0, w});
        // The written source as `pack` will read it.
        QuizSource read;
        std::vector<SourceMessage> errors, warnings;
        ParseQuizSource(out.text, &read, &errors, &warnings);
        AddReaderMessages(errors, read, questions, first, true, notes);
        AddReaderMessages(warnings, read, questions, first, false, notes);
        out.questions = count;
        out.firstLine = questions[first].line;
        out.lastLine = questions[first + count - 1].line;
        if (!errors.empty()) {
            sources->clear(); // never a source that `pack` would refuse, nor only some of them
            return false;
        }
        sources->push_back(out);
        first += count;
    }
    return true;
}
