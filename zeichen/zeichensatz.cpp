#include "zeichen/zeichensatz.h"

#include <algorithm>
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

// Liest ein UTF-8-Zeichen ab Pos; bei ungueltiger Folge 0xFFFFFFFF und Laenge 1.
struct TUtf8Zeichen {
  char32_t Zeichen;
  std::size_t Laenge;
};
constexpr char32_t Ungueltig = 0xFFFFFFFF;

TUtf8Zeichen Utf8Lesen(std::string_view T, std::size_t Pos)
{
  const TUtf8Folge Folge = Utf8Folge(T.substr(Pos));
  return Folge.Laenge > 0 ? TUtf8Zeichen{Folge.Zeichen, static_cast<std::size_t>(Folge.Laenge)}
                          : TUtf8Zeichen{Ungueltig, 1};
}

// Erste Ziffer (Wert 0) jeder Folge von Dezimalziffern ausser ASCII (Unicode 14, Kategorie Nd);
// jede Folge hat zehn Zeichen in Reihe.
constexpr std::array<char32_t, 65> Nullen = {
    0x660,   0x6f0,   0x7c0,   0x966,   0x9e6,   0xa66,   0xae6,   0xb66,   0xbe6,   0xc66,   0xce6,   0xd66,   0xde6,
    0xe50,   0xed0,   0xf20,   0x1040,  0x1090,  0x17e0,  0x1810,  0x1946,  0x19d0,  0x1a80,  0x1a90,  0x1b50,  0x1bb0,
    0x1c40,  0x1c50,  0xa620,  0xa8d0,  0xa900,  0xa9d0,  0xa9f0,  0xaa50,  0xabf0,  0xff10,  0x104a0, 0x10d30, 0x11066,
    0x110f0, 0x11136, 0x111d0, 0x112f0, 0x11450, 0x114d0, 0x11650, 0x116c0, 0x11730, 0x118e0, 0x11950, 0x11c50, 0x11d50,
    0x11da0, 0x16a60, 0x16ac0, 0x16b50, 0x1d7ce, 0x1d7d8, 0x1d7e2, 0x1d7ec, 0x1d7f6, 0x1e140, 0x1e2f0, 0x1e950, 0x1fbf0,
};

struct TBereich {
  char32_t Von, Bis;
};
// Leerzeichen (Zs) und Striche (Pd, dazu das Minuszeichen), soweit nicht in Windows-1252
constexpr std::array<TBereich, 5> Leerzeichen = {
    {{0x1680, 0x1680}, {0x2000, 0x200a}, {0x202f, 0x202f}, {0x205f, 0x205f}, {0x3000, 0x3000}}};
// Pfeile, Rahmen- und Blockzeichen, geometrische Formen, Symbole und Dingbats der Grundebene
// ("✓", "→", "●", "│" aus eingefuegten Listen und Tabellen): sie stehen zwischen Angaben, nie in
// einer Nummer (Emoji ausserhalb der Grundebene bleiben verdaechtig)
constexpr std::array<TBereich, 2> Symbole = {{{0x2190, 0x21ff}, {0x2500, 0x27bf}}};
constexpr std::array<TBereich, 5> Striche = {
    {{0x2010, 0x2015}, {0x2212, 0x2212}, {0xfe58, 0xfe58}, {0xfe63, 0xfe63}, {0x2e3a, 0x2e3b}}};
struct TAnfuehrung {
  char32_t Von, Bis;
  char Ersatz;
};
constexpr std::array<TAnfuehrung, 10> Anfuehrungen = {{{0x2032, 0x2032, '\''},
                                                       {0x2033, 0x2034, '"'},
                                                       {0x2035, 0x2035, '\''},
                                                       {0x2036, 0x2037, '"'},
                                                       {0x201B, 0x201B, '\''},
                                                       {0x201F, 0x201F, '"'},
                                                       {0x02B9, 0x02B9, '\''},
                                                       {0x02BA, 0x02BA, '"'},
                                                       {0x02BB, 0x02BC, '\''},
                                                       {0x02DD, 0x02DD, '"'}}};
