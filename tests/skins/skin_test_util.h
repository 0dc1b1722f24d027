#pragma once

#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

// Helpers shared by the skin tests.

inline std::string ReadTestFile(const std::string& name) {
    std::ifstream file(std::string(MEWLARK_TEST_DATA_DIR) + "/skins/data/" + name,
                       std::ios::binary);
    std::ostringstream out;
    out << file.rdbuf();
    return out.str();
}

inline std::string Base64(const std::vector<std::uint8_t>& bytes) {
    static const char kAlphabet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        std::uint32_t n = std::uint32_t{bytes[i]} << 16;
        if (i + 1 < bytes.size()) n |= std::uint32_t{bytes[i + 1]} << 8;
        if (i + 2 < bytes.size()) n |= bytes[i + 2];
        out.push_back(kAlphabet[(n >> 18) & 63]);
        out.push_back(kAlphabet[(n >> 12) & 63]);
        out.push_back(i + 1 < bytes.size() ? kAlphabet[(n >> 6) & 63] : '=');
        out.push_back(i + 2 < bytes.size() ? kAlphabet[n & 63] : '=');
    }
    return out;
}

// The first bytes of a PNG file (signature and IHDR) padded with zeros to
// size bytes: enough for the header check, which is all the reader does.
inline std::vector<std::uint8_t> FakePng(std::uint32_t width, std::uint32_t height,
                                         std::size_t size = 64) {
    std::vector<std::uint8_t> png = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A,
                                     0,    0,    0,    13,   'I',  'H',  'D',  'R'};
    for (const std::uint32_t v : {width, height}) {
        for (int shift = 24; shift >= 0; shift -= 8)
            png.push_back(static_cast<std::uint8_t>(v >> shift));
    }
    png.resize(size < png.size() ? png.size() : size, 0);
    return png;
}
