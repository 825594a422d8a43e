#include "zeichen/text.h"

#include "zeichen/zeichensatz.h"

#include <algorithm>

std::string Sichtbar(std::string_view Cp1252)
{
  std::string Ergebnis;
  Ergebnis.reserve(Cp1252.size());
  for (const char Zeichen : Cp1252) {
    const auto Byte = static_cast<unsigned char>(Zeichen);
    if ((Byte < 0x20 && Zeichen != '\t') || Byte == 0x7F)
      Ergebnis.append({'^', static_cast<char>(Byte ^ 0x40)});
    else if (Cp1252NachUnicode(Byte) >= 0x80 && Cp1252NachUnicode(Byte) < 0xA0)
      Ergebnis.push_back('?');
    else
      Ergebnis.push_back(Zeichen);
  }
  return Ergebnis;
}

std::string CsvFeld(const std::string& Text)
{
  // Tabellenkalkulationen fuehren eine Zelle, die so beginnt, als Formel aus; das Hochkomma
  // davor macht sie zu Text (Empfehlung von OWASP zur CSV-Injektion).
  const bool Formel = !Text.empty() && std::string_view("=+-@\t\r").find(Text.front()) != std::string_view::npos;
  if (!Formel && Text.find_first_of(";\"\r\n") == std::string::npos &&
      (Text.empty() || (Text.front() != ' ' && Text.back() != ' ')))
    return Text;
  std::string Feld = Formel ? "\"'" : "\"";
  for (const char Zeichen : Text) {
    if (Zeichen == '"')
      Feld += '"';
    Feld += Zeichen;
  }
  return Feld + "\"";
}

std::string OhneRand(std::string_view Text)
{
  const auto Erstes = Text.find_first_not_of(" \t");
  if (Erstes == std::string_view::npos)
    return {};
  return std::string(Text.substr(Erstes, Text.find_last_not_of(" \t") - Erstes + 1));
}

bool NurZiffern(std::string_view Text)
{
  return !Text.empty() && std::all_of(Text.begin(), Text.end(), [](char Z) { return Z >= '0' && Z <= '9'; });
}
