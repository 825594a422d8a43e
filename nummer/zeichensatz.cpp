#include "nummer/zeichensatz.h"

#include <array>
#include <cstdint>
#include <utility>

namespace {

// Belegung von 0x80..0x9F; 0 = unbelegt.
constexpr std::array<char16_t, 32> Bereich80 = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

void Utf8Anhaengen(std::string& Ziel, char32_t Z)
{
  auto B = [&Ziel](std::uint32_t Wert) { Ziel.push_back(static_cast<char>(Wert)); };
  if (Z < 0x80) {
    B(Z);
  } else if (Z < 0x800) {
    B(0xC0 | (Z >> 6));
    B(0x80 | (Z & 0x3F));
  } else if (Z < 0x10000) {
    B(0xE0 | (Z >> 12));
    B(0x80 | ((Z >> 6) & 0x3F));
    B(0x80 | (Z & 0x3F));
  } else {
    B(0xF0 | (Z >> 18));
    B(0x80 | ((Z >> 12) & 0x3F));
    B(0x80 | ((Z >> 6) & 0x3F));
    B(0x80 | (Z & 0x3F));
  }
}

// Liest ein UTF-8-Zeichen ab Pos; bei ungueltiger Folge 0xFFFFFFFF und Laenge 1.
struct TUtf8Zeichen {
  char32_t Zeichen;
  std::size_t Laenge;
};
constexpr char32_t Ungueltig = 0xFFFFFFFF;

TUtf8Zeichen Utf8Lesen(std::string_view T, std::size_t Pos)
{
  const auto Byte = [&T](std::size_t I) { return static_cast<unsigned char>(T[I]); };
  const unsigned char Erstes = Byte(Pos);
  if (Erstes < 0x80)
    return {Erstes, 1};
  std::size_t Laenge = 0;
  char32_t Z = 0;
  char32_t Mindestens = 0;
  if (Erstes >= 0xC2 && Erstes <= 0xDF) {
    Laenge = 2;
    Z = Erstes & 0x1Fu;
    Mindestens = 0x80;
  } else if (Erstes >= 0xE0 && Erstes <= 0xEF) {
    Laenge = 3;
    Z = Erstes & 0x0Fu;
    Mindestens = 0x800;
  } else if (Erstes >= 0xF0 && Erstes <= 0xF4) {
    Laenge = 4;
    Z = Erstes & 0x07u;
    Mindestens = 0x10000;
  } else {
    return {Ungueltig, 1};
  }
  if (Pos + Laenge > T.size())
    return {Ungueltig, 1};
  for (std::size_t I = 1; I < Laenge; ++I) {
    const unsigned char Folge = Byte(Pos + I);
    if ((Folge & 0xC0) != 0x80)
      return {Ungueltig, 1};
    Z = (Z << 6) | (Folge & 0x3Fu);
  }
  if (Z < Mindestens || Z > 0x10FFFF || (Z >= 0xD800 && Z <= 0xDFFF))
    return {Ungueltig, 1};
  return {Z, Laenge};
}

}  // namespace

char32_t Cp1252NachUnicode(unsigned char Byte)
{
  if (Byte >= 0x80 && Byte < 0xA0 && Bereich80[Byte - 0x80] != 0)
    return Bereich80[Byte - 0x80];
  return Byte;
}

char UnicodeNachCp1252(char32_t Zeichen)
{
  if (Zeichen < 0x80 || (Zeichen >= 0xA0 && Zeichen <= 0xFF))
    return static_cast<char>(Zeichen);
  for (std::size_t I = 0; I < Bereich80.size(); ++I)
    if (Bereich80[I] != 0 && Bereich80[I] == Zeichen)
      return static_cast<char>(0x80 + I);
  return '?';
}

