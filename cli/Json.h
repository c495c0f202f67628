#pragma once
// Just enough JSON writing for the reports: strings and indentation.
#include <string>
#include <string_view>

namespace lumorca::cli {

// A JSON string literal of text that is already UTF-8.
std::string JsonString(std::string_view utf8);
// A JSON string literal of Latin-1 listing text.
std::string JsonLatin1(std::string_view latin1);

}  // namespace lumorca::cli
