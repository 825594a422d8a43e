#include "auswertung/eingabe.h"

#include "zeichen/meldung.h"

#include <algorithm>
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

}  // namespace

TEingabeText EingabeUmsetzen(std::string_view Bytes, TKennung Kennung)
{
  TEingabeText Ergebnis;
  std::vector<std::string> Ziffern, Buchstaben, Richtung;
  std::u32string Getippt;  // je Zeichen von Text das getippte, wo ein Buchstabe ohne Akzent steht; sonst 0
  const auto Anhaengen = [&](char Byte, char32_t Wie = 0) {
    Ergebnis.Text.push_back(Byte);
    Getippt.push_back(Wie);
  };
  for (const char32_t Zeichen : UnicodeZeichen(Bytes, Kennung)) {
    if (const char Byte = UnicodeNachCp1252(Zeichen); Byte != '?' || Zeichen == U'?') {
      Anhaengen(Byte);
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
  }
  if (!Ergebnis.Fehler.empty()) {
    Ergebnis.Fehler = InAnfuehrung(Ergebnis.Text) + " " + Ergebnis.Fehler;
    return Ergebnis;
  }
  if (!Richtung.empty())
    Ergebnis.Hinweise.push_back(
        Ersetzt("enthält unsichtbare Steuerzeichen %1 (Schreibrichtung): geprüft sind die Zeichen, wie sie "
                "gespeichert sind, die Anzeige kann sie umstellen"_cp1252,
                {Verbunden(Richtung)}));
  if (!Ziffern.empty())
    Ergebnis.Hinweise.push_back(Sammelhinweis(Ziffern, "eine Ziffer aus einer anderen Schrift gelesen",
                                              "Ziffern aus einer anderen Schrift gelesen"));
  if (Buchstaben.empty())
    return Ergebnis;
  Ergebnis.Hinweise.push_back(
      Sammelhinweis(Buchstaben, "ein Buchstabe ohne Akzent gelesen", "Buchstaben ohne Akzent gelesen"));
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

bool NurZiffern(std::string_view Wort)
{
  return !Wort.empty() && std::all_of(Wort.begin(), Wort.end(), [](char Z) { return Z >= '0' && Z <= '9'; });
}

// Buchstaben, die auf Fotos und abgenutzten Anschriften fuer Ziffern stehen
char Verlesen(char Z) { return Z == 'O' || Z == 'o' ? '0' : Z == 'I' || Z == 'l' ? '1' : '\0'; }

struct TTeil {
  std::string Text;
  bool Zahl;            // Zifferngruppe
  bool Bauart = false;  // 2 oder 3 Ziffern gleich hinter Gattungszeichen
};

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

TGelesen NummerAusText(std::string_view Text)
{
  TGelesen Ergebnis;
  std::vector<TTeil> Teile;
  bool StrichDavor = false;
  for (std::size_t Pos = 0; Pos < Text.size();) {
    while (Pos < Text.size() && (IstLeerraum(Text[Pos]) || Text[Pos] == ','))
      ++Pos;
    std::size_t Ende = Pos;
    while (Ende < Text.size() && !IstLeerraum(Text[Ende]) && Text[Ende] != ',')
      ++Ende;
    std::string Wort(Text.substr(Pos, Ende - Pos));
    Pos = Ende;
    if (Wort.empty() || std::all_of(Wort.begin(), Wort.end(), IstTrenner)) {
      StrichDavor = !Wort.empty();  // ein Strich allein: "151 - 5"
      continue;
    }
    const bool Abgesetzt = StrichDavor || (Wort.size() >= 2 && IstTrenner(Wort[Wort.size() - 2]));
    StrichDavor = false;
    bool HatZiffer = false;
    bool NurZiffernUndTrenner = true;
    bool Verlesbar = true;
    for (const char Z : Wort) {
      HatZiffer = HatZiffer || (Z >= '0' && Z <= '9');
      NurZiffernUndTrenner = NurZiffernUndTrenner && (IstZiffer(Z) || IstTrenner(Z));
      Verlesbar = Verlesbar && (IstZiffer(Z) || IstTrenner(Z) || Verlesen(Z) != 0);
    }
    // "???" gehoert zur Nummer, "CZ-?D" (ein nicht darstellbarer Buchstabe) zur Anschrift
    HatZiffer = HatZiffer || (NurZiffernUndTrenner && Wort.find('?') != std::string::npos);
    const bool NachGattung = !Teile.empty() && !Teile.back().Zahl && WieGattungszeichen(Teile.back().Text);
    if (!HatZiffer) {
      Teile.push_back({std::move(Wort), false});  // "RIV", "D-DB", "Fals": Anschrift um die Nummer herum
      continue;
    }
    if (!NurZiffernUndTrenner && Verlesbar) {
      std::string Gelesen;
      for (const char Z : Wort)
        Gelesen.push_back(Verlesen(Z) != 0 ? Verlesen(Z) : Z);
      Ergebnis.Hinweise.push_back(InAnfuehrung(Wort) + " als " + InAnfuehrung(Gelesen) +
                                  " gelesen (O für 0, I und l für 1)"_cp1252);
      Teile.push_back({std::move(Gelesen), true});
      continue;
    }
    // Gattungszeichen mit angehaengter Bauart: "Bfhpvee295"
    const std::size_t ZiffernAb = Wort.find_first_of("0123456789");
    if (!NurZiffernUndTrenner && ZiffernAb > 0 && NurZiffern(std::string_view(Wort).substr(ZiffernAb)) &&
        Wort.size() - ZiffernAb <= 3 && WieGattungszeichen(std::string_view(Wort).substr(0, ZiffernAb))) {
      Teile.push_back({Wort.substr(0, ZiffernAb), false});
      Teile.push_back({Wort.substr(ZiffernAb), true, true});
      continue;
    }
    if (!NurZiffernUndTrenner)
      return {{}, InAnfuehrung(Wort) + " enthält Buchstaben oder Zeichen zwischen den Ziffern"_cp1252, {}, {}, {}};
    const bool Bauart = NachGattung && NurZiffern(Wort) && Wort.size() >= 2 && Wort.size() <= 3;
    Ergebnis.PruefzifferAbgesetzt = Abgesetzt && !Bauart;
    Teile.push_back({std::move(Wort), true, Bauart});
  }

  const auto Zaehlen = [&Teile](bool MitBauart) {
    std::size_t Anzahl = 0;
    for (const TTeil& Teil : Teile)
      if (Teil.Zahl && (MitBauart || !Teil.Bauart))
        Anzahl += static_cast<std::size_t>(std::count_if(Teil.Text.begin(), Teil.Text.end(), IstZiffer));
    return Anzahl;
  };
  const auto Passt = [](std::size_t Anzahl) { return Anzahl == 11 || Anzahl == 12; };
  // Eine Bauart zaehlt nur dann nicht, wenn die Nummer sie nicht braucht.
  const bool OhneBauart = !Passt(Zaehlen(true)) && Passt(Zaehlen(false));
  for (TTeil& Teil : Teile) {
    if (!Teil.Zahl)
      Ergebnis.Woerter.push_back(std::move(Teil.Text));
    else if (Teil.Bauart && OhneBauart)
      Ergebnis.Bauart.push_back(std::move(Teil.Text));
    else
      for (const char Z : Teil.Text)
        if (IstZiffer(Z))
          Ergebnis.Ziffern.push_back(Z);
  }
  const std::size_t Anzahl = Ergebnis.Ziffern.size();
  if (!Passt(Anzahl))
    Ergebnis.Fehler = InAnfuehrung(Text) + " hat " + std::to_string(Anzahl) + (Anzahl == 1 ? " Ziffer" : " Ziffern") +
                      ", erwartet werden 11 oder 12";
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
