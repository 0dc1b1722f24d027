// Reading a cat skin near the 2 MB limit: the whole reader (parse, walk,
// clamp, flatten outlines, decode stickers), the JSON parse alone, and the
// same document parsed by nlohmann::json for comparison.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <string>

#include "skins/cat_skin_reader.h"
#include "skins/json_reader.h"

namespace {

std::string Base64OfPseudoPng(std::size_t bytes) {
    static const char kAlphabet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    // Signature and IHDR of a 256 x 256 picture; the rest is filler data.
    std::string out = "iVBORw0KGgoAAAANSUhEUgAAAQAAAAEACAYAAAA";
    std::uint32_t seed = 12345;
    while (out.size() < bytes / 3 * 4) {
        seed = seed * 1664525u + 1013904223u;
        out.push_back(kAlphabet[seed >> 26]);
    }
    return out;
}

std::string Coordinate(int i) {
    return std::to_string((i * 37) % 700 - 350) + "." + std::to_string(i % 100);
}

// A skin with every list near its limit: 64 regions of 128 curved anchors,
// 256 marks of 160 points, 8 stickers and a preview, about 2 MB in all.
std::string MakeLargeSkin() {
    std::string s = R"({"formatVersion": 1, "name": "Benchmark Tabby", "author": "bench",
  "palette": {"body": "#F2B36B", "belly": "#FFF4E6", "stripes": "#8A4B1E", "points": "#5A3A22"},
  "shape": {"build": "sleek", "bodyWidth": 1.1, "tailLength": 1.2},
  "regions": [)";
    int n = 0;
    for (int r = 0; r < 64; ++r) {
        s += (r ? ",\n" : "\n");
        s += R"({"space": "body", "fill": "#FFFFFF", "alpha": 0.8, "anchors": [)";
        for (int a = 0; a < 128; ++a, ++n) {
            s += (a ? "," : "");
            s += R"({"x": )" + Coordinate(n) + R"(, "y": )" + Coordinate(n + 1) + R"(, "inX": )" +
                 Coordinate(n + 2) + R"(, "inY": )" + Coordinate(n + 3) + R"(, "outX": )" +
                 Coordinate(n + 4) + R"(, "outY": )" + Coordinate(n + 5) + "}";
        }
        s += "]}";
    }
    s += "],\n  \"marks\": [";
    for (int m = 0; m < 256; ++m) {
        s += (m ? ",\n" : "\n");
        s += R"({"space": "head", "kind": "stroke", "width": 1.5, "points": [)";
        for (int p = 0; p < 160; ++p, ++n) {
            s += (p ? ", [" : "[") + Coordinate(n) + ", " + Coordinate(n + 7) + "]";
        }
        s += "]}";
    }
    s += "],\n  \"decorations\": [";
    for (int d = 0; d < 8; ++d) {
        s += (d ? ",\n" : "\n");
        s += R"({"anchor": "face", "scale": 0.5, "png": "data:image/png;base64,)" +
             Base64OfPseudoPng(40 * 1024) + "\"}";
    }
    s += "],\n  \"preview\": \"" + Base64OfPseudoPng(64 * 1024) + "\"\n}\n";
    return s;
}

const std::string& LargeSkin() {
    static const std::string skin = MakeLargeSkin();
    if (skin.size() > kCatSkinFileLimit) std::abort();  // the reader would refuse it
    return skin;
}

void BM_ReadCatSkin(benchmark::State& state) {
    const std::string& bytes = LargeSkin();
    for (auto _ : state) {
        CatSkin skin;
        std::string error;
        if (!ReadCatSkin(bytes, skin, error)) {
            state.SkipWithError(error.c_str());
            break;
        }
        benchmark::DoNotOptimize(skin);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
    state.counters["file_bytes"] = static_cast<double>(bytes.size());
}

void BM_ParseJson(benchmark::State& state) {
    const std::string& bytes = LargeSkin();
    for (auto _ : state) {
        JsonValue root;
        std::string error;
        if (!ParseJson(bytes, root, error)) {
            state.SkipWithError(error.c_str());
            break;
        }
        benchmark::DoNotOptimize(root);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

void BM_NlohmannParse(benchmark::State& state) {
    const std::string& bytes = LargeSkin();
    for (auto _ : state) {
        nlohmann::json root = nlohmann::json::parse(bytes, nullptr, false);
        if (root.is_discarded()) {
            state.SkipWithError("nlohmann rejected the document");
            break;
        }
        benchmark::DoNotOptimize(root);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

BENCHMARK(BM_ReadCatSkin)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParseJson)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NlohmannParse)->Unit(benchmark::kMillisecond);

}  // namespace
