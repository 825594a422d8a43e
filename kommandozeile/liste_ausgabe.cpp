#include "kommandozeile/liste_ausgabe.h"

#include "kommandozeile/ausgabe.h"
#include "kommandozeile/listenleser.h"
#include "kommandozeile/programm.h"

#include "nummer/eingabe.h"
#include "nummer/zeichensatz.h"

#include <algorithm>
#include <istream>
#include <iterator>
#include <ostream>
#include <sstream>

// Texte dieser Datei: UTF-8 im Quelltext; was in Ergebnisse geht, als Windows-1252 ueber _cp1252.

namespace {

int Status(const TErgebnis& Ergebnis, bool Streng)
{
  if (!Ergebnis.Meldung.empty())
    return StatusUnbrauchbar;
  return Ergebnis.Urteil == "falsch" || (Streng && Ergebnis.Abweichungen > 0) ? StatusFalsch : StatusGut;
}

std::string Ziffern(const std::string& Text)
{
  std::string Ergebnis;
  std::copy_if(Text.begin(), Text.end(), std::back_inserter(Ergebnis), [](char Z) { return Z >= '0' && Z <= '9'; });
  return Ergebnis;
}

// Die Nummernzelle einer Zeile, ausgewertet wie eine Zeile von wagennummer.
TErgebnis ZelleAuswerten(const TWissen& Wissen, const std::string& Zelle, TKennung Kennung, bool Erklaeren)
{
  TEingabeText Text = EingabeUmsetzen(Zelle, Kennung);
  if (UnicodeZeichen(Zelle, Kennung).size() > ZeilenHoechstlaenge)
    return ZeileZuLang(Text.Text.substr(0, 60));
  return Auswerten(Wissen, std::move(Text), Erklaeren);
}

struct TAusgewertet {
  TListe Tabelle;
  std::vector<TErgebnis> Ergebnisse;
};

// Eingabe als Tabelle, jede Zeile ausgewertet und die Doppelten als Hinweis angehaengt.
std::optional<TAusgewertet> ListeAuswerten(const TWissen& Wissen, const TOptionen& Optionen, std::istream& Ein,
                                           std::ostream& Fehler, int& Fehlerstatus)
{
  const std::string Alles{std::istreambuf_iterator<char>(Ein), std::istreambuf_iterator<char>()};
  if (Ein.bad()) {
    Fehler << "wagennummer: Lesefehler\n";
    Fehlerstatus = StatusEinAusgabe;
    return std::nullopt;
  }
  TLeseVorgabe Vorgabe;
  Vorgabe.Spalte = Optionen.Spalte;
  TListenErgebnis Gelesen = ListeLesen(Alles, Vorgabe);
  if (!Gelesen.Fehler.empty()) {
    Fehler << "wagennummer: " << Cp1252NachUtf8(Sichtbar(Gelesen.Fehler)) << "\n";
    Fehlerstatus = StatusUnbrauchbar;
    return std::nullopt;
  }
  TAusgewertet Liste{std::move(Gelesen.Tabelle), {}};
  const TListe& Tabelle = Liste.Tabelle;
  std::vector<TSchluessel> Schluessel;
  for (const TFelder& Zeile : Tabelle.Zeilen) {
    const std::string Zelle = Tabelle.Nummernspalte < Zeile.size() ? Zeile[Tabelle.Nummernspalte] : std::string();
    Liste.Ergebnisse.push_back(ZelleAuswerten(Wissen, Zelle, Tabelle.Kennung, Optionen.Erklaeren));
    Schluessel.push_back(SchluesselVon(Liste.Ergebnisse.back()));
  }
  // Zeilen wie in der Tabellenkalkulation gezaehlt: ab 1, die Kopfzeile mit.
  const std::size_t Versatz = Tabelle.MitKopf ? 2 : 1;
  std::vector<TDoppelt> Doppelte = DoppelteFinden(Schluessel);
  for (std::size_t I = 0; I < Doppelte.size(); ++I)
    if (Doppelte[I].Art != TDoppelArt::Keine) {
      Doppelte[I].Andere += Versatz;
      Liste.Ergebnisse[I].Befunde.push_back({false, DoppelText(Doppelte[I])});
    }
  return Liste;
}

}  // namespace

TSchluessel SchluesselVon(const TErgebnis& Ergebnis)
{
  if (!Ergebnis.Meldung.empty() || Ergebnis.Berechnet.empty())
    return {};
  return {Ziffern(Ergebnis.Nummer), Ergebnis.Eingabe};
}

