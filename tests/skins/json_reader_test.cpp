#include "skins/json_reader.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cstdio>
#include <string>

namespace {

// A compact rendering of a parsed tree: numbers in shortest form (keeping
// the sign of zero), strings with non-ASCII and control bytes as \xHH.
std::string Describe(const JsonValue& v) {
    switch (v.kind) {
        case JsonKind::Null:
            return "null";
        case JsonKind::Boolean:
            return v.boolean ? "true" : "false";
        case JsonKind::Number: {
            char buffer[64];
            const auto result = std::to_chars(buffer, buffer + sizeof buffer, v.number);
            return std::string(buffer, result.ptr);
        }
        case JsonKind::String: {
            std::string out = "\"";
            for (const char c : v.text) {
                const auto byte = static_cast<unsigned char>(c);
                if (byte < 0x20 || byte >= 0x7F) {
                    char hex[8];
                    std::snprintf(hex, sizeof hex, "\\x%02X", byte);
                    out += hex;
                } else {
                    out.push_back(c);
                }
            }
            return out + "\"";
        }
        case JsonKind::Array: {
            std::string out = "[";
            for (std::size_t i = 0; i < v.items.size(); ++i) {
                if (i > 0) out += ',';
                out += Describe(v.items[i]);
            }
            return out + "]";
        }
        case JsonKind::Object: {
            std::string out = "{";
            for (std::size_t i = 0; i < v.items.size(); ++i) {
                if (i > 0) out += ',';
                out += '"';
                out += v.keys[i];
                out += "\":";
                out += Describe(v.items[i]);
            }
            return out + "}";
        }
    }
    return "?";
}

std::string Nested(int depth) {
    return std::string(depth, '[') + "1" + std::string(depth, ']');
}

std::string Error(const std::string& detail, int position) {
    return "error: 不是有效的 JSON：" + detail + "（第 " + std::to_string(position) + " 字节附近）";
}

const std::string kBom = "\xEF\xBB\xBF";

struct JsonCase {
    std::string input;
    std::string expected;  // Describe() of the tree, or "error: " + message
};

TEST(JsonReaderTest, ParsesOrReportsFaultWithPosition) {
    const JsonCase cases[] = {
        // Empty input and whitespace.
        {"", Error("内容意外结束", 1)},
        {" \t\r\n", Error("内容意外结束", 5)},
        {"\f1", Error("无法识别的值", 1)},
        // Containers.
        {"{}", "{}"},
        {"[]", "[]"},
        {" [ 1 , [ ] , { } ] ", "[1,[],{}]"},
        {"[1,]", Error("无法识别的值", 4)},
        {"{\"a\":1,}", Error("对象的键必须是字符串", 8)},
        {"{\"a\":1,\"a\":2}", "{\"a\":1,\"a\":2}"},
        {"[1 2]", Error("数组缺少逗号或右方括号", 4)},
        {"[1", Error("数组缺少逗号或右方括号", 3)},
        {"[", Error("内容意外结束", 2)},
        {"{1:2}", Error("对象的键必须是字符串", 2)},
        {"{\"a\" 1}", Error("缺少冒号", 6)},
        {"{\"a\":1 \"b\":2}", Error("对象缺少逗号或右花括号", 8)},
        {"{\"a\":1", Error("对象缺少逗号或右花括号", 7)},
        {"{} x", Error("JSON 结尾有多余内容", 4)},
        {Nested(24), Nested(24)},
        {Nested(25), Error("嵌套层级过深", 26)},
        // Literals.
        {"[true,false,null]", "[true,false,null]"},
        {"True", Error("无法识别的值", 1)},
        {"nul", Error("无法识别的值", 1)},
        {"'a'", Error("无法识别的值", 1)},
        // Numbers.
        {"01", Error("JSON 结尾有多余内容", 2)},
        {"-", Error("数字格式错误", 2)},
        {"-a", Error("数字格式错误", 2)},
        {"1.", Error("数字格式错误", 3)},
        {"1.e5", Error("数字格式错误", 3)},
        {"1e", Error("数字格式错误", 3)},
        {"1e+", Error("数字格式错误", 4)},
        {"1.5e2", "150"},
        {"-12.25E-1", "-1.225"},
        {"1e400", Error("数字超出范围", 6)},
        {"-1e400", Error("数字超出范围", 7)},
        {"1e-400", "0"},
        {"0e999", "0"},
        {"-0", "-0"},
        {"1e00000000000000000000000000000000000000000000000000000000000002", "100"},
        {"1e000000000000000000000000000000000000000000000000000000000000002",
         Error("数字过长", 66)},
        // Digits past the 19th only raise the exponent: all three are built
        // as 1234567890123456789 times 10^4.
        {"12345678901234567890123", "1.234567890123457e+22"},
        {"12345678901234567899999", "1.234567890123457e+22"},
        {"1234567890123456789e4", "1.234567890123457e+22"},
        {"0.5", "0.5"},
        // Strings and escapes.
        {"\"\\uD83D\\uDE00\"", "\"\\xF0\\x9F\\x98\\x80\""},
        {"\"\\uD83D\"", Error("UTF-16 代理对不完整", 8)},
        {"\"\\uD83Dx\"", Error("UTF-16 代理对不完整", 8)},
        {"\"\\uD83D\\u0041\"", Error("UTF-16 代理对无效", 14)},
        {"\"\\uDE00\"", Error("UTF-16 代理对无效", 8)},
        {"\"\\u0000\\u00e9\\u4E2D\"", "\"\\x00\\xC3\\xA9\\xE4\\xB8\\xAD\""},
        {"\"\\/\\b\\f\\n\\r\\t\\\"\\\\\"", "\"/\\x08\\x0C\\x0A\\x0D\\x09\"\\\""},
        {"\"\\q\"", Error("未知的转义字符", 4)},
        {"\"\\", Error("转义不完整", 3)},
        {"\"\\u12\"", Error("\\u 转义不完整", 4)},
        {"\"\\u12G4\"", Error("\\u 转义含非十六进制字符", 7)},
        {"\"abc", Error("字符串没有结束引号", 5)},
        {"\"a\tb\"", Error("字符串里有未转义的控制字符", 4)},
        {"\"\xE4\xB8\xAD\"", "\"\\xE4\\xB8\\xAD\""},
        {"\"\xC0\x80\"", Error("字符串不是有效的 UTF-8", 3)},
        {"\"\xF8\"", Error("字符串不是有效的 UTF-8", 3)},
        {"\"\xE4\xB8\"", Error("字符串不是有效的 UTF-8", 3)},
        {"\"\xF0\x9F\x98", Error("字符串不是有效的 UTF-8", 3)},
        // Only lead range and continuation form are checked: an encoded
        // surrogate passes.
        {"\"\xED\xA0\x80\"", "\"\\xED\\xA0\\x80\""},
        // A byte-order mark is skipped but counts in positions.
        {kBom + "[1]", "[1]"},
        {kBom + "{\"a\" 1}", Error("缺少冒号", 9)},
        {kBom, Error("内容意外结束", 4)},
        {"\xEF\xBB", Error("无法识别的值", 1)},
    };
    for (const JsonCase& c : cases) {
        JsonValue value;
        std::string error;
        const bool ok = ParseJson(c.input, value, error);
        const std::string actual = ok ? Describe(value) : "error: " + error;
        EXPECT_EQ(actual, c.expected) << "input: " << c.input;
        EXPECT_EQ(ok, error.empty()) << "input: " << c.input;
    }
}

TEST(JsonReaderTest, NumberOfSixtyFourBytesParsesAndSixtyFiveFails) {
    const std::string digits64 = "-" + std::string(63, '1');
    JsonValue value;
    std::string error;
    ASSERT_TRUE(ParseJson(digits64, value, error)) << error;
    EXPECT_LT(value.number, -1e62);
    ASSERT_FALSE(ParseJson(digits64 + "1", value, error));
    EXPECT_EQ(error, "不是有效的 JSON：数字过长（第 66 字节附近）");
}

TEST(JsonReaderTest, LookupFindsLastDuplicateAndNothingOutsideObjects) {
    JsonValue root;
    std::string error;
    ASSERT_TRUE(ParseJson("{\"a\":1,\"b\":[],\"a\":2,\"\":3}", root, error)) << error;
    ASSERT_EQ(root.keys.size(), 4u);
    ASSERT_NE(LookupJson(root, "a"), nullptr);
    EXPECT_EQ(LookupJson(root, "a")->number, 2.0);
    ASSERT_NE(LookupJson(root, ""), nullptr);
    EXPECT_EQ(LookupJson(root, "")->number, 3.0);
    EXPECT_EQ(LookupJson(root, "A"), nullptr);
    EXPECT_EQ(LookupJson(root, std::string_view("a\0", 2)), nullptr);
    EXPECT_EQ(LookupJson(root.items[1], "a"), nullptr);  // an array
    JsonValue empty;
    ASSERT_TRUE(ParseJson("{}", empty, error));
    EXPECT_EQ(LookupJson(empty, "a"), nullptr);
}

TEST(JsonReaderTest, FirstErrorIsKeptThroughUnwinding) {
    JsonValue value;
    std::string error;
    ASSERT_FALSE(ParseJson("[[[{\"k\": tru}]]]", value, error));
    EXPECT_EQ(error, "不是有效的 JSON：无法识别的值（第 10 字节附近）");
}

}  // namespace
