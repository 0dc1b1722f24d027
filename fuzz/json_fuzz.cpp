// libFuzzer target: the JSON reader on arbitrary bytes.
#include <cstdint>
#include <string>

#include "fuzz_checks.h"
#include "skins/json_reader.h"

namespace {

constexpr std::string_view kPrefix = "不是有效的 JSON：";
constexpr std::string_view kSuffix = " 字节附近）";

// Walks the tree: depth stays within the limit and objects keep keys and
// items parallel.
void CheckTree(const JsonValue& v, int depth) {
    FuzzCheck(depth <= 24, "depth limit");
    if (v.kind == JsonKind::Object)
        FuzzCheck(v.keys.size() == v.items.size(), "keys parallel to items");
    if (v.kind != JsonKind::Object) FuzzCheck(v.keys.empty(), "keys only in objects");
    if (v.kind == JsonKind::String) FuzzCheck(IsWholeUtf8(v.text), "string is whole UTF-8");
    for (const JsonValue& item : v.items) CheckTree(item, depth + 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    JsonValue value;
    std::string error;
    const bool ok = ParseJson(bytes, value, error);
    FuzzCheck(ok == error.empty(), "error set exactly on failure");
    if (ok) {
        CheckTree(value, 0);
        if (!value.keys.empty())
            FuzzCheck(LookupJson(value, value.keys.back()) == &value.items.back(), "lookup last");
        return 0;
    }
    FuzzCheck(error.substr(0, kPrefix.size()) == kPrefix, "message prefix");
    FuzzCheck(
        error.size() > kSuffix.size() && error.substr(error.size() - kSuffix.size()) == kSuffix,
        "suffix");
    const std::size_t numberStart = error.rfind("（第 ") + std::string_view("（第 ").size();
    const unsigned long position = std::stoul(error.substr(numberStart));
    FuzzCheck(position >= 1 && position <= size + 1, "position inside the buffer");
    FuzzCheck(IsWholeUtf8(error), "message is whole UTF-8");
    return 0;
}
