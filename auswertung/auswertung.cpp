#include "auswertung/auswertung.h"

#include "auswertung/triebfahrzeug.h"
#include "auswertung/vorschlaege.h"
#include "nummer/pruefziffer.h"
#include "nummer/wageninfo.h"
#include "zeichen/meldung.h"
#include "zeichen/text.h"
#include "zeichen/zeichensatz.h"

#include <algorithm>

// Texte dieser Datei: UTF-8 im Quelltext, als Windows-1252 ueber _cp1252.

namespace {

// 1.000.000
std::string Anzahl(std::size_t Zahl)
{
  std::string Text = std::to_string(Zahl);
  for (std::size_t Pos = Text.size(); Pos > 3; Pos -= 3)
    Text.insert(Pos - 3, ".");
  return Text;
}

TVorschlagEintrag Eintrag(const TWissen& Wissen, const TVorschlag& Vorschlag)
{
  return {Vorschlag.Ziffern, Vorschlag.Aenderung,
          KurzDeutung(Wissen.Stammdaten, Wissen.Kennzeichen, Vorschlag.Ziffern.substr(0, 11)), Vorschlag.Passt};
}

// Mit "?": alle gueltigen Nummern, die glaubwuerdigsten zuerst.
void Ergaenzen(const TWissen& Wissen, const std::string& Ziffern, const TAnschrift& Anschrift, TErgebnis& Ergebnis)
{
  const auto Unbekannt = static_cast<std::size_t>(std::count(Ziffern.begin(), Ziffern.end(), '?'));
  // eine unbekannte Pruefziffer wird berechnet, nicht durchprobiert
  if (static_cast<std::size_t>(std::count(Ziffern.begin(), Ziffern.begin() + 11, '?')) > HoechstensUnbekannt) {
    Ergebnis.Meldung =
        Ersetzt("%1 hat %2 unbekannte Ziffern, höchstens %3 vor der Prüfziffer lassen sich durchprobieren"_cp1252,
                {InAnfuehrung(Ergebnis.Eingabe), std::to_string(Unbekannt), std::to_string(HoechstensUnbekannt)});
    return;
  }
  const TVorschlaege Vorschlaege =
      Ergaenzungen(Wissen.Stammdaten, Wissen.Kennzeichen, Ziffern, Anschrift, HoechstensVorschlaege);
  Ergebnis.Urteil = TUrteil::Unvollstaendig;
  const std::string U = std::to_string(Unbekannt), G = Anzahl(Vorschlaege.Gesamt),
                    L = std::to_string(Vorschlaege.Liste.size());
  const bool Alle = Vorschlaege.Liste.size() == Vorschlaege.Gesamt;
  Ergebnis.Kopf =
      Unbekannt == 1 && Vorschlaege.Gesamt == 1 ? "1 unbekannte Ziffer: 1 gültige Nummer"_cp1252
      : Unbekannt == 1 && Alle                  ? Ersetzt("1 unbekannte Ziffer: %1 gültige Nummern"_cp1252, {G})
      : Unbekannt == 1 ? Ersetzt("1 unbekannte Ziffer: %1 gültige Nummern, die %2 glaubwürdigsten:"_cp1252, {G, L})
      : Vorschlaege.Gesamt == 1 ? Ersetzt("%1 unbekannte Ziffern: 1 gültige Nummer"_cp1252, {U})
      : Alle                    ? Ersetzt("%1 unbekannte Ziffern: %2 gültige Nummern"_cp1252, {U, G})
             : Ersetzt("%1 unbekannte Ziffern: %2 gültige Nummern, die %3 glaubwürdigsten:"_cp1252, {U, G, L});
  for (const TVorschlag& Vorschlag : Vorschlaege.Liste)
    Ergebnis.Vorschlaege.push_back(Eintrag(Wissen, Vorschlag));
}

// Die Angaben zum Wagen: die fuenf des Fensters bzw. Art, Land und Baureihe eines Triebfahrzeugs.
void Angaben(const TWissen& Wissen, const std::string& Elf, TErgebnis& Ergebnis)
{
  const TWagenart Art = Wagenart(Wissen.Stammdaten, Elf);
  if (Art == TWagenart::Triebfahrzeug) {
    Ergebnis.Triebfahrzeug = TriebfahrzeugLesen(Wissen.Stammdaten, Wissen.Kennzeichen, Elf);
    if (!Wissen.MitKennzeichen)
      Ergebnis.Triebfahrzeug->Baureihe.clear();
    return;
  }
  TAnzeige Anzeige = WagenInfo(Wissen.Stammdaten, Elf);
  if (Anzeige.Wagengattung.empty() && Art == TWagenart::Gueterwagen)
    Anzeige.Wagengattung = GattungAbgeleitet(Wissen.Kennzeichen, Elf);
  Ergebnis.Wagen = std::move(Anzeige);
}

// Die Anschrift um die Ziffern gegen die Nummer.
void AnschriftPruefen(const TWissen& Wissen, const std::string& Elf, const TAnschrift& Anschrift, TErgebnis& Ergebnis)
{
  for (TBefund& Befund : Abgleichen(Wissen.Stammdaten, Wissen.Kennzeichen, Elf, Anschrift)) {
    Ergebnis.Abweichungen += Befund.Abweichung();
    Ergebnis.Befunde.push_back(std::move(Befund));
  }
  if (!Anschrift.Leer() && Wissen.MitKennzeichen)
    Ergebnis.Anschrift = AnschriftText(Anschrift);
}

// Falsche Pruefziffer: die glaubwuerdigsten gueltigen Nachbarn.
void Reparieren(const TWissen& Wissen, const std::string& Ziffern, const TAnschrift& Anschrift, TErgebnis& Ergebnis)
{
  const TVorschlaege Vorschlaege =
      Reparaturen(Wissen.Stammdaten, Wissen.Kennzeichen, Ziffern, Anschrift, HoechstensReparaturen);
  Ergebnis.VorschlagKopf = Ersetzt(
      "Gültig wären (eine Ziffer anders oder zwei Nachbarn getauscht, %1 von %2, die glaubwürdigsten zuerst):"_cp1252,
      {std::to_string(Vorschlaege.Liste.size()), Anzahl(Vorschlaege.Gesamt)});
  for (const TVorschlag& Vorschlag : Vorschlaege.Liste)
    Ergebnis.Vorschlaege.push_back(Eintrag(Wissen, Vorschlag));
  const auto Gleich = std::count_if(Vorschlaege.Liste.begin(), Vorschlaege.Liste.end(),
                                    [&](const TVorschlag& V) { return V.Punkte == Vorschlaege.Liste.front().Punkte; });
  if (Gleich > 1)
    Ergebnis.Befunde.push_back(
        HinweisBefund(TBezug::Vorschlaege, Ersetzt("die ersten %1 Vorschläge sind gleich glaubwürdig: welche Ziffer "
                                                   "falsch ist, lässt sich aus der Nummer nicht entscheiden"_cp1252,
                                                   {std::to_string(Gleich)})));
}

// Woerter einer Zelle ohne Ziffern, getrennt an Leerraum und Satzzeichen; '-' verbindet ("D-DB").
std::vector<std::string> ZellenWoerter(std::string_view Text)
{
  std::vector<std::string> Woerter;
  std::string Wort;
  bool MitZiffer = false;
  const auto Beenden = [&] {
    while (Wort.ends_with('-'))
      Wort.pop_back();
    if (!Wort.empty() && !MitZiffer)
      Woerter.push_back(Wort);
    Wort.clear();
    MitZiffer = false;
  };
  for (const char Zeichen : Text) {
    const bool Ziffer = Zeichen >= '0' && Zeichen <= '9';
    if (IstGross1252(Zeichen) || IstKlein1252(Zeichen) || Ziffer || (Zeichen == '-' && !Wort.empty())) {
      Wort += Zeichen;
      MitZiffer = MitZiffer || Ziffer;
    } else {
      Beenden();
    }
  }
  Beenden();
  return Woerter;
}

// Was andere Zellen der Zeile an Gattungszeichen, Halter und Land beitragen: nur, was die
// Tabellen kennen ("Zacns", "VTG", "D-DB"; nicht "Kesselwagen"), und nur, wozu die Anschrift
// neben der Nummer schweigt. Was dort steht, gilt weiter.
// Ob ein Halter im Land der Stellen 3-4 registriert ist.
bool ImLand(const TKennzeichen& Kennzeichen, const THalter& Halter, std::string_view Stellen34)
{
  return Halter.EinLand([&](std::string_view Kuerzel) {
    const auto Treffer = Kennzeichen.NummernZuKuerzel.find(Kuerzel);
    return Treffer != Kennzeichen.NummernZuKuerzel.end() &&
           std::find(Treffer->second.begin(), Treffer->second.end(), Stellen34) != Treffer->second.end();
  });
}

std::vector<TKontextFund> KontextUebernehmen(const TKennzeichen& Kennzeichen,
                                             const std::vector<TZellenKontext>& Kontext, std::string_view Stellen34,
                                             TAnschrift& Anschrift)
{
  std::vector<TKontextFund> Funde;
  for (const TZellenKontext& Zelle : Kontext) {
    TKontextFund Fund{Zelle.Spalte, {}};
    for (const std::string& Wort : ZellenWoerter(Zelle.Text)) {
      const TAnschrift Einzeln = AnschriftLesen({Wort}, Kennzeichen);
      if (!Einzeln.Gattungszeichen.empty() && Anschrift.Gattungszeichen.empty() &&
          GattungszeichenImText(Kennzeichen, Einzeln.Gattungszeichen)) {
        Anschrift.Gattungszeichen = Einzeln.Gattungszeichen;
        Anschrift.Zusatz = Einzeln.Zusatz;
        Fund.Woerter.push_back(Wort);
      } else if (const THalter* Halter = Einzeln.Halter.empty() ? nullptr : Kennzeichen.HalterZu(Einzeln.Halter);
                 Halter && Anschrift.Halter.empty() &&
                 // ein Kuerzel allein nur, wenn der Halter im Land der Nummer registriert ist:
                 // "TT", "EP", "KG", "RAL" in einer Bezeichnung sind keine Halter
                 (Einzeln.Laenderkuerzel.empty() ? ImLand(Kennzeichen, *Halter, Stellen34)
                                                 : Anschrift.Laenderkuerzel.empty())) {
        Anschrift.Halter = Einzeln.Halter;
        if (Anschrift.Laenderkuerzel.empty())
          Anschrift.Laenderkuerzel = Einzeln.Laenderkuerzel;
        Fund.Woerter.push_back(Wort);
      }
    }
    if (!Fund.Woerter.empty())
      Funde.push_back(std::move(Fund));
  }
  return Funde;
}

// Die Anschrift neben der Nummer, ergaenzt um die anderen Zellen der Zeile.
TAnschrift AnschriftMitKontext(const TWissen& Wissen, const TGelesen& Gelesen,
                               const std::vector<TZellenKontext>& Kontext, TErgebnis& Ergebnis)
{
  TAnschrift Anschrift = AnschriftLesen(Gelesen.Woerter, Wissen.Kennzeichen);
  if (Wissen.MitKennzeichen)
    Ergebnis.AusDerZeile = KontextUebernehmen(
        Wissen.Kennzeichen, Kontext, Gelesen.Ziffern.size() == 12 ? Gelesen.Ziffern.substr(2, 2) : "", Anschrift);
  return Anschrift;
}

// Was anders gelesen wurde, andere Zahlen der Zeile und gleich gute andere Nummern, als Hinweise.
void UmgebungNennen(const TGelesen& Gelesen, TErgebnis& Ergebnis)
{
  for (const std::string& Hinweis : Gelesen.Hinweise)
    Ergebnis.Befunde.push_back(HinweisBefund(TBezug::Eingabe, Hinweis));
  // dieselbe Zahl zweimal in der Zeile ("G2" als Anschrift und im Satz) nur einmal nennen
  const auto Verbunden = [](const std::vector<std::string>& Teile) {
    std::string Text;
    for (auto Teil = Teile.begin(); Teil != Teile.end(); ++Teil)
      if (std::find(Teile.begin(), Teil, *Teil) == Teil)
        Text += (Text.empty() ? "" : ", ") + *Teil;
    return Text;
  };
  if (!Gelesen.Andere.empty())
    Ergebnis.Befunde.push_back(
        HinweisBefund(TBezug::Umgebung,
                      Ersetzt("gleich gut passt auch %1: welche Nummer gemeint ist, sagt die Zeile nicht; ausgewertet "
                              "ist die erste"_cp1252,
                              {Verbunden(Gelesen.Andere)})));
  if (!Gelesen.Weitere.empty())
    Ergebnis.Befunde.push_back(
        HinweisBefund(TBezug::Umgebung, Ersetzt("nicht Teil der Nummer: %1", {Verbunden(Gelesen.Weitere)})));
}

// Die UIC-Laendercodes eines Laenderkuerzels ("D" -> "80") dazu
void LaenderDesKuerzels(const TWissen& Wissen, std::string_view Kuerzel, std::vector<std::string>& Laender)
{
  if (const auto Treffer = Wissen.Kennzeichen.NummernZuKuerzel.find(Kuerzel);
      Treffer != Wissen.Kennzeichen.NummernZuKuerzel.end())
    for (const std::string_view Land : Treffer->second)
      Laender.emplace_back(Land);
}

// Ein Halterkennzeichen anderswo in der Zeile ("CFR Class 41-0587-0", "die 1116 036-3 der ÖBB"):
// nur Grossbuchstaben und nur, wenn alle solchen Kennzeichen der Zeile dasselbe eine Land nennen.
std::vector<std::string> LandAusDemZusammenhang(const TWissen& Wissen, const std::vector<std::string>& Zusammenhang)
{
  std::vector<std::string> Laender;
  for (const std::string& Wort : Zusammenhang)
    if (const THalter* Halter = Wort.size() >= 2 && std::all_of(Wort.begin(), Wort.end(), IstGross1252)
                                    ? Wissen.Kennzeichen.HalterZu(Wort)
                                    : nullptr)
      for (const std::string_view Kuerzel : Halter->Laenderliste())
        LaenderDesKuerzels(Wissen, Kuerzel, Laender);
  std::sort(Laender.begin(), Laender.end());
  Laender.erase(std::unique(Laender.begin(), Laender.end()), Laender.end());
  return Laender.size() == 1 ? Laender : std::vector<std::string>{};
}

// Ob die angeschriebene Pruefziffer nach eigener Regel oder zu einer zwoelfstelligen Nummer eines
// der Laender passt.
bool PasstIn(const TWissen& Wissen, const std::vector<std::string>& Laender, const std::string& Ziffern,
             const std::string& Angeschrieben)
{
  return Pruefziffer(Ziffern) == Angeschrieben ||
         std::any_of(Laender.begin(), Laender.end(), [&](const std::string& L) {
           const auto Liste = ZwoelfMoeglich(Wissen.Kennzeichen, L, Ziffern, Angeschrieben);
           return std::any_of(Liste.begin(), Liste.end(),
                              [&](const std::string& Z) { return Z.substr(11) == Angeschrieben; });
         });
}

// Das Land eines Halters anderswo in der Zeile ist schwaecher als die Anschrift: es gilt, wo die
// Pruefziffer in ihm passt ("(HGB)" bei 1275 502-3) oder in keinem der Laender, deren Tabellen die
// Nummer kennen; sonst nicht ("RJ" oder "IC" als Zugart machen keine passende Nummer falsch).
// Gibt zurueck, ob es gilt.
bool ZusammenhangNutzen(const TWissen& Wissen, const TGelesen& Gelesen, const std::string& Ziffern,
                        const std::string& Angeschrieben, std::vector<std::string>& Laender)
{
  const std::vector<std::string> Land = LandAusDemZusammenhang(Wissen, Gelesen.Zusammenhang);
  if (Land.empty() ||
      (!PasstIn(Wissen, Land, Ziffern, Angeschrieben) && PasstIn(Wissen, Laender, Ziffern, Angeschrieben)))
    return false;
  Laender = Land;
  return true;
}

// Die Laender einer nationalen Loknummer: aus Laenderkuerzel oder Halter, sonst aus den
// Gattungszeichen vor einer Reihe, die nur ein Land fuehrt ("Re 460"), oder einem Reihenzeichen, das
// nur ein Land so baut ("EU07"); leer, wenn nichts dasteht.
std::vector<std::string> NationalLaender(const TWissen& Wissen, const TAnschrift& Anschrift,
                                         const std::vector<std::string>& Reihen, bool DrSchreibweise)
{
  std::vector<std::string> Laender;
  const auto Dazu = [&](std::string_view Kuerzel) { LaenderDesKuerzels(Wissen, Kuerzel, Laender); };
  Dazu(Anschrift.Laenderkuerzel);
  if (const THalter* Halter = Anschrift.Halter.empty() ? nullptr : Wissen.Kennzeichen.HalterZu(Anschrift.Halter);
      Halter && Laender.empty())
    for (const std::string_view Land : Halter->Laenderliste())
      Dazu(Land);
  for (const auto& [Name, Reihe] : Wissen.Kennzeichen.Baureihennamen)
    if (Laender.empty() && !Anschrift.Gattungszeichen.empty() &&
        Reihe.Name.starts_with(Anschrift.Gattungszeichen + " "))
      Laender.emplace_back(Reihe.Land);
  // ein Reihenzeichen, das nur ein Land so baut ("EU07-015 (5 140 179-0)")
  for (const std::string& Reihe : Reihen)
    if (const std::string Land = LandDerReihe(Reihe); Laender.empty() && !Land.empty())
      Laender.push_back(Land);
  if (DrSchreibweise && Laender.empty())
    Laender.emplace_back("80");
  std::sort(Laender.begin(), Laender.end());
  Laender.erase(std::unique(Laender.begin(), Laender.end()), Laender.end());
  return Laender;
}

// Die Baureihe einer nationalen Nummer wie bei einer zwoelfstelligen: je Land, in das sie sich
// umrechnen laesst ("Baureihe (Deutschland): 193, Nr. 193 558"), bei einem Land ohne Zusatz.
void ReiheNennen(const TWissen& Wissen, const std::vector<std::pair<std::string, std::string>>& Umgerechnet,
                 TErgebnis& Ergebnis)
{
  std::vector<std::string> Laender;
  for (const auto& [Land, Zwoelf] : Umgerechnet)
    if (std::find(Laender.begin(), Laender.end(), Land) == Laender.end())
      Laender.push_back(Land);
  for (const std::string& Land : Laender) {
    const auto Erste =
        std::find_if(Umgerechnet.begin(), Umgerechnet.end(), [&](const auto& U) { return U.first == Land; });
    const TTriebfahrzeug Lok = TriebfahrzeugLesen(Wissen.Stammdaten, Wissen.Kennzeichen, Erste->second.substr(0, 11));
    const TLand* Name = Wissen.Kennzeichen.Land(Land);
    Ergebnis.Reihen.push_back(
        {Lok.ReiheWort, Laender.size() == 1 || !Name ? std::string() : std::string(Name->Name), Lok.Baureihe});
  }
}

// Sind die sieben Ziffern die Stellen 5-11 der zwoelfstelligen (PKP "3 630 065", DB "1275 502")?
// Dann gilt deren Pruefziffer auch kurz, eine eigene Regel gibt es nicht.
bool StellenFuenfBisElf(const std::string& Ziffern, const std::string& Zwoelf)
{
  return Ziffern.size() == 7 && Zwoelf.substr(4, 7) == Ziffern;
}

// Die Pruefziffer der zwoelfstelligen, wo die kurze Nummer deren Stellen 5-11 ist und alle
// Umrechnungen dieselbe nennen, sonst die nach eigener Regel.
std::string RichtigeNational(const std::string& Ziffern,
                             const std::vector<std::pair<std::string, std::string>>& Umgerechnet,
                             const std::string& Eigene)
{
  if (Umgerechnet.empty())
    return Eigene;
  const std::string Erste = Umgerechnet.front().second.substr(11);
  const bool Einig = std::all_of(Umgerechnet.begin(), Umgerechnet.end(), [&](const auto& U) {
    return StellenFuenfBisElf(Ziffern, U.second) && U.second.substr(11) == Erste;
  });
  return Einig ? Erste : Eigene;
}

// Das Urteil einer nationalen Pruefziffer gegen die eigene Regel und die zwoelfstelligen Nummern;
// gibt zurueck, ob die eigene Regel passt.
bool NationalUrteilen(const std::string& Ziffern, const std::vector<std::pair<std::string, std::string>>& Umgerechnet,
                      TErgebnis& Ergebnis)
{
  const std::string Eigene = Pruefziffer(Ziffern);
  const auto Passend = std::find_if(Umgerechnet.begin(), Umgerechnet.end(),
                                    [&](const auto& U) { return U.second.substr(11) == Ergebnis.Angeschrieben; });
  const bool EigenePasst = Eigene == Ergebnis.Angeschrieben;
  const bool Falsch = !EigenePasst && Passend == Umgerechnet.end();
  // Passt sie nur, weil die Stelle 5 eines Triebzugwagens fehlt, ist nichts geprueft: weder korrekt noch falsch.
  const bool Offen = !EigenePasst && !Falsch && std::all_of(Umgerechnet.begin(), Umgerechnet.end(), [&](const auto& U) {
    return U.second.substr(11) != Ergebnis.Angeschrieben || StelleFuenfFehlt(U.first, Ziffern);
  });
  // die kurze Nummer als Stellen 5-11: auch die Pruefziffer der zwoelfstelligen waere richtig
  const std::string Zwoelf = Falsch ? RichtigeNational(Ziffern, Umgerechnet, Eigene) : Eigene;
  Ergebnis.Berechnet = EigenePasst || Falsch || Offen ? Eigene : Ergebnis.Angeschrieben;
  Ergebnis.Urteil = Falsch ? TUrteil::Falsch : Offen ? TUrteil::Unvollstaendig : TUrteil::Korrekt;
  Ergebnis.Ziffern = Ziffern + Ergebnis.Angeschrieben;
  Ergebnis.Kopf =
      Falsch && Zwoelf != Eigene
          ? Ersetzt(
                "nationale Triebfahrzeugnummer, Prüfziffer %1: falsch – richtig wäre %2 nach eigener Regel "
                "oder %3 wie die zwölfstellige %4"_cp1252,
                {Ergebnis.Angeschrieben, Eigene, Zwoelf, NummerGegliedert(Umgerechnet.front().second)})
      : Falsch ? Ersetzt("nationale Triebfahrzeugnummer, Prüfziffer %1: falsch – richtig wäre %2"_cp1252,
                         {Ergebnis.Angeschrieben, Eigene})
      : Offen  ? Ersetzt(
                     "nationale Triebfahrzeugnummer, Prüfziffer %1: nicht prüfbar – die Wagen des Triebzugs tragen je "
                      "eine eigene Stelle 5, die hier fehlt, und mit einer davon stimmt jede Prüfziffer (nach eigener "
                      "Regel wäre sie %2)"_cp1252,
                     {Ergebnis.Angeschrieben, Eigene})
      : EigenePasst ? Ersetzt("nationale Triebfahrzeugnummer, Prüfziffer %1: korrekt"_cp1252, {Ergebnis.Angeschrieben})
      : std::count_if(Umgerechnet.begin(), Umgerechnet.end(),
                      [&](const auto& U) { return U.second.substr(11) == Ergebnis.Angeschrieben; }) == 1
          ? Ersetzt("nationale Triebfahrzeugnummer, Prüfziffer %1: korrekt, passt zur zwölfstelligen %2"_cp1252,
                    {Ergebnis.Angeschrieben, NummerGegliedert(Passend->second)})
          : Ersetzt(
                "nationale Triebfahrzeugnummer, Prüfziffer %1: korrekt, passt zu zwölfstelligen Nummern in "
                "mehreren Ländern (unten)"_cp1252,
                {Ergebnis.Angeschrieben});
  return EigenePasst;
}

// Nach welcher Konvention die zwoelfstellige Nummer zur angeschriebenen Pruefziffer steht; ist die
// Nummer falsch, ist keine der beiden die angeschriebene (nicht "beide richtig")
std::string KonventionNennen(const TKennzeichen& Kennzeichen, const std::string& Ziffern, const std::string& Zwoelf,
                             bool EigenePasst, const TErgebnis& Ergebnis)
{
  const std::string Eigene = Pruefziffer(Ziffern);
  return NationalMitZwoelfPruefziffer(Kennzeichen, Zwoelf) ? "(die Reihe trägt auch kurz diese Prüfziffer)"_cp1252
         : StelleFuenfWagenabhaengig(Zwoelf) && Zwoelf.substr(11) == Ergebnis.Angeschrieben
             ? "(Triebzugwagen: Stelle 5 ist je Wagen verschieden, mit dieser stimmt die "
               "angeschriebene Prüfziffer)"_cp1252
         : Zwoelf.substr(11) == Ergebnis.Angeschrieben && !EigenePasst
             ? "(ihre Prüfziffer ist die angeschriebene)"_cp1252
         : Zwoelf.substr(11) == Eigene ? "(dieselbe Prüfziffer)"_cp1252
         : Ergebnis.Urteil == TUrteil::Falsch && StellenFuenfBisElf(Ziffern, Zwoelf)
             ? "(ihre Stellen 5–11 sind die kurze Nummer, ihre Prüfziffer gilt auch kurz)"_cp1252
         : Ergebnis.Urteil == TUrteil::Falsch
             ? "(andere Prüfziffer: die nationale rechnet nur über ihre eigenen Ziffern)"_cp1252
             : "(andere Prüfziffer, beide richtig: die nationale rechnet nur über ihre eigenen "
               "Ziffern)"_cp1252;
}

// Ein angeschriebenes Land ohne hinterlegtes Schema: die Stellen 5-11 legt jeder Staat selbst fest,
// oft die kurze Nummer mit Nullen davor (MAV "91 55 0470 005-4", BDZ "91 52 0044 158-1", SNCF
// "5=0"). Gibt die zwoelfstellige zurueck, mit der die angeschriebene stimmt.
std::string OhneSchemaVermutet(const std::vector<std::string>& Laender, const std::string& Ziffern,
                               const std::string& Angeschrieben)
{
  return Laender.size() == 1 ? ZwoelfVermutet(Laender.front(), Ziffern, Angeschrieben) : std::string();
}

// Die Pruefziffer passt nicht zur eigenen Regel, aber zu einer vermuteten zwoelfstelligen: nicht
// "falsch", denn die Konvention des Landes ist nicht hinterlegt; auch nicht "korrekt", denn mit
// einer anderen Art passte eine andere Ziffer.
void VermutetUrteilen(const TWissen& Wissen, const std::string& Ziffern, const std::string& Zwoelf, TErgebnis& Ergebnis)
{
  const TAustausch* Art = Wissen.Kennzeichen.AustauschZu(std::string_view(Zwoelf).substr(0, 2));
  const std::string ArtName = Art ? std::string(Art->Triebfahrzeugart) : std::string();
  Ergebnis.Berechnet = Pruefziffer(Ziffern);
  Ergebnis.Urteil = TUrteil::Unvollstaendig;
  Ergebnis.Ziffern = Ziffern + Ergebnis.Angeschrieben;
  Ergebnis.Kopf = Ersetzt(
      "nationale Triebfahrzeugnummer, Prüfziffer %1: nicht sicher prüfbar – nach eigener Regel "
      "wäre sie %2; sie passt zur zwölfstelligen %3, wenn es eine %4 ist"_cp1252,
      {Ergebnis.Angeschrieben, Ergebnis.Berechnet, NummerGegliedert(Zwoelf), ArtName});
  Ergebnis.Befunde.push_back(HinweisBefund(
      TBezug::Nummer,
      "für dieses Land ist keine Umrechnung hinterlegt: vermutet ist die kurze Nummer als Stellen 5–11 (kürzere "
      "mit Nullen davor) wie bei vielen Bahnen, die Art aus der Prüfziffer"_cp1252));
}

// Die zwoelfstelligen Nummern je Land und die Konvention, nach der die angeschriebene Pruefziffer
// stimmt: die eigene Regel (nur ueber die Ziffern der Reihe und Ordnungsnummer) oder die
// Pruefziffer der zwoelfstelligen Nummer, die viele Bahnen auch kurz anschreiben.
void NationalPruefen(const TWissen& Wissen, const std::string& Ziffern, const std::vector<std::string>& Laender,
                     bool Angeschrieben, TErgebnis& Ergebnis)
{
  std::vector<std::pair<std::string, std::string>> Umgerechnet;  // Land, zwoelfstellige Nummer
  for (const std::string& Land : Laender)
    for (std::string& Zwoelf : ZwoelfMoeglich(Wissen.Kennzeichen, Land, Ziffern, Ergebnis.Angeschrieben))
      Umgerechnet.emplace_back(Land, std::move(Zwoelf));
  if (const std::string Vermutet = OhneSchemaVermutet(Laender, Ziffern, Ergebnis.Angeschrieben);
      Angeschrieben && Umgerechnet.empty() && !Vermutet.empty() && Pruefziffer(Ziffern) != Ergebnis.Angeschrieben)
    return VermutetUrteilen(Wissen, Ziffern, Vermutet, Ergebnis);
  const bool EigenePasst = NationalUrteilen(Ziffern, Umgerechnet, Ergebnis);
  for (const auto& [Land, Zwoelf] : Umgerechnet) {
    const TLand* Name = Wissen.Kennzeichen.Land(Land);
    const std::string Wo = Angeschrieben || !Name ? "" : Ersetzt("als Nummer aus %1 ", {std::string(Name->Name)});
    const std::string Wie = KonventionNennen(Wissen.Kennzeichen, Ziffern, Zwoelf, EigenePasst, Ergebnis);
    Ergebnis.Befunde.push_back(
        HinweisBefund(TBezug::Nummer, Ersetzt("zwölfstellig %1%2 %3"_cp1252, {Wo, NummerGegliedert(Zwoelf), Wie})));
  }
  ReiheNennen(Wissen, Umgerechnet, Ergebnis);
  if (Umgerechnet.empty())
    Ergebnis.Befunde.push_back(HinweisBefund(TBezug::Nummer,
                                             "die zwölfstellige Nummer lässt sich nicht bestimmen: für "
                                             "diese Reihe ist keine Umrechnung hinterlegt"_cp1252));
  else if (!Angeschrieben && Umgerechnet.size() > 1)
    Ergebnis.Befunde.push_back(HinweisBefund(TBezug::Nummer,
                                             "Land nicht angeschrieben: die Umrechnung steht für jedes Land, dessen "
                                             "Schema passt (mit D-DB, A-ÖBB, CH-SBB oder CZ-CD nur die eine)"_cp1252));
}

// Eine nationale Loknummer: ihre eigene Pruefziffer und die zwoelfstelligen Nummern, wo das Land
// (angeschrieben, oder jedes, dessen Tabellen passen) sie bestimmt.
TErgebnis NationalAuswerten(const TWissen& Wissen, const std::string& Eingabe, const TGelesen& Gelesen,
                            const std::vector<TZellenKontext>& Kontext)
{
  TErgebnis Ergebnis;
  Ergebnis.Eingabe = Eingabe;
  const std::string Ziffern = Gelesen.Ziffern.substr(0, Gelesen.Ziffern.size() - 1);
  Ergebnis.Angeschrieben = Gelesen.Ziffern.substr(Gelesen.Ziffern.size() - 1);
  Ergebnis.Nummer = NationalGegliedert(Ziffern, Ergebnis.Angeschrieben);
  // "52 8184-5": so schrieb nur die DR seit 1970
  const bool DrSchreibweise =
      Ziffern.size() == 6 && Eingabe.find(Ziffern.substr(0, 2) + " " + Ziffern.substr(2, 4)) != std::string::npos;
  if (DrSchreibweise)
    Ergebnis.Nummer = Ziffern.substr(0, 2) + " " + Ziffern.substr(2, 4) + "-" + Ergebnis.Angeschrieben;
  const TAnschrift Anschrift = AnschriftMitKontext(Wissen, Gelesen, Kontext, Ergebnis);
  std::vector<std::string> Laender = NationalLaender(Wissen, Anschrift, Gelesen.Reihen, DrSchreibweise);
  bool Angeschrieben = !Laender.empty();
  if (!Angeschrieben) {
    Laender = LaenderFuerNational(Wissen.Kennzeichen, Ziffern);
    Angeschrieben = ZusammenhangNutzen(Wissen, Gelesen, Ziffern, Ergebnis.Angeschrieben, Laender);
  }
  // fuenf Ziffern mit Pruefziffer ohne Land: die BDZ (FuenfstelligesLand)
  const bool Fuenfstellig = !Angeschrieben && Ziffern.size() == 5;
  if (Fuenfstellig)
    Laender = {std::string(FuenfstelligesLand)};
  UmgebungNennen(Gelesen, Ergebnis);
  NationalPruefen(Wissen, Ziffern, Laender, Angeschrieben || Fuenfstellig, Ergebnis);
  if (Ergebnis.Befunde.back().Text.starts_with("die zwölfstellige"_cp1252) && Angeschrieben)
    Ergebnis.Befunde.back().Text = DrSchreibweise && Anschrift.Leer()
                                       ? "die zwölfstellige Nummer lässt sich nicht bestimmen: für diese Reihe ist "
                                         "keine Umrechnung hinterlegt (in Deutschland, wie die Schreibweise der DR "
                                         "sagt)"_cp1252
                                       : "die zwölfstellige Nummer lässt sich nicht bestimmen: für diese Reihe ist "
                                         "keine Umrechnung hinterlegt (im angeschriebenen Land)"_cp1252;
  return Ergebnis;
}

// Eine nationale Nummer ohne Pruefziffer: Reihe und Ordnungsnummer; sind es Ziffern, die
// Pruefziffer nach eigener Regel und die zwoelfstelligen Nummern, die die Tabellen nennen.
TErgebnis OhnePruefzifferAuswerten(const TWissen& Wissen, const std::string& Eingabe, const TGelesen& Gelesen,
                                   const std::vector<TZellenKontext>& Kontext)
{
  TErgebnis Ergebnis;
  Ergebnis.Eingabe = Eingabe;
  Ergebnis.Nummer = Gelesen.Reihe.empty() ? Gelesen.Ordnungsnummer : Gelesen.Reihe + " " + Gelesen.Ordnungsnummer;
  Ergebnis.Urteil = TUrteil::OhnePruefziffer;
  Ergebnis.Kopf = Gelesen.Reihe.empty()
                      ? Ersetzt("Nummer ohne Prüfziffer: %1 (Reihe unbekannt)"_cp1252, {Gelesen.Ordnungsnummer})
                      : Ersetzt("nationale Nummer ohne Prüfziffer: Reihe %1, Nr. %2"_cp1252,
                                {Gelesen.Reihe, Gelesen.Ordnungsnummer});
  UmgebungNennen(Gelesen, Ergebnis);
  if (Gelesen.OhneKopf) {
    // ohne Stellen 1-4 gibt es weder eine eigene Regel noch eine zwoelfstellige Nummer
    Ergebnis.Kopf = Ersetzt(
        "Stellen 5–12 eines Wagens ohne Austauschkennzahl und Land: %1 %2, die Prüfziffer "
        "dahinter lässt sich ohne Stellen 1–4 nicht prüfen"_cp1252,
        {Gelesen.Reihe, Gelesen.Ordnungsnummer});
    return Ergebnis;
  }
  const std::string Ziffern = Gelesen.Reihe + Gelesen.Ordnungsnummer;
  const bool Zahl = std::all_of(Ziffern.begin(), Ziffern.end(), [](char Z) { return Z >= '0' && Z <= '9'; });
  if (!Zahl || (Ziffern.size() != 6 && Ziffern.size() != 7) || !Wissen.MitKennzeichen)
    return Ergebnis;
  Ergebnis.Berechnet = Pruefziffer(Ziffern);
  Ergebnis.Befunde.push_back(HinweisBefund(TBezug::Nummer, Ersetzt("mit Prüfziffer nach eigener Regel: %1"_cp1252,
                                                                   {NationalGegliedert(Ziffern, Ergebnis.Berechnet)})));
  const TAnschrift Anschrift = AnschriftMitKontext(Wissen, Gelesen, Kontext, Ergebnis);
  std::vector<std::string> Laender = NationalLaender(Wissen, Anschrift, Gelesen.Reihen, false);
  if (Laender.empty())
    Laender = LaenderFuerNational(Wissen.Kennzeichen, Ziffern);
  for (const std::string& Land : Laender)
    for (const std::string& Zwoelf : ZwoelfMoeglich(Wissen.Kennzeichen, Land, Ziffern))
      Ergebnis.Befunde.push_back(
          HinweisBefund(TBezug::Nummer, Ersetzt("zwölfstellig vielleicht %1"_cp1252, {NummerGegliedert(Zwoelf)})));
  return Ergebnis;
}

// Eine achtstellige Nummer der Breitspurbahnen (1520 mm), gelesen nur mit stimmender Pruefziffer.
// Stelle 1 nennt die Art (Nummernsystem der Gueterwagen 1520 mm von 2005: 2 gedeckt, 4 Flachwagen,
// 6 offen, 7 Kessel, 8 isotherm, 3 und 9 andere, 5 anderer Eigentuemer; Reisezugwagen beginnen mit 0).
TErgebnis BreitspurAuswerten(const std::string& Eingabe, const TGelesen& Gelesen)
{
  TErgebnis Ergebnis;
  Ergebnis.Eingabe = Eingabe;
  UmgebungNennen(Gelesen, Ergebnis);
  Ergebnis.Nummer = Ergebnis.Ziffern = Gelesen.Ziffern;
  Ergebnis.Angeschrieben = Ergebnis.Berechnet = Gelesen.Ziffern.substr(7);
  Ergebnis.Urteil = TUrteil::Korrekt;
  constexpr std::array<std::string_view, 10> Arten = {"Reisezugwagen",        "",
                                                      "gedeckter Güterwagen", "anderer Wagen",
                                                      "Flachwagen",           "Wagen eines anderen Eigentümers",
                                                      "offener Güterwagen",   "Kesselwagen",
                                                      "isothermer Wagen",     "anderer Wagen"};
  const std::string Art = Utf8NachCp1252(Arten[static_cast<std::size_t>(Gelesen.Ziffern[0] - '0')]);
  Ergebnis.Kopf = Art.empty()
                      ? Ersetzt("achtstellige Nummer der Breitspurbahnen (1520 mm), Prüfziffer %1: korrekt"_cp1252,
                                {Ergebnis.Angeschrieben})
                      : Ersetzt(
                            "achtstellige Nummer der Breitspurbahnen (1520 mm), Prüfziffer %1: korrekt; "
                            "Stelle 1: %2"_cp1252,
                            {Ergebnis.Angeschrieben, Art});
  return Ergebnis;
}

// Eine Nummer der FS ohne Pruefziffer: die zwoelfstelligen, die zu ihr passen koennen.
TErgebnis FsAuswerten(const TWissen& Wissen, const std::string& Eingabe, const TFsNummer& Fs)
{
  TErgebnis Ergebnis;
  Ergebnis.Eingabe = Eingabe;
  Ergebnis.Nummer = (Fs.Art == "91" ? "E." : "D.") + Fs.Gruppo + "." + Fs.Nummer;
  const std::string Muster = Fs.Art + "83?" + Fs.Gruppo + Fs.Nummer + "?";
  Ergaenzen(Wissen, Muster, TAnschrift(), Ergebnis);
  Ergebnis.Kopf = "Nummer der FS (Italien) ohne Prüfziffer: zwölfstellig "_cp1252 + NummerGegliedert(Muster) +
                  "; Stelle 5 legt die FS je Bauart fest, bekannte zuerst:"_cp1252;
  return Ergebnis;
}

}  // namespace

