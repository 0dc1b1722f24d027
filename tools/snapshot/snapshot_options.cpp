#include "snapshot/snapshot_options.h"

#include <charconv>
#include <cstdlib>
#include <cmath>
#include <string_view>

#include "base/text.h"
#include "settings/settings_rules.h"

namespace {

bool ParseInt(std::string_view text, std::int32_t& out) {
    const char* first = text.data();
    const char* last = text.data() + text.size();
    const auto result = std::from_chars(first, last, out);
    return result.ec == std::errc() && result.ptr == last && !text.empty();
}

}  // namespace

bool ParseSnapshotArgs(const std::vector<std::string>& args, SnapshotOptions& options,
                       std::string& error) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (name == "--flip") {
            options.flip = true;
            continue;
        }
        if (name == "--green") {
            options.green = true;
            continue;
        }
        if (name == "--edit") {
            options.edit = true;
            continue;
        }
        if (i + 1 >= args.size()) {
            error = name.rfind("--", 0) == 0 ? name + " needs a value" : "unknown argument " + name;
            return false;
        }
        const std::string& value = args[++i];
        bool ok = true;
        if (name == "--out") {
            options.out = value;
        } else if (name == "--scale") {
            ok = ParseFloat(value, options.scale) && options.scale >= 0.1f && options.scale <= 8.0f;
        } else if (name == "--rotation") {
            ok = ParseFloat(value, options.rotation) && std::fabs(options.rotation) <= 360.0f;
        } else if (name == "--coat") {
            ok = ParseInt(value, options.coat);
        } else if (name == "--eyes") {
            ok = ParseInt(value, options.eyes);
        } else if (name == "--keyboard") {
            ok = ParseInt(value, options.keyboard);
        } else if (name == "--skin") {
            options.skinPath = value;
        } else if (name == "--frames") {
            options.framesDir = value;
        } else if (name == "--fps") {
            ok = ParseInt(value, options.fps) && options.fps >= 1 && options.fps <= 60;
        } else if (name == "--keyboard-skin") {
            options.keyboardSkinPath = value;
        } else if (name == "--script") {
            options.script = value;
        } else if (name == "--set") {
            const std::size_t equals = value.find('=');
            if (equals == std::string::npos) {
                error = "--set takes NAME=VALUE, not " + value;
                return false;
            }
            std::string setting = value.substr(0, equals);
            std::string text = value.substr(equals + 1);
            Settings scratch;  // refuses a bad name or value now, as a usage error
            if (!ApplySettingText(scratch, setting, text, error)) return false;
            options.settingTexts.emplace_back(std::move(setting), std::move(text));
        } else {
            error = "unknown argument " + name;
            return false;
        }
        if (!ok) {
            error = "bad value for " + name + ": " + value;
            return false;
        }
    }
    if (options.framesDir.empty() != (options.fps == 0)) {
        error = "--frames and --fps go together";
        return false;
    }
    if (options.out.empty() && options.framesDir.empty() &&
        options.script.find("shot") == std::string::npos) {
        error = "nothing to write: give --out FILE.png, --frames DIR or a script with shot";
        return false;
    }
    return true;
}
