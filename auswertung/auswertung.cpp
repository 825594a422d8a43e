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
          KurzDeutung(Wissen.Stammdaten, Wissen.Kennzeichen, Vorschlag.Ziffern.substr(0, 11)), Vorschlag.Grund};
}

// Mit "?": alle gueltigen Nummern, die glaubwuerdigsten zuerst.
void Ergaenzen(const TWissen& Wissen, const std::string& Ziffern, const TAnschrift& Anschrift, TErgebnis& Ergebnis)
{
  const auto Unbekannt = static_cast<std::size_t>(std::count(Ziffern.begin(), Ziffern.end(), '?'));
  // eine unbekannte Pruefziffer wird berechnet, nicht durchprobiert
  if (static_cast<std::size_t>(std::count(Ziffern.begin(), Ziffern.begin() + 11, '?')) > HoechstensUnbekannt) {
    Ergebnis.Meldung = InAnfuehrung(Ergebnis.Eingabe) + " hat " + std::to_string(Unbekannt) +
                       " unbekannte Ziffern, höchstens "_cp1252 + std::to_string(HoechstensUnbekannt) +
                       " vor der Prüfziffer lassen sich durchprobieren"_cp1252;
    return;
  }
  const TVorschlaege Vorschlaege =
      Ergaenzungen(Wissen.Stammdaten, Wissen.Kennzeichen, Ziffern, Anschrift, HoechstensVorschlaege);
  Ergebnis.Urteil = TUrteil::Unvollstaendig;
  Ergebnis.Kopf = std::to_string(Unbekannt) + (Unbekannt == 1 ? " unbekannte Ziffer: " : " unbekannte Ziffern: ") +
                  Anzahl(Vorschlaege.Gesamt) +
                  (Vorschlaege.Gesamt == 1 ? " gültige Nummer"_cp1252 : " gültige Nummern"_cp1252) +
                  (Vorschlaege.Liste.size() < Vorschlaege.Gesamt
                       ? ", die " + std::to_string(Vorschlaege.Liste.size()) + " glaubwürdigsten:"_cp1252
                       : "");
  for (const TVorschlag& Vorschlag : Vorschlaege.Liste)
    Ergebnis.Vorschlaege.push_back(Eintrag(Wissen, Vorschlag));
}

// Die Angaben zum Wagen: die fuenf des Fensters bzw. Art, Land und Baureihe eines Triebfahrzeugs.
void Angaben(const TWissen& Wissen, const std::string& Elf, TErgebnis& Ergebnis)
{
  const TWagenart Art = Wagenart(Wissen.Stammdaten, Elf);
  if (Art == TWagenart::Triebfahrzeug) {
    const TTriebfahrzeug Triebfahrzeug = TriebfahrzeugLesen(Wissen.Stammdaten, Wissen.Kennzeichen, Elf);
    Ergebnis.Zeilen = {{"Triebfahrzeug", Triebfahrzeug.Art}, {"Land", Triebfahrzeug.Land}};
    if (Wissen.MitKennzeichen)
      Ergebnis.Zeilen.emplace_back(Triebfahrzeug.ReiheWort, Triebfahrzeug.Baureihe);
    if (!Triebfahrzeug.National.empty())
      Ergebnis.Zeilen.emplace_back("Nationale Nummer", Triebfahrzeug.National);
    Ergebnis.Spalten = {"", Triebfahrzeug.Art, Triebfahrzeug.Land,
                        Wissen.MitKennzeichen
                            ? Triebfahrzeug.ReiheWort + " " + Triebfahrzeug.Baureihe +
                                  (Triebfahrzeug.National.empty() ? "" : "; national " + Triebfahrzeug.National)
                            : "",
                        ""};
    return;
  }
  TAnzeige Anzeige = WagenInfo(Wissen.Stammdaten, Elf);
  if (Anzeige.Wagengattung.empty() && Art == TWagenart::Gueterwagen)
    Anzeige.Wagengattung = GattungAbgeleitet(Wissen.Kennzeichen, Elf);
  Ergebnis.Spalten = {Anzeige.Eigentumsmerkmal, Anzeige.Austauschverfahren, Anzeige.Eigentumsverwaltung,
                      Anzeige.Wagengattung, Anzeige.Geschwindigkeit};
  Ergebnis.Zeilen = {{"Eigentumsmerkmal", Anzeige.Eigentumsmerkmal},
                     {"Austauschverfahren", Anzeige.Austauschverfahren},
                     {"Eigentumsverwaltung", Anzeige.Eigentumsverwaltung},
                     {"Wagengattung", Anzeige.Wagengattung},
                     {"Höchstgeschwindigkeit"_cp1252, Anzeige.Geschwindigkeit}};
}