// Formatzeichen (Cf) ohne den weichen Trennstrich, der in Windows-1252 steht
constexpr std::array<TBereich, 20> Formatzeichen = {{
    {0x600, 0x605},     {0x61c, 0x61c},     {0x6dd, 0x6dd},     {0x70f, 0x70f},     {0x890, 0x891},
    {0x8e2, 0x8e2},     {0x180e, 0x180e},   {0x200b, 0x200f},   {0x202a, 0x202e},   {0x2060, 0x2064},
    {0x2066, 0x206f},   {0xfeff, 0xfeff},   {0xfff9, 0xfffb},   {0x110bd, 0x110bd}, {0x110cd, 0x110cd},
    {0x13430, 0x13438}, {0x1bca0, 0x1bca3}, {0x1d173, 0x1d17a}, {0xe0001, 0xe0001}, {0xe0020, 0xe007f},
}};
// Grundbuchstaben von U+0100..U+017F (Latin Extended-A)
constexpr std::string_view LateinErweitertA =
    "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIiIiJjKkkLlLlLlLlLlNnNnNnnNnOoOoOoOoRrRrRrSsSsSsSsTtTtTt"
    "UuUuUuUuUuUuWwYyYZzZzZzs";

// Griechisch (U+0386..U+03CE) und Kyrillisch (U+0400..U+045F) lateinisch umschrieben, ein
// Buchstabe je Buchstabe (ELOT 743 und ISO 9 ohne Akzent, Haerte- und Weichheitszeichen als J),
// damit Reihen wie "CS7-005" (kyrillisch geschrieben) und Woerter in Bildtexten Woerter bleiben; "." ist kein
// Buchstabe.
constexpr std::string_view Griechisch = "A.EII.O.YOiABGDEZITIKLMNXOPR.STYFXPOIYaeiiyabgdezitiklmnxoprsstyfxpoiyoyo";
constexpr std::string_view Kyrillisch =
    "EEDGEZIIJLNCKIUDABVGDEZZIJKLMNOPRSTUFHCCSSJYJEUAabvgdezzijklmnoprstufhccssjyjeua"
    "eedgeziijlnckiud";

char Umschrift(char32_t Zeichen)
{
  if (Zeichen >= 0x386 && Zeichen < 0x386 + Griechisch.size() && Griechisch[Zeichen - 0x386] != '.')
    return Griechisch[Zeichen - 0x386];
  if (Zeichen >= 0x400 && Zeichen < 0x400 + Kyrillisch.size())
    return Kyrillisch[Zeichen - 0x400];
  return 0;
}

template <std::size_t N>
bool In(const std::array<TBereich, N>& Bereiche, char32_t Zeichen)
{
  return std::any_of(Bereiche.begin(), Bereiche.end(),
                     [Zeichen](const TBereich& B) { return Zeichen >= B.Von && Zeichen <= B.Bis; });
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
  std::string Ergebnis;
  for (const char32_t Zeichen : UnicodeZeichen(Bytes, GrossEndian ? TKennung::Utf16BE : TKennung::Utf16LE))
    Ergebnis.push_back(UnicodeNachCp1252(Zeichen));
  return Ergebnis;
}

TKennungAmAnfang KennungAmAnfang(std::string_view Anfang)
{
  if (Anfang.starts_with(Utf8Kennung))
    return {TKennung::Utf8, Utf8Kennung.size()};
  if (Anfang.starts_with("\377\376"))
    return {TKennung::Utf16LE, 2};
  if (Anfang.starts_with("\376\377"))
    return {TKennung::Utf16BE, 2};
  return {TKennung::Keine, 0};
}

TKennung Utf16OhneKennung(std::string_view Anfang)
{
  constexpr std::size_t Probe = 4096;
  const std::size_t Einheiten = std::min(Anfang.size(), Probe) / 2;
  std::size_t NullHinten = 0, NullVorn = 0;  // Byte 2 bzw. Byte 1 der Einheit null, das andere nicht
  for (std::size_t I = 0; I < Einheiten; ++I) {
    const bool Erstes = Anfang[2 * I] == '\0', Zweites = Anfang[2 * I + 1] == '\0';
    NullHinten += Zweites && !Erstes;
    NullVorn += Erstes && !Zweites;
  }
  if (Einheiten >= 2 && NullHinten * 2 > Einheiten && NullVorn == 0)
    return TKennung::Utf16LE;
  if (Einheiten >= 2 && NullVorn * 2 > Einheiten && NullHinten == 0)
    return TKennung::Utf16BE;
  return TKennung::Keine;
}

