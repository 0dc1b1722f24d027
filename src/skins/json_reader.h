#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum class JsonKind : std::int32_t {
    Null = 0,
    Boolean = 1,
    Number = 2,
    String = 3,
    Array = 4,
    Object = 5
};

// One node of a parsed document. Objects keep their members in document
// order, duplicates included: keys[i] names items[i].
struct JsonValue {
    JsonKind kind = JsonKind::Null;
    bool boolean = false;
    double number = 0.0;
    std::string text;  // UTF-8; may hold NUL bytes from \u0000
    std::vector<JsonValue> items;
    std::vector<std::string> keys;
};

// Parses a whole buffer strictly. On failure returns false and sets error
// to a user-facing message naming the fault and its byte position; value is
// then incomplete and must not be used.
bool ParseJson(std::string_view bytes, JsonValue& value, std::string& error);

// The member called name, the last one of duplicates; null when the node is
// not an object or has no such member.
const JsonValue* LookupJson(const JsonValue& object, std::string_view name);
