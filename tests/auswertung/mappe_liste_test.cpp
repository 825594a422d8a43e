// Die Bruecke von Arbeitsmappen zu Listen (auswertung/liste.h): BlattMitNummern, BlattLesen,
// DateiLesen und die Regel fuer Nummern, die als Zahl ihre fuehrende Null verloren haben.
// Die Mappen stehen in tests/daten/mappen/ (README.md dort).

#include "auswertung/auswertung.h"
#include "auswertung/liste.h"
#include "kennzeichen/kennzeichen.h"
#include "nummer/stammdaten.h"
#include "tests/hilfen/echte_daten.h"
#include "tests/hilfen/testdatei.h"
#include "zeichen/zeichensatz.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace {

std::string Datei(const std::string& Name) { return DateiInhalt(std::string(TANDRIX_MAPPEN) + "/" + Name); }

const char* const Mappen[] = {"sammlung.xlsx", "sammlung-libreoffice.xlsx", "sammlung.ods",
#ifdef TANDRIX_MIT_XLS
                              "sammlung.xls"
#endif
};

}  // namespace

TEST(MappeListe, DasBlattMitNummernIstVorgewaehlt)
{
  for (const char* Name : Mappen) {
    const TMappe Mappe = MappeLesen(Datei(Name));
    ASSERT_EQ(Mappe.Fehler, "") << Name;
    EXPECT_EQ(BlattMitNummern(Mappe), 1U) << Name << ": das erste Blatt hat keine Nummern";
  }
  TMappe Ohne;
  EXPECT_EQ(BlattMitNummern(Ohne), 0U);
  Ohne.Blaetter = {{"A", {{{"Text", false}}}}, {"B", {{{"auch Text", false}}}}};
  EXPECT_EQ(BlattMitNummern(Ohne), 0U);
  Ohne.Blaetter[1].Zeilen.push_back({{"31 80 6652 003-8", false}});
  EXPECT_EQ(BlattMitNummern(Ohne), 1U);
}

TEST(MappeListe, DateiLiestJedeArtWieDieCsv)
{
  const TListenErgebnis Csv = DateiLesen(Datei("sammlung.csv"));
  ASSERT_EQ(Csv.Fehler, "");
  EXPECT_EQ(Csv.Art, TMappenArt::Text);
  EXPECT_TRUE(Csv.Blaetter.empty());
  for (const char* Name : Mappen) {
    const TListenErgebnis Gelesen = DateiLesen(Datei(Name));
    ASSERT_EQ(Gelesen.Fehler, "") << Name;
    const TListe& Tabelle = Gelesen.Tabelle;
    EXPECT_EQ(Gelesen.Blaetter, (std::vector<std::string>{"Hinweise", "Sammlung"})) << Name;
    EXPECT_EQ(Gelesen.Blatt, 1U);
    EXPECT_EQ(Tabelle.Kennung, TKennung::Utf8);
    EXPECT_TRUE(Tabelle.MitKopf) << Name;
    EXPECT_EQ(Tabelle.Kopf, Csv.Tabelle.Kopf) << Name;
    EXPECT_EQ(Tabelle.Nummernspalte, Csv.Tabelle.Nummernspalte) << Name;
    EXPECT_EQ(Tabelle.Nummernspalte, 3U);
    EXPECT_EQ(Tabelle.Spalten, 8U);
    ASSERT_EQ(Tabelle.Zeilen.size(), Csv.Tabelle.Zeilen.size()) << Name;
    // Die Nummern wie in der CSV (die Formel ausser in .xls: libfreexl liest keine Formeln).
    for (std::size_t Zeile = 0; Zeile < Tabelle.Zeilen.size(); ++Zeile) {
      if (Gelesen.Art != TMappenArt::Xls || Zeile != 4) {
        EXPECT_EQ(Tabelle.Zeilen[Zeile].at(3), Csv.Tabelle.Zeilen[Zeile].at(3)) << Name << " Zeile " << Zeile;
      }
    }
    // Zahlen ohne den Kopf gezaehlt: Zeile 2 und 3 der Liste sind die Nummern als Zahl.
    EXPECT_FALSE(AlsZahl(Tabelle, 0, 3));
    EXPECT_TRUE(AlsZahl(Tabelle, 2, 3)) << Name;
    EXPECT_TRUE(AlsZahl(Tabelle, 3, 3)) << Name;
    EXPECT_FALSE(AlsZahl(Tabelle, 3, 99));
    EXPECT_FALSE(AlsZahl(Tabelle, 99, 3));
    EXPECT_FALSE(AlsZahl(Csv.Tabelle, 3, 3));
  }
}