// Die Anschrift um die Ziffern gegen die Nummer.
void AnschriftPruefen(const TWissen& Wissen, const std::string& Elf, const TAnschrift& Anschrift, TErgebnis& Ergebnis)
{
  for (TBefund& Befund : Abgleichen(Wissen.Stammdaten, Wissen.Kennzeichen, Elf, Anschrift)) {
    Ergebnis.Abweichungen += Befund.Abweichung;
    Ergebnis.Befunde.push_back(std::move(Befund));
  }
  if (Anschrift.Leer() || !Wissen.MitKennzeichen)
    return;
  const std::size_t Abweichungen = Ergebnis.Abweichungen;
  Ergebnis.Zeilen.emplace_back(
      "Anschrift",
      AnschriftText(Anschrift) + (Abweichungen == 0   ? " – passt zur Nummer"_cp1252
                                  : Abweichungen == 1 ? " – eine Abweichung"_cp1252
                                                      : " – "_cp1252 + std::to_string(Abweichungen) + " Abweichungen"));
}

// Falsche Pruefziffer: die glaubwuerdigsten gueltigen Nachbarn.
void Reparieren(const TWissen& Wissen, const std::string& Ziffern, const TAnschrift& Anschrift, TErgebnis& Ergebnis)
{
  const TVorschlaege Vorschlaege =
      Reparaturen(Wissen.Stammdaten, Wissen.Kennzeichen, Ziffern, Anschrift, HoechstensReparaturen);
  Ergebnis.VorschlagKopf = "Gültig wären (eine Ziffer anders oder zwei Nachbarn getauscht, "_cp1252 +
                           std::to_string(Vorschlaege.Liste.size()) + " von " + Anzahl(Vorschlaege.Gesamt) +
                           ", die glaubwürdigsten zuerst):"_cp1252;
  for (const TVorschlag& Vorschlag : Vorschlaege.Liste)
    Ergebnis.Vorschlaege.push_back(Eintrag(Wissen, Vorschlag));
  const auto Gleich = std::count_if(Vorschlaege.Liste.begin(), Vorschlaege.Liste.end(),
                                    [&](const TVorschlag& V) { return V.Punkte == Vorschlaege.Liste.front().Punkte; });
  if (Gleich > 1)
    Ergebnis.Befunde.push_back({false, "die ersten " + std::to_string(Gleich) +
                                           " Vorschläge sind gleich glaubwürdig: welche Ziffer falsch ist, "
                                           "lässt sich aus der Nummer nicht entscheiden"_cp1252});
}

// Andere Zahlen der Zeile und gleich gute andere Nummern, als Hinweise.
void UmgebungNennen(const TGelesen& Gelesen, TErgebnis& Ergebnis)
{
  const auto Verbunden = [](const std::vector<std::string>& Teile) {
    std::string Text;
    for (const std::string& Teil : Teile)
      Text += (Text.empty() ? "" : ", ") + Teil;
    return Text;
  };
  if (!Gelesen.Andere.empty())
    Ergebnis.Befunde.push_back(
        {false, Ersetzt("gleich gut passt auch %1: welche Nummer gemeint ist, sagt die Zeile nicht; ausgewertet ist "
                        "die erste"_cp1252,
                        {Verbunden(Gelesen.Andere)})});
  if (!Gelesen.Weitere.empty())
    Ergebnis.Befunde.push_back({false, Ersetzt("nicht Teil der Nummer: %1", {Verbunden(Gelesen.Weitere)})});
}

