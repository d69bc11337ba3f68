#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "engine/Font.h"
#include "engine/GraphicsDevice.h"
#include "platform/Backend.h"

namespace varn {

// Text as a busy screen draws it: 30 strings of "Arial" 22 into the headless back buffer, the
// glyphs already rasterised by an earlier frame. Drawn again the same, each line's last draw is
// copied; in a colour other than the last, every line is blended anew.

namespace {

constexpr int kStrings = 30;

std::vector<std::string> MakeLines() {
    std::vector<std::string> lines;
    for (int i = 0; i < kStrings; ++i) {
        char line[64];
        std::snprintf(line, sizeof line, "Line %d: Gold %d, Army %d of 20, Day %d", i + 1,
                      1000 + i * 37, i % 20 + 1, i * 3 + 2);
        lines.emplace_back(line);
    }
    return lines;
}

void BM_TextLines(benchmark::State& state) {
    platform::UseHeadlessBackend();
    int window = 0;
    GraphicsDevice graphics;
    graphics.CreateD3D();
    Font font;
    if (!graphics.CreateDevice(&window, 800, 600, 16) ||
        !font.Create(&graphics, "Arial", 22, 0, 0, 0, 0)) {
        state.SkipWithError("no device or font");
        return;
    }
    font.Begin();
    const std::vector<std::string> lines = MakeLines();
    const bool newColour = state.range(0) != 0;
    uint32_t colour = 0xFFFFFFFF;
    auto drawAll = [&] {
        for (int i = 0; i < kStrings; ++i) {
            font.DrawText(lines[i].c_str(), 20, 10 + i * 19, 0, 0, colour, 0);
        }
    };
    drawAll();  // caches every glyph
    for (auto _ : state) {
        if (newColour) {
            colour ^= 0x00404040;
        }
        drawAll();
        benchmark::ClobberMemory();
    }
    font.End();
    font.Release();
}
BENCHMARK(BM_TextLines)
    ->Name("Text/ThirtyLinesArial22")
    ->ArgName("newColour")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond);

}  // namespace

}  // namespace varn
