#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

// Reads a whole skin file, refusing files above limit with tooBigMessage.
// Other failures give "无法打开这个文件" or "无法读取这个文件".
bool ReadSkinFileBytes(const std::filesystem::path& path, std::size_t limit,
                       std::string_view tooBigMessage, std::string& bytes, std::string& error);

// The text after the last "." of a path, when that dot follows the last
// separator, with ASCII letters lower-cased (other characters become "?",
// since only ASCII extensions are ever compared); empty when there is none.
template <typename Char>
std::string LowerAsciiExtension(std::basic_string_view<Char> path) {
    const std::size_t dot = path.rfind(Char('.'));
    if (dot == std::basic_string_view<Char>::npos) return {};
    const std::size_t slash = path.find_last_of(std::basic_string<Char>{Char('\\'), Char('/')});
    if (slash != std::basic_string_view<Char>::npos && slash > dot) return {};
    std::string extension;
    for (const Char c : path.substr(dot + 1)) {
        const auto code = static_cast<unsigned long>(c);
        if (code >= 'A' && code <= 'Z') {
            extension.push_back(static_cast<char>(code - 'A' + 'a'));
        } else if (code < 0x80) {
            extension.push_back(static_cast<char>(code));
        } else {
            extension.push_back('?');
        }
    }
    return extension;
}

// A ".json" file is a keyboard skin when its outermost value is an object
// whose (last) "colors" member is an object.
bool IsKeyboardSkinDocument(std::string_view bytes);
