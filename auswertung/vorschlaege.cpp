#include "auswertung/vorschlaege.h"

#include "auswertung/triebfahrzeug.h"
#include "nummer/pruefziffer.h"
#include "nummer/wageninfo.h"
#include "zeichen/zeichensatz.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <map>

namespace {

bool Gueltig(std::string_view Zwoelf) { return Pruefziffer(Zwoelf.substr(0, 11))[0] == Zwoelf[11]; }

// Ziffern, die auf Modellen und Fotos leicht verwechselt werden
bool SiehtAehnlich(char A, char B)
{
  constexpr std::array<std::string_view, 6> Paare = {"17", "38", "56", "68", "89", "08"};
  return std::any_of(Paare.begin(), Paare.end(),
                     [&](std::string_view P) { return (P[0] == A && P[1] == B) || (P[0] == B && P[1] == A); });
}

// Je Punktzahl die Hoechstens mit dem hoechsten Vorrang, bei gleichem in Fundreihenfolge; die
// hoechste Punktzahl zuerst.
class TSammlung {
public:
  explicit TSammlung(std::size_t Hoechstens) : FHoechstens(Hoechstens) {}
  void Dazu(TVorschlag V)
  {
    ++FGesamt;
    auto& Liste = FNachPunkten[-V.Punkte];
    if (FHoechstens == 0 || (Liste.size() == FHoechstens && Liste.back().Vorrang >= V.Vorrang))
      return;
    const auto Stelle = std::upper_bound(Liste.begin(), Liste.end(), V.Vorrang,
                                         [](int Vorrang, const TVorschlag& W) { return Vorrang > W.Vorrang; });
    Liste.insert(Stelle, std::move(V));
    if (Liste.size() > FHoechstens)
      Liste.pop_back();
  }
  TVorschlaege Ergebnis() &&
  {
    TVorschlaege E;
    E.Gesamt = FGesamt;
    for (auto& [Punkte, Liste] : FNachPunkten)
      for (TVorschlag& V : Liste)
        if (E.Liste.size() < FHoechstens)
          E.Liste.push_back(std::move(V));
    return E;
  }

private:
  std::size_t FHoechstens;
  std::size_t FGesamt = 0;
  std::map<int, std::vector<TVorschlag>> FNachPunkten;
};

// Wie glaubwuerdig 11 Ziffern sind, und was von der Anschrift dazu passt.
struct TGlaubwuerdigkeit {
  int Punkte = 0;
  int Haeufigkeit = 0;             // in Zehntelpunkten, siehe HaeufigkeitsZehntel
  int Verbreitung = 0;             // wie verbreitet Wagen des Landes sind, bei gleichen Punkten
  std::vector<std::string> Passt;  // "D-DB", "Fals", "Füllziffer 6"

  // Der Rang in Zehntelpunkten: was die Tabellen sagen, dann wie oft es echte Nummern tragen.
  int Rang() const { return 10 * Punkte + Haeufigkeit; }

