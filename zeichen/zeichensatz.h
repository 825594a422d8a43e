#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Windows-1252 ist der Zeichensatz aller Texte der Nummernlogik und der Datei "Wagen.ebb".
// Diese Funktionen sind die einzige Stelle, an der zwischen ihm und Unicode gewechselt wird.

// Unicode-Zeichen des Bytes; die fuenf in Windows-1252 unbelegten Bytes
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) ergeben wie unter Windows das gleichnamige Steuerzeichen.
char32_t Cp1252NachUnicode(unsigned char Byte);

// Byte fuer ein Unicode-Zeichen; was Windows-1252 nicht kennt, wird '?'.
char UnicodeNachCp1252(char32_t Zeichen);

// Ganze Texte. Ungueltige UTF-8-Folgen werden je Byte zu '?'.
std::string Cp1252NachUtf8(std::string_view Text);
std::string Utf8NachCp1252(std::string_view Text);

// Meldungen stehen im Quelltext als UTF-8, damit grep sie findet: "Prüfziffer"_cp1252.
inline std::string operator""_cp1252(const char* Text, std::size_t Laenge) { return Utf8NachCp1252({Text, Laenge}); }

// True, wenn der Text gueltiges UTF-8 ist und mindestens ein Mehrbyte-Zeichen enthaelt;
// reines ASCII und typisches Windows-1252 ergeben false.
bool IstMehrbyteUtf8(std::string_view Text);

// Kleinbuchstabe nach Windows-1252: ASCII, A-grave..Thorn ausser dem Malzeichen,
// sowie S/Z mit Hacek, OE-Ligatur und Y mit Trema.
constexpr unsigned char Klein1252(unsigned char Z)
{
  if ((Z >= 'A' && Z <= 'Z') || (Z >= 0xC0 && Z <= 0xDE && Z != 0xD7))
    return static_cast<unsigned char>(Z + 0x20);
  if (Z == 0x8A || Z == 0x8C || Z == 0x8E)
    return static_cast<unsigned char>(Z + 0x10);  // S mit Hacek, OE, Z mit Hacek
  return Z == 0x9F ? 0xFF : Z;                    // Y mit Trema
}

// Gross- bzw. Kleinbuchstabe nach Windows-1252 (ohne die seltenen Kleinbuchstaben auf 0x9A..0x9F).
constexpr bool IstGross1252(char Zeichen)
{
  return Klein1252(static_cast<unsigned char>(Zeichen)) != static_cast<unsigned char>(Zeichen);
}
constexpr bool IstKlein1252(char Zeichen)
{
  const auto Byte = static_cast<unsigned char>(Zeichen);
  return (Byte >= 'a' && Byte <= 'z') || (Byte >= 0xDF && Byte != 0xF7);
}

// Vergleich ohne Beachtung der Gross-/Kleinschreibung nach Klein1252.
bool GleichOhneFall(std::string_view A, std::string_view B);
// Ordnung ohne Beachtung der Gross-/Kleinschreibung, fuer std::map (auch mit string_view suchbar).
// Im Kopf, damit jede Suche in den Tabellen sie einbettet: sie ist der groesste Teil jeder Suche.
struct TKleinerOhneFall {
  using is_transparent = void;
  bool operator()(std::string_view A, std::string_view B) const
  {
    const std::size_t Laenge = A.size() < B.size() ? A.size() : B.size();
    for (std::size_t I = 0; I < Laenge; ++I) {
      const unsigned char X = Klein1252(static_cast<unsigned char>(A[I]));
      const unsigned char Y = Klein1252(static_cast<unsigned char>(B[I]));
      if (X != Y)
        return X < Y;
    }
    return A.size() < B.size();
  }
};
std::string OhneFall(std::string_view Text);

// UTF-16 (ohne Byte-Order-Mark) nach Windows-1252; ungepaarte Surrogate werden '?'.
std::string Utf16NachCp1252(std::string_view Bytes, bool GrossEndian);

// Die Kennung von UTF-8 (Byte-Order-Mark), wie Excel sie vor CSV erwartet.
inline constexpr std::string_view Utf8Kennung = "\357\273\277";
// Strg+Z (0x1A) beendet eine Textdatei oder Eingabe unter Windows ("copy a+b", die Konsole).
inline constexpr char StrgZ = 0x1A;

// Zeichensatzkennung (Byte-Order-Mark) am Anfang einer Datei oder Eingabe.
enum class TKennung { Keine, Utf8, Utf16LE, Utf16BE };
struct TKennungAmAnfang {
  TKennung Kennung;
  std::size_t Laenge;  // Bytes der Kennung
};
TKennungAmAnfang KennungAmAnfang(std::string_view Anfang);

