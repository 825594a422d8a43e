#include "auswertung/eingabe.h"

#include "auswertung/triebfahrzeug.h"

#include "zeichen/meldung.h"

#include "nummer/pruefziffer.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

bool IstZiffer(char Z) { return (Z >= '0' && Z <= '9') || Z == '?'; }
bool IstLeerraum(char Z) { return Z == ' ' || Z == '\t' || Z == '\xA0'; }
// Bindestrich, Punkt, Schraegstrich, Halbgeviert- und Geviertstrich, weicher Trennstrich
bool IstTrenner(char Z) { return Z == '-' || Z == '.' || Z == '/' || Z == '\x96' || Z == '\x97' || Z == '\xAD'; }

// "3 Ziffern aus einer anderen Schrift gelesen (U+FF10 als 0, ...)"
std::string Sammelhinweis(const std::vector<std::string>& Faelle, std::string_view Einzahl, std::string_view Mehrzahl)
{
  std::string Text =
      Faelle.size() == 1 ? std::string(Einzahl) : std::to_string(Faelle.size()) + " " + std::string(Mehrzahl);
  for (std::size_t I = 0; I < Faelle.size() && I < 3; ++I)
    Text += (I == 0 ? " (" : ", ") + Faelle[I];
  return Text + (Faelle.size() > 3 ? ", ...)" : ")");
}

// "U+202E, U+202C"
std::string Verbunden(const std::vector<std::string>& Teile)
{
  std::string Text;
  for (const std::string& Teil : Teile)
    Text += (Text.empty() ? "" : ", ") + Teil;
  return Text;
}

// Die Woerter (durch Leerraum und Komma getrennt) mit einem ohne Akzent gelesenen Buchstaben:
// wie in Text und wie getippt (Getippt: je Zeichen das getippte oder 0).
std::vector<std::pair<std::string, std::string>> GetippteWoerter(const std::string& Text, const std::u32string& Getippt)
{
  std::vector<std::pair<std::string, std::string>> Woerter;
  for (std::size_t Anfang = 0; Anfang < Text.size();) {
    const std::size_t Ende = std::min(Text.find_first_of(" \t,", Anfang), Text.size());
    std::string Utf8;
    bool Gefaltet = false;
    for (std::size_t I = Anfang; I < Ende; ++I) {
      Gefaltet = Gefaltet || Getippt[I] != 0;
      Utf8Anhaengen(Utf8, Getippt[I] != 0 ? Getippt[I] : Cp1252NachUnicode(static_cast<unsigned char>(Text[I])));
    }
    if (Gefaltet)
      Woerter.emplace_back(Text.substr(Anfang, Ende - Anfang), std::move(Utf8));
    Anfang = Ende + 1;
  }
  return Woerter;
}

// Was an seiner Stelle anders gilt als nach FremdZeichen: ein kombinierendes Zeichen hinter einem
// Buchstaben faellt weg (der unterstrichene Laendercode "N<U+0332>L<U+0332>-GERS", zerlegte Akzente;
// hinter einer Ziffer bleibt es verdaechtig), das Nummernzeichen U+2116 vor einer Ziffer (auch mit
// Leerzeichen dazwischen) ist das "#"
// ("ChS-2 No450" wie "#620M-010"), Silben- und Bildschriften ohne Umschrift (Kana, chinesische
// Zeichen, Hangul) und ihre Satzzeichen (Punkt "。", Klammern) trennen wie Leerraum: ein japanischer
// Bildtext "...駅の機関車ChS2-095". Sonst WieFremd.
constexpr char32_t WieFremd = 0xFFFF, Weglassen = 0, Trennen = U' ';
char32_t AnDieserStelle(const std::u32string& Alle, std::size_t I, const std::string& Bisher)
{
  const bool NachBuchstabe = !Bisher.empty() && (IstGross1252(Bisher.back()) || IstKlein1252(Bisher.back()));
  if (Alle[I] >= 0x300 && Alle[I] <= 0x36F && NachBuchstabe)
    return Weglassen;
  if ((Alle[I] >= 0x3000 && Alle[I] <= 0x30FF) || (Alle[I] >= 0x4E00 && Alle[I] <= 0x9FFF) ||
      (Alle[I] >= 0xAC00 && Alle[I] <= 0xD7AF))
    return Trennen;
  std::size_t J = I + 1;  // "№ 46.03" wie "№46.03", auch "№: 15315997"
  if (J < Alle.size() && Alle[J] == U':')
    ++J;
  while (J < Alle.size() && J <= I + 3 && Alle[J] == U' ')
    ++J;
  const bool ZifferDahinter = J < Alle.size() && Alle[J] >= U'0' && Alle[J] <= U'9';
  return Alle[I] == 0x2116 && ZifferDahinter ? U'#' : WieFremd;
}

// Richtung, Ziffern, Umschrieben, Kombiniert, Getrennt, Buchstaben
using TFaelle = std::array<std::vector<std::string>, 6>;

void HinweiseSammeln(TEingabeText& Ergebnis, const TFaelle& Faelle)
{
  const auto& [Richtung, Ziffern, Umschrieben, Kombiniert, Getrennt, Buchstaben] = Faelle;
  if (!Richtung.empty())
    Ergebnis.Hinweise.push_back(
        Ersetzt("enthält unsichtbare Steuerzeichen %1 (Schreibrichtung): geprüft sind die Zeichen, wie sie "
                "gespeichert sind, die Anzeige kann sie umstellen"_cp1252,
                {Verbunden(Richtung)}));
  if (!Ziffern.empty())
    Ergebnis.Hinweise.push_back(Sammelhinweis(Ziffern, "eine Ziffer aus einer anderen Schrift gelesen",
                                              "Ziffern aus einer anderen Schrift gelesen"));
  if (!Umschrieben.empty())
    Ergebnis.Hinweise.push_back(Sammelhinweis(Umschrieben, "ein Buchstabe einer anderen Schrift lateinisch gelesen",
                                              "Buchstaben einer anderen Schrift lateinisch gelesen"));
  if (!Kombiniert.empty())
    Ergebnis.Hinweise.push_back(Sammelhinweis(Kombiniert,
                                              "ein kombinierendes Zeichen an einem Buchstaben übergangen"_cp1252,
                                              "kombinierende Zeichen an Buchstaben übergangen"_cp1252));
  if (!Getrennt.empty())
    Ergebnis.Hinweise.push_back(Sammelhinweis(Getrennt, "ein Zeichen einer Schrift ohne Umschrift als Leerraum gelesen",
                                              "Zeichen einer Schrift ohne Umschrift als Leerraum gelesen"));
  if (!Buchstaben.empty())
    Ergebnis.Hinweise.push_back(
        Sammelhinweis(Buchstaben, "ein Buchstabe ohne Akzent gelesen", "Buchstaben ohne Akzent gelesen"));
}

}  // namespace

TEingabeText EingabeUmsetzen(std::string_view Bytes, TKennung Kennung)
{
  TEingabeText Ergebnis;
  TFaelle Faelle;
  auto& [Richtung, Ziffern, Umschrieben, Kombiniert, Getrennt, Buchstaben] = Faelle;
  std::u32string Getippt;  // je Zeichen von Text das getippte, wo ein Buchstabe ohne Akzent steht; sonst 0
  const auto Anhaengen = [&](char Byte, char32_t Wie = 0) {
    Ergebnis.Text.push_back(Byte);
    Getippt.push_back(Wie);
  };
  const std::u32string Alle = UnicodeZeichen(Bytes, Kennung);
  for (std::size_t I = 0; I < Alle.size(); ++I) {
    const char32_t Zeichen = Alle[I];
    if (const char Byte = UnicodeNachCp1252(Zeichen); Byte != '?' || Zeichen == U'?') {
      Anhaengen(Byte);
      continue;
    }
    if (const char32_t Hier = AnDieserStelle(Alle, I, Ergebnis.Text); Hier != WieFremd) {
      if (Hier == Weglassen)
        Kombiniert.push_back(CodepunktText(Zeichen));
      else if (Hier == Trennen)
        Getrennt.push_back(CodepunktText(Zeichen));
      if (Hier != Weglassen)
        Anhaengen(static_cast<char>(Hier));
      continue;
    }
    const auto [Art, Ersatz] = FremdZeichen(Zeichen);
    if (IstRichtungszeichen(Zeichen) && Richtung.size() < 3)
      Richtung.push_back(CodepunktText(Zeichen));
    if (Art == TFremdArt::Format)
      continue;
    if (Art == TFremdArt::Anderes) {
      Anhaengen('?');
      if (Ergebnis.Fehler.empty())
        Ergebnis.Fehler =
            "enthält das Zeichen "_cp1252 + CodepunktText(Zeichen) + ", das in keiner Wagenanschrift vorkommt";
      continue;
    }
    Anhaengen(Ersatz, Art == TFremdArt::Buchstabe ? Zeichen : 0);
    if (Art == TFremdArt::Ziffer)
      Ziffern.push_back(CodepunktText(Zeichen) + " als " + Ersatz);
    else if (Art == TFremdArt::Buchstabe)
      Buchstaben.push_back(CodepunktText(Zeichen) + " als " + Ersatz);
    else if (Art == TFremdArt::Umschrift)
      Umschrieben.push_back(CodepunktText(Zeichen) + " als " + Ersatz);
  }
  if (!Ergebnis.Fehler.empty()) {
    Ergebnis.Fehler = InAnfuehrung(Ergebnis.Text) + " " + Ergebnis.Fehler;
    return Ergebnis;
  }
  HinweiseSammeln(Ergebnis, Faelle);
  if (!Buchstaben.empty())
    Ergebnis.Getippt = GetippteWoerter(Ergebnis.Text, Getippt);
  return Ergebnis;
}

std::string InAnfuehrung(std::string_view Text)
{
  constexpr std::size_t Hoechstens = 60;
  std::string Ergebnis = "„"_cp1252;
  Ergebnis.append(Text.substr(0, Hoechstens)).append(Text.size() > Hoechstens ? "…“"_cp1252 : "“"_cp1252);
  return Ergebnis;
}

