#include "tools/source/quiz_project.h"

#include <cerrno>
#include <cstring>

#include "media/media_sniffing.h"
#include "media/picture_size.h"
#include "tools/common/file_access.h"
#include "tools/common/messages.h"
#include "tools/common/file_bytes.h"
#include "tools/source/media_format.h"
#include "tools/source/picture_check.h"

namespace {

std::string At(const std::string& quizPath, int line) {
    return quizPath + ":" + (line ? std::to_string(line) + ":" : std::string()) + " ";
}

// What each kind of quiz wants of the file its `picture:` key names.
struct Wanted {
    MediaKind kind;
    Msg quiz;    // "a picture quiz"
    Msg formats; // "a PNG, JPEG, GIF or BMP picture"
    Msg safest;  // the formats that play on every Windows
};

const Wanted kPicture = {MediaKind::Picture, Msg::AReward, Msg::PictureFormats, Msg::SafestSounds};
const Wanted kByQuizKind[4] = {
    {MediaKind::Unknown, Msg::ATextListQuiz, Msg::PictureFormats, Msg::SafestSounds},
    {MediaKind::Picture, Msg::APictureQuiz, Msg::PictureFormats, Msg::SafestSounds},
    {MediaKind::Sound, Msg::AnAudioQuiz, Msg::SoundFormats, Msg::SafestSounds},
    {MediaKind::Film, Msg::AVideoQuiz, Msg::FilmFormats, Msg::SafestFilms},
};

// Why a file cannot be read, in the user's language for the common case.
std::string WhyUnreadable(const std::string& path) {
    if (!IsRegularFile(path)) return Say(Msg::NoSuchFile);
    return errno ? std::strerror(errno) : Say(Msg::ReadError);
}

// Reads one media file and checks that it is what the quiz will use it as.
bool LoadMedia(const std::string& quizPath, const std::string& file, int line, const Wanted& wanted,
               ByteVector* bytes, std::vector<std::string>* errors, std::vector<std::string>* warnings) {
    if (file.empty()) return true;
    const std::string at = At(quizPath, line);
    const std::string path = MediaFilePath(quizPath, file);
    errno = 0;
    if (!ReadFileBytes(path, bytes)) {
        std::string message = at + Say(Msg::CannotReadBecause, {path, WhyUnreadable(path)});
#ifndef _WIN32
        // A name written on Windows: here a backslash is part of the name, not a folder separator.
        if (file.find('\\') != std::string::npos) {
            std::string slashed = file;
            for (char& c : slashed)
                if (c == '\\') c = '/';
            message += " (" + Say(Msg::UseSlashes, {slashed}) + ")";
        }
#endif
        errors->push_back(message);
        return false;
    }
    if (bytes->empty()) {
        errors->push_back(at + Say(Msg::FileIsEmpty, {file}));
        return false;
    }
    const MediaFormat format = SniffMediaFormat(*bytes);
    if (format.kind != wanted.kind) {
        const std::string quiz = Say(wanted.quiz), formats = Say(wanted.formats);
        errors->push_back(
            at + (format.kind == MediaKind::Unknown
                      ? Say(Msg::NotMediaNeeds, {file, DescribeMediaKind(format.kind), quiz, formats})
                      : Say(Msg::WrongMediaNeeds,
                            {file, DescribeMediaKind(format.kind), format.name, quiz, formats})));
        return false;
    }
    if (format.kind == MediaKind::Picture) {
        PictureSize size;
        const std::string problem = PictureProblem(*bytes, &size);
        if (!problem.empty()) {
            errors->push_back(at + file + ": " + problem);
            return false;
        }
        // Twice the box on its longer side: four times the pixels shown, carried in every copy of the quiz.
        if (size.width > 2u * kPictureBoxSide || size.height > 2u * kPictureBoxSide) {
            const PictureSize shown = ShownPictureSize(size);
            warnings->push_back(at + Say(Msg::PictureLargerThanShown,
                                         {file, std::to_string(size.width), std::to_string(size.height),
                                          SayBytes(bytes->size()), std::to_string(shown.width),
                                          std::to_string(shown.height)}));
        }
    }
    // The player writes a sound or film to a file named by its own sniffing of the first bytes; a
    // file named with the wrong extension may not play.
    const char* named = SniffMediaExtension(bytes->data(), bytes->size());
    if (*format.extension && std::strcmp(named, format.extension) != 0)
        warnings->push_back(at + Say(Msg::MediaRenamed, {file, format.name, named, Say(wanted.safest)}));
    return true;
}

} // namespace

