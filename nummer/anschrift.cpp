#include "nummer/anschrift.h"

#include "nummer/eingabe.h"
#include "nummer/zeichensatz.h"

#include <algorithm>
#include <array>

namespace {

bool IstGross(char Z) { return Klein1252(static_cast<unsigned char>(Z)) != static_cast<unsigned char>(Z); }
// Kleinbuchstaben nach Windows-1252 (ohne die seltenen auf 0x9A..0x9F)
bool IstKlein(char Z)
{
  const auto B = static_cast<unsigned char>(Z);
  return (B >= 'a' && B <= 'z') || (B >= 0xDF && B != 0xF7);
}
bool NurGross(std::string_view W) { return !W.empty() && std::all_of(W.begin(), W.end(), IstGross); }

// Austauschmerkmale, die neben der Nummer stehen, aber weder Land noch Halter sind.
constexpr std::array<std::string_view, 5> Merkmalwoerter = {"RIV", "TEN", "PPW", "RIC", "MC"};

std::string Kuerzel(const TKennzeichen& K, std::string_view Nummer) { return Felder(K.Laender.Wert(Nummer), 2)[0]; }

// Die Laendernummern zu einem Kuerzel, "81 (\326sterreich)"; leer, wenn unbekannt.
std::string NummernZuKuerzel(const TKennzeichen& K, std::string_view Gesucht)
{
  std::string Ergebnis;
  for (const std::string& Zeile : K.Laender.Zeilen()) {
    const std::size_t Gleich = Zeile.find('=');
    const auto F = Felder(std::string_view(Zeile).substr(Gleich + 1), 2);
    if (F[0] == Gesucht)
      Ergebnis += (Ergebnis.empty() ? "" : ", ") + Zeile.substr(0, Gleich) + " (" + F[1] + ")";
  }
  return Ergebnis;
}

// Gattung aus Stellen 5-6 (nur 3x und 4x stehen so in der Tabelle) oder Stelle 5
std::string_view KategorieSchluessel(const TKennzeichen& K, std::string_view Elf)
{
  return K.Kategorien.Wert(Elf.substr(4, 2)).empty() ? Elf.substr(4, 1) : Elf.substr(4, 2);
}

bool IstGueterwagen(const TStammdaten& S, std::string_view Elf) { return S.TypListe.Wert(Elf.substr(0, 1)) == "G"; }

// Buchstaben von A, die in B fehlen (als Multimenge)
std::string Ueberzaehlig(std::string A, std::string_view B)
{
  for (const char Z : B)
    if (const auto Pos = A.find(Z); Pos != std::string::npos)
      A.erase(Pos, 1);
  return A;
}

void GattungAbgleichen(const TStammdaten& S, const TKennzeichen& K, std::string_view Elf, std::string_view Zeichen,
                       std::vector<TBefund>& Befunde)
{
  if (!IstGueterwagen(S, Elf)) {
    Befunde.push_back(
        {false, "Gattungszeichen " + InAnfuehrung(Zeichen) + " nicht gepr\374ft (nur bei G\374terwagen)"});
    return;
  }
  const std::string Kennzahl(Elf.substr(4, 4));
  const std::string Era = EraGattungszeichen(S, Elf);
  if (Era.empty()) {
    const std::string Gattung = Felder(K.Kategorien.Wert(KategorieSchluessel(K, Elf)), 1)[0];
    if (!Gattung.empty() && Gattung[0] != Zeichen[0])
      Befunde.push_back({true, "Gattungszeichen " + InAnfuehrung(Zeichen) + ": Stelle 5 der Kennzahl " + Kennzahl +
                                   " steht f\374r Gattung " + Gattung + ", nicht " + Zeichen[0]});
    return;
  }
  if (Era == Zeichen)
    return;
  std::string Text = "Gattungszeichen " + InAnfuehrung(Zeichen) + " passt nicht zur Kennzahl " + Kennzahl + " (" +
                     InAnfuehrung(Era) + ")";
  const std::string Zuviel = Ueberzaehlig(std::string(Zeichen), Era);
  const std::string Fehlt = Ueberzaehlig(Era, Zeichen);
  if (Era[0] != Zeichen[0])
    Text += ": Gattung " + std::string(1, Zeichen[0]) + " statt " + Era[0];
  else if (Zuviel.empty() && Fehlt.empty())
    Text += ": gleiche Buchstaben, andere Reihenfolge";
  else
    Text += std::string(": ") + (Zuviel.empty() ? "" : InAnfuehrung(Zuviel) + " zu viel") +
            (Zuviel.empty() || Fehlt.empty() ? "" : ", ") + (Fehlt.empty() ? "" : InAnfuehrung(Fehlt) + " fehlt");
  Befunde.push_back({true, Text});
}

}  // namespace

