#include "skins/json_reader.h"

#include <cmath>
#include <cstddef>
#include <cstring>
#include <limits>

#include "skins/pow10_table.h"
#include "skins/skin_text.h"

namespace {

// Enough nesting for every real skin file while keeping the recursion small.
constexpr int kMaxDepth = 24;
constexpr int kMaxSignificantDigits = 19;
constexpr std::ptrdiff_t kMaxNumberBytes = 64;

bool IsDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}

bool IsWhitespace(unsigned char c) {
    return c == 0x09 || c == 0x0A || c == 0x0D || c == 0x20;
}

void AppendUtf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

struct JsonReader {
    const unsigned char* start;
    const unsigned char* p;
    const unsigned char* end;
    std::string error;

    // Records the first fault only; later ones come from unwinding.
    bool Fail(std::string_view detail) {
        if (error.empty()) {
            error = "不是有效的 JSON：";
            error.append(detail);
            error += "（第 " + std::to_string(p - start + 1) + " 字节附近）";
        }
        return false;
    }

    void SkipWhitespace() {
        while (p < end && IsWhitespace(*p)) ++p;
    }

    bool ReadValue(JsonValue& v, int depth);
    bool ReadArray(JsonValue& v, int depth);
    bool ReadObject(JsonValue& v, int depth);
    bool ReadString(std::string& out);
    bool ReadHexUnit(std::uint32_t& unit);
    bool ReadNumber(double& out);
    bool ReadWord(std::string_view word);
};

bool JsonReader::ReadValue(JsonValue& v, int depth) {
    if (depth > kMaxDepth) return Fail("嵌套层级过深");
    if (p >= end) return Fail("内容意外结束");
    const unsigned char c = *p;
    if (c == '"') {
        v.kind = JsonKind::String;
        return ReadString(v.text);
    }
    if (c == '-' || IsDigit(c)) {
        v.kind = JsonKind::Number;
        return ReadNumber(v.number);
    }
    if (c == '[') return ReadArray(v, depth);
    if (c == '{') return ReadObject(v, depth);
    if (c == 't' && ReadWord("true")) {
        v.kind = JsonKind::Boolean;
        v.boolean = true;
        return true;
    }
    if (c == 'f' && ReadWord("false")) {
        v.kind = JsonKind::Boolean;
        v.boolean = false;
        return true;
    }
    if (c == 'n' && ReadWord("null")) {
        v.kind = JsonKind::Null;
        return true;
    }
    return Fail("无法识别的值");
}

bool JsonReader::ReadWord(std::string_view word) {
    if (static_cast<std::size_t>(end - p) < word.size() ||
        std::memcmp(p, word.data(), word.size()) != 0)
        return false;
    p += word.size();
    return true;
}

bool JsonReader::ReadArray(JsonValue& v, int depth) {
    v.kind = JsonKind::Array;
    ++p;
    SkipWhitespace();
    if (p < end && *p == ']') {
        ++p;
        return true;
    }
    for (;;) {
        SkipWhitespace();
        v.items.emplace_back();
        if (!ReadValue(v.items.back(), depth + 1)) return false;
        SkipWhitespace();
        if (p >= end) return Fail("数组缺少逗号或右方括号");
        if (*p == ',') {
            ++p;
            continue;
        }
        if (*p == ']') {
            ++p;
            return true;
        }
        return Fail("数组缺少逗号或右方括号");
    }
}

bool JsonReader::ReadObject(JsonValue& v, int depth) {
    v.kind = JsonKind::Object;
    ++p;
    SkipWhitespace();
    if (p < end && *p == '}') {
        ++p;
        return true;
    }
    for (;;) {
        SkipWhitespace();
        if (p >= end || *p != '"') return Fail("对象的键必须是字符串");
        std::string name;
        if (!ReadString(name)) return false;
        SkipWhitespace();
        if (p >= end || *p != ':') return Fail("缺少冒号");
        ++p;
        SkipWhitespace();
        v.keys.push_back(std::move(name));
        v.items.emplace_back();
        if (!ReadValue(v.items.back(), depth + 1)) return false;
        SkipWhitespace();
        if (p < end && *p == ',') {
            ++p;
            continue;
        }
        if (p < end && *p == '}') {
            ++p;
            return true;
        }
        return Fail("对象缺少逗号或右花括号");
    }
}

bool JsonReader::ReadHexUnit(std::uint32_t& unit) {
    if (end - p < 4) return Fail("\\u 转义不完整");
    unit = 0;
    for (int i = 0; i < 4; ++i) {
        const int h = HexDigitValue(static_cast<char>(*p++));
        if (h < 0) return Fail("\\u 转义含非十六进制字符");
        unit = unit * 16 + static_cast<std::uint32_t>(h);
    }
    return true;
}

