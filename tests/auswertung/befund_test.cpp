// Worauf sich Befunde beziehen: jeder Befund nennt seinen Teil der Eingabe, damit eine
// Oberflaeche ihn ohne Lesen des Texts zuordnen kann. Anschriften aus tests/daten/anschriften.csv
// und anschriften-neu.csv (dort mit Quelle); veraenderte stehen als solche da.

#include "auswertung/auswertung.h"
#include "auswertung/eingabe.h"
#include "zeichen/zeichensatz.h"

#include "tests/hilfen/echte_daten.h"

#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

struct TBezugFall {
  const char* Name;
  const char* Eingabe;
  std::vector<std::string> Befunde;  // "A " Abweichung bzw. "H " Hinweis, dann BezugText (UTF-8)
};
void PrintTo(const TBezugFall& Fall, std::ostream* Aus) { *Aus << Fall.Eingabe; }

class BezugTest : public testing::TestWithParam<TBezugFall> {};

TEST_P(BezugTest, JederBefundNenntSeinenTeil)
{
  const TErgebnis Ergebnis = Auswerten(EchtesWissen(), EingabeUmsetzen(GetParam().Eingabe, TKennung::Keine), false);
  std::vector<std::string> Befunde;
  for (const TBefund& Befund : Ergebnis.Befunde)
    Befunde.push_back((Befund.Abweichung() ? "A " : "H ") + Cp1252NachUtf8(BezugText(Befund)));
  EXPECT_EQ(Befunde, GetParam().Befunde);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, BezugTest,
    testing::Values(
        TBezugFall{"ZusatzUndMehrBuchstaben",
                   "31 80 5400 045-6 Eanos-x 057",
                   {"H Gattungszeichen „Eanos“", "H nationaler Zusatz „-x“"}},
        TBezugFall{"ArtikelnummerImSatz",
                   "un’unità di prima classe (art. 2465, marcatura 51 83 19-40 220-3 Az)",
                   {"H andere Ziffern der Zeile", "H Wort „marcatura“"}},
        TBezugFall{"HalterImAusland", "33 85 7813 231-2 CH-ARETZ Zags", {"H Halterkennzeichen „ARETZ“"}},
        TBezugFall{
            "UngeprueftUndWort", "51 80 05–40 603-9 [P] Bcüm USTC", {"H Gattungszeichen „Bcüm“", "H Wort „USTC“"}},
        TBezugFall{"NationaleNummer", "Re 460 077-1", {"H Nummer"}},
        TBezugFall{"GattungGegenKennzahl", "21 RIV 80 DB 577 1 151 - 5 Tbis 870", {"A Gattungszeichen „Tbis“"}},
        // veraendert: anderes Land, falsche Pruefziffer, O statt 0
        TBezugFall{"LandFalsch", "31 81 3523 474-4 D-RCW", {"A Länderkürzel „D“"}},
        TBezugFall{"Vorschlaege", "31 80 6652 003-4", {"H Vorschläge"}},
        TBezugFall{"GelesenMitHinweis", "31 8O 6652 003-8", {"H Eingabe"}},
        // ohne Pruefziffer bleibt der Hinweis zum Lesen (https://dzen.ru/a/X0iUiJEArSoN7cWm)
        TBezugFall{"OhnePruefzifferUmschrieben", "ЧС7-005", {"H Eingabe"}},
        // nur Gattung und Betriebsnummer: vielleicht die Bauart (erfunden)
        TBezugFall{"BauartOderNummer", "ABm 225", {"H Eingabe"}}),
    [](const testing::TestParamInfo<TBezugFall>& Info) { return std::string(Info.param.Name); });

// Dieselbe Zahl zweimal in der Zeile wird einmal genannt (technische Notiz bei uiprail.org)
TEST(Umgebung, DieselbeZahlNurEinmal)
{
  const TErgebnis Ergebnis = Auswerten(
      EchtesWissen(),
      EingabeUmsetzen("33 TEN 54 6985 000 – 0 with additional marking “G2”: The marking “TEN” with “3” as 1st digit "
                      "because of G2 gauge is wrong.",
                      TKennung::Keine),
      false);
  std::string Texte;
  for (const TBefund& Befund : Ergebnis.Befunde)
    Texte += Cp1252NachUtf8(Befund.Text) + "\n";
  const std::size_t Erste = Texte.find("Typ G2");
  ASSERT_NE(Erste, std::string::npos) << Texte;
  EXPECT_EQ(Texte.find("Typ G2", Erste + 1), std::string::npos) << Texte;
}

}  // namespace

