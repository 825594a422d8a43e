#include "kommandozeile/programm.h"

#include "nummer/eingabe.h"
#include "nummer/pruefziffer.h"
#include "nummer/rechenweg.h"
#include "nummer/stammdaten.h"
#include "nummer/wageninfo.h"
#include "nummer/zeichensatz.h"

#include <algorithm>
#include <istream>
#include <optional>
#include <ostream>

namespace {

constexpr const char* Hilfe =
    "Aufruf: wagennummer [OPTIONEN] [NUMMER ...]\n"
    "\n"
    "Pr\xC3\xBC"
    "ft Wagennummern von Eisenbahnwagen: 11 Ziffern ergeben die Pr\xC3\xBC"
    "fziffer, bei 12 Ziffern\n"
    "wird die angegebene Pr\xC3\xBC"
    "fziffer nachgerechnet. Ohne NUMMER liest das Programm eine Nummer\n"
    "je Zeile von der Standardeingabe (leere Zeilen und Zeilen mit # am Anfang z\xC3\xA4hlen nicht).\n"
    "Nummern d\xC3\xBC"
    "rfen wie angeschrieben aussehen: \"31 80 6652 003-8\", \"37.84.4667.019-2\",\n"
    "\"31 RIV 80 D-DB 665 2 003-8\". Eine Nummer mit Leerzeichen als Argument in Anf\xC3\xBChrungszeichen.\n"
    "\n"
    "Optionen:\n"
    "  --csv            CSV mit Semikolon f\xC3\xBCr Tabellenkalkulationen (Windows-1252)\n"
    "  --utf8           CSV in UTF-8 statt Windows-1252\n"
    "  --erklaeren      den Rechenweg der Pr\xC3\xBC"
    "fziffer Schritt f\xC3\xBCr Schritt zeigen\n"
    "  --daten DATEI    Wagen.ebb von DATEI statt neben dem Programm lesen\n"
    "  --hilfe, --help  diese Hilfe\n"
    "  --version        Version\n"
    "\n"
    "Exit-Status: 0 alles in Ordnung, 1 mindestens eine Pr\xC3\xBC"
    "fziffer falsch, 2 unbrauchbare Eingabe.\n";

struct TOptionen {
  bool Csv = false;
  bool Utf8 = false;
  bool Erklaeren = false;
  std::optional<std::string> Daten;
  std::vector<std::string> Nummern;
};

// Eingaben kommen meist als UTF-8; was kein gueltiges UTF-8 ist, gilt als Windows-1252.
std::string EingabeNachCp1252(std::string Zeile)
{
  if (!Zeile.empty() && Zeile.back() == '\r')
    Zeile.pop_back();
  return IstMehrbyteUtf8(Zeile) ? Utf8NachCp1252(Zeile) : Zeile;
}

class TAusgabe {
public:
  TAusgabe(const TOptionen& Optionen, std::ostream& Aus) : FOptionen(Optionen), FAus(Aus) {}

  void Kopf()
  {
    if (!FOptionen.Csv)
      return;
    if (FOptionen.Utf8)
      FAus << "\xEF\xBB\xBF";  // damit Tabellenkalkulationen UTF-8 erkennen
    Text(
        "Eingabe;Nummer;Pr\xFC"
        "fziffer;Ergebnis;Eigentumsmerkmal;Austauschverfahren;Eigentumsverwaltung;"
        "Wagengattung;H\xF6"
        "chstgeschwindigkeit\r\n");
  }

  void Unbrauchbar(const std::string& Eingabe, const std::string& Meldung)
  {
    if (FOptionen.Csv)
      Text(CsvFeld(Eingabe) + ";;;" + CsvFeld(Meldung) + ";;;;;\r\n");
    else
      Text(Meldung + "\n\n");
  }