namespace {

bool IstBuchstabe(char Z) { return IstGross1252(Z) || IstKlein1252(Z); }
bool IstEchteZiffer(char Z) { return Z >= '0' && Z <= '9'; }

bool NurZiffern(std::string_view Wort)
{
  return !Wort.empty() && std::all_of(Wort.begin(), Wort.end(), IstEchteZiffer);
}

bool NurZiffernVon(std::string_view T, std::size_t Min, std::size_t Max)
{
  return T.size() >= Min && T.size() <= Max && NurZiffern(T);
}

// Buchstaben, die auf Fotos und abgenutzten Anschriften fuer Ziffern stehen
char Verlesen(char Z) { return Z == 'O' || Z == 'o' ? '0' : Z == 'I' || Z == 'l' ? '1' : '\0'; }

// ---- Die Grammatik der Anschriften (beschrieben mit Beispielen in docs/anschriften.md) ----
//
// Eine Zeile zerfaellt an Leerraum, Komma (nicht zwischen zwei Ziffern), Semikolon und Klammern
// in Marken: Zahlen (Ziffern und "?" in Gruppen, getrennt durch Striche, Punkte, Schraegstriche),
// Striche allein, Woerter (Buchstaben ohne Ziffern) und Gemischtes ("H22", "ET22-1007", "64.200l").
// (Der Schraegstrich trennt Marken: er zaehlt Nummern auf, "001-4/002-2".)
// Eine Nummer ist eine Folge ganzer Zahlmarken, zwischen denen nur Striche stehen und, nach den
// Stellen 2 und 4, Merkmale, Laender- und Halterkuerzel ("31 RIV 80 D-DB 665 2 003-8").
// Zwoelfstellig (oder elf ohne Pruefziffer): die erste Gruppe hat 2, 4, 11 oder 12 Ziffern,
// jede Grenze zwischen Gruppen liegt hinter Stelle 2, 4, 5, 6, 7, 8 oder 11, und bei 12 Ziffern
// in mehreren Gruppen steht die Pruefziffer fuer sich (Grenze hinter 11).
constexpr std::array<std::size_t, 7> UicGrenzen = {2, 4, 5, 6, 7, 8, 11};
// National: Reihe und Ordnungsnummer in einer dieser Gliederungen, dahinter abgesetzt die
// Pruefziffer ("218 390-3", "1116 234-4", "8 620 988-1", "52 8184-5", "1116213-0").
const std::array<std::vector<std::size_t>, 6> NationaleGliederungen = {
    std::vector<std::size_t>{3, 3}, {4, 3}, {1, 3, 3}, {2, 4}, {6}, {7}};

// Ohne Pruefziffer (nur, wenn keine Nummer mit Pruefziffer dasteht): Reihe und Ordnungsnummer
// mit Bindestrich ("SM42-2244", "M61-019"), mit Punkt ("1116.282", "D.341.2025"), als zwei
// Gruppen ("193 386", "1142 627", DR "52 2112") oder hinter einer Reihe aus Buchstaben und
// Ziffern ("V43 1078", "BB 36342"). Ein angehaengter Kasus ("471-005-ös", "104-es") zaehlt nicht.
// Zuletzt eine Zahl von 4 bis 6 Ziffern allein, die nichts anderes ist (Jahr, Preis,
// Artikelnummer): "West Coast Railways 47804", "No. 8522".
// unter den Nummern mit Pruefziffer (national 10), ueber denen ohne
constexpr int GueteTeil = 8, GueteOhneGruppen = 6, GueteOhneReihe = 5, GueteAllein = 4;

enum class TArt { Zahl, Strich, Wort, Gemischt };

struct TMarke {
  std::string Text;  // wie dastand
  TArt Art = TArt::Gemischt;
  std::string Ziffern;               // Zahl: Ziffern und "?", verlesene Buchstaben ersetzt
  std::vector<std::size_t> Gruppen;  // Zahl: Ziffern je Gruppe, "003-8": 3, 1
  bool StrichVorn = false;           // Zahl: "-7"
  bool StrichVorLetzter = false;     // Zahl: vor der letzten Gruppe steht ein Strich ("390-3")
  bool Verlesen = false;             // Zahl: mit O, I oder l gelesen
  bool Platzhalter = false;          // Zahl: x und y fuer Ziffern, die der Text offen laesst ("xxx-y")
  bool NachSchraegstrich = false;    // aufgezaehlt: "010/26/65", "4930 + 4130"
  bool NachNummernzeichen = false;   // "#450", "n°G-211": wie hinter "No."
  bool NachKomma = false;            // "51 81 21-70, 50 81 21-70": eine neue Nummer kann beginnen
  bool MitKasus = false;             // Zahl: mit Kasus ("331-es"): ein Name (Fahrzeug oder Reihe), keine Menge
  bool Grenze = false;               // hinter Klammer, Semikolon, "|", Doppelpunkt: keine Nummer reicht darueber
};

struct TKandidat {
  std::size_t Von = 0, Bis = 0;  // Marken Von..Bis
  std::string Ziffern;
  bool National = false;
  int Guete = 0;
  std::string Reihe, Ordnungsnummer;  // eine Nummer ohne Pruefziffer: "SM42" und "2244"
  bool OhneKopf = false;              // Stellen 5-12: die Pruefziffer steht da, ohne Stellen 1-4 nicht pruefbar
  std::size_t Teil = 0;               // Teilnummer: so viele Stellen stehen da
  bool Breitspur = false;             // acht Ziffern der Breitspurbahnen (1520 mm)
};

bool IstTrennerMarke(std::string_view Text)
{
  return !Text.empty() && std::all_of(Text.begin(), Text.end(), IstTrenner);
}

// Menge mit Einheit, angehaengt: "64.200l", "88m3", "22,5t" (das l ist keine verlesene 1)
bool MitEinheit(std::string_view Text)
{
  for (const std::string_view Einheit : {"l", "m3", "m\xB3", "t", "kg", "hl", "km/h", "km", "mm"})
    if (Text.size() > Einheit.size() && Text.ends_with(Einheit)) {
      const std::string_view Zahl = Text.substr(0, Text.size() - Einheit.size());
      if (IstEchteZiffer(Zahl.back()) &&
          std::all_of(Zahl.begin(), Zahl.end(), [](char Z) { return IstEchteZiffer(Z) || Z == '.' || Z == ','; }))
        return true;
    }
  return false;
}

// "471-005-ös", "104-es", "M41 2103-as", auch mehrere Endungen ("331-esen", bis fuenf
// Buchstaben): ein Kasus an der Zahl, keine Ziffern; finnisch und schwedisch hinter einem
// Doppelpunkt ("Dr13 2349:n", "6311:ssa")
std::string OhneKasus(std::string Text)
{
  const std::size_t Strich = Text.find_last_of("-:");
  if (Strich == std::string::npos || Strich == 0 || Strich + 6 < Text.size() || Strich + 1 == Text.size() ||
      !IstEchteZiffer(Text[Strich - 1]))
    return Text;
  const bool Kasus = std::all_of(Text.begin() + static_cast<std::ptrdiff_t>(Strich) + 1, Text.end(), IstKlein1252);
  // vier oder fuenf Buchstaben nur mit Bindevokal oder einem ungarischen Doppelbuchstaben ("-esen",
  // "220,194-gyel"; "1700-locs" ist die Reihe der Loks)
  const std::string_view Anfang = std::string_view(Text).substr(Strich + 1, 2);
  const bool Bindevokal =
      std::string_view("aeiou\xE1\xE9\xED\xF3\xF6\xFA\xFC").find(Text[Strich + 1]) != std::string_view::npos ||
      Anfang == "gy" || Anfang == "ny" || Anfang == "ty" || Anfang == "sz" || Anfang == "zs";
  return Kasus && (Strich + 4 >= Text.size() || Bindevokal) ? Text.substr(0, Strich) : Text;
}

// Platzhalter fuer offene Ziffern einer Reihe: "xxx-y", "xxx-x", "0xx", "XXX-X", "xx-29"; mindestens zwei x
// oder nur x vor dem Strich (ein "x" allein ist "mal": "2 x 241001-002", "x1" und "x03" sind
// Tippfehler); das y nur als Pruefziffer hinter einem Strich.
bool WiePlatzhalter(std::string_view Text)
{
  const std::size_t Strich = Text.find_last_of("-\x96");
  const std::string_view Vorn = Text.substr(0, Strich),
                         Pruef = Strich == std::string_view::npos ? "" : Text.substr(Strich + 1);
  const auto Offen = [](char Z) { return Z == 'x' || Z == 'X'; };
  const bool VornGut =
      !Vorn.empty() && std::all_of(Vorn.begin(), Vorn.end(), [&](char Z) { return Offen(Z) || IstEchteZiffer(Z); });
  // hinter dem Strich die Pruefziffer oder bei Reisezugwagen die Stellen 7-8 ("xx-29")
  const bool Stellen78 = Vorn.size() == 2 && Pruef.size() == 2 &&
                         std::all_of(Pruef.begin(), Pruef.end(), [&](char Z) { return Offen(Z) || IstEchteZiffer(Z); });
  const bool PruefGut =
      Strich == std::string_view::npos || Stellen78 ||
      (Pruef.size() == 1 && (Offen(Pruef[0]) || Pruef[0] == 'y' || Pruef[0] == 'Y' || IstEchteZiffer(Pruef[0])));
  const auto Offene = std::count_if(Vorn.begin(), Vorn.end(), Offen) +
                      (Stellen78 ? std::count_if(Pruef.begin(), Pruef.end(), Offen) : 0);
  const bool MitZiffer = Offene < static_cast<std::ptrdiff_t>(Vorn.size()),
             MitStrich = Strich != std::string_view::npos;
  // ohne Strich und Ziffer nur kleine: "XX" und "XXX" sind roemische Zahlen
  const bool Roemisch = !MitZiffer && !MitStrich && Vorn.find('x') == std::string_view::npos;
  return VornGut && PruefGut && Offene > 0 && (Offene >= 2 || (MitStrich && !MitZiffer)) && !Roemisch;
}

// Ein Platzhalter mit "?" fuer jedes x und y: "xxx-y" -> "???-?"
std::string MitFragezeichen(std::string Text)
{
  std::replace_if(Text.begin(), Text.end(), IstBuchstabe, '?');
  return Text;
}

TMarke MarkeLesen(std::string Text)
{
  // "21-xx" ist ein Platzhalter, kein Kasus
  const std::size_t Laenge = Text.size();
  if (!WiePlatzhalter(Text))
    Text = OhneKasus(std::move(Text));
  const bool MitKasus = Text.size() < Laenge;
  if (WiePlatzhalter(Text)) {
    TMarke Marke = MarkeLesen(MitFragezeichen(Text));
    Marke.Text = std::move(Text);
    Marke.Platzhalter = true;
    return Marke;
  }
  TMarke Marke;
  Marke.Text = Text;
  Marke.Art = TArt::Gemischt;
  bool ZahlArtig = true, Verlesbar = true, HatZiffer = false, HatBuchstabe = false;
  for (const char Z : Text) {
    ZahlArtig = ZahlArtig && (IstZiffer(Z) || IstTrenner(Z));
    Verlesbar = Verlesbar && (IstZiffer(Z) || IstTrenner(Z) || Verlesen(Z) != 0);
    HatZiffer = HatZiffer || IstEchteZiffer(Z) || (Z == '?' && ZahlArtig);
    HatBuchstabe = HatBuchstabe || IstBuchstabe(Z);
  }
  // gross und klein am Anfang ist ein Wort, keine verlesene Ziffer: die polnische Reihe "Ol49-59"
  if (Text.size() >= 2 && IstGross1252(Text[0]) && IstKlein1252(Text[1]))
    Verlesbar = false;
  if (IstTrennerMarke(Text))
    Marke.Art = TArt::Strich;
  else if (!HatZiffer)
    Marke.Art = HatBuchstabe || Text.find('?') != std::string::npos ? TArt::Wort : TArt::Strich;
  else if (ZahlArtig || (Verlesbar && !MitEinheit(Text)))
    Marke.Art = TArt::Zahl;
  if (Marke.Art != TArt::Zahl)
    return Marke;
  Marke.Verlesen = !ZahlArtig;
  Marke.StrichVorn = IstTrenner(Text.front());
  std::size_t Gruppe = 0;
  for (std::size_t I = 0; I <= Text.size(); ++I) {
    if (I < Text.size() && !IstTrenner(Text[I])) {
      Marke.Ziffern.push_back(Verlesen(Text[I]) != 0 ? Verlesen(Text[I]) : Text[I]);
      ++Gruppe;
    } else if (Gruppe > 0) {
      Marke.Gruppen.push_back(Gruppe);
      Gruppe = 0;
    }
  }
  Marke.StrichVorLetzter = Marke.Gruppen.back() == 1 && (Marke.Gruppen.size() > 1 || Marke.StrichVorn);
  Marke.MitKasus = MitKasus;
  return Marke;
}

// Anfuehrungszeichen vor einer Zahl ("266 774" in Anfuehrung) gehoeren nicht zu ihr, das
// Nummernzeichen auch nicht ("PESA 620M #620M-010", "Smartron #80 013")
constexpr std::string_view AnfuehrungVorn = "\"'\x84\x93\x91\xAB\xBB\x8B\x9B#";

// Land und Halter ohne Leerzeichen an der Pruefziffer: "301-5F-SNCF". Die Stelle, an der das
// Kuerzel beginnt (bis drei Grossbuchstaben, Strich, Grossbuchstaben), sonst 0.
std::size_t KuerzelAngehaengt(std::string_view Wort)
{
  const std::size_t Anfang = Wort.find_first_not_of("0123456789-.\x96");
  // "5XX-Y" sind offene Ziffern, kein Halter
  if (Anfang == 0 || Anfang == std::string_view::npos || !IstEchteZiffer(Wort[Anfang - 1]) || WiePlatzhalter(Wort))
    return 0;
  const std::string_view Kuerzel = Wort.substr(Anfang);
  const std::size_t Strich = Kuerzel.find('-');
  const auto NurGrosse = [](std::string_view T) { return !T.empty() && std::all_of(T.begin(), T.end(), IstGross1252); };
  // Strich <= 3 schliesst npos aus
  return Strich <= 3 && NurGrosse(Kuerzel.substr(0, Strich)) && NurGrosse(Kuerzel.substr(Strich + 1)) ? Anfang : 0;
}

// Franzoesischer und italienischer Artikel vor einer Reihe: "l’ABDe 8/8 4003", "dell'ALn 668":
// so viele Zeichen fallen weg, sonst 0
std::size_t Elision(std::string_view Wort)
{
  const std::size_t Apostroph = Wort.find_first_of("'\x92");
  if (Apostroph == std::string_view::npos || Apostroph + 1 >= Wort.size() ||
      !(IstGross1252(Wort[Apostroph + 1]) || IstEchteZiffer(Wort[Apostroph + 1])))
    return 0;
  constexpr std::array<std::string_view, 9> Artikel = {"l", "L", "d", "D", "dell", "all", "nell", "sull", "dall"};
  return std::find(Artikel.begin(), Artikel.end(), Wort.substr(0, Apostroph)) != Artikel.end() ? Apostroph + 1 : 0;
}

// "No.73659", "Nr.1234", auch ohne Punkt "No304": das Nummernwort ohne Leerzeichen vor der Zahl;
// seine Laenge, sonst 0
std::size_t NummernwortAngehaengt(std::string_view Wort)
{
  const bool Wortform = Wort.size() > 2 && (Wort[0] == 'N' || Wort[0] == 'n') && (Wort[1] == 'o' || Wort[1] == 'r');
  if (Wortform && IstEchteZiffer(Wort[2]))
    return 2;
  return Wortform && Wort.size() > 3 && Wort[2] == '.' && IstEchteZiffer(Wort[3]) ? 3 : 0;
}

// Zwei ganze Nummern mit Strich dazwischen sind ein Bereich ("94102081019–94102081020"): die
// Stelle des Strichs, sonst 0.
std::size_t BereichZweierNummern(std::string_view Wort)
{
  const std::size_t Strich = Wort.find_first_of("-\x96");
  if (Strich == std::string_view::npos)
    return 0;
  const std::string_view Von = Wort.substr(0, Strich), Bis = Wort.substr(Strich + 1);
  const auto Ganz = [](std::string_view T) { return (T.size() == 11 || T.size() == 12) && NurZiffern(T); };
  // auch zwei Betriebsnummern mit demselben Buchstabenkuerzel: "D5500-D5699" (britische Reihen)
  const std::size_t Ab = Von.find_first_of("0123456789");
  const bool Kuerzel = Ab != std::string_view::npos && Ab >= 1 && Ab <= 3 &&
                       std::all_of(Von.begin(), Von.begin() + static_cast<std::ptrdiff_t>(Ab), IstGross1252) &&
                       Bis.substr(0, Ab) == Von.substr(0, Ab) && NurZiffernVon(Von.substr(Ab), 3, 6) &&
                       NurZiffernVon(Bis.substr(Ab), 3, 6);
  // und angehaengt das Ende eines Bereichs von Ordnungsnummern: "242.502–504"
  const std::size_t Punkt = Von.rfind('.');
  const bool Ende = Punkt != std::string_view::npos && Punkt > 0 && NurZiffern(Von.substr(0, Punkt)) &&
                    NurZiffernVon(Von.substr(Punkt + 1), 2, 4) && NurZiffern(Bis) &&
                    Bis.size() == Von.size() - Punkt - 1 && Bis > Von.substr(Punkt + 1);
  return (Ganz(Von) && Ganz(Bis)) || Kuerzel || Ende ? Strich : 0;
}

// Satz- und Anfuehrungszeichen am Wortende ("EU07-533.", "052.", "unterwegs:", "266 774"")
// gehoeren nicht zur Marke. Ob das Wort die Anschrift davor abschliesst: ein Doppelpunkt darunter,
// oder als erstes Wort der Zeile die Zahl einer Aufzaehlung ("1. 103 101-2", nicht "1 103 101-2").
bool WortEndeAbschneiden(std::string& Wort, bool Erstes)
{
  bool Doppelpunkt = Erstes && Wort.size() >= 2 && Wort.size() <= 3 && Wort.back() == '.' &&
                     NurZiffern(std::string_view(Wort).substr(0, Wort.size() - 1));
  // ein Fragezeichen hinter der Pruefziffer, abgesetzt von drei Ziffern, beendet den Satz ("003-8?");
  // "00?", "003-?" und "22-3?" (Stellen 7-8) lassen Ziffern offen
  // (auch vor der Anfuehrung: "434-2?“")
  const auto Ziffer = [&](std::size_t VonHinten) { return IstEchteZiffer(Wort[Wort.size() - VonHinten]); };
  const auto Fragezeichen = [&] {
    if (Wort.size() >= 6 && Wort.back() == '?' && Ziffer(2) && IstTrenner(Wort[Wort.size() - 3]) && Ziffer(4) &&
        Ziffer(5) && Ziffer(6))
      Wort.pop_back();
  };
  Fragezeichen();
  while (Wort.size() > 1 &&
         std::string_view(".:!\x94\x93\x92\"'\xAB\xBB\x8B\x9B").find(Wort.back()) != std::string_view::npos &&
         // ein Punkt nur hinter Ziffer, Platzhalter, Kasus oder Anfuehrung ("052.", "xxx-x.", "403-as.",
         // "“475.111”."), nicht "Nr."
         (Wort.back() != '.' || IstEchteZiffer(Wort[Wort.size() - 2]) ||
          WiePlatzhalter(std::string_view(Wort).substr(0, Wort.size() - 1)) ||
          OhneKasus(Wort.substr(0, Wort.size() - 1)).size() + 1 < Wort.size() ||
          std::string_view("\x94\x93\x92\"'\xBB\x9B").find(Wort[Wort.size() - 2]) != std::string_view::npos)) {
    Doppelpunkt = Doppelpunkt || Wort.back() == ':';
    Wort.pop_back();
  }
  Fragezeichen();
  return Doppelpunkt;
}

// Das Nummernzeichen ohne Leerzeichen dahinter: "n°Γ-211" ("nº 3" steht getrennt; franzoesisch,
// spanisch, portugiesisch): wie "#" und "No." vor der Nummer
bool Nummernzeichen(std::string_view Wort)
{
  return Wort == "n\xB0" || Wort == "N\xB0" || Wort == "n\xBA" || Wort == "N\xBA";
}

// Eine Marke nach den vorigen: "0xx - x" traegt die Pruefziffer einer Reihe mit Platzhaltern fuer sich.
TMarke MarkeNachDenVorigen(const std::vector<TMarke>& Marken, const std::string& Teil)
{
  const bool OffenePruefziffer = (Teil == "x" || Teil == "y") && Marken.size() >= 2 &&
                                 Marken.back().Art == TArt::Strich && Marken[Marken.size() - 2].Platzhalter;
  if (!OffenePruefziffer)
    return MarkeLesen(Teil);
  TMarke Marke = MarkeLesen("?");
  Marke.Text = Teil;
  Marke.Platzhalter = true;
  return Marke;
}

bool Fahrzeugwort(std::string_view W);

// Nimmt Anfuehrung und Artikel vorn weg ("l’ABDe") und trennt ab, was eine eigene Marke ist: ein
// angehaengtes Nummernwort ("No.73659"), sonst die Zahl vor Land und Halter ("301-5F-SNCF")
std::string VornAbtrennen(std::string& Wort)
{
  // auch vor Reihe und Nummer in einer Marke: „E.464.344“, „SM42-2244“, und vor einem Fahrzeugwort
  // („Traktor 57“); ein Name ohne Ziffern bleibt in Anfuehrung
  if (Wort.size() > 1 && AnfuehrungVorn.find(Wort[0]) != std::string_view::npos && Wort[0] != '#' &&
      (std::any_of(Wort.begin(), Wort.end(), IstEchteZiffer) || Fahrzeugwort(std::string_view(Wort).substr(1))))
    Wort.erase(0, 1);
  Wort.erase(0, Elision(Wort));
  const std::size_t Vorn = NummernwortAngehaengt(Wort) > 0 ? NummernwortAngehaengt(Wort) : KuerzelAngehaengt(Wort);
  std::string Abgetrennt = Wort.substr(0, Vorn);
  Wort.erase(0, Vorn);
  return Abgetrennt;
}

bool TrenntMarken(char Z)
{
  return IstLeerraum(Z) || Z == ',' || Z == ';' || Z == '(' || Z == ')' || Z == '{' || Z == '}' || Z == '/' ||
         Z == '+' || Z == '&' || Z == '|' || Z == '_' || Z == '<' || Z == '>' || Z == '~' || Z == '=';
}

// Klammern, Strichpunkt, senkrechter Strich und Vergleichszeichen schliessen die Anschrift nach
// ihrer Seite ab
bool SchliesstAb(char Z) { return std::string_view("(){};|=<>~").find(Z) != std::string_view::npos; }

// Eckige Klammern an Ziffern und ein Doppelpunkt zwischen Wort und Zahl trennen wie Leerraum
// ("[31 80 6652 003-8]", "UIC:31 80 ...", "Nr.:318066520038"); "[P]" bleibt ein Merkmal.
bool TrenntHier(std::string_view Text, std::size_t I, const std::string& Wort)
{
  const bool ZifferDahinter = I + 1 < Text.size() && IstEchteZiffer(Text[I + 1]);
  const bool ZifferDavor = !Wort.empty() && IstEchteZiffer(Wort.back());
  return (Text[I] == '[' && ZifferDahinter) || (Text[I] == ']' && ZifferDavor) ||
         (Text[I] == ':' && ZifferDahinter && !Wort.empty() && !ZifferDavor);
}

// "E186 147-5", "Re460 015-1": die Antriebsart an der Reihe vor Ordnungsnummer und Pruefziffer steht
// fuer sich wie in "E 186 147-5"; sonst bleibt "EU07" oder "SM42" eine Reihe aus Buchstaben und Ziffern.
void AntriebAbtrennen(std::vector<TMarke>& Marken)
{
  for (std::size_t I = 0; I + 1 < Marken.size(); ++I) {
    const std::string& T = Marken[I].Text;
    const std::size_t Ziffern = T.find_first_of("0123456789");
    const TMarke& Dahinter = Marken[I + 1];
    // auch schweizerisch mit kleinen Buchstaben ("Re460 015-1" wie "Re 460 015-1")
    if (Marken[I].Art != TArt::Gemischt || Ziffern < 1 || Ziffern > 3 || !NurZiffernVon(T.substr(Ziffern), 3, 3) ||
        !IstGross1252(T[0]) ||
        !std::all_of(T.begin(), T.begin() + static_cast<std::ptrdiff_t>(Ziffern),
                     [](char Z) { return IstGross1252(Z) || IstKlein1252(Z); }) ||
        Dahinter.Art != TArt::Zahl || Dahinter.Grenze || Dahinter.Gruppen != std::vector<std::size_t>{3, 1} ||
        !Dahinter.StrichVorLetzter)
      continue;
    TMarke Reihe = MarkeLesen(T.substr(Ziffern));
    TMarke Antrieb = MarkeLesen(T.substr(0, Ziffern));
    Antrieb.Grenze = Marken[I].Grenze;
    Antrieb.NachKomma = Marken[I].NachKomma;
    Marken[I] = std::move(Antrieb);
    Marken.insert(Marken.begin() + static_cast<std::ptrdiff_t>(I) + 1, std::move(Reihe));
  }
}

// Fussnoten eines Wikis am Wort ("die Lok 2711[3]", "1835[a]") zaehlen nicht, sie trennen nur
std::string OhneFussnoten(std::string_view Text)
{
  std::string Ohne(Text);
  for (std::size_t I = 1; I < Ohne.size(); ++I) {
    if (Ohne[I] != '[')
      continue;
    // nur bis drei Zeichen weit suchen: eine lange Zeile voller "[" bleibt linear
    const std::size_t Weit = std::string_view(Ohne).substr(I, 5).find(']');
    if (Weit == std::string_view::npos || Weit < 2)
      continue;
    const std::size_t Zu = I + Weit;
    const std::string_view Innen = std::string_view(Ohne).substr(I + 1, Zu - I - 1);
    // abgesetzt nur Ziffern ("004 [1]"); "[P]" und "[31 80 ...]" bleiben
    const bool Fussnote = std::all_of(Innen.begin(), Innen.end(), IstEchteZiffer) ||
                          (Innen.size() == 1 && IstKlein1252(Innen[0]) && !IstLeerraum(Ohne[I - 1]));
    if (Fussnote)
      Ohne.replace(I, Zu - I + 1, Zu - I + 1, ' ');
  }
  return Ohne;
}

// Leerraum, Unterstrich (Namen von Bilddateien), Komma (ausser zwischen Ziffern: "12,99"),
// Semikolon, Schraegstrich, "|" und Klammern trennen Marken. Schraegstrich, "+" und "&" zaehlen
// auf ("57301/303", "MQ 4930 + 4130"); Klammern, Semikolon, "|" (Tabellenzellen) und ein
// Doppelpunkt am Wortende schliessen ab: "Bzmot 343 (117 343 ...)", "A10x 10001-10037: 37 coches".
std::vector<TMarke> MarkenAusText(std::string_view Text)
{
  std::vector<TMarke> Marken;
  std::string Wort;
  bool Schraegstrich = false, Grenze = false, Komma = false, NachZeichen = false;
  const auto Anhaengen = [&](const std::string& Teil) {
    TMarke Marke = MarkeNachDenVorigen(Marken, Teil);
    // nach Komma eine Zahl so lang wie die letzte Gruppe davor: "645 031, 032, 034 and 035"
    const bool KommaAufzaehlung = Komma && !Marken.empty() && Marken.back().Art == TArt::Zahl &&
                                  Marke.Art == TArt::Zahl && Marke.Gruppen.size() == 1 &&
                                  Marke.Ziffern.size() == Marken.back().Gruppen.back();
    Marke.NachSchraegstrich = Schraegstrich || KommaAufzaehlung;
    Marke.Grenze = Grenze;
    Marke.NachNummernzeichen = NachZeichen;
    Marke.NachKomma = Komma;
    Marken.push_back(std::move(Marke));
    Schraegstrich = Grenze = Komma = NachZeichen = false;
  };
  for (std::size_t I = 0; I <= Text.size(); ++I) {
    const char Z = I < Text.size() ? Text[I] : ' ';
    if (Z == '*')
      continue;  // Hervorhebung aus Foren und Wikis: "0812 **041**-3"
    const bool KommaInZahl =
        Z == ',' && !Wort.empty() && IstEchteZiffer(Wort.back()) && I + 1 < Text.size() && IstEchteZiffer(Text[I + 1]);
    const bool Hier = I < Text.size() && TrenntHier(Text, I, Wort);
    if (Hier && Z == ':')
      Wort.push_back(':');  // wie "Nr.: 3180...": der Doppelpunkt schliesst das Wort ab
    // der Schraegstrich trennt Aufzaehlungen: "001-4/002-2", "004/007/018", "1999/2000"
    if ((!TrenntMarken(Z) || KommaInZahl) && !Hier) {
      // ein Wort in Anfuehrung bleibt so: ein Name ist kein Gattungszeichen
      const bool VorZahl = I + 1 < Text.size() && IstEchteZiffer(Text[I + 1]);
      if (!Wort.empty() || !VorZahl || AnfuehrungVorn.find(Z) == std::string_view::npos)
        Wort.push_back(Z);
      NachZeichen = NachZeichen || (Wort.empty() && Z == '#');
      if (Nummernzeichen(Wort) && I + 1 < Text.size() && !IstLeerraum(Text[I + 1])) {
        Wort.clear();
        NachZeichen = true;
      }
      continue;
    }
    const bool Doppelpunkt = WortEndeAbschneiden(Wort, Marken.empty());
    if (const std::string Vorn = VornAbtrennen(Wort); !Vorn.empty())
      Anhaengen(Vorn);
    if (const std::size_t Strich = BereichZweierNummern(Wort); Strich > 0) {
      Anhaengen(Wort.substr(0, Strich));
      Wort.erase(0, Strich + 1);
      Schraegstrich = true;  // die zweite zaehlt auf wie hinter "/"
    }
    if (Wort == "#")
      NachZeichen = true;  // "# 450", "№ 46.03": fuer die naechste Marke
    else if (!Wort.empty())
      Anhaengen(Wort);
    Wort.clear();
    Schraegstrich = Schraegstrich || Z == '/' || Z == '+' || Z == '&';
    Komma = Komma || (Z == ',' && !Marken.empty());
    Grenze = Grenze || Doppelpunkt || SchliesstAb(Z);
  }
  AntriebAbtrennen(Marken);
  return Marken;
}

// Ein Datum mit Schraegstrichen ("14/10/07", "20/03/2017", amerikanisch "10/14/07") ist eine Marke
// wie "14.10.07", keine Aufzaehlung ("57301/303") und keine Achszahl ("Re 4/4")
void DatenZusammenfassen(std::vector<TMarke>& Marken)
{
  const auto Teil = [](const TMarke& M, std::size_t Min, std::size_t Max) {
    return M.Art == TArt::Zahl && !M.Verlesen && M.Gruppen.size() == 1 && NurZiffernVon(M.Text, Min, Max);
  };
  for (std::size_t I = 0; I + 2 < Marken.size(); ++I) {
    const TMarke &Tag = Marken[I], &Monat = Marken[I + 1], &Jahr = Marken[I + 2];
    if (!Teil(Tag, 1, 2) || !Teil(Monat, 1, 2) || !(Teil(Jahr, 2, 2) || Teil(Jahr, 4, 4)) || !Monat.NachSchraegstrich ||
        !Jahr.NachSchraegstrich || Monat.Grenze || Jahr.Grenze)
      continue;
    const int A = std::atoi(Tag.Text.c_str()), B = std::atoi(Monat.Text.c_str());
    if (A < 1 || B < 1 || A > 31 || B > 31 || (A > 12 && B > 12))
      continue;
    TMarke Datum = MarkeLesen(Tag.Text + "/" + Monat.Text + "/" + Jahr.Text);
    Datum.Grenze = Tag.Grenze;
    Datum.NachKomma = Tag.NachKomma;
    Datum.NachSchraegstrich = Tag.NachSchraegstrich;
    Marken[I] = std::move(Datum);
    Marken.erase(Marken.begin() + static_cast<std::ptrdiff_t>(I) + 1,
                 Marken.begin() + static_cast<std::ptrdiff_t>(I) + 3);
  }
}

std::vector<TMarke> MarkenLesen(std::string_view Text)
{
  std::vector<TMarke> Marken = MarkenAusText(OhneFussnoten(Text));
  DatenZusammenfassen(Marken);
  return Marken;
}

// Ein Wort, das zwischen den Gruppen einer Nummer stehen darf: "RIV", "D-DB", "CZ-CD", "[P]"
bool Zwischenwort(const TMarke& Marke)
{
  return Marke.Art == TArt::Wort && std::any_of(Marke.Text.begin(), Marke.Text.end(), IstGross1252) &&
         std::all_of(Marke.Text.begin(), Marke.Text.end(),
                     [](char Z) { return IstGross1252(Z) || Z == '-' || Z == '[' || Z == ']' || Z == '?'; });
}

// Ziffern: wie weit gelesen. Anders gegliedert gilt eine ganze Nummer nur, wenn ihre abgesetzte
// Pruefziffer stimmt ("80 87 97 908 50 2" aus einem Verzeichnis franzoesischer Wagen).
bool UicGegliedert(const std::vector<std::size_t>& Grenzen, std::string_view Ziffern)
{
  if (Ziffern.size() != 11 && Ziffern.size() != 12)
    return false;
  if (Grenzen.empty())
    return true;
  const bool ErsteGut = Grenzen.front() == 2 || Grenzen.front() == 4 || Grenzen.front() == 11;
  const bool AlleErlaubt = std::all_of(Grenzen.begin(), Grenzen.end(), [](std::size_t G) {
    return std::find(UicGrenzen.begin(), UicGrenzen.end(), G) != UicGrenzen.end();
  });
  if (Ziffern.size() == 11)
    return ErsteGut && AlleErlaubt;
  const bool PruefzifferStimmt =
      Ziffern.find('?') == std::string_view::npos && Pruefziffer(Ziffern.substr(0, 11)) == Ziffern.substr(11);
  // Stellen 1-6 am Stueck nur mit stimmender Pruefziffer: polnisch "505124-15132-9"
  const bool SechsVorn = Grenzen.front() == 6 && PruefzifferStimmt;
  return (ErsteGut || SechsVorn) && Grenzen.back() == 11 && (AlleErlaubt || PruefzifferStimmt);
}

// Die naechste Marke nach I, die kein Strich ist, oder nullptr
const TMarke* Naechste(const std::vector<TMarke>& Marken, std::size_t I, bool* StrichDazwischen = nullptr)
{
  for (std::size_t J = I + 1; J < Marken.size(); ++J) {
    if (Marken[J].Grenze)
      return nullptr;
    if (Marken[J].Art != TArt::Strich)
      return &Marken[J];
    if (StrichDazwischen)
      *StrichDazwischen = true;
  }
  return nullptr;
}

bool MengeDahinter(const std::vector<TMarke>& Marken, std::size_t I);

// Marke J beginnt etwas Neues und gehoert zu keiner Nummer davor: eine Menge, eine Zahl aus einer
// Gruppe vor ihrer Einheit ("004 2 Stück", "24 t"; "003-8 t" bleibt die Pruefziffer), oder eine
// Zahl hinter "#"
bool FaengtNeuesAn(const std::vector<TMarke>& Marken, std::size_t J)
{
  return Marken[J].NachNummernzeichen || (Marken[J].Gruppen.size() == 1 && MengeDahinter(Marken, J));
}

// Endet hier eine Nummer, oder geht sie weiter (elf Ziffern und eine Zahl dahinter, eine
// Pruefziffer hinter einem Strich)?
bool EndetHier(const std::vector<TMarke>& Marken, std::size_t Bis, bool MitPruefziffer)
{
  bool Strich = false;
  const TMarke* Dahinter = Naechste(Marken, Bis, &Strich);
  if (!Dahinter || Dahinter->Art != TArt::Zahl)
    return true;
  // eine oder zwei Ziffern allein dahinter koennten die Pruefziffer sein ("31 80 6652 003 81");
  // sonst folgt Aufzaehlung, Bereich, Datum oder Menge ("004/007", "000 – 017", "010/26", "– 64.200 l")
  const bool Kurz = Dahinter->Gruppen.size() == 1 && Dahinter->Ziffern.size() <= (MitPruefziffer ? 1 : 2) &&
                    !FaengtNeuesAn(Marken, static_cast<std::size_t>(Dahinter - Marken.data()));
  if (!MitPruefziffer)
    return !Kurz || Dahinter->NachSchraegstrich;
  return !Kurz || (!Strich && !Dahinter->StrichVorn);
}

int UicGuete(const std::string& Ziffern, bool MitVerlesenem)
{
  const bool Unbekannt = Ziffern.find('?') != std::string::npos;
  const int Guete = Ziffern.size() == 11                                       ? 20
                    : Unbekannt                                                ? 35
                    : Pruefziffer(Ziffern.substr(0, 11)) == Ziffern.substr(11) ? 40
                                                                               : 30;
  return Guete - (MitVerlesenem ? 1 : 0);
}

void UicKandidatenAb(const std::vector<TMarke>& Marken, std::size_t Von, std::vector<TKandidat>& Kandidaten)
{
  std::string Ziffern;
  std::vector<std::size_t> Grenzen;
  bool MitVerlesenem = false;
  for (std::size_t I = Von; I < Marken.size() && Ziffern.size() <= 12; ++I) {
    const TMarke& Marke = Marken[I];
    if (I > Von && (Marke.Grenze || FaengtNeuesAn(Marken, I)))
      return;
    if (Marke.Art == TArt::Strich)
      continue;
    if (Marke.Art == TArt::Wort && (Ziffern.size() == 2 || Ziffern.size() == 4) && Zwischenwort(Marke))
      continue;
    if (Marke.Art != TArt::Zahl)
      return;
    // ein Bereich der Ordnungsnummern: "81 70 5932 757-806", "31 85 532 4 000–065"
    std::vector<std::size_t> MitBereich = Grenzen;
    MitBereich.push_back(8);
    const std::string Elf = Ziffern + Marke.Ziffern.substr(0, 3);
    if (Ziffern.size() == 8 && Marke.Gruppen.size() == 2 && Marke.Gruppen[0] == 3 && Marke.Gruppen[1] == 3 &&
        Marke.Text.find_first_of("-\x96") != std::string::npos && UicGegliedert(MitBereich, Elf)) {
      Kandidaten.push_back({Von, I, Elf, false, UicGuete(Elf, MitVerlesenem || Marke.Verlesen), {}, {}});
      return;
    }
    std::size_t Laenge = Ziffern.size();
    for (const std::size_t Gruppe : Marke.Gruppen) {
      if (Laenge > 0)
        Grenzen.push_back(Laenge);
      Laenge += Gruppe;
    }
    Ziffern += Marke.Ziffern;
    MitVerlesenem = MitVerlesenem || Marke.Verlesen;
    if (UicGegliedert(Grenzen, Ziffern) && EndetHier(Marken, I, Ziffern.size() == 12))
      Kandidaten.push_back({Von, I, Ziffern, false, UicGuete(Ziffern, MitVerlesenem), {}, {}});
  }
}

bool IstJahr(std::string_view Ziffern);
bool ZahlVorMarke(const std::vector<TMarke>& Marken, std::size_t I);

// Die ersten 7-10 Stellen fuer sich, gegliedert wie eine Wagennummer: eine Reihe von Wagen
// ("Vozy řady Bdmpee233, číslované v intervalu 61 54 20-71") oder eine Tabelle, die nur die
// Kennzahl fuehrt ("Glms207 | 21 80 143"). Die fehlenden Stellen sind "?"; Austauschkennzahl und
// Land muessen belegt sein, und ein Datum ("12 10 2019") ist keine. Nur in einer Zeile mit
// Woertern: getippte Ziffern allein ("31 80 665") sind eine zu kurze Nummer.
void TeilnummerAb(const std::vector<TMarke>& Marken, std::size_t Von, const TLesewissen& Wissen,
                  std::vector<TKandidat>& Kandidaten)
{
  if (!Wissen.KopfBekannt || (ZahlVorMarke(Marken, Von) && !Marken[Von].NachKomma) ||
      std::none_of(Marken.begin(), Marken.end(), [](const TMarke& W) { return W.Art == TArt::Wort; }))
    return;
  std::string Ziffern;
  std::vector<std::size_t> Gruppen;
  std::size_t Bis = Von;
  for (std::size_t I = Von; I < Marken.size() && (I == Von || !(Marken[I].Grenze || Marken[I].NachKomma)); ++I) {
    const TMarke& M = Marken[I];
    if (M.Art == TArt::Strich)
      continue;
    if (M.Art != TArt::Zahl)
      break;
    if (M.Verlesen || M.Platzhalter || (I > Von && M.NachSchraegstrich))
      return;
    Gruppen.insert(Gruppen.end(), M.Gruppen.begin(), M.Gruppen.end());
    Ziffern += M.Ziffern;
    Bis = I;
  }
  std::size_t Grenze = 0;
  const bool Gegliedert = Gruppen.size() >= 3 && Gruppen[0] == 2 && Gruppen[1] == 2 &&
                          std::all_of(Gruppen.begin(), Gruppen.end() - 1, [&](std::size_t G) {
                            Grenze += G;
                            return std::find(UicGrenzen.begin(), UicGrenzen.end(), Grenze) != UicGrenzen.end();
                          });
  const bool Datum = Gruppen.size() == 3 && Gruppen[2] == 4 && IstJahr(Ziffern.substr(4));
  // die ersten Gruppen stehen fuer sich ("18-33 524-2" sind die Stellen 5-12), am Ende steht keine Pruefziffer
  const bool Getrennt = Marken[Von].Gruppen.size() == 1 && !Marken[Bis].StrichVorLetzter;
  if (Gegliedert && !Datum && Getrennt && Ziffern.size() >= 7 && Ziffern.size() <= 10 &&
      Ziffern.find('?') == std::string::npos && Wissen.KopfBekannt(std::string_view(Ziffern).substr(0, 4)))
    Kandidaten.push_back(
        {Von, Bis, Ziffern + std::string(12 - Ziffern.size(), '?'), false, GueteTeil, {}, {}, false, Ziffern.size()});
}

bool GueterwagenGattung(const TMarke& Marke);
bool MengeDahinter(const std::vector<TMarke>& Marken, std::size_t I);
bool KatalogDavor(const TMarke& Davor);
bool Artikelnummer(const std::vector<TMarke>& Marken, std::size_t I, bool AuchHersteller);
bool HerstellerWort(std::string_view Davor);

// Fuenf Ziffern mit Pruefziffer, wie die BDZ seit 1988 numeriert ("80001-1", "44134.2"): nur mit
// stimmender Pruefziffer nach eigener Regel oder, mit Punkt abgesetzt wie bei der BDZ, nach der
// zwoelfstelligen; sonst waeren es zu oft andere Zahlen (Zugnummern "nr. 80676-1").
bool FuenfMitPruefziffer(const std::vector<std::size_t>& Rumpf, const std::string& Ziffern, const TMarke& Letzte)
{
  if ((Rumpf != std::vector<std::size_t>{5} && Rumpf != std::vector<std::size_t>{2, 3}) || Ziffern.size() != 6)
    return false;
  const std::string_view Fuenf = std::string_view(Ziffern).substr(0, 5);
  const std::size_t Ende = Letzte.Text.find_last_of("0123456789");
  const bool Punkt = Ende != std::string::npos && Ende > 0 && Letzte.Text[Ende - 1] == '.';
  return Pruefziffer(Fuenf) == Ziffern.substr(5) ||
         (Punkt && !ZwoelfVermutet(FuenfstelligesLand, Fuenf, Ziffern.substr(5)).empty());
}

void NationalAb(const std::vector<TMarke>& Marken, std::size_t Von, std::vector<TKandidat>& Kandidaten)
{
  // "Tbis 5715451-6": sieben Ziffern am Stueck hinter Gattungszeichen sind Stellen 5-12 eines
  // Gueterwagens, keine nationale Nummer
  if (Von > 0 && !Marken[Von].Grenze && Marken[Von].Gruppen == std::vector<std::size_t>{7, 1} &&
      GueterwagenGattung(Marken[Von - 1]))
    return;
  if (Von > 0 && KatalogDavor(Marken[Von - 1]))
    return;
  std::string Ziffern;
  std::vector<std::size_t> Gruppen;
  bool StrichVorLetzter = false, Strich = false;
  for (std::size_t I = Von; I < Marken.size() && Ziffern.size() <= 8; ++I) {
    const TMarke& Marke = Marken[I];
    if (I > Von && (Marke.Grenze || FaengtNeuesAn(Marken, I)))
      return;
    if (Marke.Art == TArt::Strich) {
      Strich = true;
      continue;
    }
    if (Marke.Art != TArt::Zahl || Marke.Verlesen)
      return;
    Gruppen.insert(Gruppen.end(), Marke.Gruppen.begin(), Marke.Gruppen.end());
    Ziffern += Marke.Ziffern;
    StrichVorLetzter = Marke.StrichVorLetzter || (Strich && Marke.Gruppen.size() == 1 && Marke.Gruppen[0] == 1);
    Strich = false;
    if (!StrichVorLetzter || Gruppen.back() != 1 || !EndetHier(Marken, I, true))
      continue;
    const std::vector<std::size_t> Rumpf(Gruppen.begin(), Gruppen.end() - 1);
    if (MengeDahinter(Marken, I))
      return;
    if (std::find(NationaleGliederungen.begin(), NationaleGliederungen.end(), Rumpf) != NationaleGliederungen.end() ||
        FuenfMitPruefziffer(Rumpf, Ziffern, Marke))
      Kandidaten.push_back({Von, I, Ziffern, true, 10, {}, {}});
  }
}

// Eine Reihe aus Buchstaben und Ziffern: "SM42", "Ol49", "V170", "3E", "Er766", "Sr1"; mit Strich
// vor der Nummer auch laenger, mit den Buchstaben einer Modernisierung ("EN57AKM-1941")
bool WieReihe(std::string_view T, std::size_t Hoechstens = 6)
{
  // FS mit Punkt: "D.145"
  if (T.size() >= 5 && T.size() <= 6 && IstGross1252(T[0]) && T.find('.') != std::string_view::npos &&
      NurZiffernVon(T.substr(T.find('.') + 1), 3, 3))
    return true;
  const bool Zeichen = std::all_of(T.begin(), T.end(), [](char Z) { return IstBuchstabe(Z) || IstEchteZiffer(Z); });
  return T.size() >= 2 && T.size() <= Hoechstens && Zeichen && std::any_of(T.begin(), T.end(), IstGross1252) &&
         std::any_of(T.begin(), T.end(), IstEchteZiffer);
}

// Reihe und Nummer in einer Marke ohne Trenner vor der Ordnungsnummer: Renfe mit Tausenderpunkt
// ("BB-10.200" ist BB 10200, "AA-8.003"), eine kyrillische Reihe, die auf Buchstaben endet, mit
// angehaengter Nummer ("ЧС2Т945", umschrieben "CS2T945": Reihe CS2T, Nummer 945).
bool ReiheAngeschrieben(const std::string& T, std::size_t I, std::vector<TKandidat>& Kandidaten)
{
  const std::size_t Strich = T.find('-');
  if (Strich >= 1 && Strich <= 3 &&
      std::all_of(T.begin(), T.begin() + static_cast<std::ptrdiff_t>(Strich), IstGross1252)) {
    const std::string_view Zahl = std::string_view(T).substr(Strich + 1);
    const std::size_t Punkt = Zahl.find('.');
    if (Punkt >= 1 && Punkt <= 2 && NurZiffern(Zahl.substr(0, Punkt)) && NurZiffernVon(Zahl.substr(Punkt + 1), 3, 3)) {
      const std::string Nummer = std::string(Zahl.substr(0, Punkt)) + std::string(Zahl.substr(Punkt + 1));
      Kandidaten.push_back({I, I, Nummer, false, GueteOhneReihe, T.substr(0, Strich), Nummer});
      return true;
    }
  }
  std::size_t Pos = 0;
  const auto Lauf = [&](bool Ziffern) {
    const std::size_t Anfang = Pos;
    while (Pos < T.size() && (Ziffern ? IstEchteZiffer(T[Pos]) : IstGross1252(T[Pos])))
      ++Pos;
    return Pos - Anfang;
  };
  const std::size_t Vorn = Lauf(false), Reihe = Lauf(true), Zusatz = Lauf(false), Nummer = Lauf(true);
  if (Pos != T.size() || Vorn < 1 || Vorn > 3 || Reihe < 1 || Reihe > 3 || Zusatz < 1 || Zusatz > 2 || Nummer < 3 ||
      Nummer > 4)
    return false;
  Kandidaten.push_back({I, I, T.substr(T.size() - Nummer), false, GueteOhneReihe, T.substr(0, T.size() - Nummer),
                        T.substr(T.size() - Nummer)});
  return true;
}

// Achsfolge, Serie und Nummer in einem: "141R568", "185CL007" (SNCF)
bool SerieAngehaengt(const std::string& T, std::size_t I, std::vector<TKandidat>& Kandidaten)
{
  const std::size_t Buchstaben = T.find_first_not_of("0123456789");
  const std::size_t Nummer = T.find_first_of("0123456789", Buchstaben == std::string::npos ? T.size() : Buchstaben);
  if (Buchstaben < 2 || Buchstaben > 3 || Nummer == std::string::npos || Nummer - Buchstaben > 2 ||
      !std::all_of(T.begin() + static_cast<std::ptrdiff_t>(Buchstaben), T.begin() + static_cast<std::ptrdiff_t>(Nummer),
                   IstGross1252) ||
      !NurZiffernVon(std::string_view(T).substr(Nummer), 2, 4))
    return false;
  Kandidaten.push_back({I, I, T.substr(Nummer), false, GueteOhneReihe, T.substr(0, Nummer), T.substr(Nummer)});
  return true;
}

// "SM42-2244", "D.341.2025": Reihe und Ordnungsnummer in einer Marke
void OhnePruefzifferGemischt(const TMarke& M, std::size_t I, std::vector<TKandidat>& Kandidaten)
{
  const std::string T = M.Text.substr(0, M.Text.find(','));  // "EU07-127,179": die erste
  if (ReiheAngeschrieben(T, I, Kandidaten) || SerieAngehaengt(T, I, Kandidaten))
    return;
  const std::size_t Trenner = T.find_last_of("-.");
  if (Trenner == std::string::npos || !NurZiffernVon(std::string_view(T).substr(Trenner + 1), 1, 4))
    return;
  const std::string Reihe = T.substr(0, Trenner);
  // Achsfolge und Traktion der CFR und BDZ ("060-DA-001", mit Unterreihe "060-EA1-056"), Reihe aus
  // Buchstaben allein vor drei oder vier Ziffern (Renfe "DD-8501", "C-4366")
  const std::size_t Strich = Reihe.find('-');
  const std::size_t Traktion = Reihe.size() - (!Reihe.empty() && IstEchteZiffer(Reihe.back()) ? 1 : 0);
  const bool Achsfolge = Strich != std::string::npos &&
                         NurZiffernVon(std::string_view(Reihe).substr(0, Strich), 2, 3) && Traktion - Strich >= 2 &&
                         Traktion - Strich <= 4 &&
                         std::all_of(Reihe.begin() + static_cast<std::ptrdiff_t>(Strich) + 1,
                                     Reihe.begin() + static_cast<std::ptrdiff_t>(Traktion), IstGross1252);
  // auch mit Punkt vor vier Ziffern (OSE "A.9501"; "E.464" ist eine Reihe der FS)
  const bool NurBuchstaben = (T[Trenner] == '-' || (T[Trenner] == '.' && T.size() - Trenner == 5)) &&
                             Reihe.size() <= 3 && Trenner + 3 <= T.size() - 1 &&
                             std::all_of(Reihe.begin(), Reihe.end(), IstGross1252);
  // FS auch mit dem Buchstaben einer Unterreihe ("E.402B.145")
  const std::size_t Punkt = Reihe.find('.');
  const std::string_view NachPunkt = std::string_view(Reihe).substr(std::min(Punkt + 1, Reihe.size()));
  const bool MitPunkt =
      T[Trenner] == '.' && Punkt != std::string::npos && Punkt > 0 && Punkt <= 3 &&
      std::all_of(Reihe.begin(), Reihe.begin() + static_cast<std::ptrdiff_t>(Punkt), IstGross1252) &&
      (NurZiffernVon(NachPunkt, 2, 4) ||
       (IstGross1252(NachPunkt.back()) && NurZiffernVon(NachPunkt.substr(0, 3), 3, 3) && NachPunkt.size() == 4));
  // Reihe mit kleinen Buchstaben, Punkt, Nummer (NSB "Di3.602", SJ "Rc4.1290"; nicht die FS "E.646")
  const bool KleinMitPunkt = T[Trenner] == '.' && WieReihe(Reihe) &&
                             std::any_of(Reihe.begin(), Reihe.end(), IstKlein1252) && T.size() - Trenner >= 4;
  // Antriebsbuchstabe und dreistellige Reihe am Punkt (CSD "M124.001", HSH "T669.1047"; die FS
  // schreiben den Punkt hinter den Buchstaben: "E.646")
  const std::size_t ReiheZiffern = Reihe.find_first_of("0123456789");
  const bool GrossMitPunkt =
      T[Trenner] == '.' && ReiheZiffern >= 1 && ReiheZiffern <= 2 &&
      std::all_of(Reihe.begin(), Reihe.begin() + static_cast<std::ptrdiff_t>(ReiheZiffern), IstGross1252) &&
      NurZiffernVon(std::string_view(Reihe).substr(ReiheZiffern), 3, 3) && T.size() - Trenner >= 4;
  // Buchstaben und Ziffern der Reihe mit Strich (sowjetisch "ТЭ-2-125", "ТЭ1-20-195")
  const std::string_view ReiheVorn = std::string_view(Reihe).substr(0, Strich);
  const bool ReiheMitStrich =
      T[Trenner] == '-' && Strich != std::string::npos && Strich >= 1 && Strich + 1 < Reihe.size() &&
      ((ReiheVorn.size() <= 3 && std::all_of(ReiheVorn.begin(), ReiheVorn.end(), IstGross1252)) ||
       WieReihe(ReiheVorn)) &&
      NurZiffernVon(std::string_view(Reihe).substr(Strich + 1), 1, 3) && T.size() - Trenner >= 4;
  if ((T[Trenner] == '-' && (WieReihe(Reihe, 8) || Achsfolge || ReiheMitStrich)) || NurBuchstaben || MitPunkt ||
      KleinMitPunkt || GrossMitPunkt)
    Kandidaten.push_back({I, I, T.substr(Trenner + 1), false, GueteOhneReihe, Reihe, T.substr(Trenner + 1)});
}

std::string ZahlBenennen(const std::vector<TMarke>& Marken, std::size_t I);
bool WortIn(std::string_view Wort, std::initializer_list<std::string_view> Liste);
template <std::size_t N>
bool WortIn(std::string_view Wort, const std::array<std::string_view, N>& Liste)
{
  return std::any_of(Liste.begin(), Liste.end(), [&](std::string_view W) { return GleichOhneFall(W, Wort); });
}

// Vor oder hinter einem Preis
constexpr std::array<std::string_view, 6> Waehrungen = {"\x80", "EUR", "Euro", "CHF", "K\x9A", "PLN"};
// Davor steht die Nummer eines Katalogs, nie eines Fahrzeugs ("nr. kat. 114003-3")
constexpr std::array<std::string_view, 10> Katalogwoerter = {
    "Art.", "Art.-Nr.", "Artikel", "Artikelnummer", "Best.-Nr.", "kat.", "Kat.-Nr.", "cat.", "Katalognummer", "Ref."};

bool KatalogDavor(const TMarke& Davor) { return Davor.Art == TArt::Wort && WortIn(Davor.Text, Katalogwoerter); }

// Dahinter steht ein Wort fuer die Reihe: die Zahl ist die Reihe, nicht die Nummer ("201 Class")
constexpr std::array<std::string_view, 11> Reihenwoerter = {
    "Class", "Klasse", "Baureihe", "Reihe", "s\xE9rie", "serie", "series", "sorozat", "seria", "gruppo", "litra"};

// Hinter der Zahl steht eine Einheit, Waehrung oder Stueckzahl ("44134.2 kg", "12345.6 EUR",
// "2 Stück"): eine Menge
bool MengeDahinter(const std::vector<TMarke>& Marken, std::size_t I)
{
  const TMarke* Dahinter = I + 1 < Marken.size() ? &Marken[I + 1] : nullptr;
  // steht hinter der Einheit eine Zahl, gehoert sie zu ihr: "km 12,5" ist eine Stelle der Strecke
  const bool ZahlDahinter = I + 2 < Marken.size() && !Marken[I + 2].Grenze && Marken[I + 2].Art != TArt::Wort &&
                            IstEchteZiffer(Marken[I + 2].Text[0]);
  return Dahinter && Dahinter->Art == TArt::Wort && !ZahlDahinter &&
         (MitEinheit("1" + Dahinter->Text) || WortIn(Dahinter->Text, Waehrungen) ||
          WortIn(Dahinter->Text, {"St\xFC"
                                  "ck",
                                  "Stk.", "pcs", "szt."}));
}

// Eine Reihe aus Buchstaben vor der Ordnungsnummer: bis drei Grossbuchstaben ("BB 36342"); kein
// Merkmal, keine Waehrung ("EUR 120"), keine Norm ("UIC 438", "NEM 362") und keine Baureihe ("BR 218"
// ist die Reihe selbst). Mit kleinen Buchstaben dahinter ist es mehrdeutig: "ALDb 201" ist ein
// Triebwagen, "ABm 225" und "WRmh 132" sind Bauarten.
bool BuchstabenReihe(std::string_view W)
{
  return W.size() <= 3 && std::all_of(W.begin(), W.end(), IstGross1252) && !IstMerkmal(W) && !WortIn(W, Waehrungen) &&
         !WortIn(W, {"UIC", "NEM", "DIN", "ISO", "BR", "RH", "NO"});
}
bool IstBauart(const std::vector<TMarke>& Marken, std::size_t I);

// Steht vor Marke I eine Zahl, mit der sie eine Nummer bilden koennte (keine Klammer dazwischen)?
bool ZahlVorMarke(const std::vector<TMarke>& Marken, std::size_t I)
{
  return I > 0 && Marken[I - 1].Art == TArt::Zahl && !Marken[I].Grenze && !Artikelnummer(Marken, I - 1, true);
}

// Folgt hinter Marke Bis keine Zahl, die zur Nummer gehoeren koennte? Eine Aufzaehlung
// ("57301/303", "MQ 4930 + 4130", "Z 21585/6") laesst die Nummer allein.
bool Allein(const std::vector<TMarke>& Marken, std::size_t Bis)
{
  const TMarke* Naechstes = Naechste(Marken, Bis);
  return !Naechstes || Naechstes->Art != TArt::Zahl || Naechstes->NachSchraegstrich ||
         FaengtNeuesAn(Marken, static_cast<std::size_t>(Naechstes - Marken.data()));
}

// Fuer eine gegliederte Zahl allein zaehlt auch, was hinter ihr kein Teil von ihr ist: eine Zahl gleicher
// Gliederung nach einem Komma (Aufzaehlung "124-004, 20-007, 01-021"), dieselbe noch einmal ("20-183
// 20-183") oder hinter einer Ordnungsnummer aus drei Ziffern ein Jahr ("704.209 1917"; nicht
// "12.05 2019").
bool AlleinOderAufgezaehlt(const std::vector<TMarke>& Marken, std::size_t I)
{
  const TMarke* Naechstes = Naechste(Marken, I);
  const TMarke& M = Marken[I];
  return Allein(Marken, I) ||
         (M.Gruppen.size() >= 2 && Naechstes->Art == TArt::Zahl && !Naechstes->Verlesen &&
          ((Naechstes->NachKomma && Naechstes->Gruppen.size() == M.Gruppen.size()) || Naechstes->Text == M.Text ||
           (M.Gruppen.back() >= 3 && Naechstes->Gruppen.size() == 1 && IstJahr(Naechstes->Ziffern))));
}

// Hinter Marke I ein Strich mit Leerraum und das Ende eines Bereichs, der mit Anfang beginnt: so
// lang wie er und groesser. Gibt die Marke des Endes zurueck, sonst 0.
std::size_t EndeNach(const std::vector<TMarke>& Marken, std::size_t I, std::string_view Anfang)
{
  if (I + 2 >= Marken.size() || Marken[I + 1].Art != TArt::Strich || Marken[I + 2].Grenze ||
      Marken[I + 2].Art != TArt::Zahl || Marken[I + 2].Gruppen.size() != 1 || !Allein(Marken, I + 2))
    return 0;
  const std::string& Ende = Marken[I + 2].Ziffern;
  return Ende.size() == Anfang.size() && Ende > Anfang ? I + 2 : 0;
}

// Hinter der Zahl das Ende eines Bereichs ihrer Ordnungsnummern ("744.125 - 128"), sonst 0
std::size_t BereichsEnde(const std::vector<TMarke>& Marken, std::size_t I)
{
  const std::string& Ziffern = Marken[I].Ziffern;
  return Marken[I].Gruppen.size() >= 2 ? EndeNach(Marken, I, Ziffern.substr(Ziffern.size() - Marken[I].Gruppen.back()))
                                       : 0;
}

// Woerter fuer "Nummer" in den Sprachen der Quellen, umgeschrieben wie die Eingabe ("numărul" wird
// "numarul", "číslo" wird "cislo"); "Nr." nicht, das steht in Katalogen auch vor der Artikelnummer
constexpr std::array<std::string_view, 27> Nummernwoerter = {
    "No.",     "No",    "Nos.",    "n.\xBA",  "N.\xBA", "N\xB0",  "N\xBA",     "N.",        "nr",
    "nro",     "Nro.",  "number",  "numbers", "Nummer", "numero", "n\xFAmero", "num\xE9ro", "numer",
    "numerem", "nomer", "numarul", "numar",   "cislo",  "cislem", "numret",    "nummeret",  "numerolla"};

// Ein Nummernwort, auch fuer die fruehere Nummer ("ex-número 1")
bool IstNummernwort(std::string_view W)
{
  return WortIn(GleichOhneFall(W.substr(0, 3), "ex-") ? W.substr(3) : W, Nummernwoerter);
}

// Hinter "No.", "number", "numer", "№" ...: dort steht die Nummer, nicht Reihe oder Menge
bool HinterNummernwort(const std::vector<TMarke>& Marken, std::size_t I)
{
  return Marken[I].NachNummernzeichen || (I > 0 && IstNummernwort(Marken[I - 1].Text));
}

// Ein Wort fuer das Fahrzeug ("A locomotiva 832", "La locomotive 804", "TREINSTEL 252"), auch
// zusammengesetzt ("Diesellok 10", "Museumstriebwagen")
bool Fahrzeugwort(std::string_view W)
{
  constexpr std::array<std::string_view, 22> Woerter = {
      "Lokomotive", "locomotive", "locomotiva", "locomotora",  "lokomotiva", "lokomotywa", "lokomotiv", "locomotief",
      "loco",       "engine",     "railcar",    "automotrice", "autorail",   "automotora", "motrice",   "treinstel",
      "Traktor",    "veturi",     "vedur",      "teplovoz",    "parovoz",    "elektrovoz"};
  const std::string Klein = OhneFall(W);
  return WortIn(W, Woerter) || (Klein.ends_with("lok") && Klein.size() >= 3) || Klein.ends_with("triebwagen");
}

// Hinter einem Wort fuer das Fahrzeug: dort ist auch eine dreistellige Zahl allein die Nummer
bool HinterFahrzeugwort(const std::vector<TMarke>& Marken, std::size_t I)
{
  return I > 0 && !Marken[I].Grenze && Marken[I - 1].Art == TArt::Wort && Fahrzeugwort(Marken[I - 1].Text);
}

// Breitspur (1520 mm): acht Ziffern am Stueck hinter einem Nummernwort, die letzte die
// Pruefziffer mit denselben Gewichten wie nach UIC ("Setevoj №: 15315997", "salonvagons Nr.
// 00870006"); nur mit stimmender Pruefziffer, sonst ist es irgendeine Zahl.
void BreitspurAb(const std::vector<TMarke>& Marken, std::size_t I, std::vector<TKandidat>& Kandidaten)
{
  const TMarke& M = Marken[I];
  const bool NachNr = I > 0 && WortIn(Marken[I - 1].Text, {"Nr.", "Nr"});
  if (M.Art != TArt::Zahl || M.Verlesen || M.Gruppen != std::vector<std::size_t>{8} ||
      !(NachNr || HinterNummernwort(Marken, I)) || Pruefziffer(M.Ziffern.substr(0, 7)) != M.Ziffern.substr(7))
    return;
  TKandidat Kandidat{I, I, M.Ziffern, false, 10, {}, {}};
  Kandidat.Breitspur = true;
  Kandidaten.push_back(std::move(Kandidat));
}

bool KurzeGattung(const TMarke& M);

// Eine Reihe vor einem Nummernwort: Buchstaben und Ziffern ("SM42 nr 2244", "T9 No. 30120"), kurze
// Gattungs- oder Reihenbuchstaben ("SJ A nr 103", "litra BF2a nr. 686")
bool ReiheVorNummernwort(const TMarke& M)
{
  return (M.Art == TArt::Gemischt && IstGross1252(M.Text[0]) && M.Text.find_first_of("-./") == std::string::npos) ||
         KurzeGattung(M) || BuchstabenReihe(M.Text);
}

// Eine Zahl allein: "1116.282", "363.501-503" (Bereich), "471-005" (ungarisch mit Strich), JZ
// mit zweistelliger Reihe "83-173" (nicht "000"), DR
// schmalspurig "7.0786", sonst 4-6 Ziffern, die nichts anderes sind ("West Coast Railways 47804"),
// hinter "No." oder einem Fahrzeugwort auch drei ("Vr1 steam locomotive No. 670", "A locomotiva 832").
void OhnePruefzifferZahl(const std::vector<TMarke>& Marken, std::size_t I, std::vector<TKandidat>& Kandidaten)
{
  const TMarke& M = Marken[I];
  const std::size_t Ende = BereichsEnde(Marken, I);
  if (M.Verlesen || !(AlleinOderAufgezaehlt(Marken, I) || Ende > 0) || ZahlVorMarke(Marken, I) ||
      MengeDahinter(Marken, I))
    return;
  const std::size_t Trenner = M.Text.find_first_of("-.");
  const bool Punkt = Trenner != std::string::npos && M.Text[Trenner] == '.';
  const bool Vorn = M.Gruppen.size() >= 2 &&
                    ((M.Gruppen[0] >= 2 && M.Gruppen[0] <= 4) || (Punkt && M.Gruppen[0] == 1 && M.Gruppen[1] == 4));
  const bool Form =
      Vorn && M.Gruppen[1] >= 2 && M.Gruppen[1] <= 4 &&
      ((Punkt && (M.Gruppen.size() == 2 || (M.Gruppen.size() == 3 && M.Text.find('-') != std::string::npos))) ||
       (!Punkt && M.Gruppen.size() == 2 && M.Gruppen[1] == 3 &&
        (M.Gruppen[0] == 3 || (M.Gruppen[0] == 2 && M.Ziffern.substr(2) != "000") ||
         // HZ "1142-001": vierstellige Reihe mit Strich, kein Jahr davor
         (M.Gruppen[0] == 4 && M.Text.find('-') != std::string::npos && !IstJahr(M.Ziffern.substr(0, 4))))) ||
       // Reihe und vierstellige Nummer mit Strich: CFR "60-1644", Renfe "040-2438" (kein Jahr dahinter)
       (!Punkt && M.Gruppen.size() == 2 && M.Gruppen[0] <= 3 && M.Gruppen[1] == 4 &&
        !IstJahr(M.Ziffern.substr(M.Gruppen[0]))));
  // hinter einem Nummernwort ist es die Nummer, nicht die Reihe davor ("class 071 number 087")
  const bool NachNo = HinterNummernwort(Marken, I);
  // drei Ziffern mit fuehrender Null sind keine Menge und kein Jahr (Irish Rail "075")
  const bool NullVorn = M.Ziffern.size() == 3 && M.Ziffern[0] == '0' && M.Ziffern != "000";
  if (Form)
    Kandidaten.push_back({I, std::max(I, Ende), M.Ziffern.substr(0, M.Gruppen[0] + M.Gruppen[1]), false, GueteOhneReihe,
                          M.Ziffern.substr(0, M.Gruppen[0]), M.Ziffern.substr(M.Gruppen[0], M.Gruppen[1])});
  else if (M.Gruppen.size() == 1 && M.Ziffern.size() >= (NachNo || NullVorn || HinterFahrzeugwort(Marken, I) ? 3 : 4) &&
           M.Ziffern.size() <= 6 && ZahlBenennen(Marken, I).starts_with("weitere Ziffern") &&
           std::any_of(Marken.begin(), Marken.end(), [](const TMarke& W) { return W.Art == TArt::Wort; })) {
    // davor eine Reihe aus zwei oder drei Grossbuchstaben und kleinen: ungarische Triebwagen
    // ("MDmot 3004", "BDVmot 023")
    const std::string Davor = I > 0 && !M.Grenze && Marken[I - 1].Art == TArt::Wort ? Marken[I - 1].Text : "";
    const auto Klein = std::find_if_not(Davor.begin(), Davor.end(), IstGross1252);
    const auto Gross = Klein - Davor.begin();
    const bool Reihe = Gross >= 2 && Gross <= 3 && Klein != Davor.end() && Davor.size() <= 8 &&
                       std::all_of(Klein, Davor.end(), IstKlein1252);
    // vor dem Nummernwort eine Reihe aus Buchstaben und Ziffern ("SM42 nr 2244")
    const bool ReiheVorNr = NachNo && !Reihe && I >= 2 && !M.Grenze && !Marken[I - 1].Grenze &&
                            Marken[I - 1].Art == TArt::Wort && ReiheVorNummernwort(Marken[I - 2]);
    const std::size_t Von = Reihe ? I - 1 : ReiheVorNr ? I - 2 : I;
    Kandidaten.push_back({Von, I, M.Ziffern, false, NachNo ? GueteOhneReihe : GueteAllein,
                          Reihe        ? Davor
                          : ReiheVorNr ? Marken[I - 2].Text
                                       : "",
                          M.Ziffern});
  }
}

// Vier Ziffern, die ein Jahr der Eisenbahn sein koennen
bool IstJahr(std::string_view Ziffern) { return Ziffern.size() == 4 && Ziffern >= "1835" && Ziffern <= "2039"; }

// Ein Bereich von Nummern in einer Marke: zwei gleich lange Zahlen von 4 bis 6 Ziffern ("1701-1728",
// "10001-10037", "2401–2469"), sechs Ziffern und das Ende der Ordnungsnummer ("241001-002") oder
// vier bis fuenf und die letzten zwei ("6101–05"), aufsteigend, kein Jahr ("1931-32"). Gibt die
// erste zurueck, sonst nichts.
std::string BereichsAnfang(const TMarke& M)
{
  if (M.Art != TArt::Zahl || M.Verlesen || M.StrichVorn || M.Gruppen.size() != 2 ||
      M.Text.find('.') != std::string::npos || M.Ziffern.find('?') != std::string::npos)
    return {};
  const std::size_t A = M.Gruppen[0], B = M.Gruppen[1];
  if (!((A == B && A >= 4 && A <= 6) || (A == 6 && B == 3) || ((A == 4 || A == 5) && B == 2)))
    return {};
  const std::string Erste = M.Ziffern.substr(0, A), Ende = M.Ziffern.substr(A);
  return !IstJahr(Erste) && Ende > Erste.substr(A - B) ? Erste : std::string();
}

// Ein Bereich allein in einem Satz ("in de serie 1701-1728"): gelesen wird die erste Nummer.
void BereichAllein(const std::vector<TMarke>& Marken, std::size_t I, std::vector<TKandidat>& Kandidaten)
{
  if (!Allein(Marken, I) || ZahlVorMarke(Marken, I))
    return;
  const bool Ausgeschrieben =
      std::any_of(Marken.begin(), Marken.end(), [](const TMarke& W) { return W.Art == TArt::Wort; });
  if (const std::string Erste = BereichsAnfang(Marken[I]);
      !Erste.empty() && Ausgeschrieben && ZahlBenennen(Marken, I).starts_with("Bereich "))
    Kandidaten.push_back({I, I, Erste, false, GueteAllein, "", Erste});
}

// Drei Marken 1 3 3 ohne Pruefziffer: vierstellige Reihe, deren erste Ziffer fuer sich steht, und
// Ordnungsnummer (HZ "1 142 002"); keine Gruppe "000" ("1 000 000"), keine Menge dahinter.
void EinsDreiDrei(const std::vector<TMarke>& Marken, std::size_t I, std::vector<TKandidat>& Kandidaten)
{
  if (I + 2 >= Marken.size() || ZahlVorMarke(Marken, I) || !Allein(Marken, I + 2))
    return;
  const auto Gruppe = [&](std::size_t J, std::size_t Laenge) {
    const TMarke& N = Marken[J];
    return N.Art == TArt::Zahl && !N.Verlesen && !N.Platzhalter && !N.NachKomma && (J == I || !N.Grenze) &&
           N.Gruppen == std::vector<std::size_t>{Laenge} && N.Ziffern.find_first_not_of('0') != std::string::npos;
  };
  if (!Gruppe(I, 1) || !Gruppe(I + 1, 3) || !Gruppe(I + 2, 3) || MengeDahinter(Marken, I + 2))
    return;
  Kandidaten.push_back({I, I + 2, Marken[I].Ziffern + Marken[I + 1].Ziffern + Marken[I + 2].Ziffern, false,
                        GueteOhneGruppen, Marken[I].Ziffern + Marken[I + 1].Ziffern, Marken[I + 2].Ziffern});
}

// Vor Reihe und Nummer die Antriebsart, die zur Reihe gehoert: alte deutsche ("E 94 279", "V 200
// 017", "VT 95 9396"), schweizerische ohne Achszahlen ("Re 460 077"); die Bahn davor nicht ("NS 28 101")
bool AntriebDavor(const std::vector<TMarke>& Marken, std::size_t I)
{
  constexpr std::array<std::string_view, 13> Antrieb = {"E",  "V",  "VT", "ET", "ETA", "ES", "ESA",
                                                        "EB", "EG", "VS", "VB", "VM",  "VR"};
  const TMarke* Davor = I > 0 && !Marken[I].Grenze && Marken[I - 1].Art == TArt::Wort ? &Marken[I - 1] : nullptr;
  return Davor && (std::find(Antrieb.begin(), Antrieb.end(), Davor->Text) != Antrieb.end() ||
                   (Davor->Text.size() == 2 && IstKlein1252(Davor->Text[1]) && KurzeGattung(*Davor)));
}

// Zwei Marken: Reihe und Ordnungsnummer als Gruppen ("193 386", "1142 627", DR "52 2112",
// DRG-Dampflok "91 134", NS "28 101", CP "89-50 006", mit Bereich "DB 524 500-769"), die Klasse vor
// der ganzen Nummer ("66 66001") oder hinter einer Reihe aus
// Buchstaben und Ziffern ("V43 1078", "BB 36342", "ER 20-014").
void OhnePruefzifferPaar(const std::vector<TMarke>& Marken, std::size_t I, std::vector<TKandidat>& Kandidaten)
{
  const TMarke& M = Marken[I];
  const TMarke* Dahinter = I + 1 < Marken.size() && !Marken[I + 1].Grenze ? &Marken[I + 1] : nullptr;
  // auch mit dem Ende eines Bereichs dahinter ("744 125 - 128") oder in einer Aufzaehlung
  // ("520 101–112, 151–158")
  if (!Dahinter || Dahinter->Art != TArt::Zahl || Dahinter->Gruppen.size() > 2 || Dahinter->Verlesen ||
      Dahinter->StrichVorn)
    return;
  const std::size_t Ende = EndeNach(Marken, I + 1, Dahinter->Ziffern);
  if (!AlleinOderAufgezaehlt(Marken, I + 1) && Ende == 0)
    return;
  // "524 500-769": Ordnungsnummern von 500 bis 769
  const bool Bereich = Dahinter->Gruppen.size() == 2 && Dahinter->Gruppen[0] == Dahinter->Gruppen[1] &&
                       Dahinter->Text.find_first_of("-\x96") != std::string::npos;
  const std::size_t A = M.Ziffern.size(), B = Bereich ? Dahinter->Gruppen[0] : Dahinter->Ziffern.size();
  const std::string Zweite = Dahinter->Ziffern.substr(0, B);
  // Stellen 5-8 eines Reisezugwagens mit Strich, dann die Ordnungsnummer (CP "89-50 006")
  const bool Kennzahl = M.Gruppen.size() == 2 && M.Gruppen[0] == 2 && M.Gruppen[1] == 2 &&
                        M.Text.find_first_of("-\x96") != std::string::npos && B == 3 && Zweite != "000";
  // ein Komma zaehlt auf oder trennt ein Datum ("October 28, 2008"): keine Reihe mit Nummer
  const bool Gruppen = M.Art == TArt::Zahl && (M.Gruppen.size() == 1 || Kennzahl) && !M.Verlesen &&
                       !M.NachSchraegstrich && !Dahinter->NachKomma && (Dahinter->Gruppen.size() == 1 || Bereich) &&
                       (Kennzahl || (A == 3 && B == 3) || (A == 4 && B == 3) || (A == 2 && B == 4) ||
                        (A == 3 && B == 4 && !IstJahr(Zweite)) || (A == 2 && B == 3 && Zweite != "000"));
  if (Gruppen && !ZahlVorMarke(Marken, I)) {
    const bool Buchstaben = AntriebDavor(Marken, I);
    Kandidaten.push_back({Buchstaben ? I - 1 : I, std::max(I + 1, Ende), M.Ziffern + Zweite, false, GueteOhneGruppen,
                          Buchstaben ? Marken[I - 1].Text + " " + M.Text : M.Text, Zweite});
    return;
  }
  // Die Klasse und die ganze Nummer, die mit ihr beginnt (britische Nummern: "class 66 66001",
  // "Class 150 150001")
  if (M.Art == TArt::Zahl && M.Gruppen.size() == 1 && !M.Verlesen && (A == 2 || A == 3) &&
      Dahinter->Gruppen.size() == 1 && Dahinter->Ziffern.size() == A + 3 && Dahinter->Ziffern.starts_with(M.Ziffern) &&
      !ZahlVorMarke(Marken, I)) {
    Kandidaten.push_back({I, I + 1, Dahinter->Ziffern, false, GueteOhneGruppen, M.Text, Dahinter->Ziffern});
    return;
  }
  // ein Buchstabe hinter einem Schraegstrich kuerzt ab ("S/N 11135" ist die Fabriknummer)
  const bool ReiheDavor =
      ((M.Art != TArt::Wort && WieReihe(M.Text)) || (M.Art == TArt::Wort && BuchstabenReihe(M.Text))) &&
      !M.NachSchraegstrich && B >= 3 && B <= 6;
  // "ER 20-014": die erste Gruppe gehoert zur Reihe; "A 471-005" ist Reihe und Nummer fuer sich
  const std::size_t Letzte = Dahinter->Gruppen.back();
  const std::string Vorn = Dahinter->Gruppen.size() == 2 ? " " + Dahinter->Ziffern.substr(0, B - Letzte) : "";
  // ein Bereich hinter der Reihe: "A10x 10001-10037" (Renfe), aufsteigend, die erste Nummer; drei
  // Ziffern mit Strich sind Reihe und Nummer ("A 471-005")
  if (ReiheDavor && Bereich && B >= 4 && Dahinter->Ziffern.substr(B) > Zweite)
    Kandidaten.push_back({I, I + 1, Zweite, false, GueteOhneReihe, M.Text, Zweite});
  else if (ReiheDavor && (Dahinter->Gruppen.size() == 1 || Dahinter->Gruppen[0] <= 2))
    Kandidaten.push_back(
        {I, I + 1, Dahinter->Ziffern, false, GueteOhneReihe, M.Text + Vorn, Dahinter->Ziffern.substr(B - Letzte)});
}

// Eine Zahl aus einer Gruppe dieser Laenge, wie sie dasteht (nicht verlesen, nicht hinter einer Grenze)
bool EinfacheZahl(const TMarke& M, std::size_t Laenge)
{
  return M.Art == TArt::Zahl && !M.Verlesen && !M.Grenze && M.Gruppen == std::vector<std::size_t>{Laenge};
}

// Reihe und Nummer aus je drei Ziffern, ein Strich mit Leerraum dazwischen, in einem Satz:
// "lokomotive 664 – 105" (Serbien); nicht mit Null vorn ("001 – 020" zaehlt ab)
void PaarMitStrich(const std::vector<TMarke>& Marken, std::size_t I, std::vector<TKandidat>& Kandidaten)
{
  if (I + 2 >= Marken.size() || !EinfacheZahl(Marken[I], 3) || Marken[I].Ziffern[0] == '0' || ZahlVorMarke(Marken, I) ||
      Marken[I + 1].Art != TArt::Strich || Marken[I + 1].Grenze || !EinfacheZahl(Marken[I + 2], 3) ||
      !Allein(Marken, I + 2) ||
      std::none_of(Marken.begin(), Marken.end(), [](const TMarke& W) { return W.Art == TArt::Wort; }))
    return;
  Kandidaten.push_back({I, I + 2, Marken[I].Ziffern + Marken[I + 2].Ziffern, false, GueteOhneGruppen, Marken[I].Text,
                        Marken[I + 2].Ziffern});
}

// Franzoesische Dampflok: Achsfolge, Serienbuchstaben, Nummer ("141 R 840", "231 E 41"), mit
// Region davor ("2-231 K 8")
void FranzoesischeReihe(const std::vector<TMarke>& Marken, std::size_t I, std::vector<TKandidat>& Kandidaten)
{
  const TMarke& M = Marken[I];
  if (I + 2 >= Marken.size() || M.Verlesen || ZahlVorMarke(Marken, I) ||
      !(M.Gruppen == std::vector<std::size_t>{3} || (M.Gruppen == std::vector<std::size_t>{1, 3} && M.Text[1] == '-')))
    return;
  // Achsfolge: Lauf-, Kuppel-, Laufachsen ("141", "231", "040"), keine Aufzaehlung ("Bo 189, B 031")
  const std::string Achsen = M.Ziffern.substr(M.Ziffern.size() - 3);
  if (Achsen[0] > '2' || Achsen[1] < '1' || Achsen[1] > '6' || Achsen[2] > '2')
    return;
  const TMarke &Serie = Marken[I + 1], &N = Marken[I + 2];
  const bool SerieForm = Serie.Art == TArt::Wort && !Serie.Grenze && !Serie.NachKomma && !N.NachKomma &&
                         Serie.Text.size() <= 2 &&
                         std::all_of(Serie.Text.begin(), Serie.Text.end(), [](char Z) { return Z >= 'A' && Z <= 'Z'; });
  if (SerieForm && N.Art == TArt::Zahl && !N.Grenze && !N.Verlesen && N.Gruppen.size() == 1 && N.Ziffern.size() <= 4 &&
      Allein(Marken, I + 2))
    Kandidaten.push_back(
        {I, I + 2, M.Ziffern + N.Ziffern, false, GueteOhneGruppen, M.Text + " " + Serie.Text, N.Ziffern});
}

// Schweizer Bezeichnung mit Achszahlen ("Re 4/4 II 11365", "HGe4/4 II 105", "ABeh8/12 310",
// "ABDe4/4 17"): Buchstaben, angetriebene/alle Achsen, Serie in roemischen Ziffern, dann die Nummer.
void SchweizerReihe(const std::vector<TMarke>& Marken, std::size_t I, std::vector<TKandidat>& Kandidaten)
{
  const std::string& T = Marken[I].Text;
  const std::size_t Ziffern = T.find_first_of("0123456789");
  const std::string_view Buchstaben = std::string_view(T).substr(0, Ziffern);
  // ein Buchstabe allein nur mit Achszahlen dahinter ("C 5/6 2954", "E 3/3 8533")
  if (Buchstaben.empty() || (Buchstaben.size() == 1 && Ziffern != std::string::npos) || !IstGross1252(T[0]) ||
      !std::all_of(Buchstaben.begin(), Buchstaben.end(), [](char Z) { return IstBuchstabe(Z) || Z == '-'; }) ||
      (Ziffern != std::string::npos && (T.size() - Ziffern > 2 || !NurZiffern(std::string_view(T).substr(Ziffern)))))
    return;
  std::size_t J = I + 1;
  std::string Reihe = T;
  std::string Angetrieben = Ziffern == std::string::npos ? "" : T.substr(Ziffern);
  if (Ziffern == std::string::npos) {  // "Re 4/4": die angetriebenen Achsen fuer sich
    if (J >= Marken.size() || !NurZiffernVon(Marken[J].Text, 1, 2) || Marken[J].NachSchraegstrich)
      return;
    Angetrieben = Marken[J].Text;
    Reihe += " " + Marken[J++].Text;
  }
  // alle Achsen hinter dem Schraegstrich, die Serie angehaengt ("4III") oder fuer sich ("II")
  const auto Roemisch = [](std::string_view W) {
    return !W.empty() && W.size() <= 4 && W.find_first_not_of("IVX") == std::string_view::npos;
  };
  if (J >= Marken.size() || !Marken[J].NachSchraegstrich)
    return;
  const std::string& Alle = Marken[J].Text;
  const std::size_t AlleZiffern = std::min(Alle.find_first_not_of("0123456789"), Alle.size());
  // angetriebene hoechstens so viele wie alle, ohne Null vorn (kein Datum "20/03/17")
  const int Zahl = std::atoi(Angetrieben.c_str()), AlleZahl = std::atoi(Alle.c_str());
  if (AlleZiffern == 0 || AlleZiffern > 2 || (AlleZiffern < Alle.size() && !Roemisch(Alle.substr(AlleZiffern))) ||
      Angetrieben[0] == '0' || Alle[0] == '0' || Zahl > AlleZahl)
    return;
  Reihe += "/" + Marken[J++].Text;
  if (J < Marken.size() && Roemisch(Marken[J].Text))
    Reihe += " " + Marken[J++].Text;
  if (J < Marken.size() && NurZiffernVon(Marken[J].Text, 1, 5) && !Marken[J].Grenze && Allein(Marken, J))
    Kandidaten.push_back({I, J, Marken[J].Ziffern, false, GueteOhneGruppen, Reihe, Marken[J].Ziffern});
}

// Die Stellen 5-11 ohne Austauschkennzahl, Land und Pruefziffer, wie die DB 1964-1967 und in
// Bildtexten danach: "DB 950 6 742", "Eas 066 542 1 351" (dahinter die Bauart 066).
void OhneKopf(const std::vector<TMarke>& Marken, std::size_t I, std::vector<TKandidat>& Kandidaten)
{
  if (I + 2 >= Marken.size() || (ZahlVorMarke(Marken, I) && !IstBauart(Marken, I - 1)))
    return;
  const TMarke &A = Marken[I], &B = Marken[I + 1], &C = Marken[I + 2];
  if (EinfacheZahl(A, 3) && EinfacheZahl(B, 1) && EinfacheZahl(C, 3) && Allein(Marken, I + 2))
    Kandidaten.push_back(
        {I, I + 2, A.Ziffern + B.Ziffern + C.Ziffern, false, GueteOhneReihe, A.Text + " " + B.Text, C.Text});
}

// Gattungszeichen eines Gueterwagens: ein Gattungsbuchstabe der UIC (E, F, G, H, I, K, L, O,
// R, S, T, U, Z), dann mindestens zwei Kennbuchstaben ("Tbis", "Hbis"; nicht die Reihe "Re")
bool GueterwagenGattung(const TMarke& Marke)
{
  const std::string& T = Marke.Text;
  return Marke.Art == TArt::Wort && T.size() >= 3 &&
         std::string_view("EFGHIKLORSTUZ").find(T[0]) != std::string_view::npos &&
         std::all_of(T.begin() + 1, T.end(), IstKlein1252);
}

bool MitPruefziffer(const TMarke& M, std::size_t Vorn)
{
  return M.Art == TArt::Zahl && !M.Verlesen && !M.Grenze && M.Gruppen.size() == 2 && M.Gruppen[0] == Vorn &&
         M.StrichVorLetzter;
}

// Die Stellen 5-12 eines Wagens ohne Austauschkennzahl und Land, wie Bildtexte und Vereinsseiten
// sie abschreiben: ein Reisezugwagen mit Strich in den Stellen 5-8 ("Panoramic wagon 19-90
// 109-3"), ein Gueterwagen hinter seinem Gattungszeichen in 3 4-1 oder 7-1 ("Hbis 225 0689-9",
// "Tbis 5715451-6"). Die Pruefziffer gilt der ganzen Nummer und laesst sich so nicht pruefen.
void WagenOhneKopf(const std::vector<TMarke>& Marken, std::size_t I, std::vector<TKandidat>& Kandidaten)
{
  const TMarke& M = Marken[I];
  if (M.Art == TArt::Zahl && !M.Verlesen && M.Gruppen == std::vector<std::size_t>{2, 2} &&
      M.Text.find_first_of("-\x96") != std::string::npos && !ZahlVorMarke(Marken, I) && I + 1 < Marken.size() &&
      MitPruefziffer(Marken[I + 1], 3) && Allein(Marken, I + 1))
    Kandidaten.push_back({I, I + 1, M.Ziffern + Marken[I + 1].Ziffern.substr(0, 3), false, GueteOhneGruppen, M.Text,
                          Marken[I + 1].Ziffern.substr(0, 3), true});
  // ein Gueterwagen in seiner Gliederung 3 1 3-1 traegt sie auch ohne Gattungszeichen ("564 9 028-0")
  if (EinfacheZahl(M, 3) && !ZahlVorMarke(Marken, I) && I + 2 < Marken.size() && EinfacheZahl(Marken[I + 1], 1) &&
      MitPruefziffer(Marken[I + 2], 3) && Allein(Marken, I + 2))
    Kandidaten.push_back({I, I + 2, M.Ziffern + Marken[I + 1].Ziffern + Marken[I + 2].Ziffern.substr(0, 3), false,
                          GueteOhneGruppen, M.Ziffern + Marken[I + 1].Ziffern, Marken[I + 2].Ziffern.substr(0, 3),
                          true});
  if (!GueterwagenGattung(M) || I + 1 >= Marken.size())
    return;
  const TMarke& A = Marken[I + 1];
  if (MitPruefziffer(A, 7) && Allein(Marken, I + 1))
    Kandidaten.push_back({I + 1, I + 1, A.Ziffern.substr(0, 7), false, GueteOhneGruppen, A.Ziffern.substr(0, 4),
                          A.Ziffern.substr(4, 3), true});
  else if (A.Art == TArt::Zahl && !A.Verlesen && !A.Grenze && A.Gruppen == std::vector<std::size_t>{3} &&
           I + 2 < Marken.size() && MitPruefziffer(Marken[I + 2], 4) && Allein(Marken, I + 2))
    Kandidaten.push_back({I + 1, I + 2, A.Ziffern + Marken[I + 2].Ziffern.substr(0, 4), false, GueteOhneGruppen,
                          A.Ziffern + Marken[I + 2].Ziffern.substr(0, 1), Marken[I + 2].Ziffern.substr(1, 3), true});
}

// Nummern ohne Pruefziffer, die bei Marke I beginnen
void OhnePruefzifferAb(const std::vector<TMarke>& Marken, std::size_t I, std::vector<TKandidat>& Kandidaten)
{
  if (Marken[I].Art == TArt::Gemischt)
    OhnePruefzifferGemischt(Marken[I], I, Kandidaten);
  else if (Marken[I].Art == TArt::Zahl)
    OhnePruefzifferZahl(Marken, I, Kandidaten);
  if (Marken[I].Art != TArt::Zahl || Marken[I].Gruppen.size() > 1)
    SchweizerReihe(Marken, I, Kandidaten);
  OhneKopf(Marken, I, Kandidaten);
  WagenOhneKopf(Marken, I, Kandidaten);
  OhnePruefzifferPaar(Marken, I, Kandidaten);
  if (Marken[I].Art == TArt::Zahl) {
    EinsDreiDrei(Marken, I, Kandidaten);
    BereichAllein(Marken, I, Kandidaten);
    FranzoesischeReihe(Marken, I, Kandidaten);
    PaarMitStrich(Marken, I, Kandidaten);
  }
}

// Alle Kandidaten der Zeile; der beste zuerst, bei gleicher Guete der fruehere.
std::vector<TKandidat> Kandidaten(const std::vector<TMarke>& Marken, const TLesewissen& Wissen)
{
  std::vector<TKandidat> Alle;
  for (std::size_t Von = 0; Von < Marken.size(); ++Von) {
    if (Marken[Von].Art == TArt::Zahl && !Marken[Von].StrichVorn && !Artikelnummer(Marken, Von, false)) {
      UicKandidatenAb(Marken, Von, Alle);
      NationalAb(Marken, Von, Alle);
      BreitspurAb(Marken, Von, Alle);
      TeilnummerAb(Marken, Von, Wissen, Alle);
    }
    OhnePruefzifferAb(Marken, Von, Alle);
  }
  std::stable_sort(Alle.begin(), Alle.end(), [](const TKandidat& A, const TKandidat& B) { return A.Guete > B.Guete; });
  // was sich mit einem besseren ueberschneidet, faellt weg
  std::vector<TKandidat> Bleiben;
  for (TKandidat& Kandidat : Alle)
    if (std::none_of(Bleiben.begin(), Bleiben.end(),
                     [&](const TKandidat& B) { return Kandidat.Von <= B.Bis && B.Von <= Kandidat.Bis; }))
      Bleiben.push_back(std::move(Kandidat));
  return Bleiben;
}

// Woerter vor einer Zahl, die keine Gattung und keine Reihe sind ("Gleis 5", "Foto 12")
constexpr std::array<std::string_view, 20> KeineGattung = {"Foto",  "Photo", "Bild", "Abb",   "Fig",   "Nr",   "No",
                                                           "Gleis", "Track", "Zug",  "Train", "Seite", "Page", "Linie",
                                                           "Line",  "Teil",  "Band", "Heft",  "Jahr",  "Year"};

// Reihe und Nummer alter Fahrzeuge in einer Marke: bis drei Grossbuchstaben mit vier bis sechs
// Ziffern angehaengt ("Wien K2002", TCDD "DE24001", SNCF "BB-16517"; zwei Ziffern sind ein Typ: "H22"), eine Reihe
// mit fuenfstelliger Nummer hinter dem Strich (Renfe "R12-12954").
void BetriebsnummerGemischt(const TMarke& M, std::size_t I, std::vector<TKandidat>& Gefunden)
{
  const std::string& T = M.Text;
  const std::size_t Ziffern = T.find_first_of("0123456789");
  // auch mit Strich oder Halbgeviertstrich: SNCF "BB-16517" (kein Jahr: "EU-2019"), dann auch kurz
  // und klein (Museumsfahrzeuge "MEV-1", Wagen alter Bahnen "S-3", "C-13", sowjetische Reihen "Ml-657")
  const bool MitStrich =
      Ziffern != std::string::npos && Ziffern > 1 && (T[Ziffern - 1] == '-' || T[Ziffern - 1] == '\x96');
  const std::size_t Buchstaben = MitStrich ? Ziffern - 1 : Ziffern;
  const std::string_view Nummer = std::string_view(T).substr(Ziffern == std::string::npos ? T.size() : Ziffern);
  const auto Buchstabe = [&](char Z) { return MitStrich ? IstBuchstabe(Z) : IstGross1252(Z); };
  if (Buchstaben >= 1 && Buchstaben <= 3 && IstGross1252(T[0]) &&
      std::all_of(T.begin() + 1, T.begin() + static_cast<std::ptrdiff_t>(Buchstaben), Buchstabe) &&
      NurZiffernVon(Nummer, MitStrich ? 1 : 4, 6) && !(MitStrich && IstJahr(Nummer))) {
    Gefunden.push_back({I, I, std::string(Nummer), false, GueteAllein, T.substr(0, Buchstaben), std::string(Nummer)});
    return;
  }
  const std::size_t Strich = T.find('-');
  if (Strich != std::string::npos && WieReihe(std::string_view(T).substr(0, Strich)) &&
      NurZiffernVon(std::string_view(T).substr(Strich + 1), 5, 5))
    Gefunden.push_back({I, I, T.substr(Strich + 1), false, GueteAllein, T.substr(0, Strich), T.substr(Strich + 1)});
}

// Eine Betriebsnummer hinter Gattungszeichen: eine Gruppe von 2-5 Ziffern, oder alt mit Strich
// nach ein oder zwei Ziffern (CSD "Ci 3-9718"), 4-6 Ziffern, oder drei und zwei wie sowjetische
// Dampfloks ("Су 252-94")
bool BetriebsnummerForm(const TMarke& N)
{
  if (N.Gruppen.size() == 1)
    return N.Ziffern.size() >= 2 && N.Ziffern.size() <= 5;
  if (N.Gruppen == std::vector<std::size_t>{3, 2} && N.Text.find('-') != std::string::npos)
    return true;
  return N.Gruppen.size() == 2 && N.Gruppen[0] <= 2 && N.Text.find_first_of("-\x96") != std::string::npos &&
         !IstJahr(N.Ziffern.substr(N.Gruppen[0])) && N.Ziffern.size() >= 4 && N.Ziffern.size() <= 6;
}

// Kurze Gattungs- oder Reihenbuchstaben, hinter denen auch eine einstellige Nummer steht
// (schwedisch "BCo 4", "Co 5", norwegisch "Ao 2c 950"): zwei bis vier Buchstaben, gross
// beginnend, zwei davon gross oder nur zwei; kein Wort eines Satzes ("Am 5", "In 3").
bool KurzeGattung(const TMarke& M)
{
  const std::string& W = M.Text;
  if (M.Art != TArt::Wort || W.size() < 2 || W.size() > 4 || !IstGross1252(W[0]) ||
      !std::all_of(W.begin(), W.end(), IstBuchstabe))
    return false;
  constexpr std::array<std::string_view, 24> Satzwoerter = {"Am", "Im", "An", "In", "Um", "Zu", "Ab", "On",
                                                            "At", "To", "Of", "Is", "It", "By", "As", "Es",
                                                            "Er", "La", "Le", "El", "Il", "De", "Da", "Och"};
  return (W.size() == 2 || std::count_if(W.begin(), W.end(), IstGross1252) >= 2) &&
         std::find(Satzwoerter.begin(), Satzwoerter.end(), W) == Satzwoerter.end();
}

// Eine Betriebsnummer hinter einem Nummernwort, die Reihe davor, wenn eine dasteht: "litra BF2a
// nr. 686" (norwegisch), "Wagen Nr. 12"
void NachNummernwort(const std::vector<TMarke>& Marken, std::size_t I, std::vector<TKandidat>& Gefunden)
{
  // hinter dem Nummernzeichen ist das Wort davor die Reihe: "Эу №679-14"
  if (I + 1 < Marken.size() && Marken[I + 1].NachNummernzeichen && Marken[I].Art == TArt::Wort) {
    const TMarke& N = Marken[I + 1];
    const bool Reihe = KurzeGattung(Marken[I]) || BuchstabenReihe(Marken[I].Text);
    if (N.Art == TArt::Zahl && !N.Verlesen && !N.Platzhalter && N.Gruppen.size() == 2 && N.Ziffern.size() <= 8)
      Gefunden.push_back(
          {Reihe ? I : I + 1, I + 1, N.Ziffern, false, GueteAllein, Reihe ? Marken[I].Text : "", N.Text});
    return;
  }
  if (I + 1 >= Marken.size() || !(IstNummernwort(Marken[I].Text) || WortIn(Marken[I].Text, {"Nr."})))
    return;
  // eine Gruppe bis fuenf Ziffern oder zwei mit Strich ("litra AB nr. 39-80000"), oder ein
  // Buchstabe davor ("le numéro C27")
  const TMarke& N = Marken[I + 1];
  if (N.Art == TArt::Gemischt && !N.Grenze && N.Text.size() >= 2 && IstGross1252(N.Text[0]) &&
      NurZiffernVon(std::string_view(N.Text).substr(1), 1, 4)) {
    Gefunden.push_back({I, I + 1, N.Text.substr(1), false, GueteAllein, N.Text.substr(0, 1), N.Text.substr(1)});
    return;
  }
  const bool Form =
      (N.Gruppen.size() == 1 && N.Ziffern.size() <= 5) ||
      (N.Gruppen.size() == 2 && N.Text.find_first_of("-\x96") != std::string::npos && N.Ziffern.size() <= 8);
  if (N.Art != TArt::Zahl || N.Grenze || N.Verlesen || N.Platzhalter || !Form)
    return;
  const TMarke* Davor = I > 0 && !Marken[I].Grenze ? &Marken[I - 1] : nullptr;
  const bool Reihe = Davor && ReiheVorNummernwort(*Davor);
  Gefunden.push_back({Reihe ? I - 1 : I, I + 1, N.Ziffern, false, GueteAllein, Reihe ? Davor->Text : "", N.Text});
}

// Ungarisch mit Komma zwischen Reihe und Nummer: "424,247", "375,1002", "V43,2000"
void UngarischMitKomma(const TMarke& M, std::size_t I, std::vector<TKandidat>& Gefunden)
{
  const std::string& T = M.Text;
  const std::size_t Komma = T.find(',');
  // auch mit einem Bereich dahinter: "256,001–005"
  const std::size_t Strich = T.find_first_of("-\x96", Komma == std::string::npos ? T.size() : Komma);
  const std::string_view Nummer = std::string_view(T).substr(Komma + 1, Strich - Komma - 1);
  const std::string_view Ende = Strich == std::string::npos ? "" : std::string_view(T).substr(Strich + 1);
  if (Komma == std::string::npos || !NurZiffernVon(Nummer, 3, 4) ||
      (Strich != std::string::npos && !(NurZiffernVon(Ende, Nummer.size(), Nummer.size()) && Ende > Nummer)))
    return;
  const std::string Reihe = T.substr(0, Komma);
  if (NurZiffernVon(Reihe, 3, 3) || WieReihe(Reihe))
    Gefunden.push_back({I, I, Reihe + std::string(Nummer), false, GueteAllein, Reihe, std::string(Nummer)});
}

// Franzoesische Dampflok in einer Marke: "231.K.8", mit Region "2-231.K.8", ohne Punkte "231K8"
void FranzoesischGepunktet(const TMarke& M, std::size_t I, std::vector<TKandidat>& Gefunden)
{
  const std::string& T = M.Text;
  const std::size_t Von = T.size() > 2 && T[1] == '-' ? 2 : 0;
  std::size_t P = Von + 3;
  if (T.size() < P + 2 || !NurZiffernVon(std::string_view(T).substr(Von, 3), 3, 3) || T[Von] > '2' ||
      T[Von + 1] < '1' || T[Von + 1] > '6' || T[Von + 2] > '2')
    return;
  const bool Punkte = T[P] == '.';
  P += Punkte;
  const std::size_t Serie = P;
  while (P < T.size() && T[P] >= 'A' && T[P] <= 'Z')
    ++P;
  if (P == Serie || P - Serie > 3 || (Punkte && (P >= T.size() || T[P] != '.')))
    return;
  const std::size_t Nummer = P + Punkte;
  if (!NurZiffernVon(std::string_view(T).substr(Nummer), 1, 4))
    return;
  const std::string Reihe = Punkte ? T.substr(0, P) : T.substr(0, Serie) + " " + T.substr(Serie, P - Serie);
  Gefunden.push_back({I, I, T.substr(0, Von + 3) + T.substr(Nummer), false, GueteAllein, Reihe, T.substr(Nummer)});
}

// Ein klein geschriebenes Wort mit angehaengter Nummer aus vier bis sechs Ziffern, vertippt ohne
// Leerzeichen: "power car43306" (die Ziffern allein, wie "West Coast Railways 47804")
void AngehaengteNummer(const TMarke& M, std::size_t I, std::vector<TKandidat>& Gefunden)
{
  const std::string& T = M.Text;
  const std::size_t Ziffern = T.find_first_of("0123456789");
  if (M.Art == TArt::Gemischt && Ziffern >= 3 && Ziffern != std::string::npos &&
      std::all_of(T.begin(), T.begin() + static_cast<std::ptrdiff_t>(Ziffern), IstKlein1252) &&
      NurZiffernVon(std::string_view(T).substr(Ziffern), 4, 6))
    Gefunden.push_back({I, I, T.substr(Ziffern), false, GueteAllein, "", T.substr(Ziffern)});
}

// Die Unterreihe hinter den Buchstaben (Marke I), vor einer Nummer: Ziffer und kleiner Buchstabe
// ("Ao 2c 950"), oder ein bis zwei Ziffern vor drei bis vier ("Di 4 651", norwegisch)
bool Unterreihe(const std::vector<TMarke>& Marken, std::size_t I)
{
  if (I + 1 >= Marken.size() || Marken[I].Grenze)
    return false;
  const TMarke &M = Marken[I], &N = Marken[I + 1];
  const std::string& T = M.Text;
  if (M.Art == TArt::Gemischt)
    return T.size() >= 2 && T.size() <= 3 && IstKlein1252(T.back()) &&
           NurZiffern(std::string_view(T).substr(0, T.size() - 1));
  return M.Art == TArt::Zahl && !M.Verlesen && M.Gruppen.size() == 1 && M.Ziffern.size() <= 2 && N.Art == TArt::Zahl &&
         !N.Grenze && N.Gruppen.size() == 1 && N.Ziffern.size() >= 3 && N.Ziffern.size() <= 4;
}

// Eine Reihe mit Punkt vor ihrer Ziffer: "Di.3 643" (NSB)
bool ReiheMitPunkt(const TMarke& M)
{
  const std::string& T = M.Text;
  const std::size_t Punkt = T.find('.');
  return M.Art == TArt::Gemischt && Punkt >= 2 && Punkt <= 3 && Punkt != std::string::npos && IstGross1252(T[0]) &&
         std::all_of(T.begin(), T.begin() + static_cast<std::ptrdiff_t>(Punkt), IstBuchstabe) &&
         std::any_of(T.begin(), T.begin() + static_cast<std::ptrdiff_t>(Punkt), IstKlein1252) &&
         NurZiffernVon(std::string_view(T).substr(Punkt + 1), 1, 2);
}

// Gattungs- oder Reihenbuchstaben und dahinter eine Betriebsnummer ohne Pruefziffer
void NachGattungszeichen(const std::vector<TMarke>& Marken, std::size_t I, std::vector<TKandidat>& Gefunden)
{
  const TMarke& M = Marken[I];
  // auch vier oder fuenf Grossbuchstaben: Gattung eines Reisezugwagens ("BDZ WLAB 526"), Halter
  const bool Gross = M.Art == TArt::Wort && M.Text.size() >= 4 && M.Text.size() <= 5 &&
                     std::all_of(M.Text.begin(), M.Text.end(), IstGross1252) && !IstMerkmal(M.Text) &&
                     !WortIn(M.Text, Waehrungen);
  const bool Gattung = M.Art == TArt::Wort && IstGross1252(M.Text[0]) && M.Text.size() <= 8 &&
                       WieGattungszeichen(M.Text) && !WortIn(M.Text, KeineGattung) && !WortIn(M.Text, Reihenwoerter);
  // auch eine Reihe aus Buchstaben und Ziffern vor einer kurzen Nummer ("Ok1 77", polnische Dampflok)
  const bool MitZiffern = ReiheMitPunkt(M) || (M.Art == TArt::Gemischt && WieReihe(M.Text));
  if (I + 1 >= Marken.size() || !(Gattung || Gross || MitZiffern || (M.Art == TArt::Wort && BuchstabenReihe(M.Text))))
    return;
  const bool MitUnterreihe = Unterreihe(Marken, I + 1);
  const std::size_t J = MitUnterreihe ? I + 2 : I + 1;
  const std::string Reihe = MitUnterreihe ? M.Text + " " + Marken[I + 1].Text : M.Text;
  const TMarke& N = Marken[J];
  const std::string Name = ZahlBenennen(Marken, J);
  const bool Einstellig = N.Gruppen.size() == 1 && N.Ziffern.size() == 1 && KurzeGattung(M);
  // keine Menge ("Greece 24 t"); hinter dem Nummernzeichen nur eine kurze Reihe ("Di 4 #652", nicht
  // "Greece #12"), wie vor "№"
  if (N.Art != TArt::Zahl || N.Grenze || N.Verlesen || N.Platzhalter || !(BetriebsnummerForm(N) || Einstellig) ||
      !(Name.starts_with("weitere Ziffern") || Name.starts_with("Betriebsnummer")) || MengeDahinter(Marken, J) ||
      (N.NachNummernzeichen && !KurzeGattung(M) && !BuchstabenReihe(M.Text)))
    return;
  // "Gsh 313 78": die Nummer in zwei Gruppen
  const TMarke* Rest = J + 1 < Marken.size() ? &Marken[J + 1] : nullptr;
  if (Rest && N.Ziffern.size() == 3 && Rest->Art == TArt::Zahl && !Rest->Grenze && !Rest->NachSchraegstrich &&
      Rest->Gruppen.size() == 1 && Rest->Ziffern.size() == 2 && Allein(Marken, J + 1) && !FaengtNeuesAn(Marken, J + 1))
    Gefunden.push_back({I, J + 1, N.Ziffern + Rest->Ziffern, false, GueteAllein, Reihe, N.Text + " " + Rest->Text});
  else
    Gefunden.push_back({I, J, N.Ziffern, false, GueteAllein, Reihe, N.Text});
}

// Wo sonst keine Nummer dasteht, auch ein Bereich neben anderen ("2401–2469, 2601–2662")
void Nummernbereich(const std::vector<TMarke>& Marken, std::size_t I, std::vector<TKandidat>& Gefunden)
{
  if (const std::string Erste = BereichsAnfang(Marken[I]); !Erste.empty())
    Gefunden.push_back({I, I, Erste, false, GueteAllein, "", Erste});
}

// Ganz zuletzt drei Ziffern allein in einem Satz, die nichts anderes sind: in Bildtexten steht
// die Nummer einer Lok oft ohne Reihe ("155 on station pilot duty", "207 and 223, 3 September
// 1996"); hinter einem Wort fuer das Fahrzeug auch eine oder zwei ("Diesellok 10", Museen und
// Werkbahnen). Keine Menge ("155 t"), kein Preis, keine Reihe ("201 Class", "Baureihe 182"), keine Zahl neben
// einer anderen ("318 0" ist eine angefangene Nummer), und nie in einer Zeile nur aus Ziffern:
// dort ist sie zu kurz.
bool KurzAllein(const std::vector<TMarke>& Marken, std::size_t I)
{
  const TMarke& M = Marken[I];
  const bool Laenge = M.Ziffern.size() == 3 || (M.Ziffern.size() < 3 && HinterFahrzeugwort(Marken, I));
  return M.Art == TArt::Zahl && !M.Verlesen && !M.MitKasus && M.Gruppen.size() == 1 && Laenge &&
         M.Ziffern.find('?') == std::string::npos && AlleinOderAufgezaehlt(Marken, I) && !ZahlVorMarke(Marken, I) &&
         !MengeDahinter(Marken, I) && ZahlBenennen(Marken, I).starts_with("weitere Ziffern") &&
         !(I + 1 < Marken.size() && WortIn(Marken[I + 1].Text, Reihenwoerter)) &&
         !(I > 0 && WortIn(Marken[I - 1].Text, Reihenwoerter)) &&
         std::any_of(Marken.begin(), Marken.end(), [](const TMarke& W) { return W.Art == TArt::Wort; });
}

// Ganz zuletzt ein Kuerzel aus bis drei Grossbuchstaben mit zwei oder drei Ziffern daran: neben
// einer Nummer ein Typ ("carro H22"), allein in der Zeile oft das Fahrzeug selbst ("Diesel Loco.
// (A463)", "HGK DE61", "the NS386"); nicht hinter einem Reihenwort ("Baureihe VL10") und nicht hinter
// einer Zahl, die nichts anderes ist (kein Jahr, keine Menge): in Tabellen steht die Nummer vorn
// ("87 | 2-6-2+2-6-2 | 1937 | Cockerill | NGG16"). Die Stelle, an der die Ziffern
// beginnen, sonst 0.
std::size_t KuerzelMitNummer(const std::vector<TMarke>& Marken, std::size_t I)
{
  const TMarke& M = Marken[I];
  const std::string& T = M.Text;
  for (std::size_t J = 0; J < I; ++J)
    if (Marken[J].Art == TArt::Zahl && !IstJahr(Marken[J].Ziffern) && !MengeDahinter(Marken, J) &&
        ZahlBenennen(Marken, J).starts_with("weitere Ziffern"))
      return 0;
  if (I > 0 && WortIn(Marken[I - 1].Text, Reihenwoerter))
    return 0;
  const std::size_t Ab = T.find_first_of("0123456789");
  const bool Passt = M.Art == TArt::Gemischt && !M.Verlesen && Ab != std::string::npos && Ab >= 1 && Ab <= 3 &&
                     std::all_of(T.begin(), T.begin() + static_cast<std::ptrdiff_t>(Ab), IstGross1252) &&
                     NurZiffernVon(std::string_view(T).substr(Ab), 2, 3);
  return Passt ? Ab : 0;
}

// Nur wo sonst keine Nummer dasteht: Gattungs- oder Reihenbuchstaben und dahinter eine
// Betriebsnummer ohne Pruefziffer, wie alte Fahrzeuge sie tragen ("ALDb 201", "Hos-v 277",
// "Gsh 313 78", "DE 62", "Co 5"), eine Nummer hinter "nr.", oder eine Reihe mit Nummer klein
// geschrieben ("e656-052"). Zwei oder drei Ziffern hinter Gattungszeichen koennen auch die
// Bauart sein ("ABm 225").
std::vector<TKandidat> Betriebsnummern(const std::vector<TMarke>& Marken)
{
  std::vector<TKandidat> Gefunden;
  for (std::size_t I = 0; I < Marken.size() && Gefunden.empty(); ++I) {
    const TMarke& M = Marken[I];
    if (M.Art == TArt::Gemischt && IstKlein1252(M.Text[0])) {
      TMarke Gross = M;
      for (char& Z : Gross.Text)
        Z = Z >= 'a' && Z <= 'z' ? static_cast<char>(Z - 'a' + 'A') : Z;
      OhnePruefzifferGemischt(Gross, I, Gefunden);
      if (Gefunden.empty())
        AngehaengteNummer(M, I, Gefunden);
    } else if (M.Art == TArt::Gemischt && IstGross1252(M.Text[0])) {
      BetriebsnummerGemischt(M, I, Gefunden);
      if (Gefunden.empty())
        UngarischMitKomma(M, I, Gefunden);
      if (Gefunden.empty())
        NachGattungszeichen(Marken, I, Gefunden);
    } else if (M.Art == TArt::Gemischt) {
      UngarischMitKomma(M, I, Gefunden);
      FranzoesischGepunktet(M, I, Gefunden);
    } else {
      NachNummernwort(Marken, I, Gefunden);
      if (Gefunden.empty())
        NachGattungszeichen(Marken, I, Gefunden);
      if (Gefunden.empty())
        Nummernbereich(Marken, I, Gefunden);
    }
  }
  // zuletzt drei Ziffern mit Kasus ("így lett a 331-es Szergej"): sonst oft die Reihe ("két 424-es")
  for (std::size_t I = 0; I < Marken.size() && Gefunden.empty(); ++I)
    if (const TMarke& M = Marken[I];
        M.Art == TArt::Zahl && M.MitKasus && !M.Verlesen && M.Gruppen.size() == 1 && M.Ziffern.size() == 3)
      Gefunden.push_back({I, I, M.Ziffern, false, GueteAllein, "", M.Ziffern});
  for (std::size_t I = 0; I < Marken.size() && Gefunden.empty(); ++I)
    if (KurzAllein(Marken, I))
      Gefunden.push_back({I, I, Marken[I].Ziffern, false, GueteAllein, "", Marken[I].Ziffern});
  for (std::size_t I = 0; I < Marken.size() && Gefunden.empty(); ++I)
    if (const std::size_t Ab = KuerzelMitNummer(Marken, I); Ab > 0)
      Gefunden.push_back({I, I, Marken[I].Text.substr(Ab), false, GueteAllein, Marken[I].Text.substr(0, Ab),
                          Marken[I].Text.substr(Ab)});
  return Gefunden;
}

// "SM42 2244", ohne Reihe "47804"
std::string ReiheUndNummer(const TKandidat& K)
{
  return K.Reihe.empty() ? K.Ordnungsnummer : K.Reihe + " " + K.Ordnungsnummer;
}

// "218 390-3" aus "2183903"
std::string NationalAus(std::string_view Z)
{
  return std::string(Z.substr(0, Z.size() - 4)) + " " + std::string(Z.substr(Z.size() - 4, 3)) + "-" +
         std::string(Z.substr(Z.size() - 1));
}

bool WortIn(std::string_view Wort, std::initializer_list<std::string_view> Liste)
{
  return std::any_of(Liste.begin(), Liste.end(), [&](std::string_view W) { return GleichOhneFall(W, Wort); });
}

// Eine Zahl hinter einem Katalogwort ("Art.-Nr. 4711") ist die Nummer des Modells, nie Teil der
// Nummer des Fahrzeugs dahinter; hinter dem Namen eines Modellherstellers ("Roco 67890") kann auch
// gleich die des Fahrzeugs stehen ("Piko 40 83 951 2 280-3"): sie beginnt dort keine Nummer, die
// weiter vorn anfaengt.
bool Artikelnummer(const std::vector<TMarke>& Marken, std::size_t I, bool AuchHersteller)
{
  if (I == 0 || Marken[I].Art != TArt::Zahl || Marken[I - 1].Art != TArt::Wort || Marken[I].Grenze)
    return false;
  const std::string_view Davor = Marken[I - 1].Text;
  return WortIn(Davor, Katalogwoerter) || (AuchHersteller && HerstellerWort(Davor));
}

// Der Name eines Modellherstellers oder "Modell": dahinter steht eine Artikelnummer
bool HerstellerWort(std::string_view Davor)
{
  return WortIn(Davor, {"Modell",   "Roco",       "Piko",    "Fleischmann", "Tillig", "Brawa", "Trix",
                        "Minitrix", "Liliput",    "Arnold",  "Rivarossi",   "ACME",   "Jouef", "Lima",
                        "Kato",     "Hobbytrain", "RailTop", "Albert",      "MMV",    "ESU",   "Mehano"}) ||
         WortIn(Davor, {"M\xE4rklin", "Marklin", "Maerklin"});
}

// Was eine Zahl neben der Nummer nach ihren Nachbarn ist: Datum, Jahr, Preis, Artikelnummer,
// Betriebsnummer eines Unternehmens ("MEG 304") oder einfach weitere Ziffern.
std::string ZahlBenennen(const std::vector<TMarke>& Marken, std::size_t I)
{
  const TMarke& Marke = Marken[I];
  const std::string_view Davor =
      I > 0 && Marken[I - 1].Art == TArt::Wort ? std::string_view(Marken[I - 1].Text) : std::string_view();
  const std::string_view Dahinter = I + 1 < Marken.size() ? std::string_view(Marken[I + 1].Text) : std::string_view();
  const std::size_t G = Marke.Gruppen.size();
  if (G == 3 && Marke.Gruppen[0] <= 2 && Marke.Gruppen[1] <= 2 && Marke.Text.find('-') == std::string::npos)
    return Ersetzt("Datum %1", {Marke.Text});
  if (WortIn(Dahinter, Waehrungen) || WortIn(Dahinter, {",-"}) || WortIn(Davor, Waehrungen))
    return Ersetzt("Preis %1", {Marke.Text});
  if (Artikelnummer(Marken, I, true) || WortIn(Davor, {"Nr."}))
    return Ersetzt("Artikelnummer %1", {Marke.Text});
  // die Nummer des Herstellers ("S/N 11135", "Fabriknummer: 5338") ist keine des Fahrzeugs
  const bool SerieNr = I >= 2 && Davor == "N" && Marken[I - 1].NachSchraegstrich && Marken[I - 2].Text == "S";
  if (SerieNr || WortIn(Davor, {"Fabriknummer", "Fabrik-Nr.", "Fabr.-Nr.", "Werknummer", "Baunummer"}))
    return Ersetzt("Fabriknummer %1", {Marke.Text});
  // direkt hinter dem Fahrzeug- oder Nummernwort ist es seine Nummer, kein Jahr ("die Lok 1835
  // „Enschede“", "n.º 1961")
  if (G == 1 && IstJahr(Marke.Text) && !HinterFahrzeugwort(Marken, I) && !HinterNummernwort(Marken, I))
    return Ersetzt("Jahr %1", {Marke.Text});
  if (!BereichsAnfang(Marke).empty())
    return Ersetzt("Bereich %1", {Marke.Text});
  if (G == 1 && Marke.Text.size() <= 4 && Davor.size() >= 2 && Zwischenwort(Marken[I - 1]) &&
      !HinterFahrzeugwort(Marken, I))
    return Ersetzt("Betriebsnummer %1 %2", {Davor, Marke.Text});
  if (Marke.StrichVorLetzter && Marke.Ziffern.size() >= 7)
    return Ersetzt("nationale Nummer %1", {Marke.Text});
  return Ersetzt("weitere Ziffern %1", {Marke.Text});
}

// Gemischtes: "H22" (Typ), "ET22-1007" (Reihe mit Nummer), "64.200l" (Menge), "1º" (Ordnungszahl)
// Achsfolge nach Whyte: Laufachsen, Kuppelachsen, Laufachsen mit Strichen, dahinter bis zwei
// Grossbuchstaben ("2-6-0T" Tenderlok, "0-6-2RT")
bool WhyteAchsfolge(std::string_view T)
{
  const std::size_t Ende = T.find_last_of("0123456789") + 1;
  if (Ende == 0 || T.size() - Ende > 2 ||
      !std::all_of(T.begin() + static_cast<std::ptrdiff_t>(Ende), T.end(), IstGross1252))
    return false;
  const std::string_view Zahl = T.substr(0, Ende);
  return (Zahl.size() == 5 || Zahl.size() == 7) && std::all_of(Zahl.begin(), Zahl.end(), [&](const char& Z) {
           return (&Z - Zahl.data()) % 2 == 0 ? IstEchteZiffer(Z) : Z == '-';
         });
}

std::string GemischtBenennen(const TMarke& Marke)
{
  const std::string& T = Marke.Text;
  const std::size_t ZiffernAb = T.find_first_of("0123456789");
  const std::string_view Vorn = std::string_view(T).substr(0, ZiffernAb);
  if (MitEinheit(T))
    return Ersetzt("Menge %1", {T});
  if (WhyteAchsfolge(T))
    return Ersetzt("Achsfolge %1", {T});
  if (ZiffernAb > 0 && T.find_first_of("\xBA\xAA") != std::string::npos)
    return Ersetzt("Ordnungszahl %1", {T});
  if (ZiffernAb == std::string::npos || ZiffernAb == 0)
    return Ersetzt(T.find_first_of("\xBA\xAA") != std::string::npos || T.ends_with('.') ? "Ordnungszahl %1"
                   : std::any_of(T.begin(), T.end(), IstBuchstabe)                      ? "Wort mit Ziffern %1"
                                                                                        : "weitere Ziffern %1",
                   {T});
  const bool VornGross = std::all_of(Vorn.begin(), Vorn.end(), [](char Z) { return IstGross1252(Z) || Z == '.'; });
  if (VornGross && T.find_first_of("-.", ZiffernAb) != std::string::npos)
    return Ersetzt("Reihe und Nummer %1", {T});
  // vier bis sechs Ziffern an bis drei Buchstaben sind eine Betriebsnummer ("D5800"), weniger ein Typ ("H22")
  if (VornGross && ZiffernAb <= 3 && NurZiffernVon(std::string_view(T).substr(ZiffernAb), 4, 6))
    return Ersetzt("Betriebsnummer %1", {T});
  if (VornGross)
    return Ersetzt("Typ %1", {T});
  return Ersetzt("Wort mit Ziffern %1", {T});
}

// Gattungszeichen mit angehaengter Bauart: "Bfhpvee295" (Buchstaben, dann 2 oder 3 Ziffern)
std::size_t BauartAngehaengt(std::string_view Wort)
{
  const std::size_t ZiffernAb = Wort.find_first_of("0123456789");
  const bool Passt = ZiffernAb != std::string_view::npos && ZiffernAb > 0 && IstGross1252(Wort[0]) &&
                     NurZiffern(Wort.substr(ZiffernAb)) && Wort.size() - ZiffernAb <= 3 &&
                     Wort.size() - ZiffernAb >= 2 && WieGattungszeichen(Wort.substr(0, ZiffernAb));
  return Passt ? ZiffernAb : 0;
}

// Bauart hinter den Gattungszeichen: "Facs 124", "Apmz 116.2", "Eanos-x 057"
bool IstBauart(const std::vector<TMarke>& Marken, std::size_t I)
{
  const TMarke& Marke = Marken[I];
  const bool Form = (Marke.Gruppen.size() == 1 && Marke.Ziffern.size() >= 2 && Marke.Ziffern.size() <= 3) ||
                    (Marke.Gruppen.size() == 2 && Marke.Gruppen[0] == 3 && Marke.Gruppen[1] == 1 &&
                     Marke.Text.find('.') != std::string::npos);
  return Form && !Marke.Verlesen && I > 0 && Marken[I - 1].Art == TArt::Wort && WieGattungszeichen(Marken[I - 1].Text);
}

// Eine Nummer der FS ohne Pruefziffer: "E.464.344", "D 345 045"
std::string FsForm(const std::vector<TMarke>& Marken, std::size_t I)
{
  const std::string& T = Marken[I].Text;
  if ((T.size() == 9 && (T[0] == 'E' || T[0] == 'D') && T[1] == '.' && T[5] == '.'))
    return T;
  if ((T == "E" || T == "D" || T == "E." || T == "D.") && I + 2 < Marken.size() && Marken[I + 1].Art == TArt::Zahl &&
      Marken[I + 2].Art == TArt::Zahl && Marken[I + 1].Text.size() == 3 && Marken[I + 2].Text.size() == 3)
    return std::string(1, T[0]) + "." + Marken[I + 1].Text + "." + Marken[I + 2].Text;
  return {};
}

// Keine Nummer: die Meldung nennt gemischte Zeichen zwischen Ziffern oder die Ziffern der
// laengsten Folge von Zahlen.
std::string Unlesbar(std::string_view Text, const std::vector<TMarke>& Marken, const std::string& Benannt)
{
  std::size_t Laengste = 0, Folge = 0;
  for (std::size_t I = 0; I < Marken.size(); ++I) {
    const TMarke& M = Marken[I];
    const bool ZahlDavor = I > 0 && Marken[I - 1].Art == TArt::Zahl;
    const bool ZahlDahinter = I + 1 < Marken.size() && Marken[I + 1].Art == TArt::Zahl;
    if (M.Art == TArt::Gemischt && (ZahlDavor || ZahlDahinter || NurZiffern(M.Text.substr(0, 1))) &&
        !MitEinheit(M.Text) && !WhyteAchsfolge(M.Text))
      return Ersetzt("%1 enthält Buchstaben oder Zeichen zwischen den Ziffern"_cp1252, {InAnfuehrung(M.Text)});
    Folge = M.Art == TArt::Zahl ? Folge + M.Ziffern.size() : M.Art == TArt::Strich ? Folge : 0;
    Laengste = std::max(Laengste, Folge);
  }
  if (Laengste == 0 && !Benannt.empty())
    return Ersetzt("%1 enthält keine Wagennummer, nur %2"_cp1252, {InAnfuehrung(Text), Benannt});
  if (Laengste == 11 || Laengste == 12)
    return Ersetzt("%1 hat %2 Ziffern, aber nicht gegliedert wie eine Wagennummer"_cp1252,
                   {InAnfuehrung(Text), std::to_string(Laengste)});
  return Ersetzt(
      Laengste == 1 ? "%1 hat %2 Ziffer, erwartet werden 11 oder 12" : "%1 hat %2 Ziffern, erwartet werden 11 oder 12",
      {InAnfuehrung(Text), std::to_string(Laengste)});
}

// Ein Reihenzeichen aus Grossbuchstaben und Ziffern: angehaengt ("EU07-015", "ST44") oder als
// Wort vor der ersten Gruppe einer Zahl ("EN 57-2017").
void ReiheSammeln(const std::vector<TMarke>& Marken, std::size_t I, std::vector<std::string>& Reihen)
{
  const TMarke& M = Marken[I];
  const std::string Vorn = M.Text.substr(0, M.Text.find('-'));
  const std::size_t Ziffern = Vorn.find_first_of("0123456789");
  const bool Gross = Ziffern != std::string::npos && Ziffern > 0 &&
                     std::all_of(Vorn.begin(), Vorn.begin() + static_cast<std::ptrdiff_t>(Ziffern), IstGross1252);
  if (M.Art == TArt::Gemischt && Gross)
    Reihen.push_back(Vorn);
  else if (M.Art == TArt::Wort && M.Text.size() == 2 && std::all_of(M.Text.begin(), M.Text.end(), IstGross1252) &&
           I + 1 < Marken.size() && Marken[I + 1].Art == TArt::Zahl && Marken[I + 1].Gruppen.size() == 2 &&
           Marken[I + 1].Gruppen[0] <= 3)
    Reihen.push_back(M.Text + Marken[I + 1].Ziffern.substr(0, Marken[I + 1].Gruppen[0]));
}

// Was neben der Nummer steht: Woerter, Bauarten, benannte Zahlen, Gemischtes.
void Umgebung(const std::vector<TMarke>& Marken, const std::vector<TKandidat>& Alle, TGelesen& Ergebnis)
{
  for (std::size_t I = 0; I < Marken.size(); ++I) {
    const TMarke& M = Marken[I];
    const auto Darin =
        std::find_if(Alle.begin(), Alle.end(), [I](const TKandidat& K) { return I >= K.Von && I <= K.Bis; });
    const bool InNummer = Darin != Alle.end() && Darin == Alle.begin();
    if (Ergebnis.Fs.empty())
      Ergebnis.Fs = FsForm(Marken, I);
    ReiheSammeln(Marken, I, Ergebnis.Reihen);
    // Woerter liest AnschriftWoerter; die Reihe einer Nummer ohne Pruefziffer ("V43 1078") gehoert zu ihr.
    if (M.Art == TArt::Wort || (M.Art != TArt::Zahl && InNummer))
      continue;
    // neben der Nummer bleibt die Bauart hinter Gattungszeichen Bauart ("Eanos-x 057"), auch wo
    // sie allein eine Nummer ohne Pruefziffer sein koennte
    if (M.Art == TArt::Zahl && !InNummer && IstBauart(Marken, I) && Darin != Alle.end() && Darin->Von == Darin->Bis) {
      Ergebnis.Bauart.push_back(M.Text);
      continue;
    }
    if (Darin != Alle.end() && !InNummer) {
      if (I == Darin->Von)
        Ergebnis.Weitere.push_back(
            !Darin->Ordnungsnummer.empty() ? Ersetzt("Nummer ohne Prüfziffer %1"_cp1252, {ReiheUndNummer(*Darin)})
            : Darin->National              ? Ersetzt("nationale Nummer %1", {NationalAus(Darin->Ziffern)})
                                           : Ersetzt("weitere Nummer %1", {NummerGegliedert(Darin->Ziffern)}));
    } else if (M.Art == TArt::Zahl && InNummer) {
      // "81 70 5932 757-806": elf Ziffern, dahinter das Ende eines Bereichs
      if (I == Darin->Bis && Darin->Ziffern.size() == 11 && M.Gruppen.size() == 2 && M.Gruppen[1] == 3)
        Ergebnis.Weitere.push_back(Ersetzt("Bereich bis %1", {M.Ziffern.substr(M.Gruppen[0])}));
      // "744.125 - 128", "744 125 - 128": das Ende hinter Strich und Leerraum
      if (I == Darin->Bis && I >= Darin->Von + 2 && Marken[I - 1].Art == TArt::Strich &&
          !Darin->Ordnungsnummer.empty() &&
          (BereichsEnde(Marken, I - 2) == I || EndeNach(Marken, I - 2, Marken[I - 2].Ziffern) == I))
        Ergebnis.Weitere.push_back(Ersetzt("Bereich bis %1", {M.Ziffern}));
      // "2401–2469": die erste Nummer eines Bereichs
      if (Darin->Reihe.empty() && !Darin->Ordnungsnummer.empty() && BereichsAnfang(M) == Darin->Ordnungsnummer)
        Ergebnis.Weitere.push_back(Ersetzt("Bereich bis %1", {M.Ziffern.substr(M.Gruppen[0])}));
      if (M.Platzhalter)
        Ergebnis.Hinweise.push_back(Ersetzt("%1 als %2 gelesen: x und y stehen für offene Ziffern"_cp1252,
                                            {InAnfuehrung(M.Text), InAnfuehrung(MitFragezeichen(M.Text))}));
      if (M.Verlesen)
        Ergebnis.Hinweise.push_back(Ersetzt("%1 als %2 gelesen (O für 0, I und l für 1)"_cp1252,
                                            {InAnfuehrung(M.Text), InAnfuehrung(M.Ziffern)}));
    } else if (M.Art == TArt::Zahl && IstBauart(Marken, I)) {
      Ergebnis.Bauart.push_back(M.Text);
    } else if (M.Art == TArt::Zahl) {
      Ergebnis.Weitere.push_back(ZahlBenennen(Marken, I));
    } else if (M.Art == TArt::Gemischt && BauartAngehaengt(M.Text) > 0) {
      Ergebnis.Bauart.push_back(M.Text.substr(BauartAngehaengt(M.Text)));
    } else if (M.Art == TArt::Gemischt) {
      Ergebnis.Weitere.push_back(GemischtBenennen(M));
    }
  }
}

// Gehoert die Marke zur Anschrift neben einer Nummer: ein Wort, Gattungszeichen mit Bauart, eine
// Bauart hinter Gattungszeichen ("WLABee 824, 52 54 ...", "D-BTEX Bom 024 56 80 ...")?
bool Anschriftmarke(const std::vector<TMarke>& Marken, std::size_t I)
{
  const TMarke& M = Marken[I];
  return M.Art == TArt::Wort || (M.Art == TArt::Gemischt && BauartAngehaengt(M.Text) > 0) ||
         (M.Art == TArt::Zahl && IstBauart(Marken, I));
}

void WortNehmen(const TMarke& M, std::vector<std::string>& Woerter)
{
  if (M.Art == TArt::Wort)
    Woerter.push_back(M.Text);
  else if (M.Art == TArt::Gemischt)
    Woerter.push_back(M.Text.substr(0, BauartAngehaengt(M.Text)));
}

// Die Marke hinter einer Beschriftung "Gattung Bghw", "Wagengattung: Gabs-v", sonst Marken.size()
std::size_t BenannteGattung(const std::vector<TMarke>& Marken)
{
  for (std::size_t I = 0; I + 1 < Marken.size(); ++I)
    if (WortIn(Marken[I].Text, {"Gattung", "Wagengattung", "Gattungszeichen"}) && !Marken[I + 1].Grenze &&
        (Marken[I + 1].Art == TArt::Wort || Anschriftmarke(Marken, I + 1)))
      return I + 1;
  return Marken.size();
}

// Die Woerter der Anschrift: das als Gattung benannte, die in der Nummer, dann die nahen davor
// und dahinter, das naechste zuerst (hoechstens 3 davor, 4 dahinter, je bis zum ersten Wort, das
// nicht zur Anschrift gehoeren kann). Fernere Woerter eines Satzes sind Zusammenhang ("in Dienst
// gestellt" neben der Nummer ist keine Gattung).
std::vector<std::string> AnschriftWoerter(const std::vector<TMarke>& Marken, const TKandidat* Nummer,
                                          const TAnschriftwort& Anschriftwort)
{
  std::vector<std::string> Woerter;
  const std::size_t Benannt = Nummer ? BenannteGattung(Marken) : Marken.size();
  const auto Nehmen = [&](std::size_t I) {
    if (I != Benannt)
      WortNehmen(Marken[I], Woerter);
  };
  if (Benannt < Marken.size())
    WortNehmen(Marken[Benannt], Woerter);
  const std::size_t Von = Nummer ? Nummer->Von : 0, Bis = Nummer ? Nummer->Bis : Marken.size();
  for (std::size_t I = Von; I <= Bis && I < Marken.size(); ++I)
    Nehmen(I);
  if (!Nummer)
    return Woerter;
  // das Wort selbst bleibt (als Hinweis), dahinter ist Zusammenhang
  const auto Weiter = [&](const TMarke& M) { return M.Art != TArt::Wort || !Anschriftwort || Anschriftwort(M.Text); };
  bool DavorOffen = true, DahinterOffen = true;
  for (std::size_t Abstand = 1; Abstand <= 4 && (DavorOffen || DahinterOffen); ++Abstand) {
    DahinterOffen = DahinterOffen && Bis + Abstand < Marken.size() && Anschriftmarke(Marken, Bis + Abstand);
    if (DahinterOffen) {
      Nehmen(Bis + Abstand);
      DahinterOffen = Weiter(Marken[Bis + Abstand]);
    }
    DavorOffen = DavorOffen && Abstand <= 3 && Von >= Abstand && Anschriftmarke(Marken, Von - Abstand);
    if (DavorOffen) {
      Nehmen(Von - Abstand);
      DavorOffen = Weiter(Marken[Von - Abstand]);
    }
  }
  return Woerter;
}

}  // namespace

