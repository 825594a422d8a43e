#include "kommandozeile/optionen.h"

#include <string_view>

// Texte dieser Datei: UTF-8, wie sie ausgegeben werden.
const char* const HilfeText =
    "Aufruf: wagennummer [OPTIONEN] [NUMMER ...]\n"
    "\n"
    "Prüft Wagennummern von Eisenbahnwagen: 11 Ziffern ergeben die Prüfziffer, bei 12 Ziffern\n"
    "wird die angegebene Prüfziffer nachgerechnet. Ohne NUMMER liest das Programm eine Nummer\n"
    "je Zeile von der Standardeingabe (leere Zeilen und Zeilen mit # am Anfang zählen nicht;\n"
    "UTF-8, UTF-16 mit Kennung oder Windows-1252, Zeilenenden CR, LF oder CR LF; Strg+Z beendet\n"
    "die Eingabe wie unter Windows).\n"
    "Nummern dürfen wie angeschrieben aussehen: \"31 80 6652 003-8\", \"37.84.4667.019-2\",\n"
    "\"31 RIV 80 D-DB 665 2 003-8 Fals\". Eine Nummer mit Leerzeichen als Argument in Anführungszeichen.\n"
    "Die Nummer wird an ihrer Gliederung erkannt, auch mitten in einem Satz; andere Zahlen der Zeile\n"
    "(Bauart \"Facs 124\", Typ \"H22\", Menge \"64.200l\", Datum, Jahr, Preis, Artikelnummer) zählen nie\n"
    "zur Nummer und werden genannt, nationale Zusätze (\"Eanos-x\") auch; O und I/l in einer\n"
    "Zifferngruppe gelten mit Hinweis als 0 und 1. Nationale Nummern ohne Prüfziffer (\"SM42-2244\",\n"
    "\"1116.282\") erscheinen mit Reihe und Nummer.\n"
    "Ziffern anderer Schriften (０–９, ٠–٩) zählen als ihre Ziffer, Unicode-Leerzeichen, -Striche und\n"
    "Symbole (✓, →, ●) trennen, Minuten- und andere Anführungszeichen (′, ″, ˝) gelten wie ' und \",\n"
    "unsichtbare Formatzeichen zählen nicht; jedes andere Zeichen außerhalb von Windows-1252 (auch\n"
    "Emoji) macht die Zeile unbrauchbar und wird als U+XXXX genannt.\n"
    "\n"
    "Die Anschrift um die Ziffern wird mitgelesen und gegen die Nummer geprüft: Länderkürzel\n"
    "(\"D\" in \"D-DB\") gegen Stellen 3-4, Halterkennzeichen (\"DB\") im Register der ERA samt Land,\n"
    "Gattungszeichen eines Güterwagens (\"Fals\") gegen die Kennzahl der Stellen 5-8 und ihre\n"
    "Radsätze gegen Stelle 1, die eines Reisezugwagens (\"BDylf\", \"Bcmz\") gegen Stellen 5-6.\n"
    "Triebfahrzeuge (90-99) erscheinen mit Art, Land und, wo das Schema bekannt ist, Baureihe und\n"
    "nationaler Nummer. Eine nationale Loknummer (\"118 098-3\", \"1116 234-4\", \"Re 460 015-1\") wird\n"
    "an ihrer eigenen Prüfziffer geprüft und, wo das Land es sagt, in die zwölfstellige umgerechnet;\n"
    "eine Nummer der FS ohne Prüfziffer (\"E.464.344\") ergibt die zwölfstelligen, die passen.\n"
    "\"?\" steht für eine unleserliche Ziffer (höchstens 6): gezeigt werden alle Nummern mit\n"
    "gültiger Prüfziffer, die glaubwürdigsten zuerst (höchstens 100, dazu die Anzahl); dahinter,\n"
    "was von der Anschrift passt (\"passt zu D-DB und Fals\").\n"
    "Ist die Prüfziffer falsch, folgen die gültigen Nummern, die eine Ziffer oder zwei\n"
    "vertauschte Nachbarn entfernt sind, die glaubwürdigsten zuerst.\n"
    "\n"
    "Optionen:\n"
    "  --csv               CSV mit Semikolon für Tabellenkalkulationen (Windows-1252)\n"
    "  --utf8              CSV in UTF-8 statt Windows-1252\n"
    "  --erklaeren         den Rechenweg der Prüfziffer Schritt für Schritt zeigen\n"
    "  --streng            eine Abweichung der Anschrift zählt wie eine falsche Prüfziffer\n"
    "  --daten DATEI       Wagen.ebb von DATEI statt neben dem Programm lesen\n"
    "  --kennzeichen DATEI Kennzeichen.ebb (Länder, Halter, Baureihen) von DATEI lesen\n"
    "  --spalte N|NAME     die Eingabe als Tabelle (Tabulator, ; , oder |, Anführungszeichen wie\n"
    "                      Excel/LibreOffice) lesen, Nummer in Spalte N (ab 1) oder der Spalte mit\n"
    "                      diesem Kopf (auch --spalte=N); als CSV bleiben die eigenen Spalten vorn\n"
    "                      erhalten, mit --utf8 jedes Zeichen\n"
    "  --liste DATEI       die Liste aus DATEI statt von der Standardeingabe lesen: Text (eine\n"
    "                      Nummer je Zeile; mit --spalte CSV, TSV) oder eine Arbeitsmappe (.xlsx,\n"
    "                      .ods, .xls; das Format sagt der Inhalt, nicht der Name). Eine Mappe wird\n"
    "                      immer als Tabelle gelesen, die Spalte ohne --spalte erkannt; auch von der\n"
    "                      Standardeingabe (höchstens 64 MB)\n"
    "  --blatt N|NAME      das Blatt N (ab 1) oder NAME der Arbeitsmappe; sonst das erste mit\n"
    "                      Wagennummern. Eine Nummer, die die Mappe als Zahl hielt und der so die\n"
    "                      führende Null fehlt (11 Ziffern), bekommt eine Abweichung\n"
    "  --frei REIHE ANZAHL ANZAHL freie gültige Nummern der REIHE (erste 8 Ziffern, dahinter\n"
    "                      wahlweise Ordnungsnummern von-bis: \"31 80 6652 100-199\"); belegt sind\n"
    "                      die NUMMERn und mit --spalte oder --liste die Liste\n"
    "  --hilfe, --help, -h, -?, /?  diese Hilfe\n"
    "  --version           Version\n"
    "\n"
    "Exit-Status: 0 alles in Ordnung, 1 mindestens eine Prüfziffer falsch (mit --streng auch:\n"
    "die Anschrift weicht ab), 2 unbrauchbare Eingabe oder Datendatei, eine Zeile der Tabelle nicht\n"
    "sauber zu zerlegen oder die Liste bzw. Arbeitsmappe nicht lesbar (verschlüsselt, beschädigt),\n"
    "3 Ein-/Ausgabefehler (die Ausgabe ist dann unvollständig).\n"
    "In einer Liste bekommt eine Nummer, die schon einmal vorkam, einen Hinweis auf diese Zeile.\n";

