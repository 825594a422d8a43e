#include "auswertung/anschrift.h"

#include "auswertung/eingabe.h"
#include "nummer/wageninfo.h"
#include "zeichen/meldung.h"
#include "zeichen/zeichensatz.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

bool NurGross(std::string_view Wort) { return !Wort.empty() && std::all_of(Wort.begin(), Wort.end(), IstGross1252); }

// Grossbuchstaben, die die Tabelle [Reisezugwagen] als Gattung kennt (A, B, D, L, R, W)
std::string Klassenalphabet(const TKennzeichen& Kennzeichen)
{
  std::string Alphabet;
  for (const auto& [Stellen, Erlaubt] : Kennzeichen.Reisezugwagen)
    for (const char Z : Erlaubt)
      if (IstGross1252(Z) && Alphabet.find(Z) == std::string::npos)
        Alphabet.push_back(Z);
  return Alphabet;
}

// Die Laendernummern zu einem Kuerzel, "81 (Österreich)"; leer, wenn unbekannt.
std::string NummernText(const TKennzeichen& Kennzeichen, std::string_view Kuerzel)
{
  const auto Treffer = Kennzeichen.NummernZuKuerzel.find(Kuerzel);
  if (Treffer == Kennzeichen.NummernZuKuerzel.end())
    return {};
  std::string Text;
  for (const std::string_view Nummer : Treffer->second)
    Text += (Text.empty() ? "" : ", ") + std::string(Nummer) + " (" + std::string(Kennzeichen.Land(Nummer)->Name) + ")";
  return Text;
}

// Buchstaben von Wort, die in Vergleich fehlen (als Multimenge)
std::string Ueberzaehlig(std::string Wort, std::string_view Vergleich)
{
  for (const char Zeichen : Vergleich)
    if (const auto Pos = Wort.find(Zeichen); Pos != std::string::npos)
      Wort.erase(Pos, 1);
  return Wort;
}

// Die Klasse eines Reisezugwagens aus seinen Gattungsbuchstaben: die Grossbuchstaben ohne das D
// fuer Doppelstock der DB vor A oder B, "c" angehaengt fuer einen Liegewagen: "Bcmz" -> "Bc".
std::string Klassenbuchstaben(std::string_view Zeichen)
{
  std::string Gross;
  bool Liegewagen = false;
  for (const char Buchstabe : Zeichen) {
    if (IstGross1252(Buchstabe))
      Gross.push_back(Buchstabe);
    else
      Liegewagen = Liegewagen || Buchstabe == 'c';
  }
  if (Gross.size() >= 2 && Gross[0] == 'D' && (Gross[1] == 'A' || Gross[1] == 'B'))
    Gross.erase(0, 1);
  return Liegewagen ? Gross + "c" : Gross;
}

// Nur die Grossbuchstaben, die [Reisezugwagen] kennt: das "H" der FS in "npBDH" (Platz fuer
// Rollstuehle) ist keine Gattung und wird nicht gegen die Stellen 5-6 gelesen.
std::string NurBekannteKlassen(const TKennzeichen& Kennzeichen, std::string_view Zeichen)
{
  const std::string Alphabet = Klassenalphabet(Kennzeichen);
  std::string Ergebnis;
  for (const char Z : Zeichen)
    if (!IstGross1252(Z) || Alphabet.find(Z) != std::string::npos)
      Ergebnis.push_back(Z);
  return Ergebnis;
}

// Ein Gattungszeichen eines Gueterwagens nach der ERA-Tabelle: ein Gattungsbuchstabe, dann nur
// Kennbuchstaben, die diese Gattung dort traegt, und mindestens ein Code der Tabelle darin
// ("Fals", "Eanos"; nicht "Rail", "Semipilota").
bool GueterwagenZeichen(const TKennzeichen& Kennzeichen, std::string_view Zeichen)
{
  if (Zeichen.empty() || !IstGross1252(Zeichen[0]) || !std::all_of(Zeichen.begin() + 1, Zeichen.end(), IstKlein1252))
    return false;
  const auto Gattung = Kennzeichen.GattungsCodes.find(Zeichen[0]);
  if (Gattung == Kennzeichen.GattungsCodes.end())
    return false;
  const std::array<std::uint8_t, 256>& Hoechstens = Gattung->second.Hoechstens;
  const bool BuchstabenBekannt = std::all_of(Zeichen.begin() + 1, Zeichen.end(), [&](char Z) {
    // ein s mehr ist der nationale Zusatz fuer 120 km/h ("Eanoss")
    return static_cast<std::size_t>(std::count(Zeichen.begin(), Zeichen.end(), Z)) <=
           std::size_t{Hoechstens[static_cast<unsigned char>(Z)]} + (Z == 's' ? 1 : 0);
  });
  return BuchstabenBekannt &&
         std::any_of(Gattung->second.Codes.begin(), Gattung->second.Codes.end(),
                     [&](std::string_view Code) { return Ueberzaehlig(std::string(Code), Zeichen).empty(); });
}

