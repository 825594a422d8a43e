#include "kommandozeile/programm.h"

#include "kommandozeile/listenleser.h"

#include "nummer/anschrift.h"
#include "nummer/eingabe.h"
#include "nummer/kennzeichen.h"
#include "nummer/pruefziffer.h"
#include "nummer/stammdaten.h"
#include "nummer/triebfahrzeug.h"
#include "nummer/vorschlaege.h"
#include "nummer/wageninfo.h"
#include "nummer/zeichensatz.h"
#include "version.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <istream>
#include <optional>
#include <ostream>
#include <string_view>

namespace {

constexpr const char* Hilfe =
    "Aufruf: wagennummer [OPTIONEN] [NUMMER ...]\n"
    "\n"
    "Pr\303\274ft Wagennummern von Eisenbahnwagen: 11 Ziffern ergeben die Pr\303\274fziffer, bei 12 Ziffern\n"
    "wird die angegebene Pr\303\274fziffer nachgerechnet. Ohne NUMMER liest das Programm eine Nummer\n"
    "je Zeile von der Standardeingabe (leere Zeilen und Zeilen mit # am Anfang z\303\244hlen nicht;\n"
    "UTF-8, UTF-16 mit Kennung oder Windows-1252, Zeilenenden CR, LF oder CR LF).\n"
    "Nummern d\303\274rfen wie angeschrieben aussehen: \"31 80 6652 003-8\", \"37.84.4667.019-2\",\n"
    "\"31 RIV 80 D-DB 665 2 003-8 Fals\". Eine Nummer mit Leerzeichen als Argument in Anf\303\274hrungszeichen.\n"
    "\n"
    "Die Anschrift um die Ziffern wird mitgelesen und gegen die Nummer gepr\303\274ft: L\303\244nderk\303\274rzel\n"
    "(\"D\" in \"D-DB\") gegen Stellen 3-4, Halterkennzeichen (\"DB\") im Register der ERA samt Land,\n"
    "Gattungszeichen eines G\303\274terwagens (\"Fals\") gegen die Kennzahl der Stellen 5-8.\n"
    "Triebfahrzeuge (90-99) erscheinen mit Art, Land und, wo das Schema bekannt ist, Baureihe.\n"
    "\"?\" steht f\303\274r eine unleserliche Ziffer (h\303\266chstens 6): gezeigt werden alle Nummern mit\n"
    "g\303\274ltiger Pr\303\274fziffer, die glaubw\303\274rdigsten zuerst (h\303\266chstens 100, dazu die Anzahl).\n"
    "Ist die Pr\303\274fziffer falsch, folgen die g\303\274ltigen Nummern, die eine Ziffer oder zwei\n"
    "vertauschte Nachbarn entfernt sind, die glaubw\303\274rdigsten zuerst.\n"
    "\n"
    "Optionen:\n"
    "  --csv               CSV mit Semikolon f\303\274r Tabellenkalkulationen (Windows-1252)\n"
    "  --utf8              CSV in UTF-8 statt Windows-1252\n"
    "  --erklaeren         den Rechenweg der Pr\303\274fziffer Schritt f\303\274r Schritt zeigen\n"
    "  --streng            eine Abweichung der Anschrift z\303\244hlt wie eine falsche Pr\303\274fziffer\n"
    "  --daten DATEI       Wagen.ebb von DATEI statt neben dem Programm lesen\n"
    "  --kennzeichen DATEI Kennzeichen.ebb (L\303\244nder, Halter, Baureihen) von DATEI lesen\n"
    "  --hilfe, --help     diese Hilfe\n"
    "  --version           Version\n"
    "\n"
    "Exit-Status: 0 alles in Ordnung, 1 mindestens eine Pr\303\274fziffer falsch (mit --streng auch:\n"
    "die Anschrift weicht ab), 2 unbrauchbare Eingabe oder Datendatei, 3 Ein-/Ausgabefehler (die\n"
    "Ausgabe ist dann unvollst\303\244ndig).\n";

struct TOptionen {
  bool Hilfe = false;
  bool Version = false;
  std::optional<std::string> Fehler;  // UTF-8
  bool Csv = false;
  bool Utf8 = false;
  bool Erklaeren = false;
  bool Streng = false;
  std::optional<std::string> Daten;
  std::optional<std::string> Kennzeichen;
  std::vector<std::string> Nummern;  // Windows-1252, Steuerzeichen sichtbar
};

// Steuerzeichen als sichtbare Stellvertreter, damit die Ausgabe zeigt, was die Eingabe enthielt,
// statt ein Terminal zu steuern: C0 und DEL in Caret-Schreibweise ("^[", "^?"), die C1-Zeichen
// auf den unbelegten Bytes von Windows-1252 als '?'. Tabulatoren bleiben.
std::string Sichtbar(std::string_view Cp1252)
{
  std::string Ergebnis;
  for (const char Zeichen : Cp1252) {
    const auto Byte = static_cast<unsigned char>(Zeichen);
    if ((Byte < 0x20 && Zeichen != '\t') || Byte == 0x7F)
      Ergebnis.append({'^', static_cast<char>(Byte ^ 0x40)});
    else if (Cp1252NachUnicode(Byte) >= 0x80 && Cp1252NachUnicode(Byte) < 0xA0)
      Ergebnis.push_back('?');
    else
      Ergebnis.push_back(Zeichen);
  }
  return Ergebnis;
}

// Wie viele Nummern eine Liste von Ergaenzungen bzw. Reparaturen hoechstens zeigt.
constexpr std::size_t HoechstensVorschlaege = 100;
constexpr std::size_t HoechstensReparaturen = 5;

// 1.000.000
std::string Anzahl(std::size_t Zahl)
{
  std::string Text = std::to_string(Zahl);
  for (std::size_t Pos = Text.size(); Pos > 3; Pos -= 3)
    Text.insert(Pos - 3, ".");
  return Text;
}

// Argumente kommen meist als UTF-8; was kein gueltiges UTF-8 ist, gilt als Windows-1252.
std::string ArgumentNachCp1252(const std::string& Argument) { return NachCp1252(Argument, TKennung::Keine); }

// Was zu einer gelesenen Nummer erscheint, Windows-1252 mit sichtbaren Steuerzeichen.
struct TErgebnis {
  std::string Nummer;         // wie gelesen, gegliedert; eine falsche Pruefziffer bleibt stehen
  std::string Angeschrieben;  // Pruefziffer auf dem Wagen, leer bei 11 Stellen
  std::string Berechnet;      // leer bei unbekannten Stellen
  std::string Urteil;         // korrekt, falsch, berechnet, unvollst\344ndig
  std::string Kopf;           // Tabelle: was hinter der Nummer steht
  std::vector<std::pair<std::string, std::string>> Zeilen;  // Tabelle: Bezeichnung, Text
  std::array<std::string, 5> Spalten;                       // CSV: Eigentumsmerkmal .. Hoechstgeschwindigkeit
  std::string Halter;
  std::vector<TBefund> Befunde;
  std::string VorschlagKopf;
  std::vector<std::string> Vorschlaege;
  std::string Rechenweg;  // mit --erklaeren
};

class TAusgabe {
public:
  TAusgabe(const TOptionen& Optionen, std::ostream& Aus) : FOptionen(Optionen), FAus(Aus) {}