std::string Cp1252NachUtf8(std::string_view Text)
{
  std::string Ergebnis;
  Ergebnis.reserve(Text.size() + Text.size() / 8);
  for (const char Zeichen : Text)
    Utf8Anhaengen(Ergebnis, Cp1252NachUnicode(static_cast<unsigned char>(Zeichen)));
  return Ergebnis;
}

std::string Utf8NachCp1252(std::string_view Text)
{
  std::string Ergebnis;
  Ergebnis.reserve(Text.size());
  for (std::size_t Pos = 0; Pos < Text.size();) {
    const auto [Zeichen, Laenge] = Utf8Lesen(Text, Pos);
    Ergebnis.push_back(Zeichen == Ungueltig ? '?' : UnicodeNachCp1252(Zeichen));
    Pos += Laenge;
  }
  return Ergebnis;
}

bool IstMehrbyteUtf8(std::string_view Text)
{
  bool Mehrbyte = false;
  for (std::size_t Pos = 0; Pos < Text.size();) {
    const auto [Zeichen, Laenge] = Utf8Lesen(Text, Pos);
    if (Zeichen == Ungueltig)
      return false;
    Mehrbyte = Mehrbyte || Laenge > 1;
    Pos += Laenge;
  }
  return Mehrbyte;
}

bool GleichOhneFall(std::string_view A, std::string_view B)
{
  if (A.size() != B.size())
    return false;
  for (std::size_t I = 0; I < A.size(); ++I)
    if (Klein1252(static_cast<unsigned char>(A[I])) != Klein1252(static_cast<unsigned char>(B[I])))
      return false;
  return true;
}

std::string OhneFall(std::string_view Text)
{
  std::string Ergebnis(Text);
  for (char& Z : Ergebnis)
    Z = static_cast<char>(Klein1252(static_cast<unsigned char>(Z)));
  return Ergebnis;
}

std::string Utf16NachCp1252(std::string_view Bytes, bool GrossEndian)
{
  const auto Einheit = [&](std::size_t I) -> char32_t {
    const auto A = static_cast<unsigned char>(Bytes[2 * I]);
    const auto B = static_cast<unsigned char>(Bytes[2 * I + 1]);
    return GrossEndian ? (char32_t{A} << 8) | B : (char32_t{B} << 8) | A;
  };
  const std::size_t Anzahl = Bytes.size() / 2;  // ein ueberzaehliges Byte faellt weg
  std::string Ergebnis;
  Ergebnis.reserve(Anzahl);
  for (std::size_t I = 0; I < Anzahl; ++I) {
    char32_t Z = Einheit(I);
    if (Z >= 0xD800 && Z <= 0xDBFF && I + 1 < Anzahl) {
      const char32_t Tief = Einheit(I + 1);
      if (Tief >= 0xDC00 && Tief <= 0xDFFF) {
        Z = 0x10000 + ((Z - 0xD800) << 10) + (Tief - 0xDC00);
        ++I;
      }
    }
    Ergebnis.push_back((Z >= 0xD800 && Z <= 0xDFFF) ? '?' : UnicodeNachCp1252(Z));
  }
  return Ergebnis;
}

TKennungAmAnfang KennungAmAnfang(std::string_view Anfang)
{
  if (Anfang.starts_with("\357\273\277"))
    return {TKennung::Utf8, 3};
  if (Anfang.starts_with("\377\376"))
    return {TKennung::Utf16LE, 2};
  if (Anfang.starts_with("\376\377"))
    return {TKennung::Utf16BE, 2};
  return {TKennung::Keine, 0};
}

std::string NachCp1252(std::string Bytes, TKennung Kennung)
{
  switch (Kennung) {
    case TKennung::Utf16LE:
    case TKennung::Utf16BE:
      return Utf16NachCp1252(Bytes, Kennung == TKennung::Utf16BE);
    case TKennung::Utf8:
      return Utf8NachCp1252(Bytes);
    case TKennung::Keine:
      break;
  }
  return IstMehrbyteUtf8(Bytes) ? Utf8NachCp1252(Bytes) : std::move(Bytes);
}
