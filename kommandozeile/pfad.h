#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// Pfad aus einem UTF-8-Argument. Unter mingw laese path(std::string) die Bytes in der
// ANSI-Codepage, "C:\Modellbahn\Łódź" waere dann nicht zu finden; char8_t gilt dort als UTF-8.
// Unter Linux sind es dieselben Bytes.
inline std::filesystem::path PfadAusUtf8(std::string_view Utf8)
{
  return std::filesystem::path(std::u8string(Utf8.begin(), Utf8.end()));
}
