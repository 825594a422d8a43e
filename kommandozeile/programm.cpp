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
#include <fstream>
#include <istream>
#include <optional>
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

// Beide Datendateien, mit Meldung, wo eine fehlt; nullopt, wenn eine genannte nicht taugt.
struct TGeladen {
  TLadeErgebnis Stammdaten;
  TKennzeichen Kennzeichen;
  TWissen Wissen() const
  {
    return {Stammdaten.Stammdaten, Kennzeichen, Stammdaten.Version != VersionFehlt,
            Kennzeichen.Version != VersionFehlt};
  }
};
std::optional<TGeladen> WissenLaden(const TOptionen& Optionen, std::ostream& Fehler)
{
  TGeladen Geladen{Optionen.Daten ? LadeStammdaten(PfadAusUtf8(*Optionen.Daten)) : LadeStammdaten(),
                   Optionen.Kennzeichen ? LadeKennzeichen(PfadAusUtf8(*Optionen.Kennzeichen)) : LadeKennzeichen()};
  const TWissen Wissen = Geladen.Wissen();
  if (!Wissen.MitDaten && Optionen.Daten) {
    Fehler << "wagennummer: Datendatei „" << FuerMeldung(*Optionen.Daten) << "“ nicht lesbar oder ohne Version\n";
    return std::nullopt;
  }
  if (!Wissen.MitDaten)
    Fehler << "wagennummer: Wagen.ebb nicht gefunden oder ohne Version; es erscheinen nur die Prüfziffern, keine "
              "Angaben zum Wagen.\n";
  if (!Wissen.MitKennzeichen && Optionen.Kennzeichen) {
    Fehler << "wagennummer: Kennzeichendatei „" << FuerMeldung(*Optionen.Kennzeichen)
           << "“ nicht lesbar oder ohne Version\n";
    return std::nullopt;
  }
  if (!Wissen.MitKennzeichen)
    Fehler << "wagennummer: Kennzeichen.ebb nicht gefunden oder ohne Version; Länderkürzel, Halter und Baureihen "
              "werden nicht gelesen.\n";
  return Geladen;
}

// Eine Nummer je Zeile der Standardeingabe; Zeilen mit '#' vorn sind Kommentare.
int ZeilenAuswerten(const TWissen& Wissen, const TOptionen& Optionen, std::istream& Ein, std::ostream& Aus,
                    std::ostream& Fehler)
{
  TAusgabe Ausgabe(Optionen.Csv, Optionen.Utf8, Aus);
  Ausgabe.Kopf();
  int Gesamt = StatusGut;
  TListenLeser Leser(Ein);
  TDoppelSuche Doppelte;
  std::size_t Zeilennummer = 0;
  // Ist die Ausgabe kaputt (voll, geschlossen, Leser weg), lohnt keine weitere Zeile.
  for (auto Zeile = Leser.Naechste(); Aus && Zeile; Zeile = Aus ? Leser.Naechste() : std::nullopt) {
    ++Zeilennummer;
    TEingabeText Text = EingabeUmsetzen(Zeile->Bytes, Zeile->Kennung);
    const auto Anfang = Text.Text.find_first_not_of(" \t");
    if (!Zeile->ZuLang && (Anfang == std::string::npos || Text.Text[Anfang] == '#'))
      continue;
    TErgebnis Ergebnis =
        Zeile->ZuLang ? ZeileZuLang(Text.Text) : Auswerten(Wissen, std::move(Text), Optionen.Erklaeren);
    if (const TDoppelt Doppelt = Doppelte.Anmelden(Zeilennummer, SchluesselVon(Ergebnis));
        Doppelt.Art != TDoppelArt::Keine)
      Ergebnis.Befunde.push_back(HinweisBefund(TBezug::Doppelt, DoppelText(Doppelt)));
    Ausgabe.Schreibe(Ergebnis);
    Gesamt = std::max(Gesamt, Status(Ergebnis, Optionen.Streng));
  }
  if (Ein.bad()) {
    Fehler << MitUrsache("Lesefehler", errno);
    return StatusEinAusgabe;
  }
  return Gesamt;
}

// So gross darf eine Arbeitsmappe sein, die ganz gelesen werden muss (wie im Fenster).
constexpr std::size_t MappeHoechstensBytes = std::size_t{64} << 20;

// Die Liste aus --liste DATEI oder der Standardeingabe: eine Arbeitsmappe ganz gelesen (Mappe),
// Text zum stueckweisen Lesen (Text); oder ein Status, wenn es nicht weitergeht.
struct TListenQuelle {
  std::ifstream Datei;
  std::optional<TVorlauf> Vorlauf;
  std::optional<std::istream> Text;
  std::optional<TListenErgebnis> Mappe;
  std::optional<int> Status;
};

