// jorvo-maker unpack QUIZ.exe DIR
// Writes a quiz program's quiz back as a quiz source and its media files into DIR (made when missing):
// packing that source again gives the same program.
#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>

#include "media/media_sniffing.h"
#include "tools/common/console.h"
#include "tools/common/file_access.h"
#include "tools/common/messages.h"
#include "tools/common/file_bytes.h"
#include "tools/pe/pe_resources.h"
#include "tools/source/quiz_resources.h"
#include "tools/source/quiz_source_writer.h"

namespace {

bool Fail(const std::string& message) {
    PrintLine(stderr, "jorvo-maker unpack: " + message);
    return false;
}

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
                std::string* name) {
    name->clear();
    if (bytes.empty()) return true;
    *name = stem + "." + ExtensionOf(bytes, kind);
    return WriteFileBytes(dir + "/" + *name, bytes) || Fail(Say(Msg::CannotWrite, {dir + "/" + *name}));
}

bool Unpack(const std::string& programPath, const std::string& dir) {
    ByteVector image;
    if (!ReadFileBytes(programPath, &image)) return Fail(Say(Msg::CannotRead, {programPath}));
    std::vector<Resource> resources;
    std::string error;
    if (!ReadPeResources(image, &resources, &error)) return Fail(programPath + ": " + error);
    UnpackedQuiz quiz;
    if (!ReadQuizResources(resources, &quiz, &error)) return Fail(programPath + ": " + error);

    if (!MakeDirectories(dir)) return Fail(Say(Msg::CannotMakeFolder, {dir}));
    QuizSource source;
    source.content = quiz.content;
    source.media.resize(quiz.content.questions.size());
    for (size_t i = 0; i < source.media.size(); ++i) {
        const std::string n = std::to_string(i + 1);
        if (!WriteMedia(dir, "q" + n, quiz.media[i], quiz.content.quizKind, &source.media[i].picture) ||
            !WriteMedia(dir, "reward" + n, quiz.rewards[i], 0, &source.media[i].reward))
            return false;
    }
    std::string heading = Say(Msg::UnpackedFrom, {FileName(programPath)});
    if (quiz.scrambled) heading += "\n" + Say(Msg::UnpackedScrambled);
    std::vector<std::string> warnings;
    const std::string text = WriteQuizSource(source, heading, &warnings);
    for (const std::string& warning : warnings)
        PrintLine(stderr, Say(Msg::WarningLine, {warning}));
    const std::string quizPath = dir + "/" + BaseName(programPath) + ".quiz";
    if (!WriteFileText(quizPath, text)) return Fail(Say(Msg::CannotWrite, {quizPath}));
    PrintLine(stdout, quiz.scrambled ? Say(Msg::UnpackWroteScrambled, {quizPath}) : quizPath);
    return true;
}

} // namespace

int RunUnpackCommand(int argc, char** argv) {
    if (argc != 2) {
        PrintLine(stderr, Say(Msg::UsageOf, {"unpack QUIZ.exe DIR"}));
        return 2;
    }
    return Unpack(argv[0], argv[1]) ? 0 : 1;
}
