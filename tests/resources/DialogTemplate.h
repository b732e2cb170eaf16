// An extended dialog template (DLGTEMPLATEEX followed by DLGITEMTEMPLATEEX
// records) read from a dialog resource's bytes.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

// A "string or ordinal" field: a class atom, a resource number or a text.
struct NameOrOrdinal {
    bool isOrdinal = false;
    uint16_t ordinal = 0;
    std::wstring text;

    static NameOrOrdinal Ordinal(uint16_t value) { return {true, value, {}}; }
    static NameOrOrdinal Text(std::wstring value) { return {false, 0, std::move(value)}; }
    bool operator==(const NameOrOrdinal& other) const;
};
std::ostream& operator<<(std::ostream& out, const NameOrOrdinal& value);

struct DialogItem {
    uint32_t helpId = 0;
    uint32_t exStyle = 0;
    uint32_t style = 0;
    int16_t x = 0, y = 0, cx = 0, cy = 0;
    int32_t id = 0;
    NameOrOrdinal windowClass;
    NameOrOrdinal title;
    uint16_t extraCount = 0;
};

struct DialogTemplate {
    uint16_t version = 0;
    uint16_t signature = 0;
    uint32_t helpId = 0;
    uint32_t exStyle = 0;
    uint32_t style = 0;
    int16_t x = 0, y = 0, cx = 0, cy = 0;
    NameOrOrdinal menu;
    NameOrOrdinal windowClass;
    std::wstring title;
    // Present when the style has DS_SETFONT.
    uint16_t pointSize = 0;
    uint16_t weight = 0;
    uint8_t italic = 0;
    uint8_t charset = 0;
    std::wstring typeface;
    std::vector<DialogItem> items;
};

// Throws std::invalid_argument for a template that is not extended and
// std::out_of_range for one that ends early.
DialogTemplate ParseDialogTemplate(const std::string& bytes);
