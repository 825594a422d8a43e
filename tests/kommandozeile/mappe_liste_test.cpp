// wagennummer mit Arbeitsmappen: --liste DATEI, --blatt, Mappen auf der Standardeingabe; jede
// Mappe ergibt dieselben Urteile wie die CSV derselben Zeilen (tests/daten/mappen/).

#include "kommandozeile/programm.h"
#include "tests/hilfen/ausgabepruefung.h"
#include "tests/hilfen/wagennummer_lauf.h"
#include "zeichen/zeichensatz.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string Pfad(const std::string& Name) { return std::string(TANDRIX_MAPPEN) + "/" + Name; }

std::string Datei(const std::string& Name)
{
  std::ifstream Ein(Pfad(Name), std::ios::binary);
  std::ostringstream Inhalt;
  Inhalt << Ein.rdbuf();
  return Inhalt.str();
}

std::vector<std::string> Felder(const std::string& Zeile)
{
  std::vector<std::string> Ergebnis;
  std::string Feld;
  for (std::istringstream Teile(Zeile); std::getline(Teile, Feld, ';');)
    Ergebnis.push_back(Feld);
  return Ergebnis;
}

// Je Zeile der CSV-Ausgabe das Feld Nummer und das Urteil (die Spalten von wagennummer stehen
// hinter den eigenen: Eingabe, Nummer, angeschrieben, berechnet, Urteil).
std::vector<std::string> Urteile(const std::string& Csv)
{
  std::vector<std::string> Ergebnis;
  std::istringstream Zeilen(Csv);
  std::string Zeile;
  std::getline(Zeilen, Zeile);
  const std::vector<std::string> Kopf = Felder(Zeile);
  const auto Eingabe = static_cast<std::size_t>(std::find(Kopf.begin(), Kopf.end(), "Eingabe") - Kopf.begin());
  while (std::getline(Zeilen, Zeile)) {
    const std::vector<std::string> Zellen = Felder(Zeile);
    Ergebnis.push_back(Zellen.size() > Eingabe + 4 ? Zellen[Eingabe + 1] + " " + Zellen[Eingabe + 4] : Zeile);
  }
  return Ergebnis;
}

const char* const Mappen[] = {"sammlung.xlsx", "sammlung-libreoffice.xlsx", "sammlung-tandrix.xlsx", "sammlung.ods",
#ifdef TANDRIX_MIT_XLS
                              "sammlung.xls"
#endif
};

}  // namespace

TEST(MappeListe, JedesFormatUrteiltWieDieCsv)
{
  const TLauf Csv = Starte({"--csv", "--spalte", "Wagennummer"}, Datei("sammlung.csv"));
  ASSERT_EQ(Csv.Fehler, "");
  const std::vector<std::string> Erwartet = Urteile(Csv.Aus);
  ASSERT_EQ(Erwartet.size(), 7U);
  EXPECT_EQ(Erwartet[2], "31 80 4953 038-5 korrekt");
  EXPECT_EQ(Erwartet[3], "18 65 0002 357-4 berechnet");
  for (const char* Name : Mappen) {
    for (const bool AusDatei : {true, false}) {
      const TLauf Lauf =
          AusDatei ? Starte({"--csv", "--liste", Pfad(Name)}) : Starte({"--csv", "--spalte", "4"}, Datei(Name));
      EXPECT_EQ(AusgabeVerstoss(Lauf.Aus, true, false), "") << Name;
      EXPECT_EQ(Lauf.Fehler, "") << Name;
      std::vector<std::string> Gelesen = Urteile(Lauf.Aus);
      ASSERT_EQ(Gelesen.size(), Erwartet.size()) << Name << "\n" << Lauf.Aus;
      // libfreexl liest keine Formeln: in der .xls fehlt die Nummer der Formelzeile.
      if (std::string(Name).ends_with(".xls")) {
        EXPECT_EQ(Gelesen[4], " unbrauchbar") << Name;
        Gelesen[4] = Erwartet[4];
      }
      EXPECT_EQ(Gelesen, Erwartet) << Name << (AusDatei ? " --liste" : " Standardeingabe");
      // Die Nummer ohne fuehrende Null: in Mappen, die sie als Zahl halten, eine Abweichung.
      const bool AlsZahl = std::string(Name) != "sammlung-tandrix.xlsx";
      EXPECT_EQ(Lauf.Aus.find("Null fehlt vermutlich") != std::string::npos, AlsZahl) << Name;
      EXPECT_EQ(Lauf.Status, AlsZahl && std::string(Name).ends_with(".xls") ? StatusUnbrauchbar : StatusGut) << Name;
    }
  }
}

TEST(MappeListe, StrengZaehltDieFehlendeNull)
{
  EXPECT_EQ(Starte({"--liste", Pfad("sammlung.ods")}).Status, StatusGut);
  EXPECT_EQ(Starte({"--streng", "--liste", Pfad("sammlung.ods")}).Status, StatusFalsch);
}