bool IstRichtungszeichen(char32_t Zeichen)
{
  return Zeichen == 0x061C || Zeichen == 0x200E || Zeichen == 0x200F || (Zeichen >= 0x202A && Zeichen <= 0x202E) ||
         (Zeichen >= 0x2066 && Zeichen <= 0x2069);
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

std::u32string UnicodeZeichen(std::string_view Bytes, TKennung Kennung)
{
  std::u32string Ergebnis;
  if (Kennung == TKennung::Utf16LE || Kennung == TKennung::Utf16BE) {
    const auto Einheit = [&](std::size_t I) -> char32_t {
      const auto A = static_cast<unsigned char>(Bytes[2 * I]);
      const auto B = static_cast<unsigned char>(Bytes[2 * I + 1]);
      return Kennung == TKennung::Utf16BE ? (char32_t{A} << 8) | B : (char32_t{B} << 8) | A;
    };
    const std::size_t Anzahl = Bytes.size() / 2;  // ein ueberzaehliges Byte faellt weg
    for (std::size_t I = 0; I < Anzahl; ++I) {
      char32_t Zeichen = Einheit(I);
      if (Zeichen >= 0xD800 && Zeichen <= 0xDBFF && I + 1 < Anzahl && Einheit(I + 1) >= 0xDC00 &&
          Einheit(I + 1) <= 0xDFFF) {
        Zeichen = 0x10000 + ((Zeichen - 0xD800) << 10) + (Einheit(I + 1) - 0xDC00);
        ++I;
      }
      Ergebnis.push_back(Zeichen >= 0xD800 && Zeichen <= 0xDFFF ? 0xFFFD : Zeichen);
    }
  } else if (Kennung == TKennung::Utf8 || IstMehrbyteUtf8(Bytes)) {
    for (std::size_t Pos = 0; Pos < Bytes.size();) {
      const auto [Zeichen, Laenge] = Utf8Lesen(Bytes, Pos);
      Ergebnis.push_back(Zeichen == Ungueltig ? 0xFFFD : Zeichen);
      Pos += Laenge;
    }
  } else {
    for (const char Byte : Bytes)
      Ergebnis.push_back(Cp1252NachUnicode(static_cast<unsigned char>(Byte)));
  }
  return Ergebnis;
}

TFremdZeichen FremdZeichen(char32_t Zeichen)
{
  const auto Null = std::upper_bound(Nullen.begin(), Nullen.end(), Zeichen);
  if (Null != Nullen.begin() && Zeichen - *(Null - 1) < 10)
    return {TFremdArt::Ziffer, static_cast<char>('0' + (Zeichen - *(Null - 1)))};
  if (In(Leerzeichen, Zeichen) || In(Symbole, Zeichen))
    return {TFremdArt::Leerraum, ' '};
  if (In(Striche, Zeichen))
    return {TFremdArt::Strich, '-'};
  if (In(Formatzeichen, Zeichen))
    return {TFremdArt::Format, 0};
  if (Zeichen >= 0xFF01 && Zeichen <= 0xFF5E)
    return {TFremdArt::Breitform, static_cast<char>(Zeichen - 0xFF01 + 0x21)};
  // Striche und Anfuehrungszeichen ausserhalb von Windows-1252, wie Texte sie setzen: Minuten und
  // Sekunden fuer die Achsfolge ("Co′Co′"), Modifikatoren und der Doppelakut als Anfuehrung
  // ("˝Marijana˝"), die umgekehrten Anfuehrungszeichen
  for (const auto& [Von, Bis, Ersatz] : Anfuehrungen)
    if (Zeichen >= Von && Zeichen <= Bis)
      return {TFremdArt::Anfuehrung, Ersatz};
  if (Zeichen >= 0x100 && Zeichen < 0x100 + LateinErweitertA.size())
    return {TFremdArt::Buchstabe, LateinErweitertA[Zeichen - 0x100]};
  // rumaenisch mit Komma darunter (U+0218..U+021B): "Targu Mures" mit s-Komma ist S und T ohne Akzent
  if (Zeichen >= 0x218 && Zeichen <= 0x21B)
    return {TFremdArt::Buchstabe, "SsTt"[Zeichen - 0x218]};
  if (const char Lateinisch = Umschrift(Zeichen); Lateinisch != 0)
    return {TFremdArt::Umschrift, Lateinisch};
  return {TFremdArt::Anderes, 0};
}

std::string CodepunktText(char32_t Zeichen)
{
  constexpr std::string_view Hex = "0123456789ABCDEF";
  std::string Text;
  for (int Stelle = Zeichen > 0xFFFF ? 5 : 4; Stelle-- > 0;)
    Text.push_back(Hex[(Zeichen >> (4 * Stelle)) & 0xF]);
  return "U+" + Text;
}

std::string Utf16NachUtf8(std::string_view Bytes, TKennung Kennung)
{
  std::string Ergebnis;
  for (const char32_t Zeichen : UnicodeZeichen(Bytes, Kennung))
    Utf8Anhaengen(Ergebnis, Zeichen);
  return Ergebnis;
}

std::size_t ZeichenAnfang(std::string_view Bytes, TKennung Kennung, std::size_t Anzahl)
{
  if (Kennung != TKennung::Utf8 && !IstMehrbyteUtf8(Bytes))
    return std::min(Anzahl, Bytes.size());
  std::size_t Pos = 0;
  for (std::size_t Gezaehlt = 0; Gezaehlt < Anzahl && Pos < Bytes.size(); ++Gezaehlt)
    Pos += Utf8Lesen(Bytes, Pos).Laenge;
  return Pos;
}

std::string_view OhneAngeschnittenes(std::string_view Bytes)
{
  for (std::size_t Zurueck = 1; Zurueck <= 3 && Zurueck <= Bytes.size(); ++Zurueck) {
    const auto Byte = static_cast<unsigned char>(Bytes[Bytes.size() - Zurueck]);
    if ((Byte & 0xC0) == 0x80)
      continue;  // Folgebyte: weiter zurueck zum Anfang des Zeichens
    const std::size_t Laenge = Byte >= 0xF0 ? 4 : Byte >= 0xE0 ? 3 : Byte >= 0xC0 ? 2 : 1;
    return Laenge > Zurueck ? Bytes.substr(0, Bytes.size() - Zurueck) : Bytes;
  }
  return Bytes;
}

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

TUtf8Folge Utf8Folge(std::string_view Text)
{
  if (Text.empty())
    return {Utf8Unvollstaendig, 0};
  const auto Erstes = static_cast<unsigned char>(Text[0]);
  if (Erstes < 0x80)
    return {1, Erstes};
  int Laenge = 0;
  char32_t Zeichen = 0;
  unsigned char Kleinstes = 0x80;
  unsigned char Groesstes = 0xBF;
  if (Erstes >= 0xC2 && Erstes <= 0xDF) {
    Laenge = 2;
    Zeichen = Erstes & 0x1Fu;
  } else if (Erstes >= 0xE0 && Erstes <= 0xEF) {
    Laenge = 3;
    Zeichen = Erstes & 0x0Fu;
    Kleinstes = Erstes == 0xE0 ? 0xA0 : 0x80;
    Groesstes = Erstes == 0xED ? 0x9F : 0xBF;
  } else if (Erstes >= 0xF0 && Erstes <= 0xF4) {
    Laenge = 4;
    Zeichen = Erstes & 0x07u;
    Kleinstes = Erstes == 0xF0 ? 0x90 : 0x80;
    Groesstes = Erstes == 0xF4 ? 0x8F : 0xBF;
  } else {
    return {Utf8Ungueltig, 0};
  }
  for (int I = 1; I < Laenge; ++I) {
    if (static_cast<std::size_t>(I) >= Text.size())
      return {Utf8Unvollstaendig, 0};
    const auto Byte = static_cast<unsigned char>(Text[static_cast<std::size_t>(I)]);
    if (Byte < Kleinstes || Byte > Groesstes)
      return {Utf8Ungueltig, 0};
    Kleinstes = 0x80;
    Groesstes = 0xBF;
    Zeichen = (Zeichen << 6) | (Byte & 0x3Fu);
  }
  return {Laenge, Zeichen};
}
