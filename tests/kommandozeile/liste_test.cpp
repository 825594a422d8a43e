// wagennummer mit Listen aus Tabellenkalkulationen: --spalte, Doppelte, --frei.

#include "kommandozeile/programm.h"
#include "tests/hilfen/ausgabepruefung.h"
#include "tests/hilfen/wagennummer_lauf.h"
#include "zeichen/zeichensatz.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace {

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

// Was die Tabelle des Benutzers hat, steht in der CSV wieder so da, oder es wird gesagt.
struct TTreueFall {
  const char* Name;
  std::vector<std::string> Argumente;
  std::string Eingabe;  // UTF-8
  int Status;
  std::string InAusgabe;  // Bytes der Ausgabe
  std::string InFehler;   // UTF-8, leer: keine Meldung
};

class Treue : public testing::TestWithParam<TTreueFall> {};

TEST_P(Treue, NichtsVerlorenOhneEinWort)
{
  const TTreueFall& Fall = GetParam();
  const TLauf Lauf = Starte(Fall.Argumente, Fall.Eingabe);
  EXPECT_EQ(Lauf.Status, Fall.Status) << Lauf.Fehler;
  EXPECT_NE(Lauf.Aus.find(Fall.InAusgabe), std::string::npos) << Lauf.Aus;
  if (Fall.InFehler.empty())
    EXPECT_EQ(Lauf.Fehler, "");
  else
    EXPECT_NE(Lauf.Fehler.find(Fall.InFehler), std::string::npos) << Lauf.Fehler;
  const bool Csv = std::find(Fall.Argumente.begin(), Fall.Argumente.end(), "--csv") != Fall.Argumente.end();
  const bool Utf8 = std::find(Fall.Argumente.begin(), Fall.Argumente.end(), "--utf8") != Fall.Argumente.end();
  EXPECT_EQ(AusgabeVerstoss(Lauf.Aus, Csv, Utf8 || !Csv), "");
}

// Nummern aus tests/daten/anschriften.csv (Quellen dort): Fals der DB, Eanos-x.
const std::string Kopf = "Halter;Nummer;Bemerkung\r\n";
INSTANTIATE_TEST_SUITE_P(
    Spalte, Treue,
    testing::Values(
        // Ein vergessenes Anfuehrungszeichen in Zeile 3: die Zeilen danach werden trotzdem geprueft.
        TTreueFall{"OffenesAnfuehrungszeichen",
                   {"--spalte", "Nummer", "--csv"},
                   Kopf + "DB;31 80 6652 003-8;a\r\nDB;\"31 80 537 7 614-8;b\r\nDB;31 80 537 7 614-8;c\r\n",
                   2,
                   "DB;31 80 537 7 614-8;c;31 80 537 7 614-8;31 80 5377 614-8;8;8;korrekt",
                   "Zeile 3: Anführungszeichen ohne Gegenstück"},
        TTreueFall{"Utf8BehaeltZeichen",
                   {"--spalte=2", "--csv", "--utf8"},
                   Kopf + "ČD Cargo Łódź;31 80 6652 003-8;x\r\n",
                   0,
                   "ČD Cargo Łódź;31 80 6652 003-8;x;",
                   ""},
        TTreueFall{"Windows1252SagtEsStattStill",
                   {"--spalte", "2", "--csv"},
                   Kopf + "ČD Cargo Łódź;31 80 6652 003-8;x\r\n",
                   0,
                   "?D Cargo ?ó"_cp1252
                   "d?;",
                   "1 Zellen mit Zeichen, die Windows-1252 nicht hat (zuerst Zeile 2)"},
        // Alt+Eingabe in einer Zelle: der Umbruch bleibt, in Anfuehrungszeichen.
        TTreueFall{"UmbruchInZelleBleibt",
                   {"--spalte", "2", "--csv", "--utf8"},
                   Kopf + "DB;31 80 6652 003-8;\"Foto\nRoco\"\r\n",
                   0,
                   ";\"Foto\nRoco\";",
                   ""},
        TTreueFall{"Utf16OhneKennung",
                   {"--spalte", "Nummer", "--csv"},
                   std::string("N\0r\0;\0N\0u\0m\0m\0e\0r\0\n\0"
                               "1\0;\0"
                               "3\0001\0"
                               "8\0000\0"
                               "6\0006\0"
                               "5\0002\0"
                               "0\0000\0"
                               "3\0008\0\n\0",
                               50),
                   0,
                   "1;318066520038;",
                   ""}),
    [](const testing::TestParamInfo<TTreueFall>& Info) { return std::string(Info.param.Name); });