bool WieGattungszeichen(std::string_view Wort)
{
  const std::size_t Strich = Wort.find('-');
  const std::string_view Zeichen = Wort.substr(0, Strich);
  const std::string_view Zusatz = Strich == std::string_view::npos ? "" : Wort.substr(Strich + 1);
  return !Zeichen.empty() && std::all_of(Zeichen.begin(), Zeichen.end(), IstBuchstabe) &&
         std::any_of(Zeichen.begin(), Zeichen.end(), IstKlein1252) &&
         (Strich == std::string_view::npos ||
          (!Zusatz.empty() && std::all_of(Zusatz.begin(), Zusatz.end(), IstKlein1252)));
}

// Was eine Betriebsnummer aus Buchstaben und zwei, drei Ziffern auch sein kann
void NotbehelfHinweis(const std::vector<TMarke>& Marken, const TKandidat& Nummer, std::vector<std::string>& Hinweise)
{
  if (Nummer.Ordnungsnummer.size() < 2 || Nummer.Ordnungsnummer.size() > 3)
    return;
  if (Marken[Nummer.Von].Text == Nummer.Reihe + Nummer.Ordnungsnummer)
    Hinweise.push_back(Ersetzt("%1 kann auch ein Typ sein", {Marken[Nummer.Von].Text}));
  else if (WieGattungszeichen(Nummer.Reihe))
    Hinweise.push_back(Ersetzt("%1 kann auch die Bauart zu %2 sein"_cp1252, {Nummer.Ordnungsnummer, Nummer.Reihe}));
}