// Urteile nationaler Nummern nach jeder Konvention; eine Pruefziffer, die nur stimmt, weil die
// Stelle 5 eines Triebzugwagens fehlt, ist nicht geprueft (mit einer der zehn stimmt jede).
// Anschriften aus tests/daten/anschriften.csv und anschriften-neu.csv; veraenderte als solche.
TEST(NationaleNummer, UrteilJeKonvention)
{
  const std::vector<std::pair<const char*, TUrteil>> Faelle = {
      {"Re 460 077-1", TUrteil::Korrekt},
      {"Re 460 077-4", TUrteil::Falsch},  // veraendert
      {"0812 041-3", TUrteil::Korrekt},
      {"0812 041-5", TUrteil::Falsch},                        // veraendert
      {"186 007-8", TUrteil::Korrekt},                        // NS: die Pruefziffer von 91 84 1186 007-8
      {"EN 57-2017 ra (2 122 745-4)", TUrteil::Korrekt},      // PKP: von 94 51 2122 745-4 (anschriften-neu6.csv)
      {"EU07-015 (5 140 179-0)", TUrteil::Korrekt},           // PKP: von 91 51 5140 179-0 (anschriften-neu6.csv)
      {"EN 57-2017 ra (2 122 745-7)", TUrteil::Falsch},       // veraendert
      {"postával \"čmeliak\" 771.189-6.", TUrteil::Korrekt},  // ZSR: von 92 56 2771 189-6 (anschriften-neu5.csv)
      {"771.189-4", TUrteil::Falsch},                         // veraendert
      // PKP mit Verbrennungsmotor (github.com/kojonek2/Android-Lab2): 98 51 8620 261-2, 95 51 2820 140-2
      {"SM42-028 (8 620 261-2)", TUrteil::Korrekt},
      {"SA140-001 (2 820 140-2)", TUrteil::Korrekt},
      {"SM42-028 (8 620 261-7)", TUrteil::Falsch},  // veraendert
      // veraendert: die 9 passte zu 90 56 3630 065-9, aber "ST44" baut nur die PKP
      {"ST44-1201 (3 630 065-9)", TUrteil::Falsch},
      // CFR ohne hinterlegtes Schema: "CFR Class 41-0587-0" (alem.dynip.sapo.pt, Spiegel von Electroputere
      // LE5100), zwoelfstellig "91 53 0 400" (trainsdepot.org/vehicle/27/class_40)
      {"CFR 41-0587-0", TUrteil::Korrekt},
      {"CFR 41-0587-6", TUrteil::Unvollstaendig},  // veraendert: die von 91 53 0410 587-6
      {"CFR 41-0587-1", TUrteil::Falsch},          // veraendert: passt zu keiner Art einer Lok oder eines Triebzugs
      {"CFR Class 41-0587-6 reversing in Gara de Nord", TUrteil::Unvollstaendig},  // veraendert; Land aus "CFR"
      // BDZ fuenfstellig, ohne Land: "Nr. 44134.2" (mtitc.government.bg) passt zu 91 52 0044 134-2
      {"electric locomotive Nr. 44134.2, having", TUrteil::Unvollstaendig},
      {"electric locomotive Nr. 44134.5, having", TUrteil::Korrekt},      // veraendert: eigene Regel
      {"electric locomotive Nr. 44134.7, having", TUrteil::Unbrauchbar},  // veraendert: passt zu nichts
      // veraendert aus "2096.001-0" (92 81 2096 001-0, anschriften.csv): "RJ" als Zug, zugleich Halter
      // in Tschechien, macht die passende Nummer nicht falsch
      {"2096.001-0 im RJ nach Wien", TUrteil::Korrekt},
      {"RABe 526 044.2", TUrteil::Unvollstaendig},
      {"RABe 526 044.5", TUrteil::Unvollstaendig}};  // veraendert: ebenso wenig zu pruefen
  for (const auto& [Eingabe, Urteil] : Faelle)
    EXPECT_EQ(Auswerten(EchtesWissen(), EingabeUmsetzen(Eingabe, TKennung::Keine), false).Urteil, Urteil) << Eingabe;
}

// Die ersten Stellen fuer sich (anschriften-neu3.csv, -neu6.csv): unvollstaendig, der Rest "?", die
// naechste nach Komma beginnt neu; ein Datum, ein unbelegter Kopf und getippte Ziffern allein nicht.
TEST(Teilnummer, NurMitBelegtemKopfInEinemSatz)
{
  const std::vector<std::tuple<const char*, TUrteil, const char*>> Faelle = {
      {"Vozy řady Bdmpee233, číslované v intervalu 61 54 20-71, jsou jednou z řad", TUrteil::Unvollstaendig,
       "61 54 2071 ?\?\?-?"},
      {"Glms207 | 21 80 143 | AW Duisburg-Wedau (umgebaut) | 1969 |", TUrteil::Unvollstaendig, "21 80 143? ?\?\?-?"},
      {"(Bmz ÖBB) Bmz (Bmee234), 51 81 21-70, 50 81 21-70 a 61 81 21-70, rok 2010", TUrteil::Unvollstaendig,
       "51 81 2170 ?\?\?-?"},
      {"Foto am 12 10 2019 in Wien", TUrteil::Unbrauchbar, ""},
      {"Foto 31 02 20-71", TUrteil::Unbrauchbar, ""},
      {"31 80 665", TUrteil::Unbrauchbar, ""},
      // anschriften-neu7.csv: die Stellen 5-12 mit Pruefziffer sind keine Teilnummer
      {"Voiture de première classe 18-33 524-2 restaurée en état d'origine", TUrteil::OhnePruefziffer, "18-33 524"}};
  for (const auto& [Eingabe, Urteil, Nummer] : Faelle) {
    const TErgebnis Ergebnis = Auswerten(EchtesWissen(), EingabeUmsetzen(Eingabe, TKennung::Keine), false);
    EXPECT_EQ(Ergebnis.Urteil, Urteil) << Eingabe;
    if (*Nummer != '\0') {
      EXPECT_EQ(Ergebnis.Nummer, Nummer) << Eingabe;
    }
  }
}

