// Conversion between UTF-8 (windows, terminal) and Windows-1252 (stores, files).
#pragma once
#include <optional>
#include <string>

namespace vrek {

std::string cp1252ToUtf8(const std::string &bytes);
// Empty optional when some character has no Windows-1252 byte.
std::optional<std::string> utf8ToCp1252(const std::string &utf8);
// Code point -> Windows-1252 byte, or -1.
int cp1252Byte(char32_t cp);

}  // namespace vrek