  void Nummer(const std::string& Eingabe, const std::string& Ziffern, const std::string& Ergebnis, const TAnzeige& A)
  {
    const std::string Elf = Ziffern.substr(0, 11);
    const std::string Ziffer = Pruefziffer(Elf);
    if (FOptionen.Csv) {
      Text(CsvFeld(Eingabe) + ";" + CsvFeld(NummerGegliedert(Elf + Ziffer)) + ";" + Ziffer + ";" + CsvFeld(Ergebnis) +
           ";" + CsvFeld(A.Eigentumsmerkmal) + ";" + CsvFeld(A.Austauschverfahren) + ";" +
           CsvFeld(A.Eigentumsverwaltung) + ";" + CsvFeld(A.Wagengattung) + ";" + CsvFeld(A.Geschwindigkeit) + "\r\n");
      return;
    }
    // Bei 12 Ziffern steht die angeschriebene Pruefziffer vorn, das Urteil dahinter.
    const bool Angegeben = Ziffern.size() == 12;
    Text(NummerGegliedert(Angegeben ? Ziffern : Elf + Ziffer) +
         "  Pr\xFC"
         "fziffer " +
         (Angegeben ? Ziffern.substr(11) : Ziffer) + (Ergebnis.empty() ? "" : ": " + Ergebnis) + "\n");
    Text("  Eigentumsmerkmal:      " + A.Eigentumsmerkmal + "\n");
    Text("  Austauschverfahren:    " + A.Austauschverfahren + "\n");
    Text("  Eigentumsverwaltung:   " + A.Eigentumsverwaltung + "\n");
    Text("  Wagengattung:          " + A.Wagengattung + "\n");
    Text(
        "  H\xF6"
        "chstgeschwindigkeit: " +
        A.Geschwindigkeit + "\n");
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

// Liest die Optionen; bei einem Fehler die Meldung (UTF-8).
std::optional<std::string> OptionenLesen(const std::vector<std::string>& Argumente, TOptionen& O)
{
  bool NurNummern = false;
  for (std::size_t I = 0; I < Argumente.size(); ++I) {
    const std::string& A = Argumente[I];
    if (NurNummern || !A.starts_with("--")) {
      O.Nummern.push_back(A);
    } else if (A == "--") {
      NurNummern = true;
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
    } else {
      return "unbekannte oder unvollst\xC3\xA4ndige Option: " + A;
    }
  }
  // Ohne Anfuehrungszeichen zerlegt die Shell eine Nummer in Teile: dann zusammen lesen.
  if (O.Nummern.size() > 1 && std::none_of(O.Nummern.begin(), O.Nummern.end(), [](const std::string& N) {
        return NummerAusText(EingabeNachCp1252(N)).Fehler.empty();
      })) {
    std::string Ganz;
    for (const std::string& N : O.Nummern)
      Ganz += (Ganz.empty() ? "" : " ") + N;
    if (NummerAusText(EingabeNachCp1252(Ganz)).Fehler.empty())
      O.Nummern = {Ganz};
  }
  return std::nullopt;
}

}  // namespace

std::string CsvFeld(const std::string& Text)
{
  if (Text.find_first_of(";\"\r\n") == std::string::npos &&
      (Text.empty() || (Text.front() != ' ' && Text.back() != ' ')))
    return Text;
  std::string Feld = "\"";
  for (const char Z : Text) {
    if (Z == '"')
      Feld += '"';
    Feld += Z;
  }
  return Feld + "\"";
}

int Wagennummer(const std::vector<std::string>& Argumente, std::istream& Ein, std::ostream& Aus, std::ostream& Fehler)
{
  for (const std::string& A : Argumente) {
    if (A == "--")
      break;
    if (A == "--hilfe" || A == "--help" || A == "-h") {
      Aus << Hilfe;
      return StatusGut;
    }
    if (A == "--version") {
      Aus << "wagennummer (Tandrix) 1.0.0.11\n";
      return StatusGut;
    }
  }
  TOptionen Optionen;
  if (const auto Meldung = OptionenLesen(Argumente, Optionen)) {
    Fehler << "wagennummer: " << *Meldung << "\nMehr mit: wagennummer --hilfe\n";
    return StatusUnbrauchbar;
  }

  const TLadeErgebnis Geladen = Optionen.Daten ? LadeStammdaten(*Optionen.Daten) : LadeStammdaten();
  const TStammdaten& Stammdaten = Geladen.Stammdaten;
  if (Geladen.Version == VersionFehlt)
    Fehler << "wagennummer: Wagen.ebb nicht gefunden oder ohne Version; es erscheinen nur die festen Texte.\n";

  TAusgabe Ausgabe(Optionen, Aus);
  Ausgabe.Kopf();
  int Status = StatusGut;
  const auto Pruefen = [&](const std::string& Roh) {
    const std::string Eingabe = EingabeNachCp1252(Roh);
    const TGelesen Gelesen = NummerAusText(Eingabe);
    if (!Gelesen.Fehler.empty()) {
      Ausgabe.Unbrauchbar(Eingabe, Gelesen.Fehler);
      Status = std::max<int>(Status, StatusUnbrauchbar);
      return;
    }
    const std::string Ziffer = Pruefziffer(Gelesen.Ziffern.substr(0, 11));
    std::string Ergebnis;
    if (Gelesen.Ziffern.size() == 12) {
      const bool Richtig = Gelesen.Ziffern[11] == Ziffer[0];
      Ergebnis = Richtig ? "korrekt" : "falsch \x96 richtig w\xE4re " + Ziffer;
      if (!Richtig)
        Status = std::max<int>(Status, StatusFalsch);
    } else if (Optionen.Csv) {
      Ergebnis = "berechnet";
    }
    Ausgabe.Nummer(Eingabe, Gelesen.Ziffern, Ergebnis, WagenInfo(Stammdaten, Gelesen.Ziffern.substr(0, 11)));
  };

  if (!Optionen.Nummern.empty()) {
    for (const std::string& Nummer : Optionen.Nummern)
      Pruefen(Nummer);
  } else {
    for (std::string Zeile; std::getline(Ein, Zeile);) {
      const auto Anfang = Zeile.find_first_not_of(" \t\r");
      if (Anfang == std::string::npos || Zeile[Anfang] == '#')
        continue;
      Pruefen(Zeile);
    }
  }
  return Status;
}