TErgebnis UnbrauchbarWeil(std::string Eingabe, std::string Meldung)
{
  TErgebnis Ergebnis;
  Ergebnis.Eingabe = std::move(Eingabe);
  Ergebnis.Meldung = std::move(Meldung);
  return Ergebnis;
}

TErgebnis ZeileZuLang(const std::string& Anfang)
{
  return UnbrauchbarWeil(InAnfuehrung(Anfang), Ersetzt("%1 ist länger als %2 Zeichen"_cp1252,
                                                       {InAnfuehrung(Anfang), std::to_string(ZeilenHoechstlaenge)}));
}

TErgebnis Auswerten(const TWissen& Wissen, const std::string& Eingabe, const TGelesen& Gelesen, bool Erklaeren,
                    const std::vector<TZellenKontext>& Kontext)
{
  if (!Gelesen.Fehler.empty()) {
    if (Gelesen.Breitspur)
      return BreitspurAuswerten(Eingabe, Gelesen);
    if (const TFsNummer Fs = FsNummerLesen(Gelesen.Fs); !Fs.Art.empty() && !Gelesen.PruefzifferAbgesetzt)
      return FsAuswerten(Wissen, Eingabe, Fs);
    if (!Gelesen.Ordnungsnummer.empty())
      return OhnePruefzifferAuswerten(Wissen, Eingabe, Gelesen, Kontext);
    return IstNationaleNummer(Gelesen.Ziffern, Gelesen.PruefzifferAbgesetzt) && Wissen.MitKennzeichen
               ? NationalAuswerten(Wissen, Eingabe, Gelesen, Kontext)
               : UnbrauchbarWeil(Eingabe, Gelesen.Fehler);
  }
  TErgebnis Ergebnis;
  Ergebnis.Eingabe = Eingabe;
  const std::string& Ziffern = Gelesen.Ziffern;
  TAnschrift Anschrift = AnschriftMitKontext(Wissen, Gelesen, Kontext, Ergebnis);
  Anschrift.Bauart = Gelesen.Bauart;
  UmgebungNennen(Gelesen, Ergebnis);
  Ergebnis.Nummer = NummerGegliedert(Ziffern);
  Ergebnis.Ziffern = Ziffern;
  Ergebnis.Angeschrieben = Ziffern.size() == 12 ? Ziffern.substr(11) : "";
  Ergebnis.Halter = HalterAngabe(Wissen.Kennzeichen, Anschrift);
  if (Ziffern.find('?') != std::string::npos) {
    Ergaenzen(Wissen, Ziffern, Anschrift, Ergebnis);
    return Ergebnis;
  }

  const std::string Elf = Ziffern.substr(0, 11);
  Ergebnis.Berechnet = Pruefziffer(Elf);
  if (Erklaeren)
    Ergebnis.Rechenweg = Erklaerung(Elf);
  const bool Falsch = !Ergebnis.Angeschrieben.empty() && Ergebnis.Angeschrieben != Ergebnis.Berechnet;
  Ergebnis.Urteil = Ergebnis.Angeschrieben.empty() ? TUrteil::Berechnet : Falsch ? TUrteil::Falsch : TUrteil::Korrekt;
  Ergebnis.Ziffern = Elf + (Ergebnis.Angeschrieben.empty() ? Ergebnis.Berechnet : Ergebnis.Angeschrieben);
  Ergebnis.Nummer = NummerGegliedert(Ergebnis.Ziffern);
  Ergebnis.Kopf =
      Ergebnis.Angeschrieben.empty() ? Ersetzt("Prüfziffer %1"_cp1252, {Ergebnis.Berechnet})
      : Falsch ? Ersetzt("Prüfziffer %1: falsch – richtig wäre %2"_cp1252, {Ergebnis.Angeschrieben, Ergebnis.Berechnet})
               : Ersetzt("Prüfziffer %1: korrekt"_cp1252, {Ergebnis.Angeschrieben});
  if (Wissen.MitDaten)
    Angaben(Wissen, Elf, Ergebnis);
  AnschriftPruefen(Wissen, Elf, Anschrift, Ergebnis);
  if (Falsch) {
    Reparieren(Wissen, Ziffern, Anschrift, Ergebnis);
  } else if (!Ergebnis.Angeschrieben.empty()) {
    for (const std::string& Andere : UnsichtbareTausche(Ziffern))
      Ergebnis.Befunde.push_back(HinweisBefund(
          TBezug::Nummer, Ersetzt("auch %1 hat diese Prüfziffer: benachbarte 0 und 9 vertauscht sieht sie nicht"_cp1252,
                                  {NummerGegliedert(Andere)})));
  }
  return Ergebnis;
}

