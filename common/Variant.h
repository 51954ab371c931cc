#pragma once
// A tagged value: nothing, a 16-bit or 32-bit integer, or a string.
#include <cstdint>
#include <string>
#include <variant>

using Variant = std::variant<std::monostate, int16_t, int32_t, std::string>;

inline bool VariantIsEmpty(const Variant& v) { return std::holds_alternative<std::monostate>(v); }
