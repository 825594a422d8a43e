#include "nummer/eingabe.h"

#include <string>

namespace {

bool IstZiffer(char Z) { return (Z >= '0' && Z <= '9') || Z == '?'; }
bool IstLeerraum(char Z) { return Z == ' ' || Z == '\t' || Z == '\xA0'; }
// Bindestrich, Punkt, Schraegstrich, Halbgeviert- und Geviertstrich trennen Gruppen.
bool IstTrenner(char Z) { return Z == '-' || Z == '.' || Z == '/' || Z == '\x96' || Z == '\x97'; }

}  // namespace

std::string InAnfuehrung(std::string_view Text)
{
  constexpr std::size_t Hoechstens = 60;
  std::string Ergebnis = "\204";
  Ergebnis.append(Text.substr(0, Hoechstens)).append(Text.size() > Hoechstens ? "\205\223" : "\223");
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
      return {{}, InAnfuehrung(Wort) + " enth\344lt Buchstaben oder Zeichen zwischen den Ziffern", {}};
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