TErgebnis Auswerten(const TWissen& Wissen, TEingabeText Text, bool Erklaeren,
                    const std::vector<TZellenKontext>& Kontext)
{
  if (!Text.Fehler.empty())
    return UnbrauchbarWeil(std::move(Text.Text), std::move(Text.Fehler));
  TLesewissen Lesewissen;
  if (Wissen.MitKennzeichen) {
    Lesewissen.Anschriftwort = [&](std::string_view Wort) { return Anschriftwort(Wissen.Kennzeichen, Wort); };
    Lesewissen.KopfBekannt = [&](std::string_view Kopf) {
      const TAustausch* Austausch = Wissen.Kennzeichen.AustauschZu(Kopf.substr(0, 2));
      return Austausch && Austausch->Belegt && Wissen.Kennzeichen.Land(Kopf.substr(2, 2));
    };
  }
  TErgebnis Ergebnis = Auswerten(Wissen, Text.Text, NummerAusText(Text.Text, Lesewissen), Erklaeren, Kontext);
  std::vector<TBefund> Befunde;
  for (std::string& Hinweis : Text.Hinweise)
    Befunde.push_back(HinweisBefund(TBezug::Eingabe, std::move(Hinweis)));
  Befunde.insert(Befunde.end(), Ergebnis.Befunde.begin(), Ergebnis.Befunde.end());
  Ergebnis.Befunde = std::move(Befunde);
  Ergebnis.Getippt = std::move(Text.Getippt);
  return Ergebnis;
}