  void Kopf()
  {
    if (!FOptionen.Csv)
      return;
    if (FOptionen.Utf8)
      FAus << "\357\273\277";  // damit Tabellenkalkulationen UTF-8 erkennen
    Text(
        "Eingabe;Nummer;Pr\374fziffer angeschrieben;Pr\374fziffer berechnet;Urteil;Eigentumsmerkmal;"
        "Austauschverfahren;Eigentumsverwaltung;Wagengattung;H\366chstgeschwindigkeit;Halter;Befunde;"
        "Vorschl\344ge\r\n");
  }

  void Unbrauchbar(const std::string& Eingabe, const std::string& Meldung)
  {
    if (FOptionen.Csv)
      Text(CsvFeld(Eingabe) + ";;;;unbrauchbar;;;;;;;" + CsvFeld(Meldung) + ";\r\n");
    else
      Text(Meldung + "\n\n");
  }

  void Nummer(const std::string& Eingabe, const TErgebnis& E)
  {
    if (FOptionen.Csv) {
      std::string Zeile = CsvFeld(Eingabe) + ";" + CsvFeld(E.Nummer) + ";" + E.Angeschrieben + ";" + E.Berechnet + ";" +
                          CsvFeld(E.Urteil);
      for (const std::string& Spalte : E.Spalten)
        Zeile += ";" + CsvFeld(Spalte);
      std::string Befunde, Vorschlaege;
      for (const TBefund& B : E.Befunde)
        Befunde += (Befunde.empty() ? "" : " | ") + std::string(B.Abweichung ? "Abweichung: " : "Hinweis: ") + B.Text;
      for (const std::string& V : E.Vorschlaege)
        Vorschlaege += (Vorschlaege.empty() ? "" : " | ") + V;
      Text(Zeile + ";" + CsvFeld(E.Halter) + ";" + CsvFeld(Befunde) + ";" + CsvFeld(Vorschlaege) + "\r\n");
      return;
    }
    Text(E.Nummer + "  " + E.Kopf + "\n");
    for (const auto& [Bezeichnung, Inhalt] : E.Zeilen)
      Angabe(Bezeichnung, Inhalt);
    if (!E.Halter.empty())
      Angabe("Halter", E.Halter);
    for (const TBefund& B : E.Befunde)
      Angabe(B.Abweichung ? "Abweichung" : "Hinweis", B.Text);
    if (!E.VorschlagKopf.empty())
      Text("  " + E.VorschlagKopf + "\n");
    for (const std::string& V : E.Vorschlaege)
      Text("    " + V + "\n");
    for (std::size_t Pos = 0; Pos < E.Rechenweg.size();) {
      const std::size_t Ende = E.Rechenweg.find('\n', Pos);
      Text("    " + E.Rechenweg.substr(Pos, Ende - Pos + 1));
      Pos = Ende + 1;
    }
    Text("\n");
  }

private:
  // "  Eigentumsmerkmal:      Text", die Texte untereinander
  void Angabe(const std::string& Bezeichnung, const std::string& Inhalt)
  {
    Text("  " + Bezeichnung + ":" + std::string(Bezeichnung.size() < 22 ? 22 - Bezeichnung.size() : 1, ' ') + Inhalt +
         "\n");
  }
  // Tabelle immer UTF-8 (Terminal), CSV wahlweise.
  void Text(const std::string& Cp1252) { FAus << (FOptionen.Csv && !FOptionen.Utf8 ? Cp1252 : Cp1252NachUtf8(Cp1252)); }