  void Dazu(int Mehr, const std::string& Grund = {})
  {
    Punkte += Mehr;
    if (Mehr > 0 && !Grund.empty() && std::find(Passt.begin(), Passt.end(), Grund) == Passt.end())
      Passt.push_back(Grund);
  }
};

// Welche Wagenart angeschriebene Gattungszeichen nennen: Gueterwagen beginnen mit einem
// Gattungsbuchstaben der ERA-Tabelle und einem kleinen Kennbuchstaben ("Fals", "U"), Reisezugwagen
// mit Klassen- oder Bauartbuchstaben ("Bpmz", "AB", "WLABmz"); eine Baureihe ("Re 460") nennt keine.
TWagenart WagenartDerZeichen(const TKennzeichen& Kennzeichen, const std::string& Zeichen)
{
  if (Zeichen.empty() || std::any_of(Kennzeichen.Baureihennamen.begin(), Kennzeichen.Baureihennamen.end(),
                                     [&](const auto& R) { return R.second.Name.starts_with(Zeichen + " "); }))
    return TWagenart::Unbekannt;
  const bool Gueter =
      Kennzeichen.GattungsCodes.contains(Zeichen[0]) && (Zeichen.size() == 1 || IstKlein1252(Zeichen[1]));
  return Gueter ? TWagenart::Gueterwagen : TWagenart::Reisezugwagen;
}

// Punkte eines Gueterwagens: Kennzahl der ERA-Tabelle, Radsaetze und Gattungszeichen, RIV und TEN.
void GueterwagenPunkte(const TStammdaten& Stammdaten, const TKennzeichen& Kennzeichen, std::string_view Elf,
                       const TAnschrift& Anschrift, TGlaubwuerdigkeit& Ergebnis)
{
  const std::string& Zeichen = Anschrift.Gattungszeichen;
  const std::string Era = EraGattungszeichen(Stammdaten, Kennzeichen, Elf);
  Ergebnis.Dazu(!Era.empty() ? 2 : !EraGattung(Stammdaten, Elf).empty());
  // die Kennzahl fehlt in der ERA-Tabelle: der Gattungsbuchstabe aus Stelle 5 ("U" zu 9)
  if (const TKategorie* Kategorie = Kennzeichen.Kategorie(Elf); Era.empty() && Kategorie && !Zeichen.empty())
    Ergebnis.Dazu(Kategorie->Gattung == Zeichen.substr(0, 1), Zeichen);
  // ohne angeschriebene Gattungszeichen die der Kennzahl: Stelle 1 muss zu ihnen passen
  Ergebnis.Dazu(RadsaetzePassen(Kennzeichen, Elf, Zeichen.empty() ? Era : Zeichen) == TPasst::Ja);
  if (!Zeichen.empty() && !Era.empty())
    Ergebnis.Dazu(Era == Zeichen ? 2 : Era[0] == Zeichen[0], Era == Zeichen ? Zeichen : std::string());
  // RIV und TEN tragen nur Wagen mit Stelle 1 von 0 bis 3 (4 und 8: national oder nach Vereinbarung)
  for (const std::string& Merkmal : Anschrift.Merkmale)
    if (Merkmal == "RIV" || Merkmal == "TEN")
      Ergebnis.Dazu(Elf[0] <= '3', Merkmal);
}

// Wie oft echte Nummern die Werte ihrer Stellen 1-2, 3-4, 5-6, 5-8, 7-8 und 9-10 tragen, dazu 3-6
// und die Anfaenge 1-4, 1-6 und 1-8 (welche Austauschkennzahlen, Gattungen und Serien ein Land
// wirklich hat) ([Haeufigkeit]), in Zehntelpunkten: 1,5 Punkte je Zehnerpotenz, ein nie gesehener
// Wert zaehlt wie ein halber. Wo die Tabellen zwei Nummern gleich gut nennen (31 oder 33, zwei
// Kennzahlen der ERA-Tabelle), geht so die vor, die so oder aehnlich tatsaechlich an Wagen steht;
// Stellen 9-10, weil Serien von vorn gezaehlt werden (kleine Ordnungsnummern sind haeufiger, auch
// 01x vor 09x). Nennen angeschriebene Gattungszeichen die Kennzahl, zaehlen ihre Haelften 5-6 und
// 7-8 nicht noch einmal: sonst stellte eine nur haeufigere Kennzahl sich ueber die angeschriebene.
int HaeufigkeitsZehntel(const TKennzeichen& Kennzeichen, std::string_view Elf, bool GattungAngeschrieben)
{
  struct TFeld {
    std::string_view Stellen;
    std::size_t Von, Laenge;
  };
  constexpr std::array<TFeld, 10> Felder = {{{"12", 0, 2},
                                             {"34", 2, 2},
                                             {"56", 4, 2},
                                             {"58", 4, 4},
                                             {"78", 6, 2},
                                             {"90", 8, 2},
                                             {"14", 0, 4},
                                             {"36", 2, 4},
                                             {"16", 0, 6},
                                             {"18", 0, 8}}};
  const double Gesamt = Kennzeichen.Haeufigkeit("Gesamt") + 50.0;
  double Summe = 0;
  for (const TFeld& Feld : Felder)
    if (!GattungAngeschrieben || (Feld.Stellen != "56" && Feld.Stellen != "78"))
      Summe += std::log10((Kennzeichen.Haeufigkeit(Feld.Stellen, Elf.substr(Feld.Von, Feld.Laenge)) + 0.5) / Gesamt);
  return static_cast<int>(std::lround(15.0 * Summe));
}

// Punkte: belegtes Austauschverfahren (1, nicht selten 2), bekanntes Land (1, nicht selten 2), bekannte Gattung
// (Gueterwagen: 2 fuer eine Kennzahl der ERA-Tabelle, 1 fuer eine aus einer einheitlichen Gruppe; Reisezugwagen: 1;
// Triebfahrzeuge: 2 fuer die Fuellziffer des Schemas, 1 wo die nationale Nummer zur Art passt),
// Radsaetze der Gattungszeichen zu Stelle 1 (1), RIV oder TEN zu Stelle 1 (1), dazu Uebereinstimmung mit Laenderkuerzel
// (1), Land des Halters (1) und Gattungszeichen (2), die Wagenart der Gattungszeichen (2) und ohne
// ERA-Kennzahl der Gattungsbuchstabe aus Stelle 5 (1).
TGlaubwuerdigkeit Plausibilitaet(const TStammdaten& Stammdaten, const TKennzeichen& Kennzeichen, std::string_view Elf,
                                 const TAnschrift& Anschrift)
{
  TGlaubwuerdigkeit Ergebnis;
  const std::string& Zeichen = Anschrift.Gattungszeichen;
  const TAustausch* Austausch = Kennzeichen.AustauschZu(Elf.substr(0, 2));
  Ergebnis.Dazu(Austausch && Austausch->Belegt);
  Ergebnis.Dazu(Austausch && Austausch->Belegt && !Austausch->Selten);
  const TLand* Land = Kennzeichen.Land(Elf.substr(2, 2));
  Ergebnis.Dazu(!Stammdaten.BahnenListe.Wert(Elf.substr(2, 2)).empty());
  Ergebnis.Dazu(Land && !Land->Selten);
  // Stellenzahl der Halter im Register: 1.184 in Deutschland und 28 in Daenemark sind 11 und 5,
  // 176 in Frankreich und 246 in Rumaenien beide 8 - genauer sagt das Register es nicht.
  Ergebnis.Verbreitung = Land ? static_cast<int>(std::bit_width(Land->Halter)) : 0;
  const TWagenart Art = Wagenart(Stammdaten, Elf);
  Ergebnis.Dazu(2 * (Art != TWagenart::Unbekannt && Art == WagenartDerZeichen(Kennzeichen, Zeichen)));
  switch (Art) {
    case TWagenart::Gueterwagen:
      GueterwagenPunkte(Stammdaten, Kennzeichen, Elf, Anschrift, Ergebnis);
      break;
    case TWagenart::Triebfahrzeug:
      switch (FuellzifferPruefen(Kennzeichen, Elf)) {
        case TFuellziffer::Passt:
          Ergebnis.Dazu(2, Elf[4] == '9' && Elf[1] == '9' ? "Sonderfahrzeug 9xxx" : "Füllziffer "_cp1252 + Elf[4]);
          break;
        case TFuellziffer::Falsch:
          break;
        case TFuellziffer::Frei:
          Ergebnis.Dazu(Kennzeichen.Schema(Elf.substr(2, 2), Elf.substr(0, 2)) ||
                        Kennzeichen.Schema(Elf.substr(2, 2), "9x"));
          break;
      }
      // die Art (Stellen 1-2) passt zur ersten Ziffer der Reihe, wo das Land eine Regel hat
      Ergebnis.Dazu(!NationaleNummer(Kennzeichen, Elf).empty());
      break;
    case TWagenart::Reisezugwagen:
    case TWagenart::Unbekannt:
      Ergebnis.Dazu(!Stammdaten.GattungListe.Wert(Elf.substr(4, 2)).empty() ||
                    !Stammdaten.GattungListe.Wert(Elf.substr(4, 1)).empty());
      if (bool Genau = false; !Zeichen.empty())
        Ergebnis.Dazu(ReisezugwagenPasst(Kennzeichen, Elf, Zeichen, nullptr, &Genau) == TPasst::Ja ? 1 + Genau : 0,
                      Zeichen);
      break;
  }
  const bool LandPasst =
      Land && !Anschrift.Laenderkuerzel.empty() && Anschrift.Laenderkuerzel == std::string(Land->Kuerzel);
  // der Halter ist im Land der Nummer registriert (Halter lassen auch im Ausland zulassen: nur ein Punkt)
  const THalter* Halter = Anschrift.Halter.empty() ? nullptr : Kennzeichen.HalterZu(Anschrift.Halter);
  const bool HalterPasst = Land && Halter && !Land->Kuerzel.empty() && Halter->RegistriertIn(Land->Kuerzel);
  const std::string Angeschrieben = LandPasst && HalterPasst ? Anschrift.Laenderkuerzel + "-" + Anschrift.Halter
                                    : LandPasst              ? Anschrift.Laenderkuerzel
                                                             : Anschrift.Halter;
  Ergebnis.Dazu(LandPasst + HalterPasst, Angeschrieben);
  const bool GattungAngeschrieben =
      Art == TWagenart::Gueterwagen && !Zeichen.empty() && EraGattungszeichen(Stammdaten, Kennzeichen, Elf) == Zeichen;
  Ergebnis.Haeufigkeit = HaeufigkeitsZehntel(Kennzeichen, Elf, GattungAngeschrieben);
  return Ergebnis;
}

}  // namespace