std::string UrteilText(TUrteil Urteil)
{
  switch (Urteil) {
    case TUrteil::Korrekt:
      return "korrekt";
    case TUrteil::Berechnet:
      return "berechnet";
    case TUrteil::Falsch:
      return "falsch";
    case TUrteil::Unvollstaendig:
      return "unvollständig"_cp1252;
    case TUrteil::OhnePruefziffer:
      return "ohne Prüfziffer"_cp1252;
    case TUrteil::Unbrauchbar:
      break;
  }
  return "unbrauchbar";
}

std::string VorschlagText(const TVorschlagEintrag& Vorschlag)
{
  std::string Text = NummerGegliedert(Vorschlag.Ziffern) + "  ";
  const std::string Grund = Begruendung(Vorschlag);
  for (const std::string* Teil : {&Vorschlag.Aenderung, &Vorschlag.Deutung, &Grund})
    if (!Teil->empty())
      Text += (Text.ends_with("  ") ? "" : "; ") + *Teil;
  return Text;
}

std::string Begruendung(const TVorschlagEintrag& Vorschlag)
{
  const std::vector<std::string>& Passt = Vorschlag.Passt;
  std::string Teile;
  for (std::size_t I = 0; I + 1 < Passt.size(); ++I)
    Teile += (I == 0 ? "" : ", ") + Passt[I];
  return Passt.empty()       ? std::string()
         : Passt.size() == 1 ? Ersetzt("passt zu %1", {Passt[0]})
                             : Ersetzt("passt zu %1 und %2", {Teile, Passt.back()});
}