int SpaltenAuswerten(const TWissen& Wissen, const TOptionen& Optionen, std::istream& Ein, std::ostream& Aus,
                     std::ostream& Fehler)
{
  int Gesamt = StatusGut;
  const std::optional<TAusgewertet> Liste = ListeAuswerten(Wissen, Optionen, Ein, Fehler, Gesamt);
  if (!Liste)
    return Gesamt;
  const TListe& Tabelle = Liste->Tabelle;
  const auto Text = [&](const std::string& Cp1252) { Aus << (Optionen.Utf8 ? Cp1252NachUtf8(Cp1252) : Cp1252); };
  // Die Spalten des Benutzers, auf die breiteste Zeile aufgefuellt, damit jede Zeile gleich
  // viele Felder hat.
  const auto Benutzerspalten = [&](const TFelder& Zeile, bool Kopf) {
    std::string Felder;
    for (std::size_t Spalte = 0; Spalte < Tabelle.Spalten; ++Spalte) {
      const std::string Zelle = Spalte < Zeile.size() ? ZelleText(Zeile[Spalte], Tabelle.Kennung)
                                : Kopf                ? "Spalte " + std::to_string(Spalte + 1)
                                                      : std::string();
      Felder += CsvFeld(Sichtbar(Zelle)) + ";";
    }
    return Felder;
  };
  if (Optionen.Csv) {
    if (Optionen.Utf8)
      Aus << "\357\273\277";
    Text(Benutzerspalten(Tabelle.Kopf, true));
    std::ostringstream Kopf;
    TAusgabe(true, false, Kopf).Kopf();
    Text(Kopf.str());
  }
  for (std::size_t I = 0; I < Tabelle.Zeilen.size() && Aus; ++I) {
    TErgebnis Ergebnis = Liste->Ergebnisse[I];
    Gesamt = std::max(Gesamt, Status(Ergebnis, Optionen.Streng));
    if (Optionen.Csv) {
      Text(Benutzerspalten(Tabelle.Zeilen[I], false));
      TAusgabe(true, Optionen.Utf8, Aus).Schreibe(Ergebnis);
      continue;
    }
    std::string Zeile;
    for (const std::string& Zelle : Tabelle.Zeilen[I])
      Zeile += (Zeile.empty() ? "" : " | ") + ZelleText(Zelle, Tabelle.Kennung);
    if (Ergebnis.Meldung.empty())
      Ergebnis.Zeilen.insert(Ergebnis.Zeilen.begin(),
                             {"Zeile " + std::to_string(I + (Tabelle.MitKopf ? 2 : 1)), Zeile});
    TAusgabe(false, true, Aus).Schreibe(Ergebnis);
  }
  return Gesamt;
}

int FreieAusgeben(const TWissen& Wissen, const TOptionen& Optionen, std::istream& Ein, std::ostream& Aus,
                  std::ostream& Fehler)
{
  TFreiAuftrag Auftrag;
  const std::string& Anzahl = Optionen.Frei->second;
  std::string Meldung = FreiAuftragLesen(NachCp1252(Optionen.Frei->first, TKennung::Keine), Auftrag);
  if (Meldung.empty() && (Anzahl.empty() || Anzahl.size() > 4 || Ziffern(Anzahl) != Anzahl || std::stoul(Anzahl) == 0 ||
                          std::stoul(Anzahl) > 1000))
    Meldung = "Anzahl „"_cp1252 + Anzahl + "“: 1 bis 1000"_cp1252;
  if (!Meldung.empty()) {
    Fehler << "wagennummer: " << Cp1252NachUtf8(Sichtbar(Meldung)) << "\n";
    return StatusUnbrauchbar;
  }
  Auftrag.Anzahl = std::stoul(Anzahl);
  std::vector<std::string> Belegt;
  for (const std::string& Nummer : Optionen.Nummern)
    Belegt.push_back(Ziffern(Auswerten(Wissen, EingabeUmsetzen(Nummer, TKennung::Keine), false).Nummer));
  if (Optionen.Spalte) {
    int Fehlerstatus = StatusGut;
    const std::optional<TAusgewertet> Liste = ListeAuswerten(Wissen, Optionen, Ein, Fehler, Fehlerstatus);
    if (!Liste)
      return Fehlerstatus;
    for (const TErgebnis& Ergebnis : Liste->Ergebnisse)
      Belegt.push_back(SchluesselVon(Ergebnis).Zwoelf);
  }
  const std::vector<std::string> Freie = FreieNummern(Auftrag, Belegt);
  for (const std::string& Nummer : Freie)
    Aus << NummerGegliedert(Nummer) << "\n";
  if (Freie.size() < Auftrag.Anzahl)
    Fehler << "wagennummer: nur " << Freie.size() << " freie Nummern in dieser Reihe\n";
  return Freie.size() < Auftrag.Anzahl ? StatusFalsch : StatusGut;
}