TAnschrift AnschriftLesen(const std::vector<std::string>& Woerter, const TKennzeichen& K)
{
  TAnschrift A;
  for (const std::string& Wort : Woerter) {
    const std::size_t Strich = Wort.find('-');
    const std::string_view Vorn = std::string_view(Wort).substr(0, Strich);
    if (std::find(Merkmalwoerter.begin(), Merkmalwoerter.end(), Wort) != Merkmalwoerter.end()) {
      A.Merkmale.push_back(Wort);
    } else if (Strich != std::string::npos && NurGross(Vorn) && Vorn.size() <= 3 && Wort.size() > Strich + 1 &&
               A.Halter.empty()) {
      A.Laenderkuerzel = Vorn;
      A.Halter = Wort.substr(Strich + 1);
    } else if (NurGross(Wort) && Wort.size() >= 2 && A.Halter.empty() &&
               !K.Halter.Wert(HalterSchluessel(Wort)).empty()) {
      A.Halter = Wort;
    } else if (!Wort.empty() && IstGross(Wort[0]) &&
               std::all_of(Wort.begin(), Wort.end(), [](char Z) { return IstGross(Z) || IstKlein(Z); }) &&
               A.Gattungszeichen.empty()) {
      A.Gattungszeichen = Wort;
    } else {
      A.Ungelesen.push_back(Wort);
    }
  }
  return A;
}

std::string EraGattungszeichen(const TStammdaten& S, std::string_view Elf)
{
  if (Elf.size() < 8 || !IstGueterwagen(S, Elf))
    return {};
  std::string Text = S.GattungListe.Wert(Elf.substr(4, 4));
  if (Text.empty())
    Text = S.GattungListe.Wert(std::string(Elf.substr(4, 3)) + "x");
  return Text.substr(0, Text.find(" \226 "));
}

std::string GattungAbgeleitet(const TKennzeichen& K, std::string_view Elf)
{
  const std::string_view Schluessel = KategorieSchluessel(K, Elf);
  const auto F = Felder(K.Kategorien.Wert(Schluessel), 3);
  if (F[0].empty())
    return {};
  return F[0] + " \226 " + F[1] + " (aus Stelle " + (Schluessel.size() == 1 ? "5" : "5\2266") + " abgeleitet" +
         (F[2] == "hoch" ? "" : ", Zuordnung " + F[2] + " gesichert") + "; Kennzahl nicht in der ERA-Tabelle)";
}

std::string AnschriftText(const TAnschrift& A)
{
  std::string Text = A.Laenderkuerzel.empty() ? A.Halter : A.Laenderkuerzel + "-" + A.Halter;
  if (!A.Gattungszeichen.empty())
    Text += (Text.empty() ? "" : " ") + A.Gattungszeichen;
  for (const std::string& Merkmal : A.Merkmale)
    Text += (Text.empty() ? "" : " ") + Merkmal;
  return Text;
}

std::string HalterAngabe(const TKennzeichen& K, const TAnschrift& A)
{
  if (A.Halter.empty())
    return {};
  const auto F = Felder(K.Halter.Wert(HalterSchluessel(A.Halter)), 4);
  if (F[1].empty())
    return {};  // Abgleichen sagt, warum
  return F[3] + " \226 " + F[1] + " (" + F[0] + ", " + F[2] + ")";
}