// Die Laender einer nationalen Loknummer: aus Laenderkuerzel oder Halter, sonst aus den
// Gattungszeichen vor einer Reihe, die nur ein Land fuehrt ("Re 460"); leer, wenn nichts dasteht.
std::vector<std::string> NationalLaender(const TWissen& Wissen, const TAnschrift& Anschrift, bool DrSchreibweise)
{
  std::vector<std::string> Laender;
  const auto Dazu = [&](std::string_view Kuerzel) {
    if (const auto Treffer = Wissen.Kennzeichen.NummernZuKuerzel.find(Kuerzel);
        Treffer != Wissen.Kennzeichen.NummernZuKuerzel.end())
      for (const std::string_view Land : Treffer->second)
        Laender.emplace_back(Land);
  };
  Dazu(Anschrift.Laenderkuerzel);
  if (const THalter* Halter = Anschrift.Halter.empty() ? nullptr : Wissen.Kennzeichen.HalterZu(Anschrift.Halter);
      Halter && Laender.empty())
    for (const std::string_view Land : Halter->Laenderliste)
      Dazu(Land);
  for (const auto& [Schluessel, Reihe] : Wissen.Kennzeichen.Baureihennamen)
    if (Laender.empty() && !Anschrift.Gattungszeichen.empty() &&
        Reihe.Name.starts_with(Anschrift.Gattungszeichen + " "))
      Laender.emplace_back(Schluessel.substr(0, 2));
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
    Ergebnis.Zeilen.emplace_back(
        Laender.size() == 1 || !Name ? Lok.ReiheWort : Ersetzt("%1 (%2)", {Lok.ReiheWort, Name->Name}), Lok.Baureihe);
  }
}

