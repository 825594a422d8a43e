// wagennummer mit Listen aus Tabellenkalkulationen: --spalte, Doppelte, --frei.

#include "fuzz/ausgabepruefung.h"
#include "kommandozeile/programm.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

struct TLauf {
  int Status;
  std::string Aus;
  std::string Fehler;
};

TLauf Starte(std::vector<std::string> Argumente, const std::string& Eingabe = {})
{
  Argumente.insert(Argumente.begin(), {std::string("--daten=") + TANDRIX_DATEN + "/Wagen.ebb",
                                       std::string("--kennzeichen=") + TANDRIX_DATEN + "/Kennzeichen.ebb"});
  std::istringstream Ein(Eingabe);
  std::ostringstream Aus, Fehler;
  const int Status = Wagennummer(Argumente, Ein, Aus, Fehler);
  return {Status, Aus.str(), Fehler.str()};
}

// Eine Sammlung, wie Excel sie kopiert; Nummern aus tests/daten/anschriften.csv:
// Roco 67193 laut http://modellbahninfo.org/?p=8287 (Pruefziffer laut Formel falsch, waere 4),
// Eanos-x laut https://tt-board.de/forum/threads/gueterwagen-wie-wo-was.6918/page-6.
const std::string Sammlung =
    "Hersteller\tNummer\tBemerkung\r\n"
    "Roco 67193\t31 51 537 6 204-3 PL-PKPC Eanos\t\"Set, \"\"Wagen 1\"\"\"\r\n"
    "Eigenbau\t31 80 537 7 614-8\t=SUMME(A1)\r\n"
    "Eigenbau\t318053776148\tzweimal\r\n";

TEST(Spalte, CsvBehaeltEigeneSpaltenVornUndHaeltDieZusagen)
{
  for (const bool Utf8 : {false, true}) {
    std::vector<std::string> Argumente = {"--spalte", "Nummer", "--csv"};
    if (Utf8)
      Argumente.emplace_back("--utf8");
    const TLauf Lauf = Starte(Argumente, Sammlung);
    EXPECT_EQ(Lauf.Status, 1) << "eine Pruefziffer ist falsch";
    EXPECT_EQ(AusgabeVerstoss(Lauf.Aus, true, Utf8), "");
    std::istringstream Zeilen(Lauf.Aus);
    std::string Kopf, Roco, Eanos, Zweimal;
    std::getline(Zeilen, Kopf);
    std::getline(Zeilen, Roco);
    std::getline(Zeilen, Eanos);
    std::getline(Zeilen, Zweimal);
    EXPECT_NE(Kopf.find("Hersteller;Nummer;Bemerkung;Eingabe;"), std::string::npos) << Kopf;
    EXPECT_EQ(Roco.rfind("Roco 67193;31 51 537 6 204-3 PL-PKPC Eanos;\"Set, \"\"Wagen 1\"\"\";", 0), 0u) << Roco;
    EXPECT_NE(Roco.find(";falsch;"), std::string::npos);
    EXPECT_EQ(Eanos.rfind("Eigenbau;31 80 537 7 614-8;\"'=SUMME(A1)\";", 0), 0u) << Eanos;
    EXPECT_NE(Zweimal.find("doppelt: derselbe Wagen wie Zeile 3"), std::string::npos) << Zweimal;
  }
}

TEST(Spalte, TabelleNenntZeileUndUnbekannteSpalte)
{
  const TLauf Lauf = Starte({"--spalte", "2"}, Sammlung);
  EXPECT_NE(Lauf.Aus.find("Zeile 4:"), std::string::npos);
  EXPECT_EQ(AusgabeVerstoss(Lauf.Aus, false, true), "");
  const TLauf Falsch = Starte({"--spalte", "Wagennummer"}, Sammlung);
  EXPECT_EQ(Falsch.Status, 2);
  EXPECT_NE(Falsch.Fehler.find("keine Spalte"), std::string::npos);
}

// Ohne --spalte: jede Zeile, deren 11 Ziffern schon vorkamen, verweist auf die erste.
TEST(Liste, DoppelteNennenDieFruehereZeile)
{
  const TLauf Lauf = Starte({"--csv"}, "31 80 537 7 614-8\n# Kommentar\n318053776148\n31 80 5377 614-1\n");
  const std::string Derselbe = "doppelt: derselbe Wagen wie Zeile 1";
  ASSERT_NE(Lauf.Aus.find(Derselbe), std::string::npos);
  EXPECT_EQ(Lauf.Aus.find(Derselbe), Lauf.Aus.rfind(Derselbe)) << "nur die dritte Zeile";
  EXPECT_NE(Lauf.Aus.find("doppelt: dieselben 11 Ziffern wie Zeile 1, dort mit Pr\xFC"
                          "fziffer 8"),
            std::string::npos);
}

TEST(Frei, NummernOhneBelegteUndMeldungen)
{
  const TLauf Lauf = Starte({"--frei", "31 80 5377 613-616", "3", "31 80 537 7 614-8"});
  EXPECT_EQ(Lauf.Aus, "31 80 5377 613-0\n31 80 5377 615-5\n31 80 5377 616-3\n");
  EXPECT_EQ(Lauf.Status, 0);
  const TLauf ZuWenig = Starte({"--spalte", "2", "--frei", "31 80 5377 613-614", "2"}, Sammlung);
  EXPECT_EQ(ZuWenig.Aus, "31 80 5377 613-0\n");
  EXPECT_EQ(ZuWenig.Status, 1);
  EXPECT_EQ(Starte({"--frei", "31 80 537", "3"}).Status, 2);
  EXPECT_EQ(Starte({"--frei", "31 80 5377", "0"}).Status, 2);
}

}  // namespace