TGelesen NummerAusText(std::string_view Text, const TLesewissen& Wissen)
{
  TGelesen Ergebnis;
  const std::vector<TMarke> Marken = MarkenLesen(Text);
  std::vector<TKandidat> Alle = Kandidaten(Marken, Wissen);
  const bool Notbehelf = Alle.empty();
  if (Notbehelf)
    Alle = Betriebsnummern(Marken);
  const TKandidat* Nummer = Alle.empty() ? nullptr : &Alle.front();
  Umgebung(Marken, Alle, Ergebnis);
  Ergebnis.Woerter = AnschriftWoerter(Marken, Nummer, Wissen.Anschriftwort);
  for (const TMarke& M : Marken)
    if (M.Art == TArt::Wort &&
        std::find(Ergebnis.Woerter.begin(), Ergebnis.Woerter.end(), M.Text) == Ergebnis.Woerter.end())
      Ergebnis.Zusammenhang.push_back(M.Text);
  if (Nummer && !Ergebnis.Fs.empty() && (Nummer->National || !Nummer->Ordnungsnummer.empty()))
    Nummer = nullptr;  // "E.464.344" neben Ziffern: die FS-Nummer zaehlt
  if (!Nummer) {
    Ergebnis.Fehler = Unlesbar(Text, Marken, Ergebnis.Weitere.empty() ? "" : Ergebnis.Weitere.front());
    return Ergebnis;
  }
  Ergebnis.Ziffern = Nummer->Ziffern;
  if (Nummer->Teil > 0)
    Ergebnis.Hinweise.push_back(
        Ersetzt("Teilnummer: es stehen nur die Stellen 1–%1 da"_cp1252, {std::to_string(Nummer->Teil)}));
  for (std::size_t I = 1; I < Alle.size(); ++I)
    if (Alle[I].Guete == Nummer->Guete)
      Ergebnis.Andere.push_back(!Alle[I].Ordnungsnummer.empty() ? ReiheUndNummer(Alle[I])
                                : Alle[I].National              ? NationalAus(Alle[I].Ziffern)
                                                                : NummerGegliedert(Alle[I].Ziffern));
  if (!Nummer->Ordnungsnummer.empty()) {
    Ergebnis.Reihe = Nummer->Reihe;
    Ergebnis.Ordnungsnummer = Nummer->Ordnungsnummer;
    Ergebnis.OhneKopf = Nummer->OhneKopf;
    if (Notbehelf)
      NotbehelfHinweis(Marken, *Nummer, Ergebnis.Hinweise);
    Ergebnis.Fehler =
        Nummer->OhneKopf
            ? Ersetzt("%1: Stellen 5–12 ohne Austauschkennzahl und Land, die Prüfziffer lässt sich nicht prüfen"_cp1252,
                      {InAnfuehrung(Text)})
            : Ersetzt("%1 trägt keine Prüfziffer"_cp1252, {InAnfuehrung(Text)});
  }
  if (Nummer->Breitspur) {
    Ergebnis.Breitspur = true;
    Ergebnis.Fehler = Ersetzt("%1: acht Ziffern der Breitspurbahnen (1520 mm), keine Wagennummer nach UIC"_cp1252,
                              {InAnfuehrung(Text)});
  }
  if (Nummer->National) {
    // wie bisher: die Auswertung erkennt die nationale Nummer an ihrer abgesetzten Pruefziffer
    Ergebnis.PruefzifferAbgesetzt = true;
    Ergebnis.Fehler = Ersetzt("%1 hat %2 Ziffern, erwartet werden 11 oder 12",
                              {InAnfuehrung(Text), std::to_string(Nummer->Ziffern.size())});
  }
  return Ergebnis;
}

