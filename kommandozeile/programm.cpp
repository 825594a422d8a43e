#include "kommandozeile/programm.h"

#include "auswertung/auswertung.h"
#include "kommandozeile/ausgabe.h"
#include "kommandozeile/liste_ausgabe.h"
#include "kommandozeile/listenleser.h"
#include "kommandozeile/optionen.h"
#include "kommandozeile/pfad.h"

#include "auswertung/eingabe.h"
#include "kennzeichen/kennzeichen.h"
#include "nummer/stammdaten.h"
#include "version.h"
#include "zeichen/zeichensatz.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <istream>
#include <ostream>

// Texte dieser Datei: UTF-8, wie sie auf stderr erscheinen.

namespace {

// Meldung mit der Ursache, wie sie das System nennt.
std::string MitUrsache(const std::string& Was, int Fehlernummer)
{
  return "wagennummer: " + Was + (Fehlernummer != 0 ? std::string(": ") + std::strerror(Fehlernummer) : "") + "\n";
}

// Ein Argument oder Dateiname fuer eine Meldung auf stderr: UTF-8, Steuerzeichen sichtbar.
std::string FuerMeldung(const std::string& Argument)
{
  return Cp1252NachUtf8(Sichtbar(NachCp1252(Argument, TKennung::Keine)));
}

int Status(const TErgebnis& Ergebnis, bool Streng)
{
  if (!Ergebnis.Meldung.empty())
    return StatusUnbrauchbar;
  return Ergebnis.Urteil == "falsch" || (Streng && Ergebnis.Abweichungen > 0) ? StatusFalsch : StatusGut;
}

// Jedes Argument einmal gelesen. Ohne Anfuehrungszeichen zerlegt die Shell eine Nummer in
// Teile: ist keines fuer sich eine Nummer, aber alle zusammen, gilt das Ganze.
std::vector<TErgebnis> NummernAusArgumenten(const TWissen& Wissen, const std::vector<std::string>& Nummern,
                                            bool Erklaeren)
{
  std::vector<TErgebnis> Ergebnisse;
  Ergebnisse.reserve(Nummern.size());
  for (const std::string& Nummer : Nummern)
    Ergebnisse.push_back(Auswerten(Wissen, EingabeUmsetzen(Nummer, TKennung::Keine), Erklaeren));
  const bool KeinesAllein = std::none_of(Ergebnisse.begin(), Ergebnisse.end(),
                                         [](const TErgebnis& Ergebnis) { return Ergebnis.Meldung.empty(); });
  if (Ergebnisse.size() > 1 && KeinesAllein) {
    std::string Ganz;
    for (const std::string& Nummer : Nummern)
      Ganz += (Ganz.empty() ? "" : " ") + Nummer;
    if (TErgebnis Ganzes = Auswerten(Wissen, EingabeUmsetzen(Ganz, TKennung::Keine), Erklaeren); Ganzes.Meldung.empty())
      return {std::move(Ganzes)};
  }
  return Ergebnisse;
}

int Ausfuehren(const std::vector<std::string>& Argumente, std::istream& Ein, std::ostream& Aus, std::ostream& Fehler)
{
  const TOptionen Optionen = OptionenLesen(Argumente);
  if (Optionen.Hilfe || Optionen.Version) {
    Aus << (Optionen.Hilfe ? HilfeText : "wagennummer (Tandrix) " TANDRIX_VERSION "\n");
    return StatusGut;
  }
  if (Optionen.Fehler) {
    Fehler << "wagennummer: unbekannte oder unvollständige Option: " << FuerMeldung(*Optionen.Fehler)
           << "\nMehr mit: wagennummer --hilfe\n";
    return StatusUnbrauchbar;
  }

  const TLadeErgebnis Geladen = Optionen.Daten ? LadeStammdaten(PfadAusUtf8(*Optionen.Daten)) : LadeStammdaten();
  const bool MitDaten = Geladen.Version != VersionFehlt;
  if (!MitDaten && Optionen.Daten) {
    Fehler << "wagennummer: Datendatei „" << FuerMeldung(*Optionen.Daten) << "“ nicht lesbar oder ohne Version\n";
    return StatusUnbrauchbar;
  }
  if (!MitDaten)
    Fehler << "wagennummer: Wagen.ebb nicht gefunden oder ohne Version; es erscheinen nur die Prüfziffern, "
              "keine Angaben zum Wagen.\n";
  const TKennzeichen Kennzeichen =
      Optionen.Kennzeichen ? LadeKennzeichen(PfadAusUtf8(*Optionen.Kennzeichen)) : LadeKennzeichen();
  const bool MitKennzeichen = Kennzeichen.Version != VersionFehlt;
  if (!MitKennzeichen && Optionen.Kennzeichen) {
    Fehler << "wagennummer: Kennzeichendatei „" << FuerMeldung(*Optionen.Kennzeichen)
           << "“ nicht lesbar oder ohne Version\n";
    return StatusUnbrauchbar;
  }
  if (!MitKennzeichen)
    Fehler << "wagennummer: Kennzeichen.ebb nicht gefunden oder ohne Version; Länderkürzel, Halter und "
              "Baureihen werden nicht gelesen.\n";

  const TWissen Wissen{Geladen.Stammdaten, Kennzeichen, MitDaten, MitKennzeichen};
  if (Optionen.Frei)
    return FreieAusgeben(Wissen, Optionen, Ein, Aus, Fehler);
  if (Optionen.Spalte)
    return SpaltenAuswerten(Wissen, Optionen, Ein, Aus, Fehler);
  TAusgabe Ausgabe(Optionen.Csv, Optionen.Utf8, Aus);
  Ausgabe.Kopf();
  int Gesamt = StatusGut;
  const auto Melden = [&](const TErgebnis& Ergebnis) {
    Ausgabe.Schreibe(Ergebnis);
    Gesamt = std::max(Gesamt, Status(Ergebnis, Optionen.Streng));
  };
  // Ist die Ausgabe kaputt (voll, geschlossen, Leser weg), lohnt keine weitere Zeile.
  if (!Optionen.Nummern.empty()) {
    for (const TErgebnis& Ergebnis : NummernAusArgumenten(Wissen, Optionen.Nummern, Optionen.Erklaeren))
      if (Aus)
        Melden(Ergebnis);
    return Gesamt;
  }
  TListenLeser Leser(Ein);
  TDoppelSuche Doppelte;
  std::size_t Zeilennummer = 0;
  while (Aus) {
    const auto Zeile = Leser.Naechste();
    if (!Zeile)
      break;
    ++Zeilennummer;
    TEingabeText Text = EingabeUmsetzen(Zeile->Bytes, Zeile->Kennung);
    if (Zeile->ZuLang) {
      Melden(ZeileZuLang(Text.Text));
      continue;
    }
    const auto Anfang = Text.Text.find_first_not_of(" \t");
    if (Anfang != std::string::npos && Text.Text[Anfang] != '#') {
      TErgebnis Ergebnis = Auswerten(Wissen, std::move(Text), Optionen.Erklaeren);
      if (const TDoppelt Doppelt = Doppelte.Anmelden(Zeilennummer, SchluesselVon(Ergebnis));
          Doppelt.Art != TDoppelArt::Keine)
        Ergebnis.Befunde.push_back({false, DoppelText(Doppelt)});
      Melden(Ergebnis);
    }
  }
  if (Ein.bad()) {
    Fehler << MitUrsache("Lesefehler", errno);
    return StatusEinAusgabe;
  }
  return Gesamt;
}

}  // namespace

int Wagennummer(const std::vector<std::string>& Argumente, std::istream& Ein, std::ostream& Aus, std::ostream& Fehler)
{
  errno = 0;
  const int Status = Ausfuehren(Argumente, Ein, Aus, Fehler);
  // Wie die coreutils: erst nach dem Leeren des Puffers steht fest, ob alles angekommen ist.
  if (Aus.good())
    Aus.flush();
  if (!Aus.good()) {
    Fehler << MitUrsache("Schreibfehler, die Ausgabe ist unvollständig", errno);
    return StatusEinAusgabe;
  }
  return Status;
}
