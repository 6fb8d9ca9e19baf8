// Runs a fuzz target without libFuzzer: its seed inputs, then mutations of them made by a
// fixed pseudo-random sequence, so every run checks the same inputs.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
std::vector<std::string> FuzzSeeds();

int main(int argc, char** argv) {
    std::vector<std::string> seeds = FuzzSeeds();
    // "--write-seeds DIR" writes the seeds as the corpus files libFuzzer starts from.
    if (argc > 2 && std::string(argv[1]) == "--write-seeds") {
        for (size_t i = 0; i < seeds.size(); ++i) {
            std::string name = std::string(argv[2]) + "/seed-" + std::to_string(i);
            FILE* file = fopen(name.c_str(), "wb");
            if (file == nullptr ||
                fwrite(seeds[i].data(), 1, seeds[i].size(), file) != seeds[i].size())
                return 1;
            fclose(file);
        }
        return 0;
    }
    long rounds = argc > 1 ? strtol(argv[1], nullptr, 10) : 10000;
    for (const std::string& seed : seeds)
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(seed.data()), seed.size());
    uint64_t state = 0x9E3779B97F4A7C15ull;
    auto next = [&state]() {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return state;
    };
    for (long round = 0; round < rounds; ++round) {
        std::string input = seeds[next() % seeds.size()];
        int edits = 1 + static_cast<int>(next() % 8);
        for (int e = 0; e < edits; ++e) {
            size_t at = input.empty() ? 0 : next() % input.size();
            switch (next() % 5) {
            case 0: // flip a bit
                if (!input.empty())
                    input[at] = static_cast<char>(input[at] ^ (1 << (next() % 8)));
                break;
            case 1: // set a byte to an interesting value
                if (!input.empty())
                    input[at] = "\0\x01\x7f\x80\xff;*\n\r="[next() % 10];
                break;
            case 2: // insert random bytes
                input.insert(at, std::string(1 + next() % 16, static_cast<char>(next())));
                break;
            case 3: // cut
                input.erase(at, next() % 64);
                break;
            case 4: // duplicate a piece
                input.insert(at, input.substr(next() % (input.size() + 1), next() % 600));
                break;
            }
        }
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(input.data()), input.size());
    }
    printf("%zu seeds and %ld mutated inputs ran\n", seeds.size(), rounds);
    return 0;
}
