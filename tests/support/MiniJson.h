#pragma once

#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

// Just enough JSON reading for the tests: expected-result files and the
// command-line report's output.
struct JsonValue
{
    enum class Kind { Null, Bool, Number, String, Array, Object } kind = Kind::Null;
    bool boolean = false;
    double number = 0;
    std::string string;   // UTF-8
    std::vector<JsonValue> array;
    std::map<std::string, JsonValue> object;

    const JsonValue& operator[](const std::string& key) const
    {
        auto found = object.find(key);
        if (kind != Kind::Object || found == object.end())
            throw std::runtime_error("no key " + key);
        return found->second;
    }
    bool Has(const std::string& key) const { return object.count(key) != 0; }
};

JsonValue ParseJson(const std::string& text);