TEST(MappeListe, TabelleNenntZeilenUndBlatt)
{
  const TLauf Lauf = Starte({"--liste", Pfad("sammlung.xlsx")});
  EXPECT_EQ(Lauf.Status, StatusGut) << Lauf.Fehler;
  EXPECT_NE(Lauf.Aus.find("31 80 4953 038-5  Prüfziffer 5: korrekt\n  Zeile 4:"), std::string::npos) << Lauf.Aus;
  // Das erste Blatt hat keine Nummern: jede Zeile unbrauchbar.
  const TLauf Hinweise = Starte({"--liste", Pfad("sammlung.xlsx"), "--blatt", "1"});
  EXPECT_EQ(Hinweise.Status, StatusUnbrauchbar);
  EXPECT_NE(Hinweise.Aus.find("„Meine Sammlung, Stand 2026“"), std::string::npos) << Hinweise.Aus;
  const TLauf Sammlung = Starte({"--liste", Pfad("sammlung.xlsx"), "--blatt=Sammlung", "--spalte=Wagennummer"});
  EXPECT_EQ(Sammlung.Aus, Lauf.Aus);
}

TEST(MappeListe, FehlerSindKlarUndStatus2)
{
  struct TFall {
    std::vector<std::string> Argumente;
    std::string Eingabe;
    std::string Meldung;
    int Status;
  };
  const std::vector<TFall> Faelle = {
      {{"--liste", Pfad("bombe.xlsx")}, "", "„" + Pfad("bombe.xlsx") + "“: Die Arbeitsmappe entpackt sich", 2},
      {{"--liste", Pfad("entitaeten.xlsx")}, "", "DOCTYPE oder eigenen Entitäten", 2},
      {{"--liste", Pfad("verschluesselt-xlsx.xlsx")}, "", "verschlüsselt", 2},
      {{"--liste", Pfad("verschluesselt.ods")}, "", "verschlüsselt", 2},
      {{"--liste", Pfad("abgeschnitten.xlsx")}, "", "beschädigt", 2},
      {{"--liste", Pfad("kein-mappe.xlsx")}, "", "keine Arbeitsmappe", 2},
      {{"--spalte", "1"}, Datei("verschluesselt.ods"), "Standardeingabe: Die Arbeitsmappe ist verschlüsselt", 2},
      {{}, Datei("bombe.xlsx"), "Standardeingabe: Die Arbeitsmappe entpackt sich", 2},
      {{"--liste", Pfad("gibt-es-nicht.xlsx")}, "", "nicht lesbar", 2},
      {{"--liste", Pfad("sammlung.xlsx"), "--blatt", "Lager"}, "", "kein Blatt „Lager“", 2},
      {{"--liste", Pfad("sammlung.xlsx"), "--spalte", "Nummer"}, "", "keine Spalte „Nummer“", 2},
      {{"--liste", Pfad("sammlung.xlsx"), "31 80 6652 003-8"}, "", "--liste und Nummern", 2},
  };
  for (const TFall& Fall : Faelle) {
    const TLauf Lauf = Starte(Fall.Argumente, Fall.Eingabe);
    EXPECT_EQ(Lauf.Status, Fall.Status) << Fall.Meldung;
    EXPECT_NE(Lauf.Fehler.find(Fall.Meldung), std::string::npos) << Lauf.Fehler;
    EXPECT_EQ(Lauf.Aus, "") << Fall.Meldung;
  }
}

TEST(MappeListe, TextlistenBleibenWieSie)
{
  // Eine Textliste mit --liste wie von der Standardeingabe, mit Kommentaren; --blatt nur ein Hinweis.
  const std::string Liste = "# Sammlung\n31 80 6652 003-8\nPiko 31 80 4953 038-5\n";
  const TLauf Strom = Starte({}, Liste);
  EXPECT_EQ(Strom.Status, StatusGut);
  const TLauf Mit = Starte({"--blatt", "2"}, Liste);
  EXPECT_EQ(Mit.Aus, Strom.Aus);
  EXPECT_NE(Mit.Fehler.find("--blatt gilt nur für Arbeitsmappen"), std::string::npos);
  // Beginnt eine Textliste wie ein ZIP-Archiv ("P…"), bleibt sie Text.
  const TLauf Piko = Starte({}, "PK 31 80 6652 003-8\n");
  EXPECT_NE(Piko.Aus.find("31 80 6652 003-8  Prüfziffer 8: korrekt"), std::string::npos) << Piko.Aus << Piko.Fehler;
  // --frei mit einer Mappe: ihre Nummern sind belegt.
  const TLauf Frei = Starte({"--frei", "31 80 4953 036-039", "3", "--liste", Pfad("sammlung.ods")});
  EXPECT_EQ(Frei.Aus, "31 80 4953 036-9\n31 80 4953 037-7\n31 80 4953 039-3\n") << Frei.Fehler;
}
