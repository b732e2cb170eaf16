#pragma once

#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

// JSON read by RapidJSON (strictly: one value, valid UTF-8) into a tree the
// tests walk: expected-result files and the command-line report's output.
// Object keys keep their order in keys.
struct JsonValue
{
    enum class Kind { Null, Bool, Number, String, Array, Object } kind = Kind::Null;
    bool boolean = false;
    double number = 0;
    std::string string;   // UTF-8
    std::vector<JsonValue> array;
    std::map<std::string, JsonValue> object;
    std::vector<std::string> keys;

    const JsonValue& operator[](const std::string& key) const
    {
        auto found = object.find(key);
        if (kind != Kind::Object || found == object.end())
            throw std::runtime_error("no key " + key);
        return found->second;
    }
    bool Has(const std::string& key) const { return object.count(key) != 0; }
};

// Throws std::runtime_error on any fault of the text.
JsonValue ParseJson(const std::string& text);