TEST(MappeListe, BlattUndSpalteNachVorgabe)
{
  const std::string Xlsx = Datei("sammlung.xlsx");
  TLeseVorgabe Vorgabe;
  Vorgabe.Blatt = "hinweise";  // ohne Gross/Klein
  TListenErgebnis Gelesen = DateiLesen(Xlsx, Vorgabe);
  ASSERT_EQ(Gelesen.Fehler, "");
  EXPECT_EQ(Gelesen.Blatt, 0U);
  EXPECT_EQ(Gelesen.Tabelle.Zeilen.size(), 3U);
  Vorgabe.Blatt = "2";
  Vorgabe.Spalte = "Quelle";
  Gelesen = DateiLesen(Xlsx, Vorgabe);
  ASSERT_EQ(Gelesen.Fehler, "");
  EXPECT_EQ(Gelesen.Blatt, 1U);
  EXPECT_EQ(Gelesen.Tabelle.Nummernspalte, 7U);
  // Der Index geht Vorgabe.Blatt vor.
  Gelesen = DateiLesen(Xlsx, Vorgabe, 0);
  EXPECT_EQ(Gelesen.Blatt, 0U);
  EXPECT_NE(Cp1252NachUtf8(Gelesen.Fehler).find("keine Spalte „Quelle“"), std::string::npos) << Gelesen.Fehler;
  Vorgabe = {};
  Vorgabe.Blatt = "Lager";
  Gelesen = DateiLesen(Xlsx, Vorgabe);
  EXPECT_EQ(Cp1252NachUtf8(Gelesen.Fehler), "kein Blatt „Lager“ in der Arbeitsmappe; sie hat „Hinweise“, „Sammlung“");
  EXPECT_EQ(Gelesen.Blaetter.size(), 2U);
  Gelesen = DateiLesen(Xlsx, {}, 5);
  EXPECT_EQ(Cp1252NachUtf8(Gelesen.Fehler), "Blatt 6 gibt es nicht, die Arbeitsmappe hat 2");
  // Eine unlesbare Mappe: ihr Grund, keine Zeilen.
  Gelesen = DateiLesen(Datei("verschluesselt.ods"));
  EXPECT_NE(Cp1252NachUtf8(Gelesen.Fehler).find("verschlüsselt"), std::string::npos);
  EXPECT_TRUE(Gelesen.Tabelle.Zeilen.empty());
  EXPECT_EQ(Gelesen.Art, TMappenArt::Ods);
}

TEST(MappeListe, BlattLesenWieEineTextliste)
{
  TBlatt Blatt{
      "Eins",
      {{{"Nummer", false}, {"Preis", false}}, {{"318066520038", true}, {"12.5", true}}, {{"31 80 6652 003-8", false}}}};
  const TListenErgebnis Gelesen = BlattLesen(Blatt);
  ASSERT_EQ(Gelesen.Fehler, "");
  EXPECT_TRUE(Gelesen.Tabelle.MitKopf);
  EXPECT_EQ(Gelesen.Tabelle.Kopf, (TFelder{"Nummer", "Preis"}));
  EXPECT_EQ(Gelesen.Tabelle.Zeilen.size(), 2U);
  EXPECT_TRUE(AlsZahl(Gelesen.Tabelle, 0, 0));
  EXPECT_TRUE(AlsZahl(Gelesen.Tabelle, 0, 1));
  EXPECT_FALSE(AlsZahl(Gelesen.Tabelle, 1, 0));
  EXPECT_EQ(Blatt.Zeilen.size(), 3U) << "die Vorlage bleibt";
  TLeseVorgabe Vorgabe;
  Vorgabe.Spalte = "3";
  EXPECT_EQ(BlattLesen(Blatt, Vorgabe).Fehler, "Spalte 3 gibt es nicht, die Liste hat 2 Spalten");
}

TEST(ZahlOhneNull, ElfZiffernAusEinerZahlBekommenEineAbweichung)
{
  struct TFall {
    const char* Zelle;
    bool AlsZahl;
    bool Befund;
  };
  // https://hauerslev.com/jernbaner/uic/index.htm: 01 RIV-EUROP 86 DSB 500 0 235-7 E
  for (const TFall& Fall :
       {TFall{"18650002357", true, true}, TFall{"18650002357", false, false}, TFall{"318049530385", true, false},
        TFall{"31 80 6652 003", true, false}, TFall{"1865000235", true, false}}) {
    const TErgebnis Ergebnis = ZelleAuswerten(EchtesWissen(), Fall.Zelle, TKennung::Utf8, false, {}, Fall.AlsZahl);
    bool Gefunden = false;
    for (const TBefund& Befund : Ergebnis.Befunde)
      if (Cp1252NachUtf8(Befund.Text).find("führende Null") != std::string::npos) {
        Gefunden = true;
        EXPECT_TRUE(Befund.Abweichung());
        EXPECT_EQ(Befund.Bezug, TBezug::Zelle);
        EXPECT_NE(Cp1252NachUtf8(Befund.Text).find("01 86 5000 235-7 (Prüfziffer korrekt)"), std::string::npos)
            << Cp1252NachUtf8(Befund.Text);
      }
    EXPECT_EQ(Gefunden, Fall.Befund) << Fall.Zelle << " " << Fall.AlsZahl;
    EXPECT_EQ(Ergebnis.Abweichungen > 0, Fall.Befund) << Fall.Zelle;
  }
  // Aus einer gelesenen Tabelle: Zeile 3 der Sammlung (ohne Kopf) ist die Nummer ohne Null.
  const TListenErgebnis Gelesen = DateiLesen(Datei("sammlung.ods"));
  const TErgebnis Ohne = ZelleAuswerten(EchtesWissen(), Gelesen.Tabelle, 3, Gelesen.Tabelle.Nummernspalte, false);
  EXPECT_EQ(Ohne.Abweichungen, 1U);
  const TErgebnis Mit = ZelleAuswerten(EchtesWissen(), Gelesen.Tabelle, 2, Gelesen.Tabelle.Nummernspalte, false);
  EXPECT_EQ(Mit.Abweichungen, 0U);
  EXPECT_EQ(Mit.Urteil, TUrteil::Korrekt);
}
