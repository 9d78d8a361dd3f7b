#pragma once
// The value kind of the shared tables: empty until first written, then a text or a
// 16-bit integer, whichever was stored last. Empty reads as "" and as 0.
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

class Variant {
public:
    Variant() = default;
    Variant(const char* text) : value_(std::string(text)) {}
    Variant(std::string text) : value_(std::move(text)) {}
    Variant(std::string_view text) : value_(std::string(text)) {}
    // Integers beyond 16 bits never occur in the system; they are kept at the nearest bound.
    Variant(int number) : value_(clamp16(number)) {}

    bool isEmpty() const { return std::holds_alternative<std::monostate>(value_); }
    bool isText() const { return std::holds_alternative<std::string>(value_); }
    bool isInteger() const { return std::holds_alternative<std::int16_t>(value_); }

    // The value where a text is expected: "" when empty, decimal digits for an integer.
    std::string text() const;
    // The value where a number is expected: 0 when empty; a text that is not a whole
    // number reads as 0.
    int number() const;

    friend bool operator==(const Variant& a, const Variant& b);
    friend bool operator==(const Variant& a, std::string_view b) { return a == Variant(b); }
    friend bool operator==(const Variant& a, const char* b) { return a == Variant(b); }
    friend bool operator==(const Variant& a, const std::string& b) { return a == Variant(b); }
    friend bool operator==(const Variant& a, int b) { return a == Variant(b); }

private:
    static std::int16_t clamp16(int n) {
        return static_cast<std::int16_t>(n < INT16_MIN ? INT16_MIN : n > INT16_MAX ? INT16_MAX : n);
    }
    std::variant<std::monostate, std::string, std::int16_t> value_;
};