// Gattungsbuchstaben eines Reisezugwagens, die als Ganzes in [Reisezugwagen] vorkommen ("Bcmz",
// "npBDH", "WLABmh"; nicht "Semipilota", "Rail").
bool ReisezugwagenZeichen(const TKennzeichen& Kennzeichen, std::string_view Zeichen)
{
  const std::string Klasse = Klassenbuchstaben(NurBekannteKlassen(Kennzeichen, Zeichen));
  const std::string OhneLiege = !Klasse.empty() && Klasse.back() == 'c' ? Klasse.substr(0, Klasse.size() - 1) : Klasse;
  for (const auto& [Stellen, Erlaubt] : Kennzeichen.Reisezugwagen)
    for (std::string_view Liste = Erlaubt; !Liste.empty();) {
      const std::string_view Angabe = Liste.substr(0, Liste.find(','));
      Liste.remove_prefix(std::min(Angabe.size() + 1, Liste.size()));
      if (!Klasse.empty() && (Angabe == Klasse || Angabe == OhneLiege))
        return true;
    }
  return false;
}

void ReisezugwagenAbgleichen(const TStammdaten& Stammdaten, const TKennzeichen& Kennzeichen, std::string_view Elf,
                             std::string_view Zeichen, std::vector<TBefund>& Befunde)
{
  std::string Erlaubt;
  const std::string Stellen(Elf.substr(4, 2));
  switch (ReisezugwagenPasst(Kennzeichen, Elf, Zeichen, &Erlaubt)) {
    case TPasst::Ja:
      return;
    case TPasst::Ungeprueft:
      Befunde.push_back(
          HinweisBefund(TBezug::Gattungszeichen,
                        Ersetzt("Gattungszeichen %1 nicht geprüft: Stellen 5–6 „%2“ legen keine Gattung fest"_cp1252,
                                {InAnfuehrung(Zeichen), Stellen}),
                        std::string(Zeichen)));
      return;
    case TPasst::Nein:
      break;
  }
  constexpr std::string_view Oder = " oder ";
  for (std::size_t Pos = 0; (Pos = Erlaubt.find(',', Pos)) != std::string::npos; Pos += Oder.size())
    Erlaubt.replace(Pos, 1, Oder);
  Befunde.push_back(AbweichungBefund(
      TBezug::Gattungszeichen,
      Ersetzt("Gattungszeichen %1 passt nicht zu Stellen 5–6 „%2“ (%3): erwartet %4 (Liegewagen mit c)"_cp1252,
              {InAnfuehrung(Zeichen), Stellen, WagenInfo(Stammdaten, Elf).Wagengattung, Erlaubt}),
      std::string(Zeichen)));
}

void RadsaetzeAbgleichen(const TKennzeichen& Kennzeichen, std::string_view Elf, std::string_view Zeichen,
                         std::vector<TBefund>& Befunde)
{
  if (RadsaetzePassen(Kennzeichen, Elf, Zeichen) != TPasst::Nein)
    return;
  const TAustausch* Austausch = Kennzeichen.AustauschZu(Elf.substr(0, 2));
  const auto Wort = [](std::string_view Radsaetze) {
    return Radsaetze == "Drehgestelle" ? std::string("Drehgestelle") : "Einzelradsätze"_cp1252;
  };
  Befunde.push_back(AbweichungBefund(TBezug::Gattungszeichen,
                                     Ersetzt("Austauschverfahren %1 steht für %2, %3 verlangt %4"_cp1252,
                                             {Elf.substr(0, 2), Wort(Austausch->Radsaetze), InAnfuehrung(Zeichen),
                                              Wort(RadsaetzeDerGattung(Kennzeichen, Zeichen))}),
                                     std::string(Zeichen)));
}