TVorschlaege Ergaenzungen(const TStammdaten& Stammdaten, const TKennzeichen& Kennzeichen, std::string_view Muster,
                          const TAnschrift& Anschrift, std::size_t Hoechstens)
{
  std::vector<std::size_t> Offen;
  for (std::size_t I = 0; I < std::min<std::size_t>(Muster.size(), 11); ++I)
    if (Muster[I] == '?')
      Offen.push_back(I);
  TSammlung Sammlung(Hoechstens);
  if (Offen.size() > HoechstensUnbekannt)
    return std::move(Sammlung).Ergebnis();
  std::string Nummer(Muster.substr(0, 11));
  std::size_t Anzahl = 1;
  for (std::size_t I = 0; I < Offen.size(); ++I)
    Anzahl *= 10;
  for (std::size_t Zaehler = 0; Zaehler < Anzahl; ++Zaehler) {
    // die erste offene Stelle zaehlt am langsamsten: Fundreihenfolge = Zahlenfolge
    std::size_t Rest = Zaehler;
    for (std::size_t I = Offen.size(); I-- > 0; Rest /= 10)
      Nummer[Offen[I]] = static_cast<char>('0' + Rest % 10);
    const std::string Ziffer = Pruefziffer(Nummer);
    if (Muster.size() == 12 && Muster[11] != '?' && Muster[11] != Ziffer[0])
      continue;
    const TGlaubwuerdigkeit Glaubwuerdig = Plausibilitaet(Stammdaten, Kennzeichen, Nummer, Anschrift);
    Sammlung.Dazu({Nummer + Ziffer, {}, Glaubwuerdig.Rang(), Glaubwuerdig.Verbreitung, Glaubwuerdig.Passt});
  }
  return std::move(Sammlung).Ergebnis();
}

