// mewlark-skin-check FILE...: reads each skin file as the program would and
// prints one line per file. Exit 0 when all are ok, 1 otherwise, 2 on usage.
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "skins/cat_skin_reader.h"
#include "skins/keyboard_skin_reader.h"
#include "skins/skin_file.h"

namespace {

struct CheckResult {
    bool ok = false;
    std::string line;  // what follows "FILE: "
};

std::string OkLine(std::string_view kind, const std::string& id, const std::string& name) {
    return "ok " + std::string(kind) + " " + id + " \"" + name + "\"";
}

CheckResult CheckKeyboard(const std::string& bytes) {
    KeyboardSkin skin;
    std::string error;
    if (!ReadKeyboardSkin(bytes, skin, error)) return {false, error};
    return {true, OkLine("keyboard", skin.id, skin.name)};
}

CheckResult CheckFile(const std::filesystem::path& path) {
    const std::string extension = LowerAsciiExtension(
        std::basic_string_view<std::filesystem::path::value_type>(path.native()));
    std::string bytes;
    std::string error;
    if (extension == "mewlkb") {
        if (!ReadSkinFileBytes(path, kKeyboardSkinFileLimit, "键盘皮肤文件超过 256 KB 上限", bytes,
                               error)) {
            return {false, error};
        }
        return CheckKeyboard(bytes);
    }
    // A ".json" file is a keyboard skin only when it says so; anything else
    // goes to the cat reader, as a file chosen in the dressing room does.
    if (extension == "json" &&
        ReadSkinFileBytes(path, kKeyboardSkinFileLimit, "键盘皮肤文件超过 256 KB 上限", bytes,
                          error) &&
        IsKeyboardSkinDocument(bytes)) {
        return CheckKeyboard(bytes);
    }
    if (!ReadSkinFileBytes(path, kCatSkinFileLimit, "皮肤文件超过 2 MB 上限", bytes, error)) {
        return {false, error};
    }
    CatSkin skin;
    if (!ReadCatSkin(bytes, skin, error)) return {false, error};
    return {true, OkLine("cat", skin.id, skin.name)};
}

// Prints one line per file, as UTF-8.
int Run(const std::vector<std::filesystem::path>& files,
        const std::vector<std::string>& shownNames) {
    bool allOk = true;
    for (std::size_t i = 0; i < files.size(); ++i) {
        const CheckResult result = CheckFile(files[i]);
        allOk = allOk && result.ok;
        const std::string line = shownNames[i] + ": " + result.line + "\n";
        std::fwrite(line.data(), 1, line.size(), stdout);
    }
    std::fflush(stdout);
    return allOk ? 0 : 1;
}

int Usage() {
    std::fputs("usage: mewlark-skin-check FILE...\n", stderr);
    return 2;
}

}  // namespace

#ifdef _WIN32
// Wide arguments keep file names in every language intact.
int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return Usage();
    std::vector<std::filesystem::path> files;
    std::vector<std::string> shownNames;
    for (int i = 1; i < argc; ++i) {
        files.emplace_back(argv[i]);
        const std::u8string name = files.back().u8string();
        shownNames.emplace_back(name.begin(), name.end());
    }
    return Run(files, shownNames);
}
#else
int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    std::vector<std::filesystem::path> files;
    std::vector<std::string> shownNames;
    for (int i = 1; i < argc; ++i) {
        files.emplace_back(argv[i]);
        shownNames.emplace_back(argv[i]);
    }
    return Run(files, shownNames);
}
#endif