// Die zwoelfstelligen Nummern je Land und die Konvention, nach der die angeschriebene Pruefziffer
// stimmt: die eigene Regel (nur ueber die Ziffern der Reihe und Ordnungsnummer) oder die
// Pruefziffer der zwoelfstelligen Nummer, die viele Bahnen auch kurz anschreiben.
void NationalPruefen(const TWissen& Wissen, const std::string& Ziffern, const std::vector<std::string>& Laender,
                     bool Angeschrieben, TErgebnis& Ergebnis)
{
  std::vector<std::pair<std::string, std::string>> Umgerechnet;  // Land, zwoelfstellige Nummer
  for (const std::string& Land : Laender)
    for (std::string& Zwoelf : ZwoelfMoeglich(Wissen.Kennzeichen, Land, Ziffern))
      Umgerechnet.emplace_back(Land, std::move(Zwoelf));
  const std::string Eigene = Pruefziffer(Ziffern);
  const auto Passend = std::find_if(Umgerechnet.begin(), Umgerechnet.end(),
                                    [&](const auto& U) { return U.second.substr(11) == Ergebnis.Angeschrieben; });
  const bool EigenePasst = Eigene == Ergebnis.Angeschrieben;
  const bool Falsch = !EigenePasst && Passend == Umgerechnet.end();
  Ergebnis.Berechnet = EigenePasst || Falsch ? Eigene : Ergebnis.Angeschrieben;
  Ergebnis.Urteil = Falsch ? TUrteil::Falsch : TUrteil::Korrekt;
  Ergebnis.Ziffern = Ziffern + Ergebnis.Angeschrieben;
  Ergebnis.Kopf =
      Falsch        ? Ersetzt("nationale Triebfahrzeugnummer, Prüfziffer %1: falsch – richtig wäre %2"_cp1252,
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
  for (const auto& [Land, Zwoelf] : Umgerechnet) {
    const TLand* Name = Wissen.Kennzeichen.Land(Land);
    const std::string Wo = Angeschrieben || !Name ? "" : "als Nummer aus " + std::string(Name->Name) + " ";
    const std::string Wie = NationalMitZwoelfPruefziffer(Wissen.Kennzeichen, Zwoelf)
                                ? "(die Reihe trägt auch kurz diese Prüfziffer)"_cp1252
                            : Zwoelf.substr(11) == Ergebnis.Angeschrieben && !EigenePasst
                                ? "(ihre Prüfziffer ist die angeschriebene)"_cp1252
                            : Zwoelf.substr(11) == Eigene
                                ? "(dieselbe Prüfziffer)"_cp1252
                                : "(andere Prüfziffer, beide richtig: die nationale rechnet nur über ihre eigenen "
                                  "Ziffern)"_cp1252;
    Ergebnis.Befunde.push_back({false, Ersetzt("zwölfstellig %1%2 %3"_cp1252, {Wo, NummerGegliedert(Zwoelf), Wie})});
  }
  ReiheNennen(Wissen, Umgerechnet, Ergebnis);
  if (Umgerechnet.empty())
    Ergebnis.Befunde.push_back({false,
                                "die zwölfstellige Nummer lässt sich nicht bestimmen: für diese Reihe "
                                "ist keine Umrechnung hinterlegt"_cp1252});
  else if (!Angeschrieben && Umgerechnet.size() > 1)
    Ergebnis.Befunde.push_back({false,
                                "Land nicht angeschrieben: die Umrechnung steht für jedes Land, dessen "
                                "Schema passt (mit D-DB, A-ÖBB, CH-SBB oder CZ-CD nur die eine)"_cp1252});
}

// Eine nationale Loknummer: ihre eigene Pruefziffer und die zwoelfstelligen Nummern, wo das Land
// (angeschrieben, oder jedes, dessen Tabellen passen) sie bestimmt.
TErgebnis NationalAuswerten(const TWissen& Wissen, const std::string& Eingabe, const TGelesen& Gelesen)
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
  const TAnschrift Anschrift = AnschriftLesen(Gelesen.Woerter, Wissen.Kennzeichen);
  std::vector<std::string> Laender = NationalLaender(Wissen, Anschrift, DrSchreibweise);
  const bool Angeschrieben = !Laender.empty();
  if (!Angeschrieben)
    Laender = LaenderFuerNational(Wissen.Kennzeichen, Ziffern);
  UmgebungNennen(Gelesen, Ergebnis);
  NationalPruefen(Wissen, Ziffern, Laender, Angeschrieben, Ergebnis);
  if (Ergebnis.Befunde.back().Text.starts_with("die zwölfstellige"_cp1252) && Angeschrieben)
    Ergebnis.Befunde.back().Text += DrSchreibweise && Anschrift.Leer()
                                        ? " (in Deutschland, wie die Schreibweise der DR sagt)"
                                        : " (im angeschriebenen Land)";
  return Ergebnis;
}