// Wie angeschriebene Gattungszeichen von denen der Kennzahl abweichen.
std::string Unterschied(std::string_view Zeichen, const std::string& Era)
{
  const std::string Zuviel = Ueberzaehlig(std::string(Zeichen), Era);
  const std::string Fehlt = Ueberzaehlig(Era, Zeichen);
  if (Era[0] != Zeichen[0])
    return Ersetzt("Gattung %1 statt %2", {Zeichen.substr(0, 1), std::string_view(Era).substr(0, 1)});
  if (Zuviel.empty() && Fehlt.empty())
    return "gleiche Buchstaben, andere Reihenfolge";
  if (Fehlt.empty())
    return Ersetzt("%1 zu viel", {InAnfuehrung(Zuviel)});
  if (Zuviel.empty())
    return Ersetzt("%1 fehlt", {InAnfuehrung(Fehlt)});
  return Ersetzt("%1 zu viel, %2 fehlt", {InAnfuehrung(Zuviel), InAnfuehrung(Fehlt)});
}

// Gattungszeichen eines Gueterwagens gegen die Kennzahl der Stellen 5-8.
void KennzahlAbgleichen(const TStammdaten& Stammdaten, const TKennzeichen& Kennzeichen, std::string_view Elf,
                        std::string_view Zeichen, std::vector<TBefund>& Befunde)
{
  const std::string Kennzahl(Elf.substr(4, 4));
  const std::string Era = EraGattungszeichen(Stammdaten, Kennzeichen, Elf);
  if (Era.empty()) {
    const TKategorie* Kategorie = Kennzeichen.Kategorie(Elf);
    if (Kategorie && !Kategorie->Gattung.empty() && Kategorie->Gattung[0] != Zeichen[0])
      Befunde.push_back(
          AbweichungBefund(TBezug::Gattungszeichen,
                           Ersetzt("Gattungszeichen %1: Stelle 5 der Kennzahl %2 steht für Gattung %3, nicht %4"_cp1252,
                                   {InAnfuehrung(Zeichen), Kennzahl, Kategorie->Gattung, Zeichen.substr(0, 1)}),
                           std::string(Zeichen)));
    return;
  }
  if (Era == Zeichen)
    return;
  // Nur Buchstaben mehr als die Kennzahl: ein Wagen, der nach dem Umbau (hoehere Lastgrenze "n")
  // seine Nummer behielt, oder eine nationale Angabe; widersprechen tut das der Nummer nicht.
  const bool NurMehr =
      Era[0] == Zeichen[0] && Ueberzaehlig(Era, Zeichen).empty() && !Ueberzaehlig(std::string(Zeichen), Era).empty();
  const std::string Angeschrieben = InAnfuehrung(Zeichen), Erwartet = InAnfuehrung(Era);
  const std::string Wie = Unterschied(Zeichen, Era);
  if (NurMehr)
    Befunde.push_back(HinweisBefund(TBezug::Gattungszeichen,
                                    Ersetzt("Gattungszeichen %1 passt nicht zur Kennzahl %2 (%3): %4 (mehr "
                                            "Kennbuchstaben, als die Kennzahl verlangt)",
                                            {Angeschrieben, Kennzahl, Erwartet, Wie}),
                                    std::string(Zeichen)));
  else
    Befunde.push_back(AbweichungBefund(
        TBezug::Gattungszeichen,
        Ersetzt("Gattungszeichen %1 passt nicht zur Kennzahl %2 (%3): %4", {Angeschrieben, Kennzahl, Erwartet, Wie}),
        std::string(Zeichen)));
}

