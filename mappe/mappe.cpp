#include "mappe/mappe.h"

#include "mappe/intern.h"
#include "zeichen/zeichensatz.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <utility>

// Texte dieser Datei: UTF-8 im Quelltext, als Windows-1252 ueber _cp1252.

namespace mappe_intern {

std::string Meldung(TMappenFehler Fehler)
{
  // In der Reihenfolge von TMappenFehler.
  constexpr std::array<std::string_view, 14> Texte = {
      "Die Arbeitsmappe ist beschädigt oder unvollständig und lässt sich nicht lesen.",
      "Die Datei ist ein ZIP- oder Office-Archiv, aber keine Arbeitsmappe (weder .xlsx noch .ods noch .xls).",
      "Die Datei ist keine Arbeitsmappe (.xlsx, .ods, .xls), sondern Text, etwa CSV.",
      "Die Arbeitsmappe ist verschlüsselt (mit Kennwort geschützt); bitte in der Tabellenkalkulation ohne Kennwort "
      "speichern und diese Datei öffnen.",
      "Die Arbeitsmappe ist entpackt größer als 256 MB; so große Mappen liest Tandrix nicht.",
      "Die Arbeitsmappe entpackt sich auf ein Vielfaches dessen, was eine Tabelle braucht (eine ZIP-Bombe?); sie wird "
      "nicht gelesen.",
      "Die Arbeitsmappe enthält XML mit DOCTYPE oder eigenen Entitäten, wie es keine Tabellenkalkulation schreibt; sie "
      "wird nicht gelesen.",
      "Die Arbeitsmappe hat Zeilen jenseits von Zeile 1.048.576, mehr als eine Tabellenkalkulation fasst; sie wird "
      "nicht gelesen.",
      "Die Arbeitsmappe hat Zellen jenseits von Spalte XFD (16.384 Spalten), mehr als eine Tabellenkalkulation fasst; "
      "sie wird nicht gelesen.",
      "Die Arbeitsmappe hat mehr als 3.000.000 Zellen; so große Mappen liest Tandrix nicht.",
      "Die Arbeitsmappe hält mehr als 128 MB Text; so große Mappen liest Tandrix nicht.",
      "Arbeitsmappen im alten Excel-Format .xls liest Tandrix in dieser Ausgabe nicht; bitte in der "
      "Tabellenkalkulation als .xlsx oder .ods speichern.",
      "Arbeitsmappen (.xlsx, .ods) liest Tandrix in dieser Ausgabe nicht; bitte in der Tabellenkalkulation als CSV "
      "speichern.",
      "Die .xls-Datei ließ sich zum Lesen nicht zwischenspeichern (temporäres Verzeichnis voll oder nicht "
      "beschreibbar).",
  };
  static_assert(Texte.size() == static_cast<std::size_t>(TMappenFehler::Zwischenablage) + 1);
  return Utf8NachCp1252(Texte.at(static_cast<std::size_t>(Fehler)));
}

bool TBlattSammler::Zelle(std::size_t Zeile, std::size_t Spalte, std::string Text, bool Zahl)
{
  if (Zeile >= MappeHoechstensZeilen) {
    Fehler = Meldung(TMappenFehler::ZuVieleZeilen);
    return false;
  }
  if (Spalte >= MappeHoechstensSpalten) {
    Fehler = Meldung(TMappenFehler::ZuVieleSpalten);
    return false;
  }
  if (Text.empty())
    return true;
  if (Text.size() > MappeZelleHoechstens)
    Text.resize(MappeZelleHoechstens);
  if (FMass.Text + Text.size() > MappeHoechstensText) {
    Fehler = Meldung(TMappenFehler::ZuVielText);
    return false;
  }
  FMass.Text += Text.size();
  if (!FOffen || Zeile != FZeile) {
    FBlatt.Zeilen.emplace_back();
    FZeile = Zeile;
    FOffen = true;
  }
  TMappenZeile& Zellen = FBlatt.Zeilen.back();
  // Eine Zelle links von einer schon gesammelten (die Mappe nennt sie nicht der Reihe nach)
  // ersetzt die leere Luecke oder haengt hinten an; nie waechst die Zeile ueber Spalte hinaus.
  if (Spalte < Zellen.size()) {
    Zellen[Spalte] = {std::move(Text), Zahl};
    return true;
  }
  const std::size_t Neu = Spalte + 1 - Zellen.size();
  if (FMass.Zellen + Neu > MappeHoechstensZellen) {
    Fehler = Meldung(TMappenFehler::ZuVieleZellen);
    return false;
  }
  FMass.Zellen += Neu;
  Zellen.resize(Spalte + 1);
  Zellen[Spalte] = {std::move(Text), Zahl};
  return true;
}

namespace {

bool Ziffer(char Zeichen) { return Zeichen >= '0' && Zeichen <= '9'; }

// Zerlegt "-3.18066520038E+11" in Vorzeichen, Ziffern ("318066520038") und die Stellen vor dem
// Komma (12). False, wenn es keine Dezimalzahl ist oder die Hochzahl ausser jedem Mass ist.
bool ZahlZerlegen(std::string_view Text, bool& Minus, std::string& Ziffern, long& VorKomma)
{
  std::size_t I = 0;
  Minus = I < Text.size() && Text[I] == '-';
  if (I < Text.size() && (Text[I] == '-' || Text[I] == '+'))
    ++I;
  bool Punkt = false;
  VorKomma = 0;
  for (; I < Text.size() && (Ziffer(Text[I]) || (Text[I] == '.' && !Punkt)); ++I) {
    if (Text[I] == '.') {
      Punkt = true;
      continue;
    }
    Ziffern += Text[I];
    if (!Punkt)
      ++VorKomma;
  }
  if (Ziffern.empty())
    return false;
  if (I < Text.size() && (Text[I] == 'e' || Text[I] == 'E')) {
    ++I;
    const bool Negativ = I < Text.size() && Text[I] == '-';
    if (I < Text.size() && (Text[I] == '-' || Text[I] == '+'))
      ++I;
    long Hoch = 0;
    const std::size_t Beginn = I;
    for (; I < Text.size() && Ziffer(Text[I]) && Hoch < 100000; ++I)
      Hoch = Hoch * 10 + (Text[I] - '0');
    if (I == Beginn)
      return false;
    VorKomma += Negativ ? -Hoch : Hoch;
  }
  return I == Text.size() && VorKomma > -400 && VorKomma < 400;
}

// Mehr als 15 gueltige Stellen zeigt keine Tabellenkalkulation: "79.98999999999999" (ein
// double, wie ein Programm ihn schrieb) steht dort als 79,99. Gerundet wird die letzte Stelle.
void AufGenauigkeit(std::string& Ziffern, long& VorKomma)
{
  constexpr std::size_t Stellen = 15;
  if (Ziffern.size() <= Stellen)
    return;
  const bool Auf = Ziffern[Stellen] >= '5';
  Ziffern.resize(Stellen);
  for (std::size_t I = Stellen; Auf && I > 0; --I) {
    char& Stelle = Ziffern[I - 1];
    if (Stelle != '9') {
      ++Stelle;
      return;
    }
    Stelle = '0';
  }
  if (Auf) {  // 999... wurde 1000...
    Ziffern.insert(Ziffern.begin(), '1');
    Ziffern.pop_back();
    ++VorKomma;
  }
}

}  // namespace

std::string ZahlAusgeschrieben(std::string_view Text)
{
  const std::string_view Rand = " \t\r\n";
  const std::size_t Vorn = Text.find_first_not_of(Rand);
  if (Vorn == std::string_view::npos)
    return std::string(Text);
  const std::string_view Kern = Text.substr(Vorn, Text.find_last_not_of(Rand) - Vorn + 1);
  bool Minus = false;
  std::string Ziffern;
  long VorKomma = 0;
  if (!ZahlZerlegen(Kern, Minus, Ziffern, VorKomma))
    return std::string(Text);
  // Fuehrende Nullen fallen weg (und zaehlen nicht vor dem Komma), dann die hinteren.
  const std::size_t Null = std::min(Ziffern.find_first_not_of('0'), Ziffern.size());
  Ziffern.erase(0, Null);
  VorKomma -= static_cast<long>(Null);
  AufGenauigkeit(Ziffern, VorKomma);
  const std::size_t Hinten = Ziffern.find_last_not_of('0');
  Ziffern.resize(Hinten == std::string::npos ? 0 : Hinten + 1);
  if (Ziffern.empty())
    return "0";
  std::string Ergebnis = Minus ? "-" : "";
  const auto Laenge = static_cast<long>(Ziffern.size());
  if (VorKomma <= 0)
    Ergebnis += "0." + std::string(static_cast<std::size_t>(-VorKomma), '0') + Ziffern;
  else if (VorKomma >= Laenge)
    Ergebnis += Ziffern + std::string(static_cast<std::size_t>(VorKomma - Laenge), '0');
  else
    Ergebnis += Ziffern.substr(0, static_cast<std::size_t>(VorKomma)) + "." +
                Ziffern.substr(static_cast<std::size_t>(VorKomma));
  return Ergebnis;
}

bool ZellangabeLesen(std::string_view Angabe, std::size_t& Zeile, std::size_t& Spalte, bool& MitZeile)
{
  std::size_t I = 0;
  Spalte = 0;
  for (; I < Angabe.size() && Angabe[I] >= 'A' && Angabe[I] <= 'Z' && I < 4; ++I)
    Spalte = Spalte * 26 + static_cast<std::size_t>(Angabe[I] - 'A' + 1);
  if (I == 0 || I == 4)
    return false;
  --Spalte;
  Zeile = 0;
  const std::size_t Beginn = I;
  for (; I < Angabe.size() && Ziffer(Angabe[I]) && I - Beginn < 9; ++I)
    Zeile = Zeile * 10 + static_cast<std::size_t>(Angabe[I] - '0');
  MitZeile = I > Beginn;
  if (I < Angabe.size() || (MitZeile && Zeile == 0))
    return false;
  if (MitZeile)
    --Zeile;
  return true;
}

#ifndef TANDRIX_MIT_ZIP
// Ohne libzip und expat (etwa die Seite im Browser): jede .xlsx und .ods bekommt die Meldung.
void ZipLesen(std::string_view, TMappe& Mappe) { Mappe.Fehler = Meldung(TMappenFehler::OhneZip); }
#endif

}  // namespace mappe_intern