// Eine nationale Nummer ohne Pruefziffer: Reihe und Ordnungsnummer; sind es Ziffern, die
// Pruefziffer nach eigener Regel und die zwoelfstelligen Nummern, die die Tabellen nennen.
TErgebnis OhnePruefzifferAuswerten(const TWissen& Wissen, const std::string& Eingabe, const TGelesen& Gelesen)
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
  const std::string Ziffern = Gelesen.Reihe + Gelesen.Ordnungsnummer;
  const bool Zahl = std::all_of(Ziffern.begin(), Ziffern.end(), [](char Z) { return Z >= '0' && Z <= '9'; });
  if (!Zahl || (Ziffern.size() != 6 && Ziffern.size() != 7) || !Wissen.MitKennzeichen)
    return Ergebnis;
  Ergebnis.Berechnet = Pruefziffer(Ziffern);
  Ergebnis.Befunde.push_back({false, Ersetzt("mit Prüfziffer nach eigener Regel: %1"_cp1252,
                                             {NationalGegliedert(Ziffern, Ergebnis.Berechnet)})});
  const TAnschrift Anschrift = AnschriftLesen(Gelesen.Woerter, Wissen.Kennzeichen);
  std::vector<std::string> Laender = NationalLaender(Wissen, Anschrift, false);
  if (Laender.empty())
    Laender = LaenderFuerNational(Wissen.Kennzeichen, Ziffern);
  for (const std::string& Land : Laender)
    for (const std::string& Zwoelf : ZwoelfMoeglich(Wissen.Kennzeichen, Land, Ziffern))
      Ergebnis.Befunde.push_back({false, Ersetzt("zwölfstellig vielleicht %1"_cp1252, {NummerGegliedert(Zwoelf)})});
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
  return UnbrauchbarWeil(InAnfuehrung(Anfang), InAnfuehrung(Anfang) + " ist länger als "_cp1252 +
                                                   std::to_string(ZeilenHoechstlaenge) + " Zeichen");
}

TErgebnis Auswerten(const TWissen& Wissen, const std::string& Eingabe, const TGelesen& Gelesen, bool Erklaeren)
{
  if (!Gelesen.Fehler.empty()) {
    if (const TFsNummer Fs = FsNummerLesen(Gelesen.Fs); !Fs.Art.empty() && !Gelesen.PruefzifferAbgesetzt)
      return FsAuswerten(Wissen, Eingabe, Fs);
    if (!Gelesen.Ordnungsnummer.empty())
      return OhnePruefzifferAuswerten(Wissen, Eingabe, Gelesen);
    return IstNationaleNummer(Gelesen.Ziffern, Gelesen.PruefzifferAbgesetzt) && Wissen.MitKennzeichen
               ? NationalAuswerten(Wissen, Eingabe, Gelesen)
               : UnbrauchbarWeil(Eingabe, Gelesen.Fehler);
  }
  TErgebnis Ergebnis;
  Ergebnis.Eingabe = Eingabe;
  const std::string& Ziffern = Gelesen.Ziffern;
  TAnschrift Anschrift = AnschriftLesen(Gelesen.Woerter, Wissen.Kennzeichen);
  Anschrift.Bauart = Gelesen.Bauart;
  for (const std::string& Hinweis : Gelesen.Hinweise)
    Ergebnis.Befunde.push_back({false, Hinweis});
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
  Ergebnis.Kopf = "Prüfziffer "_cp1252 +
                  (Ergebnis.Angeschrieben.empty() ? Ergebnis.Berechnet : Ergebnis.Angeschrieben) +
                  (Ergebnis.Angeschrieben.empty() ? ""
                   : Falsch                       ? ": falsch – richtig wäre "_cp1252 + Ergebnis.Berechnet
                                                  : ": korrekt");
  if (Wissen.MitDaten)
    Angaben(Wissen, Elf, Ergebnis);
  AnschriftPruefen(Wissen, Elf, Anschrift, Ergebnis);
  if (Falsch) {
    Reparieren(Wissen, Ziffern, Anschrift, Ergebnis);
  } else if (!Ergebnis.Angeschrieben.empty()) {
    for (const std::string& Andere : UnsichtbareTausche(Ziffern))
      Ergebnis.Befunde.push_back(
          {false, "auch " + NummerGegliedert(Andere) +
                      " hat diese Prüfziffer: benachbarte 0 und 9 vertauscht sieht sie nicht"_cp1252});
  }
  return Ergebnis;
}