std::string BefundText(const TBefund& Befund)
{
  return (Befund.Abweichung() ? "Abweichung: " : "Hinweis: ") + Befund.Text;
}

std::string BezugText(const TBefund& Befund)
{
  struct TName {
    std::string_view Utf8;
    bool MitWort;  // das angeschriebene Wort folgt in Anfuehrung
  };
  // In der Reihenfolge von TBezug.
  constexpr std::array<TName, 12> Namen = {{{"Eingabe", false},
                                            {"Zelle der Arbeitsmappe", false},
                                            {"Nummer", false},
                                            {"andere Ziffern der Zeile", false},
                                            {"Länderkürzel", true},
                                            {"Halterkennzeichen", true},
                                            {"Gattungszeichen", true},
                                            {"nationaler Zusatz", true},
                                            {"Merkmal", true},
                                            {"Wort", true},
                                            {"Vorschläge", false},
                                            {"Liste", false}}};
  static_assert(Namen.size() == static_cast<std::size_t>(TBezug::Doppelt) + 1);
  const TName& Name = Namen.at(static_cast<std::size_t>(Befund.Bezug));
  const std::string Wort = Utf8NachCp1252(Name.Utf8);
  return Name.MitWort && !Befund.Angeschrieben.empty() ? Ersetzt("%1 %2", {Wort, InAnfuehrung(Befund.Angeschrieben)})
                                                       : Wort;
}