void GattungAbgleichen(const TStammdaten& Stammdaten, const TKennzeichen& Kennzeichen, std::string_view Elf,
                       std::string_view Zeichen, std::vector<TBefund>& Befunde)
{
  const TWagenart Art = Wagenart(Stammdaten, Elf);
  // Woerter, die kein Gattungszeichen der Tabellen sind ("Semipilota", "Rail"): nur Zusammenhang
  const bool GattungDa =
      std::any_of(Kennzeichen.Kategorien.begin(), Kennzeichen.Kategorien.end(),
                  [&](const auto& Eintrag) { return Eintrag.second.Gattung == Zeichen.substr(0, 1); });
  if ((Art == TWagenart::Reisezugwagen && !ReisezugwagenZeichen(Kennzeichen, Zeichen)) ||
      (Art == TWagenart::Gueterwagen && GattungDa && !GueterwagenZeichen(Kennzeichen, Zeichen) &&
       !Kennzeichen.Gattungszeichen.empty())) {
    Befunde.push_back(
        HinweisBefund(TBezug::Gattungszeichen,
                      Ersetzt("%1 nicht geprüft: kein Gattungszeichen der Tabellen für diese Wagenart"_cp1252,
                              {InAnfuehrung(Zeichen)}),
                      std::string(Zeichen)));
    return;
  }
  if (Art == TWagenart::Reisezugwagen) {
    ReisezugwagenAbgleichen(Stammdaten, Kennzeichen, Elf, Zeichen, Befunde);
    return;
  }
  if (Art != TWagenart::Gueterwagen) {
    Befunde.push_back(HinweisBefund(
        TBezug::Gattungszeichen,
        Ersetzt("Gattungszeichen %1 nicht geprüft (nur bei Güter- und Reisezugwagen)"_cp1252, {InAnfuehrung(Zeichen)}),
        std::string(Zeichen)));
    return;
  }
  // "X" (Dienstwagen der SBB), "VZk" (FS): keine Gattung der ERA, also nichts zu vergleichen
  if (!GattungDa) {
    Befunde.push_back(HinweisBefund(TBezug::Gattungszeichen,
                                    Ersetzt("Gattungszeichen %1 nicht geprüft: %2 ist keine Gattung der ERA-Tabelle "
                                            "(Dienst- oder nationale Bezeichnung)"_cp1252,
                                            {InAnfuehrung(Zeichen), Zeichen.substr(0, 1)}),
                                    std::string(Zeichen)));
    return;
  }
  RadsaetzeAbgleichen(Kennzeichen, Elf, Zeichen, Befunde);
  KennzahlAbgleichen(Stammdaten, Kennzeichen, Elf, Zeichen, Befunde);
}

void LandAbgleichen(const TKennzeichen& Kennzeichen, std::string_view Elf, std::string_view Kuerzel,
                    std::vector<TBefund>& Befunde)
{
  const std::string LandNr(Elf.substr(2, 2));
  const TLand* Land = Kennzeichen.Land(LandNr);
  const std::string Nummern = NummernText(Kennzeichen, Kuerzel);
  if (Nummern.empty())
    Befunde.push_back(HinweisBefund(TBezug::Laenderkuerzel,
                                    Ersetzt("Länderkürzel %1 ist unbekannt"_cp1252, {InAnfuehrung(Kuerzel)}),
                                    std::string(Kuerzel)));
  else if (!Land || Land->Kuerzel.empty())
    Befunde.push_back(
        HinweisBefund(TBezug::Laenderkuerzel,
                      Land ? Ersetzt("für %1 (%2) ist kein Länderkürzel bekannt"_cp1252, {LandNr, Land->Name})
                           : Ersetzt("für %1 ist kein Länderkürzel bekannt"_cp1252, {LandNr}),
                      std::string(Kuerzel)));
  else if (Land->Kuerzel != Kuerzel)
    Befunde.push_back(AbweichungBefund(TBezug::Laenderkuerzel,
                                       Ersetzt("Länderkürzel %1 gehört zu %2, die Nummer nennt %3 (%4, %5)"_cp1252,
                                               {InAnfuehrung(Kuerzel), Nummern, LandNr, Land->Name, Land->Kuerzel}),
                                       std::string(Kuerzel)));
}