// Ohne --spalte: jede Zeile, deren 11 Ziffern schon vorkamen, verweist auf die erste.
TEST(Liste, DoppelteNennenDieFruehereZeile)
{
  const TLauf Lauf = Starte({"--csv"}, "31 80 537 7 614-8\n# Kommentar\n318053776148\n31 80 5377 614-1\n");
  const std::string Derselbe = "doppelt: derselbe Wagen wie Zeile 1";
  ASSERT_NE(Lauf.Aus.find(Derselbe), std::string::npos);
  EXPECT_EQ(Lauf.Aus.find(Derselbe), Lauf.Aus.rfind(Derselbe)) << "nur die dritte Zeile";
  EXPECT_NE(Lauf.Aus.find("doppelt: dieselben 11 Ziffern wie Zeile 1, dort mit Prü"_cp1252
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

// Die uebrigen Zellen einer Zeile zaehlen wie neben die Nummer geschrieben, aber nur, was die
// Tabellen kennen, und nur, wozu die Nummernzelle schweigt. Nummern aus tests/daten/anschriften.csv:
// 31 80 4543 172-9 Sgns DB Cargo (fotocommunity.it, Foto 2020), 31 80 4671 483-4 Shimmns-u
// (dybas.de g708); 31 80 4543 172-3 ist absichtlich falsch.
struct TKontextFall {
  const char* Name;
  const char* Bezeichnung;
  const char* Nummer;
  const char* AusDerZeile;      // leer: keine solche Angabe
  const char* ErsterVorschlag;  // Teil davon; leer: nicht geprueft
};
void PrintTo(const TKontextFall& Fall, std::ostream* Aus) { *Aus << Fall.Name; }

class KontextDerZeileTest : public testing::TestWithParam<TKontextFall> {};

TEST_P(KontextDerZeileTest, ZaehltWieAngeschrieben)
{
  const TKontextFall& Fall = GetParam();
  const TLauf Lauf =
      Starte({"--spalte", "Nummer"}, std::string("Bezeichnung;Nummer\n") + Fall.Bezeichnung + ";" + Fall.Nummer + "\n");
  const std::size_t Angabe = Lauf.Aus.find("Aus der Zeile:");
  if (*Fall.AusDerZeile == '\0') {
    EXPECT_EQ(Angabe, std::string::npos) << Lauf.Aus;
  } else {
    ASSERT_NE(Angabe, std::string::npos) << Lauf.Aus;
    EXPECT_EQ(Lauf.Aus.substr(Angabe, Lauf.Aus.find('\n', Angabe) - Angabe),
              std::string("Aus der Zeile:         ") + Fall.AusDerZeile);
  }
  if (*Fall.ErsterVorschlag != '\0') {
    const std::size_t Vorschlag = Lauf.Aus.find("\n    ");
    ASSERT_NE(Vorschlag, std::string::npos) << Lauf.Aus;
    EXPECT_NE(Lauf.Aus.substr(Vorschlag, Lauf.Aus.find('\n', Vorschlag + 1) - Vorschlag).find(Fall.ErsterVorschlag),
              std::string::npos)
        << Lauf.Aus;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, KontextDerZeileTest,
    testing::Values(
        TKontextFall{"GattungUndHalter", "Containerwagen Sgns DB", "31 80 4543 172-9",
                     "aus Spalte Bezeichnung: Sgns, DB", ""},
        // ohne Angabe zum Land bleibt das mit den meisten Haltern vorn
        TKontextFall{"OhneKontextVerbreitetesLand", "Containerwagen", "31 80 4543 172-3", "", "Deutschland"},
        TKontextFall{"HalterZiehtNachDeutschland", "Containerwagen Sgns DB", "31 80 4543 172-3",
                     "aus Spalte Bezeichnung: Sgns, DB", "passt zu Sgns und DB"},
        TKontextFall{"LandUndHalter", "Tragwagen D-DB", "31 80 4543 172-9", "aus Spalte Bezeichnung: D-DB", ""},
        // Was neben der Nummer steht, gilt: die Bezeichnung ersetzt es nicht
        TKontextFall{"AnschriftGehtVor", "Eanos", "31 80 4671 483-4 Shimmns", "", ""},
        // Woerter einer Bezeichnung, die nur so aussehen: Hauptwoerter, Orte, Abkuerzungen
        // des Modellbaus, ein Halter aus einem anderen Land ohne Laenderkuerzel
        TKontextFall{"KeineGattungszeichen", "Doppeltragwagen Bahn Dresden Abteilwagen", "31 80 4671 483-4", "", ""},
        TKontextFall{"KeineHalter", "H0 Epoche VI, KK, OVP, NEM, TT, EP, SBB", "31 80 4671 483-4", "", ""}),
    [](const testing::TestParamInfo<TKontextFall>& Info) { return std::string(Info.param.Name); });
