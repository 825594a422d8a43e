#include "kommandozeile/programm.h"

#include "kommandozeile/listenleser.h"

#include "nummer/eingabe.h"
#include "nummer/pruefziffer.h"
#include "nummer/stammdaten.h"
#include "nummer/wageninfo.h"
#include "nummer/zeichensatz.h"
#include "version.h"

#include <algorithm>
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
    "\"31 RIV 80 D-DB 665 2 003-8\". Eine Nummer mit Leerzeichen als Argument in Anf\303\274hrungszeichen.\n"
    "\n"
    "Optionen:\n"
    "  --csv            CSV mit Semikolon f\303\274r Tabellenkalkulationen (Windows-1252)\n"
    "  --utf8           CSV in UTF-8 statt Windows-1252\n"
    "  --erklaeren      den Rechenweg der Pr\303\274fziffer Schritt f\303\274r Schritt zeigen\n"
    "  --daten DATEI    Wagen.ebb von DATEI statt neben dem Programm lesen\n"
    "  --hilfe, --help  diese Hilfe\n"
    "  --version        Version\n"
    "\n"
    "Exit-Status: 0 alles in Ordnung, 1 mindestens eine Pr\303\274fziffer falsch, 2 unbrauchbare Eingabe\n"
    "oder Datendatei, 3 Ein-/Ausgabefehler (die Ausgabe ist dann unvollst\303\244ndig).\n";

struct TOptionen {
  bool Hilfe = false;
  bool Version = false;
  std::optional<std::string> Fehler;  // UTF-8
  bool Csv = false;
  bool Utf8 = false;
  bool Erklaeren = false;
  std::optional<std::string> Daten;
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

// Argumente kommen meist als UTF-8; was kein gueltiges UTF-8 ist, gilt als Windows-1252.
std::string ArgumentNachCp1252(const std::string& Argument) { return NachCp1252(Argument, TKennung::Keine); }

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
        "Eingabe;Nummer;Pr\374fziffer;Ergebnis;Eigentumsmerkmal;Austauschverfahren;Eigentumsverwaltung;"
        "Wagengattung;H\366chstgeschwindigkeit\r\n");
  }

  void Unbrauchbar(const std::string& Eingabe, const std::string& Meldung)
  {
    if (FOptionen.Csv)
      Text(CsvFeld(Eingabe) + ";;;" + CsvFeld(Meldung) + ";;;;;\r\n");
    else
      Text(Meldung + "\n\n");
  }

  // Ohne Angaben (keine Datendatei) nur das Urteil ueber die Pruefziffer.
  void Nummer(const std::string& Eingabe, const std::string& Ziffern, const std::string& Ziffer,
              const std::string& Ergebnis, const std::optional<TAnzeige>& Angaben)
  {
    const std::string Elf = Ziffern.substr(0, 11);
    const TAnzeige A = Angaben ? TAnzeige{Sichtbar(Angaben->Eigentumsmerkmal), Sichtbar(Angaben->Austauschverfahren),
                                          Sichtbar(Angaben->Eigentumsverwaltung), Sichtbar(Angaben->Wagengattung),
                                          Sichtbar(Angaben->Geschwindigkeit)}
                               : TAnzeige{};
    if (FOptionen.Csv) {
      Text(CsvFeld(Eingabe) + ";" + CsvFeld(NummerGegliedert(Elf + Ziffer)) + ";" + Ziffer + ";" + CsvFeld(Ergebnis) +
           ";" + CsvFeld(A.Eigentumsmerkmal) + ";" + CsvFeld(A.Austauschverfahren) + ";" +
           CsvFeld(A.Eigentumsverwaltung) + ";" + CsvFeld(A.Wagengattung) + ";" + CsvFeld(A.Geschwindigkeit) + "\r\n");
      return;
    }
    // Bei 12 Ziffern steht die angeschriebene Pruefziffer vorn, das Urteil dahinter.
    const bool Angegeben = Ziffern.size() == 12;
    Text(NummerGegliedert(Angegeben ? Ziffern : Elf + Ziffer) + "  Pr\374fziffer " +
         (Angegeben ? Ziffern.substr(11) : Ziffer) + (Ergebnis.empty() ? "" : ": " + Ergebnis) + "\n");
    if (Angaben) {
      Text("  Eigentumsmerkmal:      " + A.Eigentumsmerkmal + "\n");
      Text("  Austauschverfahren:    " + A.Austauschverfahren + "\n");
      Text("  Eigentumsverwaltung:   " + A.Eigentumsverwaltung + "\n");
      Text("  Wagengattung:          " + A.Wagengattung + "\n");
      Text("  H\366chstgeschwindigkeit: " + A.Geschwindigkeit + "\n");
    }
    if (FOptionen.Erklaeren) {
      const std::string Weg = Erklaerung(Elf);
      for (std::size_t Pos = 0; Pos < Weg.size();) {
        const std::size_t Ende = Weg.find('\n', Pos);
        Text("    " + Weg.substr(Pos, Ende - Pos + 1));
        Pos = Ende + 1;
      }
    }
    Text("\n");
  }

private:
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
    } else if (A == "--daten" && I + 1 < Argumente.size()) {
      O.Daten = Argumente[++I];
    } else if (A.starts_with("--daten=")) {
      O.Daten = A.substr(8);
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

  TAusgabe Ausgabe(Optionen, Aus);
  Ausgabe.Kopf();
  int Status = StatusGut;
  const auto Pruefen = [&](const std::string& Eingabe, const TGelesen& Gelesen) {
    if (!Gelesen.Fehler.empty()) {
      Ausgabe.Unbrauchbar(Eingabe, Gelesen.Fehler);
      Status = std::max<int>(Status, StatusUnbrauchbar);
      return;
    }
    const std::string Ziffer = Pruefziffer(Gelesen.Ziffern.substr(0, 11));
    std::string Ergebnis;
    if (Gelesen.Ziffern.size() == 12) {
      const bool Richtig = Gelesen.Ziffern[11] == Ziffer[0];
      Ergebnis = Richtig ? "korrekt" : "falsch \226 richtig w\344re " + Ziffer;
      if (!Richtig)
        Status = std::max<int>(Status, StatusFalsch);
    } else if (Optionen.Csv) {
      Ergebnis = "berechnet";
    }
    std::optional<TAnzeige> Angaben;
    if (MitDaten)
      Angaben = WagenInfo(Geladen.Stammdaten, Gelesen.Ziffern.substr(0, 11));
    Ausgabe.Nummer(Eingabe, Gelesen.Ziffern, Ziffer, Ergebnis, Angaben);
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
