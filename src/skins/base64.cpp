#include "skins/base64.h"

#include <array>

namespace {

constexpr std::string_view kDataUrlPrefix = "data:image/png;base64,";
constexpr signed char kSkip = -2;
constexpr signed char kPad = -3;
constexpr signed char kInvalid = -1;

constexpr std::array<signed char, 256> MakeTable() {
    std::array<signed char, 256> table{};
    for (auto& v : table) v = kInvalid;
    constexpr std::string_view alphabet =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    for (std::size_t i = 0; i < alphabet.size(); ++i) {
        table[static_cast<unsigned char>(alphabet[i])] = static_cast<signed char>(i);
    }
    table['\t'] = kSkip;
    table['\n'] = kSkip;
    table['\r'] = kSkip;
    table[' '] = kSkip;
    table['='] = kPad;
    return table;
}

constexpr std::array<signed char, 256> kTable = MakeTable();

}  // namespace

bool DecodeBase64(std::string_view text, std::vector<std::uint8_t>& out) {
    out.clear();
    if (text.substr(0, kDataUrlPrefix.size()) == kDataUrlPrefix)
        text.remove_prefix(kDataUrlPrefix.size());
    out.reserve(text.size() / 4 * 3 + 3);
    std::uint32_t bits = 0;
    int bitCount = 0;
    int padding = 0;
    for (const char ch : text) {
        const signed char v = kTable[static_cast<unsigned char>(ch)];
        if (v == kSkip) continue;
        if (v == kPad) {
            ++padding;
            continue;
        }
        if (v == kInvalid || padding > 0) return false;
        bits = (bits << 6) | static_cast<std::uint32_t>(v);
        bitCount += 6;
        if (bitCount >= 8) {
            bitCount -= 8;
            out.push_back(static_cast<std::uint8_t>((bits >> bitCount) & 0xFF));
        }
    }
    return padding < 3;
}
