#include "nummer/eingabe.h"

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

}  // namespace

TEingabeText EingabeUmsetzen(std::string_view Bytes, TKennung Kennung)
{
  TEingabeText Ergebnis;
  std::vector<std::string> Ziffern, Buchstaben;
  for (const char32_t Zeichen : UnicodeZeichen(Bytes, Kennung)) {
    if (const char Byte = UnicodeNachCp1252(Zeichen); Byte != '?' || Zeichen == U'?') {
      Ergebnis.Text.push_back(Byte);
      continue;
    }
    const auto [Art, Ersatz] = FremdZeichen(Zeichen);
    if (Art == TFremdArt::Format)
      continue;
    if (Art == TFremdArt::Anderes) {
      Ergebnis.Text.push_back('?');
      if (Ergebnis.Fehler.empty())
        Ergebnis.Fehler =
            "enthält das Zeichen "_cp1252 + CodepunktText(Zeichen) + ", das in keiner Wagenanschrift vorkommt";
      continue;
    }
    Ergebnis.Text.push_back(Ersatz);
    if (Art == TFremdArt::Ziffer)
      Ziffern.push_back(CodepunktText(Zeichen) + " als " + Ersatz);
    else if (Art == TFremdArt::Buchstabe)
      Buchstaben.push_back(CodepunktText(Zeichen) + " als " + Ersatz);
  }
  if (!Ergebnis.Fehler.empty()) {
    Ergebnis.Fehler = InAnfuehrung(Ergebnis.Text) + " " + Ergebnis.Fehler;
    return Ergebnis;
  }
  if (!Ziffern.empty())
    Ergebnis.Hinweise.push_back(Sammelhinweis(Ziffern, "eine Ziffer aus einer anderen Schrift gelesen",
                                              "Ziffern aus einer anderen Schrift gelesen"));
  if (!Buchstaben.empty())
    Ergebnis.Hinweise.push_back(
        Sammelhinweis(Buchstaben, "ein Buchstabe ohne Akzent gelesen", "Buchstaben ohne Akzent gelesen"));
  return Ergebnis;
}

std::string InAnfuehrung(std::string_view Text)
{
  constexpr std::size_t Hoechstens = 60;
  std::string Ergebnis = "„"_cp1252;
  Ergebnis.append(Text.substr(0, Hoechstens)).append(Text.size() > Hoechstens ? "…“"_cp1252 : "“"_cp1252);
  return Ergebnis;
}

TGelesen NummerAusText(std::string_view Text)
{
  TGelesen Ergebnis;
  for (std::size_t Pos = 0; Pos < Text.size();) {
    while (Pos < Text.size() && IstLeerraum(Text[Pos]))
      ++Pos;
    std::size_t Ende = Pos;
    while (Ende < Text.size() && !IstLeerraum(Text[Ende]))
      ++Ende;
    const std::string_view Wort = Text.substr(Pos, Ende - Pos);
    Pos = Ende;
    bool HatZiffer = false;
    bool NurZiffernUndTrenner = true;
    for (const char Z : Wort) {
      HatZiffer = HatZiffer || (Z >= '0' && Z <= '9');
      NurZiffernUndTrenner = NurZiffernUndTrenner && (IstZiffer(Z) || IstTrenner(Z));
    }
    // "???" gehoert zur Nummer, "CZ-?D" (ein nicht darstellbarer Buchstabe) zur Anschrift
    HatZiffer = HatZiffer || (NurZiffernUndTrenner && Wort.find('?') != std::string_view::npos);
    if (!HatZiffer) {
      if (!Wort.empty())
        Ergebnis.Woerter.emplace_back(Wort);  // "RIV", "D-DB", "Fals": Anschrift um die Nummer herum
      continue;
    }
    if (!NurZiffernUndTrenner)
      return {{}, InAnfuehrung(Wort) + " enthält Buchstaben oder Zeichen zwischen den Ziffern"_cp1252, {}};
    for (const char Z : Wort)
      if (IstZiffer(Z))
        Ergebnis.Ziffern.push_back(Z);
  }
  const std::size_t Anzahl = Ergebnis.Ziffern.size();
  if (Anzahl != 11 && Anzahl != 12)
    return {{},
            InAnfuehrung(Text) + " hat " + std::to_string(Anzahl) + (Anzahl == 1 ? " Ziffer" : " Ziffern") +
                ", erwartet werden 11 oder 12",
            {}};
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