// Ist die kurze Nummer die Stellen 5-11 der zwoelfstelligen, nennt "falsch" auch deren Pruefziffer;
// sonst nur die nach eigener Regel (veraenderte Pruefziffern echter Nummern, siehe oben). Ohne
// Schema des Landes nennt "nicht sicher pruefbar" die vermutete zwoelfstellige und ihre Art.
TEST(NationaleNummer, FalschNenntJedeRichtige)
{
  const std::vector<std::pair<const char*, const char*>> Faelle = {
      {"ST44-1201 (3 630 065-9)",
       "falsch – richtig wäre 5 nach eigener Regel oder 2 wie die zwölfstellige 92 51 "
       "3630 065-2"},
      {"D-DB 218 390-7", "falsch – richtig wäre 3"},
      {"CFR 41-0587-6",
       "nicht sicher prüfbar – nach eigener Regel wäre sie 0; sie passt zur zwölfstelligen "
       "91 53 0410 587-6, wenn es eine Elektrolokomotive ist"}};
  for (const auto& [Eingabe, Ende] : Faelle)
    EXPECT_TRUE(Cp1252NachUtf8(Auswerten(EchtesWissen(), EingabeUmsetzen(Eingabe, TKennung::Keine), false).Kopf)
                    .ends_with(Ende))
        << Eingabe;
}

namespace {

// Alles, was eine Oberflaeche von einem Ergebnis zeigt, als ein Text.
std::string Gezeigt(const TErgebnis& Ergebnis)
{
  std::string Text = UrteilText(Ergebnis.Urteil) + "|" + Ergebnis.Meldung;
  for (const auto& [Bezeichnung, Wert] : AlleAngaben(Ergebnis))
    Text += "|" + Bezeichnung + "=" + Wert;
  for (const TBefund& Befund : Ergebnis.Befunde)
    Text += "|" + BefundText(Befund);
  for (const TVorschlagEintrag& Vorschlag : Ergebnis.Vorschlaege)
    Text += "|" + VorschlagText(Vorschlag);
  return Text;
}

}  // namespace

// Die Seite im Browser laedt [Halter] erst nach der ersten Pruefung und prueft bis dahin nur
// Eingaben aus Ziffern, "?" und Trennzeichen (NUR_ZIFFERN in browser/seite.js): fuer sie muss das
// Ergebnis ohne den Abschnitt dasselbe sein wie mit ihm.
TEST(OhneHalter, ZiffernErgebenDasselbe)
{
  const std::string Ganz = std::string(EchteKennzeichen().Text ? *EchteKennzeichen().Text : "");
  const std::size_t Anfang = Ganz.find("\n[Halter]");
  ASSERT_NE(Anfang, std::string::npos);
  const TKennzeichen Vorn = LadeKennzeichenAusText(Ganz.substr(0, Anfang + 1));
  ASSERT_TRUE(Vorn.Halter.empty());
  const TWissen OhneHalter{EchteStammdaten().Stammdaten, Vorn, true, true};

  std::vector<std::string> Eingaben = {"31 80 6652 003-8", "318066520038",        "31 80 6652 003-9",
                                       "31.80.6652.003-8", "31 80 665 2 003 – 8", "31 80 6652 0?3-8",
                                       "9?80 6193 558-4",  "186 007-8",           "91 80 6193 558-4 / 91 80 6193 559-2",
                                       "470 005-4",        "4024 067-2",          "61 80 20-90 016"};
  // Dazu zufaellige Ziffernfolgen mit "?" und den Trennzeichen, die in Anschriften vorkommen.
  const std::vector<std::string> Trenner = {" ", " ", ".", "-", "\xe2\x80\x93", "/", ":", ","};
  std::mt19937 Zufall(31);
  for (int I = 0; I < 2000; ++I) {
    std::string Eingabe;
    for (unsigned K = 0, Laenge = 6 + Zufall() % 8; K < Laenge; ++K) {
      Eingabe += Zufall() % 15 == 0 ? '?' : static_cast<char>('0' + Zufall() % 10);
      if (Zufall() % 3 == 0)
        Eingabe += Trenner[Zufall() % Trenner.size()];
    }
    Eingaben.push_back(Eingabe);
  }
  for (const std::string& Eingabe : Eingaben)
    EXPECT_EQ(Gezeigt(Auswerten(OhneHalter, EingabeUmsetzen(Eingabe, TKennung::Utf8), false)),
              Gezeigt(Auswerten(EchtesWissen(), EingabeUmsetzen(Eingabe, TKennung::Utf8), false)))
        << Eingabe;
}