TVorschlaege Reparaturen(const TStammdaten& Stammdaten, const TKennzeichen& Kennzeichen, std::string_view Zwoelf,
                         const TAnschrift& Anschrift, std::size_t Hoechstens)
{
  // Bei gleichen Punkten zuerst das verbreitetere Land, dann eine aehnlich aussehende Ziffer oder
  // ein Tausch (2), dann eine andere Pruefziffer (1): die ist der haeufigste Fehler eines Modells.
  TSammlung Sammlung(Hoechstens);
  const TWagenart Art = Wagenart(Stammdaten, Zwoelf);
  const auto Pruefen = [&](std::string Nummer, int Naheliegend, std::string Aenderung) {
    if (!Gueltig(Nummer))
      return;
    const std::string_view Elf = std::string_view(Nummer).substr(0, 11);
    const TGlaubwuerdigkeit Glaubwuerdig = Plausibilitaet(Stammdaten, Kennzeichen, Elf, Anschrift);
    const int Punkte = Glaubwuerdig.Rang() + 10 * (Wagenart(Stammdaten, Elf) == Art);
    Sammlung.Dazu({std::move(Nummer), std::move(Aenderung), Punkte, 3 * Glaubwuerdig.Verbreitung + Naheliegend,
                   Glaubwuerdig.Passt});
  };
  // Bei Gleichstand die Stellen von rechts: Modelle tragen meist echte Kennzahlen, aber eine
  // erfundene Ordnungsnummer und eine falsch gerechnete Pruefziffer.
  for (std::size_t I = 12; I-- > 0;)
    for (char Z = '0'; Z <= '9'; ++Z)
      if (Z != Zwoelf[I]) {
        std::string Nummer(Zwoelf);
        Nummer[I] = Z;
        Pruefen(std::move(Nummer),
                SiehtAehnlich(Z, Zwoelf[I]) ? 2
                : I == 11                   ? 1
                                            : 0,
                "Stelle " + std::to_string(I + 1) + ": " + Z + " statt " + Zwoelf[I]);
      }
  for (std::size_t I = 11; I-- > 0;)
    if (Zwoelf[I] != Zwoelf[I + 1]) {
      std::string Nummer(Zwoelf);
      std::swap(Nummer[I], Nummer[I + 1]);
      Pruefen(std::move(Nummer), 2,
              "Stellen " + std::to_string(I + 1) + " und " + std::to_string(I + 2) + " getauscht");
    }
  return std::move(Sammlung).Ergebnis();
}

