// Replays fuzz inputs without libFuzzer, for the ordinary build: every file named on the
// command line, or inside a folder named there, goes once through LLVMFuzzerTestOneInput, in
// name order. A failed check aborts. The slowest input is named, for timing a corpus in a
// release build; KESTA_REPLAY_REPEAT=N times every input N times and keeps its fastest run,
// which a busy machine disturbs least.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        if (fs::is_directory(argv[i])) {
            for (const auto& entry : fs::directory_iterator(argv[i]))
                if (entry.is_regular_file()) inputs.push_back(entry.path());
        } else {
            inputs.emplace_back(argv[i]);
        }
    }
    std::sort(inputs.begin(), inputs.end());
    const char* repeat = std::getenv("KESTA_REPLAY_REPEAT");
    const int runs = std::max(1, repeat != nullptr ? std::atoi(repeat) : 1);
    double slowest = 0;
    fs::path slowestInput;
    for (const fs::path& input : inputs) {
        std::ifstream file(input, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(file), {}};
        double seconds = 1e9;
        for (int run = 0; run < runs; ++run) {
            const auto start = std::chrono::steady_clock::now();
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                   bytes.size());
            const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
            seconds = std::min(seconds, took.count());
        }
        if (seconds >= slowest) {
            slowest = seconds;
            slowestInput = input;
        }
    }
    std::printf("%zu inputs replayed; slowest %.3f ms: %s\n", inputs.size(), slowest * 1e3,
                slowestInput.c_str());
    return inputs.empty() ? 1 : 0;
}
