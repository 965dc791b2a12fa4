// Runs a fuzz target once over every file of its seed corpus, plus a set of mutations
// of each file, so that the normal test suite exercises the parser on odd input.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

std::vector<uint8_t> ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Run(const std::vector<uint8_t>& input) {
    LLVMFuzzerTestOneInput(input.data(), input.size());
}

// Mutated runs shared by all files of a corpus: a small seed corpus gets many mutations of
// each file, a corpus grown by fuzzing (which covers much more already) a few of each.
constexpr size_t kMutationBudget = 512;
constexpr size_t kMostMutationsPerFile = 64;

// Byte flips, truncations and duplications: cheap stand-ins for a fuzzer's first steps.
void RunMutations(std::vector<uint8_t> input, size_t rounds, std::mt19937& random) {
    for (size_t round = 0; round < rounds && !input.empty(); ++round) {
        std::vector<uint8_t> mutated = input;
        const size_t at = random() % mutated.size();
        switch (round % 4) {
        case 0:
            mutated[at] = static_cast<uint8_t>(random());
            break;
        case 1:
            mutated.resize(at);
            break;
        case 2:
            mutated.insert(mutated.begin() + at, input.begin(), input.begin() + at);
            break;
        case 3:
            mutated[at] = static_cast<uint8_t>(random() % 2 ? 0 : 0xFF);
            break;
        }
        Run(mutated);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
        return 2;
    }
    std::mt19937 random(20261206);
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(argv[1]))
        if (entry.is_regular_file())
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    const size_t rounds = files.empty() ? 0
                                        : std::clamp<size_t>(kMutationBudget / files.size(), 1,
                                                             kMostMutationsPerFile);
    Run({});
    for (const std::filesystem::path& file : files) {
        const std::vector<uint8_t> input = ReadFile(file);
        Run(input);
        RunMutations(input, rounds, random);
    }
    std::printf("replayed %zu corpus inputs with %zu mutations each\n", files.size(), rounds);
    return files.empty() ? 1 : 0;
}