std::vector<std::string> UnsichtbareTausche(std::string_view Zwoelf)
{
  // Auch Stelle 11 mit der Pruefziffer: "050-9" und "059-0" gelten beide.
  std::vector<std::string> Andere;
  for (std::size_t I = 0; I + 1 < Zwoelf.size(); ++I)
    if ((Zwoelf[I] == '0' && Zwoelf[I + 1] == '9') || (Zwoelf[I] == '9' && Zwoelf[I + 1] == '0')) {
      std::string Nummer(Zwoelf);
      std::swap(Nummer[I], Nummer[I + 1]);
      if (Gueltig(Nummer))
        Andere.push_back(std::move(Nummer));
    }
  return Andere;
}

std::string KurzDeutung(const TStammdaten& Stammdaten, const TKennzeichen& Kennzeichen, std::string_view Elf)
{
  const TWagenart Art = Wagenart(Stammdaten, Elf);
  if (Art == TWagenart::Triebfahrzeug) {
    const TTriebfahrzeug Triebfahrzeug = TriebfahrzeugLesen(Stammdaten, Kennzeichen, Elf);
    return Triebfahrzeug.Art + ", " + Triebfahrzeug.Land + ", " + Triebfahrzeug.ReiheWort + " " +
           Triebfahrzeug.Baureihe;
  }
  std::string Gattung = Art == TWagenart::Gueterwagen ? EraGattungszeichen(Stammdaten, Kennzeichen, Elf)
                                                      : WagenInfo(Stammdaten, Elf).Wagengattung;
  if (const TKategorie* Kategorie = Kennzeichen.Kategorie(Elf);
      Gattung.empty() && Art == TWagenart::Gueterwagen && Kategorie)
    Gattung = std::string(Kategorie->Gattung) + " – "_cp1252 + std::string(Kategorie->Text);
  const TLand* Land = Kennzeichen.Land(Elf.substr(2, 2));
  return Gattung + ", " + (Land ? std::string(Land->Name) : Stammdaten.BahnenListe.Wert(Elf.substr(2, 2)));
}