void ListeOeffnen(const TOptionen& Optionen, std::istream& Ein, std::ostream& Fehler, TListenQuelle& Quelle)
{
  std::istream* Strom = &Ein;
  const std::string Name = Optionen.Liste ? "„" + FuerMeldung(*Optionen.Liste) + "“" : "Standardeingabe";
  if (Optionen.Liste) {
    Quelle.Datei.open(PfadAusUtf8(*Optionen.Liste), std::ios::binary);
    if (!Quelle.Datei) {
      Fehler << MitUrsache("Liste " + Name + " nicht lesbar", errno);
      Quelle.Status = StatusUnbrauchbar;
      return;
    }
    Strom = &Quelle.Datei;
  }
  Quelle.Vorlauf.emplace(*Strom);
  if (!Quelle.Vorlauf->Mappe()) {
    if (Optionen.Blatt)
      Fehler << "wagennummer: --blatt gilt nur für Arbeitsmappen; " << Name << " ist Text\n";
    Quelle.Text.emplace(&*Quelle.Vorlauf);
    return;
  }
  std::string Bytes;
  if (!Quelle.Vorlauf->Alles(Bytes, MappeHoechstensBytes)) {
    Fehler << (Strom->bad() ? MitUrsache("Lesefehler in " + Name, errno)
                            : "wagennummer: " + Name + ": die Arbeitsmappe ist größer als 64 MB\n");
    Quelle.Status = Strom->bad() ? StatusEinAusgabe : StatusUnbrauchbar;
    return;
  }
  TLeseVorgabe Vorgabe;
  Vorgabe.Spalte = Optionen.Spalte;
  Vorgabe.Blatt = Optionen.Blatt;
  Quelle.Mappe = DateiLesen(Bytes, Vorgabe);
  if (!Quelle.Mappe->Fehler.empty()) {
    Fehler << "wagennummer: " << Name << ": " << Cp1252NachUtf8(Sichtbar(Quelle.Mappe->Fehler)) << "\n";
    Quelle.Status = StatusUnbrauchbar;
  }
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
  const std::optional<TGeladen> Geladen = WissenLaden(Optionen, Fehler);
  if (!Geladen)
    return StatusUnbrauchbar;
  const TWissen Wissen = Geladen->Wissen();
  if (Optionen.Liste && !Optionen.Nummern.empty() && !Optionen.Frei) {
    Fehler << "wagennummer: --liste und Nummern als Argumente zugleich; bitte nur eines\n";
    return StatusUnbrauchbar;
  }
  // Gelesen wird die Liste nur, wenn sie gebraucht wird: mit Nummern als Argumenten nicht.
  const bool MitListe = Optionen.Liste || Optionen.Spalte || (Optionen.Nummern.empty() && !Optionen.Frei);
  TListenQuelle Quelle;
  if (MitListe)
    ListeOeffnen(Optionen, Ein, Fehler, Quelle);
  if (Quelle.Status)
    return *Quelle.Status;
  std::istream& Text = Quelle.Text ? *Quelle.Text : Ein;
  const TListenEingabe Eingabe{Text, Quelle.Mappe ? &*Quelle.Mappe : nullptr};
  if (Optionen.Frei)
    return FreieAusgeben(Wissen, Optionen, Eingabe, Aus, Fehler);
  if (Optionen.Spalte || Quelle.Mappe)
    return SpaltenAuswerten(Wissen, Optionen, Eingabe, Aus, Fehler);
  if (Optionen.Nummern.empty())
    return ZeilenAuswerten(Wissen, Optionen, Text, Aus, Fehler);
  TAusgabe Ausgabe(Optionen.Csv, Optionen.Utf8, Aus);
  Ausgabe.Kopf();
  int Gesamt = StatusGut;
  for (const TErgebnis& Ergebnis : NummernAusArgumenten(Wissen, Optionen.Nummern, Optionen.Erklaeren))
    if (Aus) {
      Ausgabe.Schreibe(Ergebnis);
      Gesamt = std::max(Gesamt, Status(Ergebnis, Optionen.Streng));
    }
  return Gesamt;
}

}  // namespace

int Wagennummer(const std::vector<std::string>& Argumente, std::istream& Ein, std::ostream& Aus, std::ostream& Fehler)
{
  errno = 0;
  const int Ergebnisstatus = Ausfuehren(Argumente, Ein, Aus, Fehler);
  // Wie die coreutils: erst nach dem Leeren des Puffers steht fest, ob alles angekommen ist.
  if (Aus.good())
    Aus.flush();
  if (!Aus.good()) {
    Fehler << MitUrsache("Schreibfehler, die Ausgabe ist unvollständig", errno);
    return StatusEinAusgabe;
  }
  return Ergebnisstatus;
}

int Status(const TErgebnis& Ergebnis, bool Streng)
{
  if (!Ergebnis.Meldung.empty())
    return StatusUnbrauchbar;
  return Ergebnis.Urteil == TUrteil::Falsch || (Streng && Ergebnis.Abweichungen > 0) ? StatusFalsch : StatusGut;
}
