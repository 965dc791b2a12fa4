// Runs a fuzz target once over every file of its seed corpus, plus a set of mutations
// of each file, so that the normal test suite exercises the parser on odd input.

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

// Byte flips, truncations and duplications: cheap stand-ins for a fuzzer's first steps.
void RunMutations(std::vector<uint8_t> input, std::mt19937& random) {
    for (int round = 0; round < 64 && !input.empty(); ++round) {
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
    size_t count = 0;
    Run({});
    for (const auto& entry : std::filesystem::recursive_directory_iterator(argv[1])) {
        if (!entry.is_regular_file())
            continue;
        const std::vector<uint8_t> input = ReadFile(entry.path());
        Run(input);
        RunMutations(input, random);
        ++count;
    }
    std::printf("replayed %zu seed inputs with mutations\n", count);
    return count > 0 ? 0 : 1;
}