namespace {

// Eine Zahl der Mappe mit 11 Ziffern: vermutlich fehlt die fuehrende Null.
void OhneFuehrendeNull(std::string_view Bytes, TErgebnis& Ergebnis)
{
  const std::string Ziffern = OhneRand(Bytes);
  if (!Ergebnis.Meldung.empty() || Ziffern.size() != 11 || !NurZiffern(Ziffern))
    return;
  const std::string Zwoelf = "0" + Ziffern;
  const bool Passt = Pruefziffer(Zwoelf.substr(0, 11)) == Zwoelf.substr(11);
  Ergebnis.Befunde.insert(
      Ergebnis.Befunde.begin(),
      AbweichungBefund(TBezug::Zelle,
                       Ersetzt("die Zelle ist in der Arbeitsmappe als Zahl gespeichert; eine führende Null fehlt "
                               "vermutlich, mit ihr hieße die Nummer %1 (Prüfziffer %2) – in der Tabellenkalkulation "
                               "die Spalte als Text formatieren und die Nummer mit der Null eingeben"_cp1252,
                               {NummerGegliedert(Zwoelf), Passt ? "korrekt" : "falsch"}),
                       Ziffern));
  ++Ergebnis.Abweichungen;
}

}  // namespace

TErgebnis ZelleAuswerten(const TWissen& Wissen, std::string_view Bytes, TKennung Kennung, bool Erklaeren,
                         const std::vector<TZellenKontext>& Kontext, bool AlsZahl)
{
  constexpr std::size_t Anfang = 60;  // so viel zeigt die Meldung
  if (ZeichenAnfang(Bytes, Kennung, ZeilenHoechstlaenge) < Bytes.size())
    return ZeileZuLang(EingabeUmsetzen(Bytes.substr(0, ZeichenAnfang(Bytes, Kennung, Anfang)), Kennung).Text);
  TErgebnis Ergebnis = Auswerten(Wissen, EingabeUmsetzen(Bytes, Kennung), Erklaeren, Kontext);
  if (AlsZahl)
    OhneFuehrendeNull(Bytes, Ergebnis);
  return Ergebnis;
}

