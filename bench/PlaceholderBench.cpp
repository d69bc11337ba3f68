#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace varn {

// Generating the whole placeholder data set, the MP3 encoder included, into a fresh folder.

namespace {

void BM_GeneratePlaceholderSet(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        char pattern[] = "/tmp/varn-placeholder-XXXXXX";
        const std::filesystem::path folder = mkdtemp(pattern);
        const std::string command = std::string("'") + VARN_PLACEHOLDER_TOOL +
                                    "' '" VARN_SOURCE_DIR "/tools/placeholder/manifest.txt' '" +
                                    folder.string() + "' > /dev/null";
        state.ResumeTiming();
        const int status = std::system(command.c_str());
        state.PauseTiming();
        std::filesystem::remove_all(folder);
        state.ResumeTiming();
        if (status != 0) {
            state.SkipWithError("the placeholder tool failed");
            break;
        }
    }
}
BENCHMARK(BM_GeneratePlaceholderSet)
    ->Name("PlaceholderSet/Generate")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseRealTime();

}  // namespace

}  // namespace varn