  const TOptionen& FOptionen;
  std::ostream& FAus;
};

// Alle Argumente in einem Durchgang; Hilfe und Version gehen einem Fehler vor.
TOptionen OptionenLesen(const std::vector<std::string>& Argumente)
{
  TOptionen O;
  bool NurNummern = false;
  for (std::size_t I = 0; I < Argumente.size(); ++I) {
    const std::string& A = Argumente[I];
    if (NurNummern || (!A.starts_with("--") && A != "-h")) {
      O.Nummern.push_back(Sichtbar(ArgumentNachCp1252(A)));
    } else if (A == "--") {
      NurNummern = true;
    } else if (A == "--hilfe" || A == "--help" || A == "-h") {
      O.Hilfe = true;
    } else if (A == "--version") {
      O.Version = true;
    } else if (A == "--csv") {
      O.Csv = true;
    } else if (A == "--utf8") {
      O.Utf8 = true;
    } else if (A == "--erklaeren") {
      O.Erklaeren = true;
    } else if (A == "--streng") {
      O.Streng = true;
    } else if (A == "--daten" && I + 1 < Argumente.size()) {
      O.Daten = Argumente[++I];
    } else if (A.starts_with("--daten=")) {
      O.Daten = A.substr(8);
    } else if (A == "--kennzeichen" && I + 1 < Argumente.size()) {
      O.Kennzeichen = Argumente[++I];
    } else if (A.starts_with("--kennzeichen=")) {
      O.Kennzeichen = A.substr(14);
    } else if (!O.Fehler) {
      O.Fehler = "unbekannte oder unvollst\303\244ndige Option: " + Cp1252NachUtf8(Sichtbar(ArgumentNachCp1252(A)));
    }
  }
  return O;
}

struct TEingabe {
  std::string Text;
  TGelesen Gelesen;
};

// Jedes Argument einmal gelesen. Ohne Anfuehrungszeichen zerlegt die Shell eine Nummer in
// Teile: ist keines fuer sich eine Nummer, aber alle zusammen, gilt das Ganze.
std::vector<TEingabe> NummernAusArgumenten(const std::vector<std::string>& Nummern)
{
  std::vector<TEingabe> Eingaben;
  Eingaben.reserve(Nummern.size());
  for (const std::string& N : Nummern)
    Eingaben.push_back({N, NummerAusText(N)});
  if (Eingaben.size() > 1 &&
      std::none_of(Eingaben.begin(), Eingaben.end(), [](const TEingabe& E) { return E.Gelesen.Fehler.empty(); })) {
    std::string Ganz;
    for (const std::string& N : Nummern)
      Ganz += (Ganz.empty() ? "" : " ") + N;
    if (TGelesen Gelesen = NummerAusText(Ganz); Gelesen.Fehler.empty())
      return {{Ganz, std::move(Gelesen)}};
  }
  return Eingaben;
}

}  // namespace

