#include "tests/support/JsonTree.h"

#include <rapidjson/document.h>
#include <rapidjson/error/en.h>

namespace {

JsonValue Convert(const rapidjson::Value& from)
{
    JsonValue to;
    switch (from.GetType()) {
    case rapidjson::kNullType:
        break;
    case rapidjson::kFalseType:
    case rapidjson::kTrueType:
        to.kind = JsonValue::Kind::Bool;
        to.boolean = from.GetBool();
        break;
    case rapidjson::kNumberType:
        to.kind = JsonValue::Kind::Number;
        to.number = from.GetDouble();
        break;
    case rapidjson::kStringType:
        to.kind = JsonValue::Kind::String;
        to.string.assign(from.GetString(), from.GetStringLength());
        break;
    case rapidjson::kArrayType:
        to.kind = JsonValue::Kind::Array;
        for (const rapidjson::Value& item : from.GetArray())
            to.array.push_back(Convert(item));
        break;
    case rapidjson::kObjectType:
        to.kind = JsonValue::Kind::Object;
        for (const auto& member : from.GetObject()) {
            std::string key(member.name.GetString(), member.name.GetStringLength());
            if (!to.object.emplace(key, Convert(member.value)).second)
                throw std::runtime_error("JSON: key " + key + " twice");
            to.keys.push_back(key);
        }
        break;
    }
    return to;
}

} // namespace

JsonValue ParseJson(const std::string& text)
{
    rapidjson::Document document;
    document.Parse<rapidjson::kParseValidateEncodingFlag | rapidjson::kParseFullPrecisionFlag>(text.data(), text.size());
    if (document.HasParseError())
        throw std::runtime_error(std::string("JSON: ") + rapidjson::GetParseError_En(document.GetParseError())
                                 + " at " + std::to_string(document.GetErrorOffset()));
    return Convert(document);
}