std::vector<TZellenKontext> KontextDerZeile(const TFelder& Zeile, const TListe& Tabelle)
{
  std::vector<TZellenKontext> Kontext;
  for (std::size_t Spalte = 0; Spalte < Zeile.size(); ++Spalte)
    if (Spalte != Tabelle.Nummernspalte && !Zeile[Spalte].empty())
      Kontext.push_back({Spalte < Tabelle.Kopf.size() && !Tabelle.Kopf[Spalte].empty()
                             ? ZelleText(Tabelle.Kopf[Spalte], Tabelle.Kennung)
                             : Ersetzt("Spalte %1", {std::to_string(Spalte + 1)}),
                         ZelleText(Zeile[Spalte], Tabelle.Kennung)});
  return Kontext;
}

TErgebnis ZelleAuswerten(const TWissen& Wissen, const TListe& Tabelle, std::size_t Zeile, std::size_t Spalte,
                         bool Erklaeren)
{
  const TFelder& Felder = Tabelle.Zeilen.at(Zeile);
  const std::string_view Zelle = Spalte < Felder.size() ? std::string_view(Felder[Spalte]) : std::string_view();
  return ZelleAuswerten(Wissen, Zelle, Tabelle.Kennung, Erklaeren, KontextDerZeile(Felder, Tabelle),
                        AlsZahl(Tabelle, Zeile, Spalte));
}

