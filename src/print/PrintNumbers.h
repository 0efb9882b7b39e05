#pragma once
// Numbers typed into the page-setting and print boxes.
#include <optional>
#include <string>

namespace posmod {

// A sign, digits with an optional decimal point, an optional exponent ("-1.5e3", ".5", "7."),
// nothing else: no blanks, "inf", "nan" or hexadecimal. A number too large for a double is
// +/-infinity, one too small 0.
std::optional<double> NumericText_Value(const std::string& text);
// As NumericText_Value for a single-precision box: a number beyond its range is no number.
std::optional<float> MarginText_Value(const std::string& text);

// To the nearest whole number, halves to the even one (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
double RoundHalfEven(double v);

// Plain decimal text of a box's stored value: whole numbers without a point, others in the
// shortest form that reads back to the same single-precision value.
std::string SingleText(float v);

} // namespace posmod