void HalterAbgleichen(const TKennzeichen& Kennzeichen, std::string_view Elf, std::string_view Angeschrieben,
                      std::vector<TBefund>& Befunde)
{
  const THalter* Halter = Kennzeichen.HalterZu(Angeschrieben);
  if (!Halter) {
    // kein Kennzeichen des Registers: nichts, das der Nummer widerspraeche (Wort der Anschrift, alter Halter)
    Befunde.push_back(HinweisBefund(TBezug::Halter,
                                    Ersetzt("Halterkennzeichen %1 steht nicht im Halterregister (%2)",
                                            {InAnfuehrung(Angeschrieben), Kennzeichen.Version}),
                                    std::string(Angeschrieben)));
    return;
  }
  if (!Halter->InGebrauch)
    Befunde.push_back(HinweisBefund(
        TBezug::Halter, Ersetzt("Halterkennzeichen %1: %2", {InAnfuehrung(Halter->Kuerzel), Halter->Status}),
        std::string(Angeschrieben)));
  const TLand* Land = Kennzeichen.Land(Elf.substr(2, 2));
  if (Land && !Land->Kuerzel.empty() && !Halter->RegistriertIn(Land->Kuerzel))
    Befunde.push_back(HinweisBefund(TBezug::Halter,
                                    Ersetzt("Halter %1 ist in %2 registriert, der Wagen in %3 (%4) zugelassen (Halter "
                                            "lassen auch im Ausland zulassen)",
                                            {Halter->Kuerzel, Halter->Laender, Elf.substr(2, 2), Land->Name}),
                                    std::string(Angeschrieben)));
}

}  // namespace