TErgebnis Auswerten(const TWissen& Wissen, TEingabeText Text, bool Erklaeren)
{
  if (!Text.Fehler.empty())
    return UnbrauchbarWeil(std::move(Text.Text), std::move(Text.Fehler));
  TErgebnis Ergebnis = Auswerten(Wissen, Text.Text, NummerAusText(Text.Text), Erklaeren);
  std::vector<TBefund> Befunde;
  for (std::string& Hinweis : Text.Hinweise)
    Befunde.push_back({false, std::move(Hinweis)});
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
  for (const std::string* Teil : {&Vorschlag.Aenderung, &Vorschlag.Deutung, &Vorschlag.Grund})
    if (!Teil->empty())
      Text += (Text.ends_with("  ") ? "" : "; ") + *Teil;
  return Text;
}

std::string BefundText(const TBefund& Befund)
{
  return (Befund.Abweichung ? "Abweichung: " : "Hinweis: ") + Befund.Text;
}

TErgebnis ZelleAuswerten(const TWissen& Wissen, std::string_view Bytes, TKennung Kennung, bool Erklaeren)
{
  constexpr std::size_t Anfang = 60;  // so viel zeigt die Meldung
  if (ZeichenAnfang(Bytes, Kennung, ZeilenHoechstlaenge) < Bytes.size())
    return ZeileZuLang(EingabeUmsetzen(Bytes.substr(0, ZeichenAnfang(Bytes, Kennung, Anfang)), Kennung).Text);
  return Auswerten(Wissen, EingabeUmsetzen(Bytes, Kennung), Erklaeren);
}

TErgebnis ZelleAuswerten(const TWissen& Wissen, std::string_view Bytes, TKennung Kennung, bool Erklaeren, bool AlsZahl)
{
  TErgebnis Ergebnis = ZelleAuswerten(Wissen, Bytes, Kennung, Erklaeren);
  const std::string Ziffern = OhneRand(Bytes);
  if (!AlsZahl || !Ergebnis.Meldung.empty() || Ziffern.size() != 11 || !NurZiffern(Ziffern))
    return Ergebnis;
  const std::string Zwoelf = "0" + Ziffern;
  const bool Passt = Pruefziffer(Zwoelf.substr(0, 11)) == Zwoelf.substr(11);
  Ergebnis.Befunde.insert(
      Ergebnis.Befunde.begin(),
      {true, Ersetzt("die Zelle ist in der Arbeitsmappe als Zahl gespeichert; eine führende Null fehlt vermutlich, "
                     "mit ihr hieße die Nummer %1 (Prüfziffer %2) – in der Tabellenkalkulation die Spalte als Text "
                     "formatieren und die Nummer mit der Null eingeben"_cp1252,
                     {NummerGegliedert(Zwoelf), Passt ? "korrekt" : "falsch"})});
  ++Ergebnis.Abweichungen;
  return Ergebnis;
}

TErgebnis ZelleAuswerten(const TWissen& Wissen, const TListe& Tabelle, std::size_t Zeile, std::size_t Spalte,
                         bool Erklaeren)
{
  const TFelder& Felder = Tabelle.Zeilen.at(Zeile);
  const std::string_view Zelle = Spalte < Felder.size() ? std::string_view(Felder[Spalte]) : std::string_view();
  return ZelleAuswerten(Wissen, Zelle, Tabelle.Kennung, Erklaeren, AlsZahl(Tabelle, Zeile, Spalte));
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

std::vector<std::pair<std::string, std::string>> AlleAngaben(const TErgebnis& Ergebnis)
{
  std::vector<std::pair<std::string, std::string>> Angaben = Ergebnis.Zeilen;
  if (!Ergebnis.Halter.empty())
    Angaben.emplace_back("Halter", Ergebnis.Halter);
  for (const TBefund& Befund : Ergebnis.Befunde)
    Angaben.emplace_back(Befund.Abweichung ? "Abweichung" : "Hinweis", Befund.Text);
  return Angaben;
}
