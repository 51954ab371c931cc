#pragma once
// Small conversions with the rules the game's files and settings rely on.
#include <cstdint>
#include <optional>
#include <string>

// Leading-number parse: "12abc" gives 12, "abc" gives 0, " -2.5" gives -2.5.
double Val(const std::string& s);

// True when the whole trimmed text is a number.
bool IsNumeric(const std::string& s);

// Nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double RoundHalfEven(double v);

// RoundHalfEven into 16 bits; nullopt on overflow.
std::optional<int16_t> ToInt16(double v);

std::string Trim(const std::string& s);
std::string UCase(const std::string& s);
std::string LCase(const std::string& s);

// Shortest decimal text that reads back to the same 32-bit float, with a period.
std::string FloatToText(float v);