std::string MediaFilePath(const std::string& quizPath, const std::string& file) {
    const bool absolute =
        !file.empty() && (file[0] == '/' || file[0] == '\\' || (file.size() > 1 && file[1] == ':'));
    if (absolute) return file;
    const size_t slash = quizPath.find_last_of("/\\");
    return slash == std::string::npos ? file : quizPath.substr(0, slash + 1) + file;
}

bool LoadQuizProject(const std::string& quizPath, QuizProject* project, std::vector<std::string>* errors,
                     std::vector<std::string>* warnings) {
    *project = QuizProject();
    ByteVector sourceBytes;
    errno = 0;
    if (!ReadFileBytes(quizPath, &sourceBytes)) {
        errors->push_back(Say(Msg::CannotReadBecause, {quizPath, WhyUnreadable(quizPath)}));
        return false;
    }
    std::vector<SourceMessage> sourceErrors, sourceWarnings;
    bool ok = ParseQuizSource(std::string(sourceBytes.begin(), sourceBytes.end()), &project->source,
                              &sourceErrors, &sourceWarnings);
    for (const SourceMessage& m : sourceErrors)
        errors->push_back(At(quizPath, m.line) + m.text);
    for (const SourceMessage& m : sourceWarnings)
        warnings->push_back(At(quizPath, m.line) + m.text);

    // The media are checked even after a mistake in the text, so that one run names every problem.
    const QuizContent& content = project->source.content;
    const int kind = content.quizKind >= 0 && content.quizKind <= 3 ? content.quizKind : 0;
    const size_t count = project->source.media.size();
    project->media.assign(count, {});
    project->rewards.assign(count, {});
    for (size_t i = 0; i < count; ++i) {
        const QuestionMedia& media = project->source.media[i];
        if (kind != 0)
            ok = LoadMedia(quizPath, media.picture, media.pictureLine, kByQuizKind[kind], &project->media[i],
                           errors, warnings) &&
                 ok;
        ok = LoadMedia(quizPath, media.reward, media.rewardLine, kPicture, &project->rewards[i], errors,
                       warnings) &&
             ok;
    }
    if (ok) {
        // The parser's limits are the loader's; this only guards against the two drifting apart.
        const std::string problem = DescribeQuizProblem(content);
        if (!problem.empty()) {
            errors->push_back(quizPath + ": " + problem);
            ok = false;
        }
    }
    return ok;
}

bool LoadQuizMedia(const std::string& quizPath, const std::string& file, int quizKind, bool reward,
                   ByteVector* bytes, std::vector<std::string>* errors, std::vector<std::string>* warnings) {
    const Wanted& wanted = reward ? kPicture : kByQuizKind[quizKind >= 1 && quizKind <= 3 ? quizKind : 1];
    std::vector<std::string> placedErrors, placedWarnings;
    const bool ok = LoadMedia(quizPath, file, 0, wanted, bytes, &placedErrors, &placedWarnings);
    // The same sentences as LoadQuizProject's, without the place its messages start with.
    const std::string place = At(quizPath, 0);
    for (auto* list : {&placedErrors, &placedWarnings})
        for (std::string& message : *list)
            if (message.compare(0, place.size(), place) == 0) message.erase(0, place.size());
    errors->insert(errors->end(), placedErrors.begin(), placedErrors.end());
    warnings->insert(warnings->end(), placedWarnings.begin(), placedWarnings.end());
    return ok;
}