namespace {

// Schalter und Optionen mit Wert ("--daten DATEI" oder "--daten=DATEI"), je eine Zeile.
struct TSchalter {
  std::string_view Name;
  bool TOptionen::*Feld;
};
constexpr TSchalter Schalter[] = {{"--version", &TOptionen::Version},
                                  {"--csv", &TOptionen::Csv},
                                  {"--utf8", &TOptionen::Utf8},
                                  {"--erklaeren", &TOptionen::Erklaeren},
                                  {"--streng", &TOptionen::Streng}};
struct TMitWert {
  std::string_view Name;
  std::optional<std::string> TOptionen::*Feld;
};
constexpr TMitWert MitWert[] = {{"--daten", &TOptionen::Daten},
                                {"--kennzeichen", &TOptionen::Kennzeichen},
                                {"--spalte", &TOptionen::Spalte},
                                {"--liste", &TOptionen::Liste},
                                {"--blatt", &TOptionen::Blatt}};

// Eine Option aus den Tabellen; false, wenn das Argument keine davon ist oder der Wert fehlt.
bool TabellenOption(const std::vector<std::string>& Argumente, std::size_t& I, TOptionen& Optionen)
{
  const std::string& Argument = Argumente[I];
  for (const TSchalter& Eintrag : Schalter)
    if (Argument == Eintrag.Name) {
      Optionen.*Eintrag.Feld = true;
      return true;
    }
  for (const TMitWert& Eintrag : MitWert) {
    if (Argument == Eintrag.Name && I + 1 < Argumente.size()) {
      Optionen.*Eintrag.Feld = Argumente[++I];
      return true;
    }
    if (Argument.size() > Eintrag.Name.size() && Argument.starts_with(Eintrag.Name) &&
        Argument[Eintrag.Name.size()] == '=') {
      Optionen.*Eintrag.Feld = Argument.substr(Eintrag.Name.size() + 1);
      return true;
    }
  }
  return false;
}

}  // namespace

TOptionen OptionenLesen(const std::vector<std::string>& Argumente)
{
  TOptionen Optionen;
  bool NurNummern = false;
  for (std::size_t I = 0; I < Argumente.size(); ++I) {
    const std::string& Argument = Argumente[I];
    // "-?" und "/?" wie unter Windows ueblich
    const bool Hilfe =
        Argument == "--hilfe" || Argument == "--help" || Argument == "-h" || Argument == "-?" || Argument == "/?";
    if (NurNummern || (!Argument.starts_with("--") && !Hilfe)) {
      Optionen.Nummern.push_back(Argument);
    } else if (Argument == "--") {
      NurNummern = true;
    } else if (Hilfe) {
      Optionen.Hilfe = true;
    } else if (TabellenOption(Argumente, I, Optionen)) {
      continue;
    } else if (Argument == "--frei" && I + 2 < Argumente.size()) {
      Optionen.Frei = {Argumente[I + 1], Argumente[I + 2]};
      I += 2;
    } else if (!Optionen.Fehler) {
      Optionen.Fehler = Argument;
    }
  }
  return Optionen;
}