TMappenArt MappenArtErkennen(std::string_view Bytes)
{
  if (Bytes.starts_with(std::string_view("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8)))
    return TMappenArt::Xls;
  if (!Bytes.starts_with("PK\x03\x04"))
    return TMappenArt::Text;
  // OpenDocument legt "mimetype" als ersten Teil ungepackt ab (ab Byte 30 der Name, dann der Inhalt).
  if (Bytes.substr(0, 100).find("application/vnd.oasis.opendocument.spreadsheet") != std::string_view::npos)
    return TMappenArt::Ods;
  return TMappenArt::Xlsx;
}

TMappe MappeLesen(std::string_view Bytes)
{
  TMappe Mappe;
  Mappe.Art = MappenArtErkennen(Bytes);
  switch (Mappe.Art) {
    case TMappenArt::Text:
      Mappe.Fehler = mappe_intern::Meldung(mappe_intern::TMappenFehler::Text);
      break;
    case TMappenArt::Xlsx:
    case TMappenArt::Ods:
      mappe_intern::ZipLesen(Bytes, Mappe);
      break;
    case TMappenArt::Xls:
      mappe_intern::XlsLesen(Bytes, Mappe);
      break;
  }
  if (!Mappe.Fehler.empty())
    Mappe.Blaetter.clear();
  return Mappe;
}

namespace mappe_intern {

std::string DatumAusZahl(std::string_view Text, bool Mappe1904)
{
  // Ganze Tage und Bruchteil aus der ausgeschriebenen Dezimalzahl, ohne Gleitkomma (strtod
  // haengt von der Spracheinstellung ab, from_chars fuer double fehlt in emscriptens libc++).
  const std::string Kern = ZahlAusgeschrieben(Text);
  const std::size_t Punkt = std::min(Kern.find('.'), Kern.size());
  long Tage = 0;
  const auto [Ende, Fehler] = std::from_chars(Kern.data(), Kern.data() + Punkt, Tage);
  const std::string Bruch = Kern.substr(std::min(Punkt + 1, Kern.size()), 12);
  if (Fehler != std::errc() || Ende != Kern.data() + Punkt || Tage < 0 || Tage > 2958465 ||  // 31.12.9999
      !std::all_of(Bruch.begin(), Bruch.end(), Ziffer))
    return std::string(Text);
  long long Teil = 0, Nenner = 1;
  for (const char Z : Bruch) {
    Teil = Teil * 10 + (Z - '0');
    Nenner *= 10;
  }
  long Minuten = static_cast<long>((Teil * 1440 + Nenner / 2) / Nenner);
  if (Minuten == 1440) {
    ++Tage;
    Minuten = 0;
  }
  // Excel zaehlt den 29.02.1900, den es nicht gab: ab Tag 61 beginnt die Zaehlung am 30.12.1899.
  using namespace std::chrono;
  const sys_days Beginn = Mappe1904   ? sys_days(1904y / January / 1)
                          : Tage < 61 ? sys_days(1899y / December / 31)
                                      : sys_days(1899y / December / 30);
  const year_month_day Tag(Beginn + days(Tage));
  char Puffer[40];
  const int Jahr = static_cast<int>(Tag.year());
  const auto Monat = static_cast<unsigned>(Tag.month()), Tagnummer = static_cast<unsigned>(Tag.day());
  const long Stunde = Minuten / 60, Minute = Minuten % 60;
  if (Tage == 0 && !Mappe1904)
    std::snprintf(Puffer, sizeof Puffer, "%02ld:%02ld", Stunde, Minute);
  else if (Minuten == 0)
    std::snprintf(Puffer, sizeof Puffer, "%02u.%02u.%04d", Tagnummer, Monat, Jahr);
  else
    std::snprintf(Puffer, sizeof Puffer, "%02u.%02u.%04d %02ld:%02ld", Tagnummer, Monat, Jahr, Stunde, Minute);
  return Puffer;
}

bool IstDatumsformat(int Nummer, std::string_view Formatcode)
{
  if ((Nummer >= 14 && Nummer <= 22) || (Nummer >= 27 && Nummer <= 36) || (Nummer >= 45 && Nummer <= 47) ||
      (Nummer >= 50 && Nummer <= 58))
    return true;
  bool InText = false, InKlammer = false;
  for (std::size_t I = 0; I < Formatcode.size(); ++I) {
    const char Z = Formatcode[I];
    const char Naechstes = I + 1 < Formatcode.size() ? Formatcode[I + 1] : '\0';
    // in eckigen Klammern zaehlt nur verstrichene Zeit ("[h]:mm"), nicht Farbe oder Waehrung
    const bool Zeitzeichen =
        std::string_view("dDyYhH").find(Z) != std::string_view::npos ||
        (Z == '[' && Naechstes != '\0' && std::string_view("hHmMsS").find(Naechstes) != std::string_view::npos);
    if (Z == '\\' || Z == '_' || Z == '*') {
      ++I;  // das naechste Zeichen steht fuer sich
    } else if (Z == '"') {
      InText = !InText;
    } else if (!InText && !InKlammer && Zeitzeichen) {
      return true;
    } else if (!InText && (Z == '[' || Z == ']')) {
      InKlammer = Z == '[';
    }
  }
  return false;
}

}  // namespace mappe_intern
