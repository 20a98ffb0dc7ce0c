#include "cli/json_text.h"

namespace cli {

std::string JsonString(std::string_view text)
{
    std::string json = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (c == '\n') {
            json += "\\n";
        } else if (c == '\r') {
            json += "\\r";
        } else if (c == '\t') {
            json += "\\t";
        } else if (byte < 0x20 || byte == 0x7F) {
            constexpr std::string_view kHex = "0123456789abcdef";
            json += "\\u00";
            json += kHex[byte >> 4];
            json += kHex[byte & 0xFU];
        } else {
            // UTF-8 passes as it is: JSON texts are UTF-8.
            json += c;
        }
    }
    return json + '"';
}

std::string JsonNumber(values::Decimal value)
{
    return values::DecimalText(value);
}

std::string JsonObject(std::initializer_list<JsonMember> members)
{
    std::string json = "{";
    for (const auto& [key, value] : members) {
        if (json.size() > 1)
            json += ',';
        json += JsonString(key) + ':' + value;
    }
    return json + '}';
}

std::string JsonArray(const std::vector<std::string>& elements)
{
    std::string json = "[";
    for (const std::string& element : elements) {
        if (json.size() > 1)
            json += ',';
        json += element;
    }
    return json + ']';
}

}  // namespace cli
