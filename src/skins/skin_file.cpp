#include "skins/skin_file.h"

#include <fstream>
#include <system_error>

#include "skins/json_reader.h"

bool ReadSkinFileBytes(const std::filesystem::path& path, std::size_t limit,
                       std::string_view tooBigMessage, std::string& bytes, std::string& error) {
    bytes.clear();
    std::error_code ec;
    // A folder would open on some systems and then misreport its size.
    if (std::filesystem::is_directory(path, ec)) {
        error = "无法打开这个文件";
        return false;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = "无法打开这个文件";
        return false;
    }
    file.seekg(0, std::ios::end);
    const std::streamoff size = file.tellg();
    if (!file || size < 0) {
        error = "无法读取这个文件";
        return false;
    }
    if (static_cast<unsigned long long>(size) > limit) {
        error = std::string(tooBigMessage);
        return false;
    }
    file.seekg(0, std::ios::beg);
    bytes.resize(static_cast<std::size_t>(size));
    file.read(bytes.data(), size);
    if (!file || file.gcount() != size) {
        bytes.clear();
        error = "无法读取这个文件";
        return false;
    }
    return true;
}

bool IsKeyboardSkinDocument(std::string_view bytes) {
    JsonValue root;
    std::string error;
    if (!ParseJson(bytes, root, error)) return false;
    const JsonValue* colors = LookupJson(root, "colors");
    return colors != nullptr && colors->kind == JsonKind::Object;
}