std::vector<TBefund> Abgleichen(const TStammdaten& S, const TKennzeichen& K, std::string_view Elf, const TAnschrift& A)
{
  std::vector<TBefund> Befunde;
  const std::string LandNr(Elf.substr(2, 2));
  const auto [Soll, LandName] = [&] {
    auto F = Felder(K.Laender.Wert(LandNr), 2);
    return std::pair{std::move(F[0]), std::move(F[1])};
  }();
  const std::string LandText = LandNr + (LandName.empty() ? "" : " (" + LandName + ")");
  if (!A.Laenderkuerzel.empty()) {
    const std::string Nummern = NummernZuKuerzel(K, A.Laenderkuerzel);
    if (Nummern.empty())
      Befunde.push_back({true, "L\344nderk\374rzel " + InAnfuehrung(A.Laenderkuerzel) + " ist unbekannt"});
    else if (Soll.empty())
      Befunde.push_back({false, "f\374r " + LandText + " ist kein L\344nderk\374rzel bekannt"});
    else if (Soll != A.Laenderkuerzel)
      Befunde.push_back({true, "L\344nderk\374rzel " + InAnfuehrung(A.Laenderkuerzel) + " geh\366rt zu " + Nummern +
                                   ", die Nummer nennt " + LandNr + " (" + (LandName.empty() ? "" : LandName + ", ") +
                                   Soll + ")"});
  }
  if (!A.Halter.empty()) {
    const auto F = Felder(K.Halter.Wert(HalterSchluessel(A.Halter)), 4);
    if (F[1].empty() && A.Halter.find('?') != std::string::npos) {
      // ein Buchstabe ausserhalb von Windows-1252 (C mit Hacek in "CD"): nicht nachschlagbar
      Befunde.push_back(
          {false, "Halterkennzeichen " + InAnfuehrung(A.Halter) +
                      " nicht nachgeschlagen: ein Buchstabe ist nicht darstellbar, bitte ohne Akzente schreiben (CD)"});
    } else if (F[1].empty()) {
      Befunde.push_back(
          {true, "Halterkennzeichen " + InAnfuehrung(A.Halter) + " steht nicht im Halterregister (" + K.Version + ")"});
    } else {
      if (F[2] != "in Gebrauch")
        Befunde.push_back({false, "Halterkennzeichen " + InAnfuehrung(F[3]) + ": " + F[2]});
      const std::string Laender = "/" + F[0] + "/";
      if (!Soll.empty() && Laender.find("/" + Soll + "/") == std::string::npos)
        Befunde.push_back({false, "Halter " + F[3] + " ist in " + F[0] + " registriert, der Wagen in " + LandText +
                                      " zugelassen (Halter lassen auch im Ausland zulassen)"});
    }
  }
  if (!A.Gattungszeichen.empty())
    GattungAbgleichen(S, K, Elf, A.Gattungszeichen, Befunde);
  for (const std::string& Wort : A.Ungelesen)
    Befunde.push_back({false, InAnfuehrung(Wort) + " nicht zugeordnet"});
  return Befunde;
}

int Plausibilitaet(const TStammdaten& S, const TKennzeichen& K, std::string_view Elf, const TAnschrift& A)
{
  int Punkte = 0;
  const std::string Austausch = S.AustauschListe.Wert(Elf.substr(0, 2));
  Punkte += !Austausch.empty() && !Austausch.starts_with("nicht zu verwenden");
  Punkte += !S.BahnenListe.Wert(Elf.substr(2, 2)).empty();
  const std::string Era = EraGattungszeichen(S, Elf);
  if (IstGueterwagen(S, Elf))  // eine Kennzahl der Tabelle mehr als eine aus einer einheitlichen Gruppe
    Punkte += !S.GattungListe.Wert(Elf.substr(4, 4)).empty() ||
                      K.Gruppen.Wert(Elf.substr(4, 3)).find(Elf[7]) != std::string::npos
                  ? 2
                  : !Era.empty();
  else if (Elf[0] == '9')
    Punkte += !K.Triebfahrzeuge.Wert(std::string(Elf.substr(2, 2)) + "-9x").empty() ||
              !K.Triebfahrzeuge.Wert(std::string(Elf.substr(2, 2)) + "-" + std::string(Elf.substr(0, 2))).empty();
  else
    Punkte += !S.GattungListe.Wert(Elf.substr(4, 2)).empty() || !S.GattungListe.Wert(Elf.substr(4, 1)).empty();
  Punkte += !A.Laenderkuerzel.empty() && A.Laenderkuerzel == Kuerzel(K, Elf.substr(2, 2));
  Punkte += A.Gattungszeichen.empty() || Era.empty() ? 0
            : Era == A.Gattungszeichen               ? 2
                                                     : Era[0] == A.Gattungszeichen[0];
  return Punkte;
}