std::string NummerGegliedert(std::string_view Z)
{
  if (Z.size() < 11)
    return std::string(Z);
  std::string Text;
  Text.append(Z.substr(0, 2)).append(" ").append(Z.substr(2, 2)).append(" ").append(Z.substr(4, 4));
  Text.append(" ").append(Z.substr(8, 3));
  if (Z.size() > 11)
    Text.append("-").append(Z.substr(11));
  return Text;
}

namespace {

// Austausch- und Poolmerkmale, die neben der Nummer stehen, aber weder Land noch Halter sind;
// "[P]" steht fuer das umrahmte P der Privatwagen.
constexpr std::array<std::string_view, 9> Merkmalwoerter = {"RIV",   "TEN",        "PPW", "RIC", "MC",
                                                            "EUROP", "INTERFRIGO", "OPW", "[P]"};

}  // namespace

bool IstMerkmal(std::string_view Wort)
{
  if (std::find(Merkmalwoerter.begin(), Merkmalwoerter.end(), Wort) != Merkmalwoerter.end())
    return true;
  if (Wort == "UIC-X" || Wort == "UIC-Y" || Wort == "UIC-Z" || Wort == "Interfrigo")
    return true;
  const std::size_t Strich = Wort.find_first_of("-/");
  return Strich != std::string_view::npos && Strich > 0 && Strich + 1 < Wort.size() &&
         IstMerkmal(Wort.substr(0, Strich)) && IstMerkmal(Wort.substr(Strich + 1));
}
