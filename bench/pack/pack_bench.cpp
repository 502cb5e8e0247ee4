// `jorvo-maker pack` on the largest quiz an author can make: 96 questions, each with a 100 KB JPEG
// picture, into a template made in memory. One run reads the source and the 9.6 MB of pictures (from the
// page cache after the first run), codes the texts, builds the resource tree and writes the program.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "tests/tools/bare_pe.h"
#include "tools/common/file_bytes.h"
#include "tools/pe/pe_resources.h"

int RunPackCommand(int argc, char** argv);

namespace {

constexpr int kQuestions = 96;
constexpr size_t kPictureSize = 100 * 1024;

// A JPEG as the quiz checks read it: start of image, a JFIF block, a baseline 640 x 480 frame header
// of three components and a scan header, then entropy-coded bytes that do not repeat (no 0xFF).
ByteVector FakeJpeg(uint32_t seed) {
    ByteVector bytes = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 'J',  'F',  'I',  'F',  0, 1,    1,    0,
                        0,    1,    0,    1,    0,    0,    0xFF, 0xC0, 0x00, 17,   8, 0x01, 0xE0, 0x02,
                        0x80, 3,    1,    0x22, 0,    2,    0x11, 1,    3,    0x11, 1, 0xFF, 0xDA, 0x00,
                        12,   3,    1,    0x00, 2,    0x11, 3,    0x11, 0,    63,   0};
    uint32_t state = seed * 2654435761u + 1;
    while (bytes.size() < kPictureSize - 2) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        bytes.push_back(static_cast<uint8_t>(state) == 0xFF ? 0xFE : static_cast<uint8_t>(state));
    }
    bytes.push_back(0xFF);
    bytes.push_back(0xD9);
    return bytes;
}

// The quiz, its pictures and the template in a scratch folder; empty when it cannot be made.
std::string MakeQuizFolder() {
    char pattern[] = "/tmp/jorvo-pack-bench-XXXXXX";
    const char* made = mkdtemp(pattern);
    if (!made) return "";
    const std::string dir = made;
    std::string quiz = "title: Photos\nkind: pictures\nanswers: 2\nreveal-mode: 1\n";
    for (int n = 1; n <= kQuestions; ++n) {
        const std::string name = "p" + std::to_string(n) + ".jpg";
        if (!WriteFileBytes(dir + "/" + name, FakeJpeg(n))) return "";
        quiz += "question: Photo " + std::to_string(n) + "\n  answer: Lieu " + std::to_string(n) +
                "\n  answer2: Ann\xC3\xA9"
                "e\n  reveal: Vue " +
                std::to_string(n) + "\n  picture: " + name + "\n";
    }
    std::vector<Resource> resources;
    SetResource(&resources, NumberKey(kResourceTypeDialog), NumberKey(1001), 0x0409, {1, 0, 0xFF, 0xFF});
    SetResource(&resources, NumberKey(kResourceTypeDialog), NumberKey(1002), 0x0409, {1, 0, 0xFF, 0xFF});
    ByteVector image;
    std::string error;
    if (!WritePeResources(MakeBareImage(false), resources, &image, &error) ||
        !WriteFileBytes(dir + "/template.exe", image) || !WriteFileText(dir + "/photos.quiz", quiz))
        return "";
    return dir;
}

void BM_PackPictureQuiz96x100KB(benchmark::State& state) {
    const std::string dir = MakeQuizFolder();
    if (dir.empty()) {
        state.SkipWithError("cannot make the quiz folder");
        return;
    }
    std::string arguments[] = {dir + "/photos.quiz", "-o", dir + "/photos.exe", "--template",
                               dir + "/template.exe"};
    char* argv[5];
    for (int i = 0; i < 5; ++i)
        argv[i] = &arguments[i][0];
    for (auto _ : state) {
        if (RunPackCommand(5, argv) != 0) {
            state.SkipWithError("pack failed");
            return;
        }
    }
    ByteVector program;
    if (ReadFileBytes(dir + "/photos.exe", &program))
        state.counters["program_bytes"] = static_cast<double>(program.size());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kQuestions *
                            static_cast<int64_t>(kPictureSize));
}
BENCHMARK(BM_PackPictureQuiz96x100KB)->Unit(benchmark::kMillisecond);

} // namespace