std::string CsvFeld(const std::string& Text)
{
  // Tabellenkalkulationen fuehren eine Zelle, die so beginnt, als Formel aus; das Hochkomma
  // davor macht sie zu Text (Empfehlung von OWASP zur CSV-Injektion).
  const bool Formel = !Text.empty() && std::string_view("=+-@\t\r").find(Text.front()) != std::string_view::npos;
  if (!Formel && Text.find_first_of(";\"\r\n") == std::string::npos &&
      (Text.empty() || (Text.front() != ' ' && Text.back() != ' ')))
    return Text;
  std::string Feld = Formel ? "\"'" : "\"";
  for (const char Z : Text) {
    if (Z == '"')
      Feld += '"';
    Feld += Z;
  }
  return Feld + "\"";
}

namespace {

// Meldung mit der Ursache, wie sie das System nennt.
std::string MitUrsache(const std::string& Was, int Fehlernummer)
{
  return "wagennummer: " + Was + (Fehlernummer != 0 ? std::string(": ") + std::strerror(Fehlernummer) : "") + "\n";
}

int Ausfuehren(const std::vector<std::string>& Argumente, std::istream& Ein, std::ostream& Aus, std::ostream& Fehler)
{
  const TOptionen Optionen = OptionenLesen(Argumente);
  if (Optionen.Hilfe || Optionen.Version) {
    Aus << (Optionen.Hilfe ? Hilfe : "wagennummer (Tandrix) " TANDRIX_VERSION "\n");
    return StatusGut;
  }
  if (Optionen.Fehler) {
    Fehler << "wagennummer: " << *Optionen.Fehler << "\nMehr mit: wagennummer --hilfe\n";
    return StatusUnbrauchbar;
  }

  const TLadeErgebnis Geladen = Optionen.Daten ? LadeStammdaten(*Optionen.Daten) : LadeStammdaten();
  const bool MitDaten = Geladen.Version != VersionFehlt;
  if (!MitDaten && Optionen.Daten) {
    Fehler << "wagennummer: Datendatei \342\200\236" << Cp1252NachUtf8(Sichtbar(ArgumentNachCp1252(*Optionen.Daten)))
           << "\342\200\234 nicht lesbar oder ohne Version\n";
    return StatusUnbrauchbar;
  }
  if (!MitDaten)
    Fehler << "wagennummer: Wagen.ebb nicht gefunden oder ohne Version; es erscheinen nur die Pr\303\274fziffern, "
              "keine Angaben zum Wagen.\n";
  const TKennzeichen Kennzeichen = Optionen.Kennzeichen ? LadeKennzeichen(*Optionen.Kennzeichen) : LadeKennzeichen();
  if (Kennzeichen.Version == VersionFehlt) {
    if (Optionen.Kennzeichen) {
      Fehler << "wagennummer: Kennzeichendatei \342\200\236"
             << Cp1252NachUtf8(Sichtbar(ArgumentNachCp1252(*Optionen.Kennzeichen)))
             << "\342\200\234 nicht lesbar oder ohne Version\n";
      return StatusUnbrauchbar;
    }
    Fehler << "wagennummer: Kennzeichen.ebb nicht gefunden oder ohne Version; L\303\244nderk\303\274rzel, Halter und "
              "Baureihen werden nicht gelesen.\n";
  }
  const TStammdaten& Daten = Geladen.Stammdaten;

  TAusgabe Ausgabe(Optionen, Aus);
  Ausgabe.Kopf();
  int Status = StatusGut;
  const auto Pruefen = [&](const std::string& Eingabe, const TGelesen& Gelesen) {
    if (!Gelesen.Fehler.empty()) {
      Ausgabe.Unbrauchbar(Eingabe, Gelesen.Fehler);
      Status = std::max<int>(Status, StatusUnbrauchbar);
      return;
    }
    const std::string& Ziffern = Gelesen.Ziffern;
    const TAnschrift Anschrift = AnschriftLesen(Gelesen.Woerter, Kennzeichen);
    const std::size_t Unbekannt = static_cast<std::size_t>(std::count(Ziffern.begin(), Ziffern.end(), '?'));
    TErgebnis E;
    E.Nummer = NummerGegliedert(Ziffern);
    E.Angeschrieben = Ziffern.size() == 12 ? Ziffern.substr(11) : "";
    E.Halter = Sichtbar(HalterAngabe(Kennzeichen, Anschrift));

    if (Unbekannt > 0) {
      // eine unbekannte Pruefziffer wird berechnet, nicht durchprobiert
      if (std::count(Ziffern.begin(), Ziffern.begin() + 11, '?') > static_cast<std::ptrdiff_t>(HoechstensUnbekannt)) {
        Ausgabe.Unbrauchbar(Eingabe, InAnfuehrung(Eingabe) + " hat " + std::to_string(Unbekannt) +
                                         " unbekannte Ziffern, h\366chstens " + std::to_string(HoechstensUnbekannt) +
                                         " vor der Pr\374fziffer lassen sich durchprobieren");
        Status = std::max<int>(Status, StatusUnbrauchbar);
        return;
      }
      const TVorschlaege V = Ergaenzungen(Daten, Kennzeichen, Ziffern, Anschrift, HoechstensVorschlaege);
      E.Urteil = "unvollst\344ndig";
      E.Kopf = std::to_string(Unbekannt) + (Unbekannt == 1 ? " unbekannte Ziffer: " : " unbekannte Ziffern: ") +
               Anzahl(V.Gesamt) + (V.Gesamt == 1 ? " g\374ltige Nummer" : " g\374ltige Nummern") +
               (V.Liste.size() < V.Gesamt ? ", die " + std::to_string(V.Liste.size()) + " glaubw\374rdigsten:" : "");
      for (const TVorschlag& Vorschlag : V.Liste)
        E.Vorschlaege.push_back(NummerGegliedert(Vorschlag.Ziffern) + "  " +
                                Sichtbar(KurzDeutung(Daten, Kennzeichen, Vorschlag.Ziffern.substr(0, 11))));
      Ausgabe.Nummer(Eingabe, E);
      return;
    }

    const std::string Elf = Ziffern.substr(0, 11);
    E.Berechnet = Pruefziffer(Elf);
    if (Optionen.Erklaeren)
      E.Rechenweg = Erklaerung(Elf);
    const bool Falsch = !E.Angeschrieben.empty() && E.Angeschrieben != E.Berechnet;
    E.Urteil = E.Angeschrieben.empty() ? "berechnet" : Falsch ? "falsch" : "korrekt";
    if (E.Angeschrieben.empty())
      E.Nummer = NummerGegliedert(Elf + E.Berechnet);
    E.Kopf = "Pr\374fziffer " + (E.Angeschrieben.empty() ? E.Berechnet : E.Angeschrieben) +
             (E.Angeschrieben.empty() ? ""
              : Falsch                ? ": falsch \226 richtig w\344re " + E.Berechnet
                                      : ": korrekt");
    if (Falsch)
      Status = std::max<int>(Status, StatusFalsch);

    if (MitDaten && IstTriebfahrzeug(Elf)) {
      const TTriebfahrzeug T = TriebfahrzeugLesen(Daten, Kennzeichen, Elf);
      E.Zeilen = {{"Triebfahrzeug", Sichtbar(T.Art)}, {"Land", Sichtbar(T.Land)}};
      if (Kennzeichen.Version != VersionFehlt)
        E.Zeilen.emplace_back(T.ReiheWort, Sichtbar(T.Baureihe));
      E.Spalten = {"", E.Zeilen[0].second, E.Zeilen[1].second,
                   E.Zeilen.size() > 2 ? T.ReiheWort + " " + E.Zeilen[2].second : "", ""};
    } else if (MitDaten) {
      TAnzeige A = WagenInfo(Daten, Elf);
      if (A.Wagengattung.empty() && Daten.TypListe.Wert(Elf.substr(0, 1)) == "G")
        A.Wagengattung = GattungAbgeleitet(Kennzeichen, Elf);
      E.Spalten = {Sichtbar(A.Eigentumsmerkmal), Sichtbar(A.Austauschverfahren), Sichtbar(A.Eigentumsverwaltung),
                   Sichtbar(A.Wagengattung), Sichtbar(A.Geschwindigkeit)};
      E.Zeilen = {{"Eigentumsmerkmal", E.Spalten[0]},
                  {"Austauschverfahren", E.Spalten[1]},
                  {"Eigentumsverwaltung", E.Spalten[2]},
                  {"Wagengattung", E.Spalten[3]},
                  {"H\366chstgeschwindigkeit", E.Spalten[4]}};
    }

    std::size_t Abweichungen = 0;
    for (const TBefund& B : Abgleichen(Daten, Kennzeichen, Elf, Anschrift)) {
      E.Befunde.push_back({B.Abweichung, Sichtbar(B.Text)});
      Abweichungen += B.Abweichung;
    }
    if (Abweichungen > 0 && Optionen.Streng)
      Status = std::max<int>(Status, StatusFalsch);
    if (!Anschrift.Leer() && Kennzeichen.Version != VersionFehlt)
      E.Zeilen.emplace_back("Anschrift",
                            Sichtbar(AnschriftText(Anschrift)) +
                                (Abweichungen == 0   ? " \226 passt zur Nummer"
                                 : Abweichungen == 1 ? " \226 eine Abweichung"
                                                     : " \226 " + std::to_string(Abweichungen) + " Abweichungen"));
    if (Falsch) {
      const TVorschlaege V = Reparaturen(Daten, Kennzeichen, Ziffern, Anschrift, HoechstensReparaturen);
      E.VorschlagKopf = "G\374ltig w\344ren (eine Ziffer anders oder zwei Nachbarn getauscht, " +
                        std::to_string(V.Liste.size()) + " von " + Anzahl(V.Gesamt) +
                        ", die glaubw\374rdigsten zuerst):";
      for (const TVorschlag& Vorschlag : V.Liste)
        E.Vorschlaege.push_back(NummerGegliedert(Vorschlag.Ziffern) + "  " + Vorschlag.Aenderung + "; " +
                                Sichtbar(KurzDeutung(Daten, Kennzeichen, Vorschlag.Ziffern.substr(0, 11))));
      const auto Gleich = std::count_if(V.Liste.begin(), V.Liste.end(),
                                        [&](const TVorschlag& X) { return X.Punkte == V.Liste.front().Punkte; });
      if (Gleich > 1)
        E.Befunde.push_back({false, "die ersten " + std::to_string(Gleich) +
                                        " Vorschl\344ge sind gleich glaubw\374rdig: welche Ziffer falsch ist, "
                                        "l\344sst sich aus der Nummer nicht entscheiden"});
    } else if (!E.Angeschrieben.empty()) {
      for (const std::string& Andere : UnsichtbareTausche(Ziffern))
        E.Befunde.push_back({false, "auch " + NummerGegliedert(Andere) +
                                        " hat diese Pr\374fziffer: benachbarte 0 und 9 vertauscht sieht sie nicht"});
    }
    Ausgabe.Nummer(Eingabe, E);
  };

  // Ist die Ausgabe kaputt (voll, geschlossen, Leser weg), lohnt keine weitere Zeile.
  if (!Optionen.Nummern.empty()) {
    for (const TEingabe& E : NummernAusArgumenten(Optionen.Nummern))
      if (Aus)
        Pruefen(E.Text, E.Gelesen);
  } else {
    TListenLeser Leser(Ein);
    while (Aus) {
      const auto Zeile = Leser.Naechste();
      if (!Zeile)
        break;
      const std::string Eingabe = Sichtbar(Zeile->Text);
      if (Zeile->ZuLang) {
        Ausgabe.Unbrauchbar(InAnfuehrung(Eingabe), InAnfuehrung(Eingabe) + " ist l\344nger als " +
                                                       std::to_string(ZeilenHoechstlaenge) + " Zeichen");
        Status = std::max<int>(Status, StatusUnbrauchbar);
        continue;
      }
      const auto Anfang = Eingabe.find_first_not_of(" \t");
      if (Anfang != std::string::npos && Eingabe[Anfang] != '#')
        Pruefen(Eingabe, NummerAusText(Eingabe));
    }
    if (Ein.bad()) {
      Fehler << MitUrsache("Lesefehler", errno);
      return StatusEinAusgabe;
    }
  }
  return Status;
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
    Fehler << MitUrsache("Schreibfehler, die Ausgabe ist unvollst\303\244ndig", errno);
    return StatusEinAusgabe;
  }
  return Status;
}