bool JsonReader::ReadString(std::string& out) {
    ++p;
    for (;;) {
        // Plain ASCII runs are copied in one go; they are most of a file.
        const unsigned char* run = p;
        while (p < end && *p >= 0x20 && *p < 0x80 && *p != '"' && *p != '\\') ++p;
        out.append(reinterpret_cast<const char*>(run), static_cast<std::size_t>(p - run));

        if (p >= end) return Fail("字符串没有结束引号");
        const unsigned char c = *p++;
        if (c == '"') return true;
        if (c < 0x20) return Fail("字符串里有未转义的控制字符");
        if (c == '\\') {
            if (p >= end) return Fail("转义不完整");
            const unsigned char e = *p++;
            switch (e) {
                case '"':
                case '\\':
                case '/':
                    out.push_back(static_cast<char>(e));
                    break;
                case 'b':
                    out.push_back('\b');
                    break;
                case 'f':
                    out.push_back('\f');
                    break;
                case 'n':
                    out.push_back('\n');
                    break;
                case 'r':
                    out.push_back('\r');
                    break;
                case 't':
                    out.push_back('\t');
                    break;
                case 'u': {
                    std::uint32_t unit = 0;
                    if (!ReadHexUnit(unit)) return false;
                    std::uint32_t cp = unit;
                    if (unit >= 0xD800 && unit <= 0xDBFF) {
                        if (end - p < 2 || p[0] != '\\' || p[1] != 'u')
                            return Fail("UTF-16 代理对不完整");
                        p += 2;
                        std::uint32_t low = 0;
                        if (!ReadHexUnit(low)) return false;
                        if (low < 0xDC00 || low > 0xDFFF) return Fail("UTF-16 代理对无效");
                        cp = 0x10000 + (unit - 0xD800) * 0x400 + (low - 0xDC00);
                    } else if (unit >= 0xDC00 && unit <= 0xDFFF) {
                        return Fail("UTF-16 代理对无效");
                    }
                    AppendUtf8(out, cp);
                    break;
                }
                default:
                    return Fail("未知的转义字符");
            }
            continue;
        }
        // A multi-byte UTF-8 sequence: only the lead range and the form of
        // the continuation bytes are checked.
        int extra = 0;
        if (c >= 0xC2 && c <= 0xDF) {
            extra = 1;
        } else if (c >= 0xE0 && c <= 0xEF) {
            extra = 2;
        } else if (c >= 0xF0 && c <= 0xF4) {
            extra = 3;
        } else {
            return Fail("字符串不是有效的 UTF-8");
        }
        if (end - p < extra) return Fail("字符串不是有效的 UTF-8");
        for (int i = 0; i < extra; ++i) {
            if ((p[i] & 0xC0) != 0x80) return Fail("字符串不是有效的 UTF-8");
        }
        out.push_back(static_cast<char>(c));
        out.append(reinterpret_cast<const char*>(p), static_cast<std::size_t>(extra));
        p += extra;
    }
}

// Builds the value from at most 19 significant digits and a decimal
// exponent; the last bits may differ from a correctly rounded conversion.
bool JsonReader::ReadNumber(double& out) {
    const unsigned char* numberStart = p;
    bool negative = false;
    if (*p == '-') {
        negative = true;
        ++p;
    }
    if (p >= end || !IsDigit(*p)) return Fail("数字格式错误");

    double value = 0.0;
    int digits = 0;
    int exponent = 0;
    if (*p == '0') {
        ++digits;
        ++p;
    } else {
        while (p < end && IsDigit(*p)) {
            if (digits < kMaxSignificantDigits) {
                value = value * 10.0 + (*p - '0');
                ++digits;
            } else {
                ++exponent;
            }
            ++p;
        }
    }
    if (p < end && *p == '.') {
        ++p;
        if (p >= end || !IsDigit(*p)) return Fail("数字格式错误");
        while (p < end && IsDigit(*p)) {
            if (digits < kMaxSignificantDigits) {
                value = value * 10.0 + (*p - '0');
                ++digits;
                --exponent;
            }
            ++p;
        }
    }
    if (p < end && (*p == 'e' || *p == 'E')) {
        ++p;
        int sign = 1;
        if (p < end && (*p == '+' || *p == '-')) {
            if (*p == '-') sign = -1;
            ++p;
        }
        if (p >= end || !IsDigit(*p)) return Fail("数字格式错误");
        int e = 0;
        while (p < end && IsDigit(*p)) {
            if (e <= 9999) e = e * 10 + (*p - '0');
            ++p;
        }
        exponent += sign * e;
    }
    if (p - numberStart > kMaxNumberBytes) return Fail("数字过长");

    if (value != 0.0) {
        if (exponent > kMaxPow10) {
            value = std::numeric_limits<double>::infinity();
        } else if (exponent < kMinPow10) {
            value = 0.0;
        } else {
            value *= kPow10[static_cast<std::size_t>(exponent - kMinPow10)];
        }
    }
    if (negative) value = -value;
    if (!std::isfinite(value)) return Fail("数字超出范围");
    out = value;
    return true;
}

}  // namespace

bool ParseJson(std::string_view bytes, JsonValue& value, std::string& error) {
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    JsonReader reader{data, data, data + bytes.size(), {}};
    if (bytes.size() >= 3 && data[0] == 0xEF && data[1] == 0xBB && data[2] == 0xBF) reader.p += 3;
    reader.SkipWhitespace();
    bool ok = reader.ReadValue(value, 0);
    if (ok) {
        reader.SkipWhitespace();
        if (reader.p != reader.end) ok = reader.Fail("JSON 结尾有多余内容");
    }
    if (!ok) error = reader.error;
    return ok;
}

const JsonValue* LookupJson(const JsonValue& object, std::string_view name) {
    if (object.kind != JsonKind::Object) return nullptr;
    for (std::size_t i = object.keys.size(); i-- > 0;) {
        if (object.keys[i] == name) return &object.items[i];
    }
    return nullptr;
}