bool GattungszeichenImText(const TKennzeichen& Kennzeichen, std::string_view Wort)
{
  const std::string_view Klein =
      Wort.substr(std::min(Wort.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ"), Wort.size()));
  return GueterwagenZeichen(Kennzeichen, Wort) ||
         (Klein.find_first_of("aeou") == std::string_view::npos && ReisezugwagenZeichen(Kennzeichen, Wort));
}

bool Anschriftwort(const TKennzeichen& Kennzeichen, std::string_view Wort)
{
  const TAnschrift Anschrift = AnschriftLesen({std::string(Wort)}, Kennzeichen);
  if (!Anschrift.Gattungszeichen.empty())
    return GueterwagenZeichen(Kennzeichen, Anschrift.Gattungszeichen) ||
           ReisezugwagenZeichen(Kennzeichen, Anschrift.Gattungszeichen);
  return !Anschrift.Merkmale.empty() || !Anschrift.Halter.empty() || NurGross(Wort);
}

TAnschrift AnschriftLesen(const std::vector<std::string>& Woerter, const TKennzeichen& Kennzeichen)
{
  TAnschrift Anschrift;
  // Das erste Wort, das ein Gattungszeichen der Tabellen ist, sonst das erste, das so aussieht
  const auto Gueltig = [&](std::string_view Zeichen) {
    return GueterwagenZeichen(Kennzeichen, Zeichen) || ReisezugwagenZeichen(Kennzeichen, Zeichen);
  };
  const auto Besser = [&](std::string_view Zeichen) {
    return Anschrift.Gattungszeichen.empty() || (!Gueltig(Anschrift.Gattungszeichen) && Gueltig(Zeichen));
  };
  const auto Nehmen = [&](std::string Zeichen, std::string Zusatz) {
    if (!Anschrift.Gattungszeichen.empty())
      Anschrift.Ungelesen.push_back(Anschrift.Gattungszeichen +
                                    (Anschrift.Zusatz.empty() ? "" : "-" + Anschrift.Zusatz));
    Anschrift.Gattungszeichen = std::move(Zeichen);
    Anschrift.Zusatz = std::move(Zusatz);
  };
  for (const std::string& Wort : Woerter) {
    const std::size_t Strich = Wort.find('-');
    const std::string_view Vorn = std::string_view(Wort).substr(0, Strich);
    if (IstMerkmal(Wort)) {
      Anschrift.Merkmale.push_back(Wort);
    } else if (Strich != std::string::npos && NurGross(Vorn) && Vorn.size() <= 3 && Wort.size() > Strich + 1 &&
               IstGross1252(Wort[Strich + 1]) && Anschrift.Halter.empty() &&
               (Kennzeichen.NummernZuKuerzel.empty() || Kennzeichen.NummernZuKuerzel.contains(Vorn))) {
      // nur vor einem bekannten Laenderkuerzel: "SBB-Re", "KOA-K", "UIC-nr." sind kein Land mit Halter
      Anschrift.Laenderkuerzel = Vorn;
      Anschrift.Halter = Wort.substr(Strich + 1);
    } else if (Strich != std::string::npos && WieGattungszeichen(Wort) && IstGross1252(Wort[0]) && Besser(Vorn)) {
      Nehmen(std::string(Vorn), Wort.substr(Strich + 1));  // "Rnoos-uz": verglichen wird "Rnoos"

    } else if (NurGross(Wort) && Wort.size() >= 2) {
      // Kein Gattungszeichen der ERA besteht nur aus Grossbuchstaben: ein Halter, wenn das
      // Register ihn kennt, sonst unbekannt (kein Anlass fuer eine Abweichung).
      if (Anschrift.Halter.empty() && Kennzeichen.HalterZu(Wort))
        Anschrift.Halter = Wort;
      else
        Anschrift.Ungelesen.push_back(Wort);
    } else if (!Wort.empty() && std::any_of(Wort.begin(), Wort.end(), IstGross1252) &&
               std::all_of(Wort.begin(), Wort.end(), [](char Z) { return IstGross1252(Z) || IstKlein1252(Z); }) &&
               Besser(Wort)) {
      // auch mit kleinen Buchstaben vorn, wie die FS ihre Reisezugwagen anschreibt: "npBD", "nA"
      Nehmen(Wort, "");
    } else {
      Anschrift.Ungelesen.push_back(Wort);
    }
  }
  return Anschrift;
}

TPasst ReisezugwagenPasst(const TKennzeichen& Kennzeichen, std::string_view Elf, std::string_view Zeichen,
                          std::string* Erlaubt, bool* Genau)
{
  const auto Eintrag = Kennzeichen.Reisezugwagen.find(Elf.substr(4, 2));
  if (Eintrag == Kennzeichen.Reisezugwagen.end())
    return TPasst::Ungeprueft;
  if (Erlaubt)
    *Erlaubt = Eintrag->second;
  const std::string Klasse = Klassenbuchstaben(NurBekannteKlassen(Kennzeichen, Zeichen));
  // "c" am Ende einer Angabe verlangt einen Liegewagen; ohne "c" zaehlt es nicht
  const std::string OhneLiege = !Klasse.empty() && Klasse.back() == 'c' ? Klasse.substr(0, Klasse.size() - 1) : Klasse;
  std::string_view Liste = Eintrag->second;
  while (!Liste.empty()) {
    const std::string_view Angabe = Liste.substr(0, Liste.find(','));
    Liste.remove_prefix(std::min(Angabe.size() + 1, Liste.size()));
    if (Angabe == Klasse || (!Angabe.ends_with('c') && Angabe == OhneLiege)) {
      if (Genau)
        *Genau = Angabe == Klasse;
      return TPasst::Ja;
    }
  }
  return TPasst::Nein;
}

std::string RadsaetzeDerGattung(const TKennzeichen& Kennzeichen, std::string_view Zeichen)
{
  if (Zeichen.empty())
    return {};
  const auto Regel = Kennzeichen.Radsaetze.find(Zeichen.substr(0, 1));
  if (Regel == Kennzeichen.Radsaetze.end())
    return {};
  return std::string(Zeichen.find('a', 1) == std::string_view::npos ? Regel->second.OhneA : Regel->second.MitA);
}

TPasst RadsaetzePassen(const TKennzeichen& Kennzeichen, std::string_view Elf, std::string_view Zeichen)
{
  const TAustausch* Austausch = Kennzeichen.AustauschZu(Elf.substr(0, 2));
  // ein Buchstabe allein ("U") ist kein vollstaendiges Gattungszeichen
  const std::string Verlangt = Zeichen.size() < 2 ? std::string() : RadsaetzeDerGattung(Kennzeichen, Zeichen);
  if (!Austausch || Austausch->Radsaetze.empty() || Verlangt.empty())
    return TPasst::Ungeprueft;
  return Austausch->Radsaetze == Verlangt ? TPasst::Ja : TPasst::Nein;
}

std::string EraGattungszeichen(const TStammdaten& Stammdaten, const TKennzeichen& Kennzeichen, std::string_view Elf)
{
  if (Elf.size() < 8 || Wagenart(Stammdaten, Elf) != TWagenart::Gueterwagen)
    return {};
  return Kennzeichen.Gattungszeichen58(Elf.substr(4, 4));
}

std::string GattungAbgeleitet(const TKennzeichen& Kennzeichen, std::string_view Elf)
{
  std::string_view Schluessel;
  const TKategorie* Kategorie = Kennzeichen.Kategorie(Elf, &Schluessel);
  if (!Kategorie || Kategorie->Gattung.empty())
    return {};
  const std::string Gattung(Kategorie->Gattung), Text(Kategorie->Text), Sicherheit(Kategorie->Sicherheit);
  if (Kategorie->Gesichert)
    return Ersetzt("%1 – %2 (aus Stelle %3 abgeleitet; Kennzahl nicht in der ERA-Tabelle)"_cp1252,
                   {Gattung, Text, Schluessel.size() == 1 ? "5" : "5–6"_cp1252});
  return Ersetzt("%1 – %2 (aus Stelle %3 abgeleitet, Zuordnung %4 gesichert; Kennzahl nicht in der ERA-Tabelle)"_cp1252,
                 {Gattung, Text, Schluessel.size() == 1 ? "5" : "5–6"_cp1252, Sicherheit});
}

std::string AnschriftText(const TAnschrift& Anschrift)
{
  std::string Text =
      Anschrift.Laenderkuerzel.empty() ? Anschrift.Halter : Anschrift.Laenderkuerzel + "-" + Anschrift.Halter;
  if (!Anschrift.Gattungszeichen.empty())
    Text += (Text.empty() ? "" : " ") + Anschrift.Gattungszeichen +
            (Anschrift.Zusatz.empty() ? "" : "-" + Anschrift.Zusatz);
  for (const std::string& Bauart : Anschrift.Bauart)
    Text += (Text.empty() ? "Bauart " : " ") + Bauart;
  for (const std::string& Merkmal : Anschrift.Merkmale)
    Text += (Text.empty() ? "" : " ") + Merkmal;
  return Text;
}

std::string HalterAngabe(const TKennzeichen& Kennzeichen, const TAnschrift& Anschrift)
{
  const THalter* Halter = Anschrift.Halter.empty() ? nullptr : Kennzeichen.HalterZu(Anschrift.Halter);
  if (!Halter)
    return {};  // Abgleichen sagt, warum
  return std::string(Halter->Kuerzel) + " – "_cp1252 + std::string(Halter->Name) + " (" + std::string(Halter->Laender) +
         ", " + std::string(Halter->Status) + ")";
}

std::vector<TBefund> Abgleichen(const TStammdaten& Stammdaten, const TKennzeichen& Kennzeichen, std::string_view Elf,
                                const TAnschrift& Anschrift)
{
  std::vector<TBefund> Befunde;
  if (!Anschrift.Laenderkuerzel.empty())
    LandAbgleichen(Kennzeichen, Elf, Anschrift.Laenderkuerzel, Befunde);
  if (!Anschrift.Halter.empty())
    HalterAbgleichen(Kennzeichen, Elf, Anschrift.Halter, Befunde);
  if (!Anschrift.Gattungszeichen.empty())
    GattungAbgleichen(Stammdaten, Kennzeichen, Elf, Anschrift.Gattungszeichen, Befunde);
  if (!Anschrift.Zusatz.empty())
    Befunde.push_back(
        HinweisBefund(TBezug::Zusatz,
                      Ersetzt("%1 hinter %2 ist ein nationaler Zusatz (nicht in der ERA-Tabelle); "
                              "verglichen wurde %2",
                              {InAnfuehrung("-" + Anschrift.Zusatz), InAnfuehrung(Anschrift.Gattungszeichen)}),
                      "-" + Anschrift.Zusatz));
  for (const std::string& Merkmal : Anschrift.Merkmale)
    if ((Merkmal == "RIV" || Merkmal == "TEN") && Wagenart(Stammdaten, Elf) == TWagenart::Gueterwagen && Elf[0] > '3')
      Befunde.push_back(HinweisBefund(TBezug::Merkmal,
                                      Ersetzt("%1 angeschrieben, aber Stelle 1 (%2) steht für einen Wagen, der nur "
                                              "national oder nach Vereinbarung fährt"_cp1252,
                                              {InAnfuehrung(Merkmal), Elf.substr(0, 1)}),
                                      Merkmal));
  for (const std::string& Wort : Anschrift.Ungelesen)
    Befunde.push_back(HinweisBefund(TBezug::Wort, Ersetzt("%1 nicht zugeordnet", {InAnfuehrung(Wort)}), Wort));
  return Befunde;
}
