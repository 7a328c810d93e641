// Splitting the level's little texts (placements, hit boxes, descriptions) into their fields.
// Empty fields are kept, so "a::b" has three fields and "" has one empty field.
#pragma once
#include <string>
#include <vector>

std::vector<std::string> splitFields(const std::string& text, char separator);
std::string lowerCase(std::string text);
// A decimal number ("1.5", "2", "-0.25"), or `fallback` when the whole text is not one.
double parseNumberOr(const std::string& text, double fallback);
