#include "tools/source/quiz_unpacking.h"

#include <cctype>
#include <cstring>

#include "media/media_sniffing.h"
#include "tools/common/file_access.h"
#include "tools/common/file_bytes.h"
#include "tools/common/messages.h"
#include "tools/pe/pe_resources.h"
#include "tools/source/quiz_resources.h"
#include "tools/source/quiz_source_writer.h"

namespace {

bool StartsWith(const ByteVector& bytes, const char* signature, size_t length) {
    return bytes.size() >= length && std::memcmp(bytes.data(), signature, length) == 0;
}

// A file extension from the first bytes: pictures by their signature, sounds and films as the player
// names them when it writes them out.
std::string ExtensionOf(const ByteVector& bytes, int32_t quizKind) {
    if (IsPngData(bytes)) return "png";
    if (StartsWith(bytes, "\xFF\xD8\xFF", 3)) return "jpg";
    if (StartsWith(bytes, "GIF8", 4)) return "gif";
    if (StartsWith(bytes, "BM", 2) && quizKind < 2) return "bmp";
    if (quizKind < 2) return "bin";
    std::string extension = SniffMediaExtension(bytes.data(), bytes.size());
    for (char& c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension;
}

std::string FileName(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The program's file name without its extension: the quiz source's name.
std::string BaseName(const std::string& path) {
    std::string name = FileName(path);
    const size_t dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0) name.erase(dot);
    return name.empty() ? "quiz" : name;
}

bool WriteMedia(const std::string& dir, const std::string& stem, const ByteVector& bytes, int32_t kind,
                std::string* name, std::string* error) {
    name->clear();
    if (bytes.empty()) return true;
    *name = stem + "." + ExtensionOf(bytes, kind);
    if (WriteFileBytes(dir + "/" + *name, bytes)) return true;
    *error = Say(Msg::CannotWrite, {dir + "/" + *name});
    return false;
}

} // namespace

bool UnpackQuizProgram(const std::string& programPath, const std::string& dir, std::string* quizPath,
                       bool* scrambled, std::vector<std::string>* warnings, std::string* error) {
    ByteVector image;
    if (!ReadFileBytes(programPath, &image)) {
        *error = Say(Msg::CannotRead, {programPath});
        return false;
    }
    std::vector<Resource> resources;
    UnpackedQuiz quiz;
    if (!ReadPeResources(image, &resources, error)) {
        *error = Say(Msg::ProgramUnreadable, {programPath, *error});
        return false;
    }
    if (!ReadQuizResources(resources, &quiz, error)) {
        *error = programPath + ": " + *error;
        return false;
    }
    if (!MakeDirectories(dir)) {
        *error = Say(Msg::CannotMakeFolder, {dir});
        return false;
    }
    QuizSource source;
    source.content = quiz.content;
    source.media.resize(quiz.content.questions.size());
    for (size_t i = 0; i < source.media.size(); ++i) {
        const std::string n = std::to_string(i + 1);
        if (!WriteMedia(dir, "q" + n, quiz.media[i], quiz.content.quizKind, &source.media[i].picture,
                        error) ||
            !WriteMedia(dir, "reward" + n, quiz.rewards[i], 0, &source.media[i].reward, error))
            return false;
    }
    std::string heading = Say(Msg::UnpackedFrom, {FileName(programPath)});
    if (quiz.scrambled) heading += "\n" + Say(Msg::UnpackedScrambled);
    const std::string text = WriteQuizSource(source, heading, warnings);
    *quizPath = dir + "/" + BaseName(programPath) + ".quiz";
    *scrambled = quiz.scrambled;
    if (WriteFileText(*quizPath, text)) return true;
    *error = Say(Msg::CannotWrite, {*quizPath});
    return false;
}