TSchluessel SchluesselVon(const TErgebnis& Ergebnis)
{
  if (!Ergebnis.Meldung.empty() || Ergebnis.Berechnet.empty())
    return {};
  return {Ergebnis.Ziffern, Ergebnis.Eingabe};
}

namespace {

bool Wortzeichen(char Zeichen)
{
  const auto Byte = static_cast<unsigned char>(Zeichen);
  return Byte >= 0x80 || (Byte >= '0' && Byte <= '9') || ((Byte | 0x20) >= 'a' && (Byte | 0x20) <= 'z');
}

}  // namespace

std::string WieGetippt(std::string Utf8, const std::vector<std::pair<std::string, std::string>>& Getippt)
{
  for (const auto& [Cp1252, Wie] : Getippt) {
    const std::string Gelesen = Cp1252NachUtf8(Cp1252);
    if (Gelesen.size() < 2)
      continue;
    for (std::size_t Pos = 0; (Pos = Utf8.find(Gelesen, Pos)) != std::string::npos;) {
      const std::size_t Ende = Pos + Gelesen.size();
      if ((Pos == 0 || !Wortzeichen(Utf8[Pos - 1])) && (Ende == Utf8.size() || !Wortzeichen(Utf8[Ende]))) {
        Utf8.replace(Pos, Gelesen.size(), Wie);
        Pos += Wie.size();
      } else {
        Pos = Ende;
      }
    }
  }
  return Utf8;
}

std::vector<std::pair<std::string, std::string>> Angaben(const TErgebnis& Ergebnis)
{
  std::vector<std::pair<std::string, std::string>> Angaben;
  if (const auto& Lok = Ergebnis.Triebfahrzeug) {
    Angaben = {{"Triebfahrzeug", Lok->Art}, {"Land", Lok->Land}};
    if (!Lok->Baureihe.empty())
      Angaben.emplace_back(Lok->ReiheWort, Lok->Baureihe);
    if (!Lok->National.empty())
      Angaben.emplace_back("Nationale Nummer", Lok->National);
  } else if (const auto& Wagen = Ergebnis.Wagen) {
    Angaben = {{"Eigentumsmerkmal", Wagen->Eigentumsmerkmal},
               {"Austauschverfahren", Wagen->Austauschverfahren},
               {"Eigentumsverwaltung", Wagen->Eigentumsverwaltung},
               {"Wagengattung", Wagen->Wagengattung},
               {"Höchstgeschwindigkeit"_cp1252, Wagen->Geschwindigkeit}};
  }
  for (const TReihenAngabe& Reihe : Ergebnis.Reihen)
    Angaben.emplace_back(Reihe.Land.empty() ? Reihe.Wort : Ersetzt("%1 (%2)", {Reihe.Wort, Reihe.Land}),
                         Reihe.Baureihe);
  if (!Ergebnis.Anschrift.empty())
    Angaben.emplace_back(
        "Anschrift",
        Ergebnis.Abweichungen == 0 ? Ersetzt("%1 – passt zur Nummer"_cp1252, {Ergebnis.Anschrift})
        : Ergebnis.Abweichungen == 1
            ? Ersetzt("%1 – eine Abweichung"_cp1252, {Ergebnis.Anschrift})
            : Ersetzt("%1 – %2 Abweichungen"_cp1252, {Ergebnis.Anschrift, std::to_string(Ergebnis.Abweichungen)}));
  std::string Herkunft;
  for (const TKontextFund& Fund : Ergebnis.AusDerZeile) {
    std::string Woerter;
    for (const std::string& Wort : Fund.Woerter)
      Woerter += (Woerter.empty() ? "" : ", ") + Wort;
    Herkunft += (Herkunft.empty() ? "" : "; ") + Ersetzt("aus Spalte %1: %2", {Fund.Spalte, Woerter});
  }
  if (!Herkunft.empty())
    Angaben.emplace_back("Aus der Zeile", Herkunft);
  return Angaben;
}

std::array<std::string, 5> CsvSpalten(const TErgebnis& Ergebnis)
{
  if (const auto& Lok = Ergebnis.Triebfahrzeug)
    return {"", Lok->Art, Lok->Land,
            Lok->Baureihe.empty()   ? ""
            : Lok->National.empty() ? Ersetzt("%1 %2", {Lok->ReiheWort, Lok->Baureihe})
                                    : Ersetzt("%1 %2; national %3", {Lok->ReiheWort, Lok->Baureihe, Lok->National}),
            ""};
  if (const auto& Wagen = Ergebnis.Wagen)
    return {Wagen->Eigentumsmerkmal, Wagen->Austauschverfahren, Wagen->Eigentumsverwaltung, Wagen->Wagengattung,
            Wagen->Geschwindigkeit};
  return {};
}

std::vector<std::pair<std::string, std::string>> AlleAngaben(const TErgebnis& Ergebnis)
{
  std::vector<std::pair<std::string, std::string>> Alle = Angaben(Ergebnis);
  if (!Ergebnis.Halter.empty())
    Alle.emplace_back("Halter", Ergebnis.Halter);
  for (const TBefund& Befund : Ergebnis.Befunde)
    Alle.emplace_back(Befund.Abweichung() ? "Abweichung" : "Hinweis", Befund.Text);
  return Alle;
}