// UTF-16 ohne Kennung, wie manche Programme Listen speichern: in den ersten 4 KiB ist bei mehr
// als der Haelfte der Zeichen ein Byte null und das andere nicht (lateinische Buchstaben und
// Ziffern), und nie das Byte der anderen Stelle. Sonst Keine.
TKennung Utf16OhneKennung(std::string_view Anfang);

// Steuerzeichen der Schreibrichtung (U+061C, U+200E, U+200F, U+202A..U+202E, U+2066..U+2069):
// unsichtbar, drehen aber die Anzeige einer Nummer um.
bool IstRichtungszeichen(char32_t Zeichen);

// Bytes nach der Kennung in Windows-1252: mit Kennung umgesetzt, ohne Kennung nur gueltiges
// UTF-8 mit Mehrbyte-Zeichen (ein heutiger Editor), alles andere gilt schon als Windows-1252.
// Dieselbe Regel fuer Wagen.ebb (als Ganzes) und fuer Nummernlisten (je Zeile). Was nicht
// umzusetzen ist, kommt unkopiert zurueck (eine Datendatei kann 16 MiB gross sein).
std::string NachCp1252(std::string Bytes, TKennung Kennung);

// Die Zeichen von Bytes nach derselben Regel wie NachCp1252, als Unicode: ungueltige Folgen
// und ungepaarte Surrogate werden U+FFFD.
std::u32string UnicodeZeichen(std::string_view Bytes, TKennung Kennung);

// Die UTF-8-Folge am Anfang von Text nach den Bereichen des Unicode-Standards (keine
// ueberlangen Formen, keine Surrogate, hoechstens U+10FFFF): Laenge 1 bis 4, Utf8Ungueltig oder,
// wenn Text mitten in einer sonst gueltigen Folge endet, Utf8Unvollstaendig (die Konsole liest
// dann weiter). Der eine UTF-8-Leser fuer alles.
inline constexpr int Utf8Ungueltig = 0;
inline constexpr int Utf8Unvollstaendig = -1;
struct TUtf8Folge {
  int Laenge;
  char32_t Zeichen;
};
TUtf8Folge Utf8Folge(std::string_view Text);

// Ein Unicode-Zeichen als UTF-8 an Ziel.
void Utf8Anhaengen(std::string& Ziel, char32_t Zeichen);

// UTF-16 (ohne Byte-Order-Mark) als UTF-8; ungepaarte Surrogate werden U+FFFD.
std::string Utf16NachUtf8(std::string_view Bytes, TKennung Kennung);

// Wie viele Bytes die ersten Anzahl Zeichen belegen (UTF-8 nach derselben Regel wie NachCp1252,
// sonst ein Byte je Zeichen).
std::size_t ZeichenAnfang(std::string_view Bytes, TKennung Kennung, std::size_t Anzahl);

// Bytes ohne ein am Ende angeschnittenes UTF-8-Zeichen (nach dem Kuerzen einer Zeile).
std::string_view OhneAngeschnittenes(std::string_view Bytes);

// Was eine Wagennummer mit einem Zeichen ausserhalb von Windows-1252 anfaengt (Unicode 14):
// Dezimalziffern jeder Schrift zaehlen als ihre Ziffer, Leerzeichen und Striche trennen,
// Formatzeichen (Breite null, Byte-Order-Mark, Schreibrichtung) zaehlen nicht, Breitformen
// (U+FF01..U+FF5E) sind ihr ASCII-Zeichen, Buchstaben mit Akzent aus Latin Extended-A ihr
// Grundbuchstabe (C fuer C mit Hacek, wie das Halterregister sie schreibt), griechische und
// kyrillische Buchstaben lateinisch umschrieben (kyrillisch "CS7" als "CS7", russische, bulgarische,
// serbische und griechische Reihen); alles andere gehoert nicht in eine Wagenanschrift.
enum class TFremdArt { Ziffer, Leerraum, Strich, Format, Breitform, Anfuehrung, Buchstabe, Umschrift, Anderes };
struct TFremdZeichen {
  TFremdArt Art;
  char Ersatz;  // Ziffer, ' ', '-', ASCII-Zeichen, ' oder " (Striche und Anfuehrung wie "Co′Co′", "˝Marijana˝"),
                // Grund- bzw. lateinischer Buchstabe; 0 bei Format und Anderes
};
TFremdZeichen FremdZeichen(char32_t Zeichen);

// "U+1F600"
std::string CodepunktText(char32_t Zeichen);
