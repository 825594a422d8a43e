#include "auswertung/eingabe.h"
#include "zeichen/zeichensatz.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <regex>
#include <string>
#include <utility>
#include <vector>

namespace {

struct TForm {
  const char* Name;
  std::string Text;     // Windows-1252
  std::string Ziffern;  // leer: muss abgelehnt werden
};

void PrintTo(const TForm& Fall, std::ostream* Aus) { *Aus << Fall.Name; }

class NummerAusTextTest : public testing::TestWithParam<TForm> {};

TEST_P(NummerAusTextTest, NimmtZiffernOderMeldet)
{
  const TGelesen G = NummerAusText(GetParam().Text);
  EXPECT_EQ(G.Fehler.empty() ? G.Ziffern : "", GetParam().Ziffern);
  EXPECT_EQ(G.Fehler.empty(), !GetParam().Ziffern.empty()) << G.Fehler;
}

INSTANTIATE_TEST_SUITE_P(
    Formen, NummerAusTextTest,
    testing::Values(TForm{"Blank", "31806652003", "31806652003"}, TForm{"Gruppen", "31 80 6652 003-8", "318066520038"},
                    TForm{"Punkte", "37.84.4667.019-2", "378446670192"},
                    TForm{"Halbgeviertstrich", "31 80 6652 003–8"_cp1252, "318066520038"},
                    TForm{"AnschriftRingsum", "31 RIV 80 D-DB 665 2 003-8", "318066520038"},
                    TForm{"Triebzug", "RABe 94 85 0 511 028-8", "948505110288"},
                    TForm{"TabUndGeschuetztesLeerzeichen", "\t31\24080 6652003 ", "31806652003"},
                    TForm{"BuchstabeInGruppe", "3180A652003", ""},
                    TForm{"BuchstabeAmGruppenende", "31 80D 6652 003", ""}, TForm{"ZuWenig", "31 80 665", ""},
                    TForm{"ZuViel", "31 80 6652 003-81", ""},
                    // wie angeschrieben: Bauart neben den Gattungszeichen, Komma,
                    // Strich allein, verlesene Buchstaben (tests/daten/anschriften.csv)
                    TForm{"BauartDahinter", "31 RIV 80 D-DB 6940 196-2 Facs 124", "318069401962"},
                    TForm{"BauartAngehaengt", "CZ-CD 50 54 80-30 002-7 Bfhpvee295", "505480300027"},
                    TForm{"BauartDavorMitKomma", "WLABee 824, 52 54 70-40 171-8", "525470401718"},
                    TForm{"BauartMitZusatz", "31 80 5400 045-6 Eanos-x 057", "318054000456"},
                    TForm{"StrichAllein", "21 RIV 80 DB 577 1 151 - 5 Tbis 870", "218057711515"},
                    TForm{"KlasseVorDerNummerBleibt", "B 50 85 20-35 073-9", "508520350739"},
                    TForm{"OUndIAlsZiffern", "31 8O 6652 OO3-8", "318066520038"},
                    TForm{"AndereBuchstabenNicht", "31 8S 6652 003-8", ""},
                    // ein x ist kein Platzhalter, zwei sind es
                    TForm{"EinXIstKeinPlatzhalter", "31 80 6652 x03-8", ""},
                    TForm{"ZweiXSindPlatzhalter", "31 80 6652 xx3-8", "31806652??38"}, TForm{"Leer", "", ""}),
    [](const testing::TestParamInfo<TForm>& Info) { return std::string(Info.param.Name); });

TEST(NummerAusText, BauartUndVerlesenesWerdenGenannt)
{
  const TGelesen Gelesen = NummerAusText("31 RIV 80 D-DB 6940 196-2 Facs 124");
  EXPECT_EQ(Gelesen.Bauart, std::vector<std::string>{"124"});
  EXPECT_EQ(Gelesen.Woerter, (std::vector<std::string>{"RIV", "D-DB", "Facs"}));
  EXPECT_EQ(NummerAusText("31 8O 6652 003-8").Hinweise,
            std::vector<std::string>{"„8O“ als „80“ gelesen (O für 0, I und l für 1)"_cp1252});
}

TEST(NummerAusText, MeldungNenntZiffernzahl)
{
  EXPECT_EQ(NummerAusText("31 80 665 20").Fehler, "„31 80 665 20“ hat 9 Ziffern, erwartet werden 11 oder 12"_cp1252);
  // Zwoelf Ziffern in fremder Gliederung mit falscher Pruefziffer (veraendert aus der Zeile unten)
  EXPECT_EQ(NummerAusText("80 87 97 908 50 3").Fehler,
            "„80 87 97 908 50 3“ hat 12 Ziffern, aber nicht gegliedert wie eine Wagennummer"_cp1252);
}

// Unicode in Eingaben: nur ein getipptes "?" ist eine unbekannte Ziffer. Zeilen aus gemeldeten
// Eingaben (Fotos, Texte aus Webseiten und Tabellen).
struct TUnicode {
  const char* Name;
  std::string Utf8;
  std::string Ziffern;  // leer: unbrauchbar
  std::string Meldung;  // Anfang des Hinweises bzw. der Meldung, UTF-8
};

void PrintTo(const TUnicode& Fall, std::ostream* Aus) { *Aus << Fall.Name; }

class EingabeUmsetzenTest : public testing::TestWithParam<TUnicode> {};

TEST_P(EingabeUmsetzenTest, ZiffernTrennerFormatzeichenOderUnbrauchbar)
{
  const TEingabeText Text = EingabeUmsetzen(GetParam().Utf8, TKennung::Keine);
  const std::string Meldung =
      Cp1252NachUtf8(Text.Fehler.empty() ? (Text.Hinweise.empty() ? "" : Text.Hinweise[0]) : Text.Fehler);
  EXPECT_TRUE(Meldung.starts_with(GetParam().Meldung)) << Meldung;
  if (GetParam().Ziffern.empty())
    EXPECT_NE(Text.Fehler, "");
  else
    EXPECT_EQ(NummerAusText(Text.Text).Ziffern, GetParam().Ziffern);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, EingabeUmsetzenTest,
    testing::Values(
        TUnicode{"Breitziffern", "31 80 6652 ００３-8", "318066520038",
                 "3 Ziffern aus einer anderen Schrift gelesen (U+FF10 als 0"},
        TUnicode{"ArabischIndisch", "٣١ ٨٠ ٦٦٥٢ ٠٠٣-٨", "318066520038", "12 Ziffern aus einer anderen Schrift"},
        TUnicode{"SchmaleLeerzeichenUndMinus", "31\u202f80\u20076652\u3000003\u22128", "318066520038", ""},
        TUnicode{"GeschuetzterBindestrich", "31 80 6652 003\u20118", "318066520038", ""},
        TUnicode{"WeicherTrennstrich", "31 80 6652 003\u00ad8", "318066520038", ""},
        TUnicode{"BreiteNullUndKennung", "\ufeff31 80 6652 003-8\u200b", "318066520038", ""},
        // Rechts-nach-links-Umschaltung: angezeigt "31 80 6652 008-3", gespeichert "… 003-8".
        TUnicode{"Richtungsumkehr", "31 80 6652 \u202e003-8\u202c", "318066520038",
                 "enthält unsichtbare Steuerzeichen U+202E, U+202C (Schreibrichtung)"},
        TUnicode{"Richtungsmarke", "\u200f31 80 6652 003-8", "318066520038",
                 "enthält unsichtbare Steuerzeichen U+200F"},
        TUnicode{"Hacek", "CZ-ČD 50 54 29-29 010-7", "505429290107",
                 "ein Buchstabe ohne Akzent gelesen (U+010C als C)"},
        TUnicode{"Fragezeichen", "31 80 6652 ??3-8", "31806652??38", ""},
        TUnicode{"Emoji", "31 80 6652 003-8 😀", "", "„31 80 6652 003-8 ?“ enthält das Zeichen U+1F600"},
        TUnicode{"KombinierenderAkzent", "31 80 6652 003-8\u0301", "",
                 "„31 80 6652 003-8?“ enthält das Zeichen U+0301"},
        // griechische und kyrillische Buchstaben lateinisch umschrieben, andere Schriften nicht
        TUnicode{"Kyrillisch", "31 80 6652 003-8 РЖД", "318066520038",
                 "3 Buchstaben einer anderen Schrift lateinisch gelesen (U+0420 als R"},
        TUnicode{"Griechisch", "31 80 6652 003-8 ΟΣΕ", "318066520038",
                 "3 Buchstaben einer anderen Schrift lateinisch gelesen (U+039F als O, U+03A3 als S"},
        TUnicode{"Nummernzeichen", "31 80 6652 003-8 №", "", "„31 80 6652 003-8 ?“ enthält das Zeichen U+2116"},
        // vor einer Ziffer ist es das "#": http://gortransport.kharkov.ua/news/2454
        TUnicode{"NummernzeichenVorZiffer", "два электровоза - ЧС-2 №450 и №583.", "450",
                 "17 Buchstaben einer anderen Schrift lateinisch gelesen (U+0434 als d"},
        // veraendert: der Laendercode unterstrichen, wie ihn kopierter formatierter Text bringt
        TUnicode{"KombinierendAmBuchstaben", "37 TEN RIV 84 N̲L̲-GERS 4667 019-2 Sfhimmns", "378446670192",
                 "2 kombinierende Zeichen an Buchstaben übergangen (U+0332, U+0332)"},
        // https://mocaniti-va.blogspot.com/2013/02/trenul-de-productie.html?m=1
        TUnicode{"RumaenischesKommaDarunter", "sunt locomotivele 87-0015-5 (ex. CFR depoul Târgu Mureș)", "8700155",
                 "ein Buchstabe ohne Akzent gelesen (U+0219 als s)"},
        // Kana als Leerraum: https://jmedia.wiki/ChS-2/ChS2
        TUnicode{"SchriftOhneUmschrift", "ウクライナのドニプロ・ヴァンタジヌイ駅の機関車ChS2-095", "095",
                 "23 Zeichen einer Schrift ohne Umschrift als Leerraum gelesen (U+30A6"},
        // veraendert aus "Bnb718 50 80 21-03 908-8" (https://www.rnlf.de/read.php?13803,689102,689102,quote=1):
        // Symbole eingefuegter Listen trennen wie Leerraum
        TUnicode{"HakenUndPfeil", "→ 50 80 21-03 908-8 ✓", "508021039088", ""},
        // der Doppelakut als Anfuehrung: http://www.railfaneurope.net/ric/hr341.htm
        TUnicode{"DoppelakutAlsAnfuehrung",
                 "Električna lokomotiva francuske proizvodnje (ALSTHOM) serije 341 001, koju su željezničari "
                 "prozvali ˝Marijana˝, stigla  je iz Francuske 1. prosinca 1955. godine",
                 "341001", ""},
        // veraendert: die Achsfolge mit Minutenzeichen, wie Lexika sie setzen
        TUnicode{"MinutenzeichenDerAchsfolge", "CFR Class 41-0587-0, Co′Co′", "4105870", ""},
        // ihr Satzpunkt auch, "No" ohne Punkt am Wort: https://arty0417a.blog.fc2.com/blog-entry-32.html
        TUnicode{"SatzzeichenOhneUmschrift", "locomotive V120(M62) No304 1970年ウクライナ製です。", "304",
                 "10 Zeichen einer Schrift ohne Umschrift als Leerraum gelesen (U+5E74"}),
    [](const testing::TestParamInfo<TUnicode>& Info) { return std::string(Info.param.Name); });

TEST(NummerGegliedert, GliedertWieAmWagen)
{
  EXPECT_EQ(NummerGegliedert("318066520038"), "31 80 6652 003-8");
  EXPECT_EQ(NummerGegliedert("31806652003"), "31 80 6652 003");
  EXPECT_EQ(NummerGegliedert("318"), "318");
}

// ---------------------------------------------------------------- Gliederung der Anschriften
// Jede Form der Grammatik (docs/anschriften.md) einmal, an einer echten Anschrift; die Quelle
// steht hinter der Zeile. Ziffern leer: keine Nummer mit Pruefziffer, dann Reihe und Nr.

struct TGliederung {
  const char* Name;
  std::string Utf8;
  std::string Ziffern;  // wie gelesen, ohne Pruefziffer-Strich
  std::string Reihe;    // Nummer ohne Pruefziffer: Reihe und Nr. ("SM42 2244")
  std::string Benannt;  // kommt in Weitere oder Andere vor (UTF-8), leer: egal
};

void PrintTo(const TGliederung& Fall, std::ostream* Aus) { *Aus << Fall.Name; }

class GliederungTest : public testing::TestWithParam<TGliederung> {};

std::string Verbunden(const std::vector<std::string>& Teile)
{
  std::string Text;
  for (const std::string& Teil : Teile)
    Text += Cp1252NachUtf8(Teil) + "|";
  return Text;
}

TEST_P(GliederungTest, FindetDieNummerAnIhrerForm)
{
  const TGelesen G = NummerAusText(EingabeUmsetzen(GetParam().Utf8, TKennung::Keine).Text);
  EXPECT_EQ(G.Ordnungsnummer.empty() ? G.Ziffern : "", GetParam().Ziffern) << Cp1252NachUtf8(G.Fehler);
  EXPECT_EQ(G.Ordnungsnummer.empty() ? ""
            : G.Reihe.empty()        ? G.Ordnungsnummer
                                     : Cp1252NachUtf8(G.Reihe + " " + G.Ordnungsnummer),
            GetParam().Reihe);
  EXPECT_NE((Verbunden(G.Weitere) + Verbunden(G.Andere)).find(GetParam().Benannt), std::string::npos)
      << Verbunden(G.Weitere) + Verbunden(G.Andere);
}

INSTANTIATE_TEST_SUITE_P(
    Anschriften, GliederungTest,
    testing::Values(
        // https://tt-board.de/forum/threads/gueterwagen-wie-wo-was.6918/page-6
        TGliederung{"ZweiZweiDreiEinsDrei", "31 80 537 7 614-8", "318053776148", "", ""},
        // https://www.tt-board.de/forum/threads/das-nationale-fahrzeugeinstellungsregister.13221/
        TGliederung{"VierVierDrei", "9480 0253 011-1", "948002530111", "", ""},
        // https://www.patrimoine-ferroviaire.fr/composition-des-references-de-materiel/
        TGliederung{"FremdGegliedertMitStimmenderPruefziffer", "– Midi A8 OCEM 80 87 97 908 50 2 – SNCF Juvisy",
                    "808797908502", "", ""},
        // https://www.berliner-eisenbahnfreunde.de/museumsbahn/unsere-fahrzeuge/wagen/85-132
        TGliederung{"SechsVornMitStimmenderPruefziffer", "unserer Wagen trug die PKP-Nummer 505124-15132-3, es wurde",
                    "505124151323", "", ""},
        // http://muehldorf-simbach.de/?p=1559
        TGliederung{"UnterstrichTrennt", "-1000-D-DB 61 80 20-91 344-7_140614_Mühldorf_RB27078Dahinter", "618020913447",
                    "", ""},
        // http://995901.de/html/nvr-nummern.html
        TGliederung{"FuellzifferAllein", "92 80 1 202 968-4 D-ITB", "928012029684", "", ""},
        // https://valestelor.altervista.org/carrozze-cuccette-uic-x-1970-fs-acme-parte-ii-bc-ristrutturate/
        TGliederung{"Reisezugwagen", "61 83 50-70 804-5 Bc", "618350708045", "", ""},
        // https://de.wikipedia.org/wiki/Taschenwagen
        TGliederung{"ElfAmStueck", "83854933052-3", "838549330523", "", ""},
        // https://www.47soton.co.uk/2023/02/a-miscellany-at-eastleigh-15th-february.html
        TGliederung{"PunkteImSatz", "SITT wagon 99.70.9594.004-2 .", "997095940042", "", ""},
        // https://modellbahn-radebeul.de/product/zweiseiten-kippwagen
        TGliederung{"HalbgeviertVorPruefziffer", "31 50 678 1054 – 1", "315067810541", "", ""},
        // http://www.eisenbahntom.de/Wissenswertes2.html
        TGliederung{"StrichAlleinBauartDahinter", "21 RIV 80 DB 577 1 151 - 5 Tbis 870", "218057711515", "", ""},
        // https://schmitzens-botanikseite.de/bahn/Wagen/wagen.htm
        TGliederung{"BauartDavor", "Aüe 310 50 80 17-40 023-7", "508017400237", "", ""},
        // http://www.modellbau-wiki.de/wiki/Teleskophaubenwagen_(Sahi)
        TGliederung{"BauartAngehaengtArtikelnummer", "Sahimms900 31 80 487 6 281-5 verkehrsrot Fleischmann 5386",
                    "318048762815", "", "Artikelnummer 5386"},
        // https://www.pressreader.com/uk/the-railway-magazine/20200129/283338999395446
        TGliederung{"TypMitZiffernAufzaehlung",
                    "KOA-K KRC250LUL ‘Multitasker’ 25-tonne telescopic jib cranes – Nos. 99 70 9319 014-5/015-2.",
                    "997093190145", "", "Typ KRC250LUL"},
        // http://www.pressreader.com/uk/rail-express-9L24/20200714/282046214399404
        TGliederung{"ZweiGleichGute", "it was the turn of Nos. 85 70 4971 044-8 and 85 70 4971 045-5 to make their way",
                    "857049710448", "", "85 70 4971 045-5"},
        // https://www.pressreader.com/uk/rail-express-9L24/20221018/281900187113214
        TGliederung{"Nummernbereich", "Fifty have been ordered, numbered 81 70 5932 757-806, for delivery",
                    "81705932757", "", "Bereich bis 806"},
        // https://www.pressreader.com/uk/railways-illustrated/20220301/281848647042147
        TGliederung{"AufzaehlungKurz",
                    "In charge of the 6Z61 working was 70803 with ex-rover Cube KSAS 33 70 4739 010/26/65",
                    "33704739010", "", ""},
        // https://github.com/marudor/bahn.expert/issues/1054
        TGliederung{"Hervorhebung", "ist jedoch der Wagen 93805411**507**7 vorne", "938054115077", "", ""},
        // https://valestelor.altervista.org/un-carro-tutto-verde/
        TGliederung{"DatumDahinter", "Carro Hbbillns 21 83 245 7 554-5 (30/06/2015)", "218324575545", "",
                    "Datum 30/06/2015"},
        // veraendert: eine Einheit direkt hinter der Pruefziffer macht sie nicht zur Menge
        TGliederung{"EinheitHinterPruefziffer", "Carro Hbbillns 21 83 245 7 554-5 t", "218324575545", "", ""},
        // https://traintrack.club/docs/fr/usage/numbers.html (die Pruefziffer ist dort falsch)
        TGliederung{"KuerzelAnDerPruefziffer", "93 87 0310 301-5F-SNCF", "938703103015", "", ""},
        // https://ferroequinologist.de/de/photos/Seco-Rail
        TGliederung{"ZahlInAnfuehrung", "läuft unter der Nummer \"266 774\" (die nirgendwo dran steht).", "", "266 774",
                    ""},
        // https://www.cp.pt/institucional/pt/cultura-ferroviaria/sabia-que
        TGliederung{"KennzahlMitStrich",
                    "a carruagem-salão “Bataclan” 89-50 006 que transportou o Papa, uma carruagem-restaurante da "
                    "série 88-40 001-002",
                    "", "89-50 006", "88-40 001"},
        // https://europeantraction.com/2017/06/13/hz-class-2044/
        TGliederung{"KommaZaehltAuf", "4 of them (645 031, 032, 034 and 035) passed to Železnice Srbije", "", "645 031",
                    "032"},
        // nationale Nummern mit Pruefziffer
        // https://www.lok-report.de/news/deutschland/mit-der-kamera-notiert/item/3879-kiel-bestseller-trifft-kraftpaket.html
        TGliederung{"NationalVierDrei", "die 1275 502-3 (Vossloh 5001793/2008) der Hessischen Güterbahn GmbH (HGB)",
                    "12755023", "", "Jahr 2008"},
        // https://www.eisenbahn-museumsfahrzeuge.de/index.php/deutschland/staatsbahnfahrzeuge/dampflokomotiven/baureihe-52-80/52-8184
        TGliederung{"NationalDr", "52 8184-5", "5281845", "", ""},
        // https://kurier.at/wirtschaft/im-fuehrerstand-der-taurus-lok-mit-10000-ps-auf-schiene/400711329
        TGliederung{"NationalAmStueck", "1116213-0", "11162130", "", ""},
        // http://www.vlaky.net/zeleznice/spravy/002781-CZ-LOKO-Prvni-7537-pro-CD-CARGO/
        TGliederung{"NationalMitPunkt", "753.751-7", "7537517", "", ""},
        // http://chriguseisenbahnseiten.ch/re_460.php
        TGliederung{"NationalMitReihe", "Re 460 077-1", "4600771", "", ""},
        TGliederung{"NationalMitReiheAngehaengt", "Re460 077-1", "4600771", "", ""},  // veraendert
        // http://locomotives.com.pl/Electric%20Locomotives/EU432.htm; EU07 bleibt eine Reihe
        TGliederung{"NationalAntriebAnDerReihe", "In late 2009, E186 147-5 was leased by Lotos Kolej from Railpool.",
                    "1861475", "", "Jahr 2009"},
        // https://github.com/marudor/bahn.expert/pull/205
        TGliederung{"NationalHervorgehoben",
                    "Auf dem Pressefoto unten ist die Fahrzeugnummer zu sehen (0812 **041**-3)", "08120413", "", ""},
        // ohne Pruefziffer
        // http://mainlinediesels.net/index.php?nav=1000001&lang=en&id=9885&action=shownews
        TGliederung{"ReiheMitStrich", "SM42-2244", "", "SM42 2244", ""},
        // http://h1336311.stratoserver.net/bildergalerie/Ausland
        TGliederung{"ReiheMitPunkt", "ÖBB 1116.282 überholt bei Oberwesel die schwimmende Konkurrenz", "", "1116 282",
                    ""},
        // https://www.faz.net/aktuell/technik-motor/motor/lokomotive-auf-abnahmefahrt-bis-die-bremsen-qualmen-16305907.html
        TGliederung{"ZweiGruppen", "Mit unserer rund 90 Tonnen schweren Lokomotive 193 386 hat der Antrieb", "",
                    "193 386", ""},
        // https://de.wiki.li/M%C3%81V-Baureihe_V43
        TGliederung{"ReiheDavor", "V43 1078 vor EC 52 Goldoni in Szabadbattyán (2005)", "", "V43 1078", "Jahr 2005"},
        // keine Reihe: Preis, Merkblatt, Merkmal, Baureihe
        TGliederung{"KeineReihePreis", "EUR 120", "", "", ""},
        TGliederung{"KeineReiheMerkblatt", "UIC 438", "", "", ""},
        TGliederung{"KeineReiheMerkmal", "RIV 1234", "", "", ""},
        TGliederung{"KeineReiheBaureihe", "BR 218", "", "", ""},
        TGliederung{"BauartOderNummer", "ABm 225", "", "ABm 225", ""},
        // https://www.herimo.de/forum/viewtopic.php?p=3837
        TGliederung{"ReiheMitGruppe", "Am 10.01.2010 unternahm die ER 20-014 der Nord-Ostssebahn einen Ausflug", "",
                    "ER 20 014", "Datum 10.01.2010"},
        // http://www.kisalfold.hu/soproni_hirek/dizel_segedhajtast_kap_ket_villamos_gysev_vectron_mozdony/2574689/
        TGliederung{"KasusAngehaengt", "A 471-005-ös pályaszámot viselő Vectron esetében", "", "471 005", ""},
        // https://steaminfo.wordpress.com/2012/11/
        TGliederung{"SerieInDerNummer", "SNCF 141R568 Operational in Switzerland", "", "141R 568", ""},
        // https://spz.logout.cz/vozidla/363_5/363_5.php
        TGliederung{"BereichMitPunkt", "Trojice lokomotiv 363.501-503 při poslední zkoušce", "", "363 501", ""},
        // http://www.mainlinediesels.net/index.php?nav=1000155&lang=en
        TGliederung{"ZahlAllein", "66053 is seen working the 6C31 Mountsorrel to Radlett", "", "66053",
                    "Wort mit Ziffern 6C31"},
        // http://railfaneurope.net/pix/nl/museum/NSM/car/Benelux/20220715-SpM-ICR3-28-101.txt
        TGliederung{"ZweiUndDrei", "Control car NS 28 101 with 80 seats was delivered in 1986", "", "28 101",
                    "Jahr 1986"},
        // http://sebtus.de/steckbrief_extern_uic_typ_1.html
        TGliederung{"GruppenMitBereich", "270 Wagen für den Fleischtransport (DB 524 500-769) und 50 Wagen", "",
                    "524 500", ""},
        // https://www.hespertalbahn.de/fahrzeuge/257-fahrzeugportrait-21
        TGliederung{"OhneAustauschUndLand", "DB 950 6 742", "", "950 6 742", ""},
        // https://www.railorama.dk/fotos/ugens/
        TGliederung{"AufzaehlungMitPlus", "Togsættet er det tidligere DSB MQ 4930 + 4130", "", "MQ 4930",
                    "weitere Ziffern 4130"},
        // https://igschieneschweiz.startbilder.de/name/galerie/kategorie/Erste/digitalfotografie/16152.html
        TGliederung{"SchweizerAchszahlen", "Güterzug mit Lokomotive HGe4/4 II 105. 30.August 2025", "", "HGe4/4 II 105",
                    ""},
        // http://railfaneurope.net/pix/ro/diesel/60/grey/0001-0399/060-DA-001.txt
        TGliederung{"AchsfolgeUndTraktion", "The first modern diesel engine built for CFR was 060-DA-001.", "",
                    "060-DA 001", ""},
        // Breitspur (1520 mm), acht Ziffern mit Pruefziffer hinter einem Nummernwort:
        // http://www.torgachkin.ru/2018/02/2-4002-shunting-locomotive-tem2-4002.html,
        // https://embedy.cc/movies/OEgzSDhMS3JsdmNKOUJnVDdJb1hIZWk0aXB6RnIwT0xwbzJxKzBWWFExUT0=
        TGliederung{"BreitspurHinterNummernzeichen", "Сетевой №: 15315997", "15315997", "", ""},
        TGliederung{"BreitspurHinterNr", "jauns eksponāts - ā ražots salonvagons Nr. 00870006.", "00870006", "", ""},
        // mit falscher Pruefziffer ist es irgendeine Zahl
        TGliederung{"BreitspurNurMitStimmenderPruefziffer", "salonvagons Nr. 00870007.", "", "", ""},
        // Antriebsbuchstabe und Reihe am Punkt:
        // https://www.ntm.cz/muzeum/sbirkova-oddeleni/zeleznicni-muzeum/zeleznicni-sbirka,
        // https://europeantraction.com/hsh-class-t669/
        TGliederung{"ReiheMitAntriebAmPunkt", "parní motorový vůz M124.001, F. Ringhoffer, Praha-Smíchov, 1903", "",
                    "M124 001", "Jahr 1903"},
        TGliederung{"ReiheMitAntriebAmPunktVierstellig",
                    "Above is a link to a video uploaded to YouTube by user RRo showing T669.1047 making its way "
                    "through Elbasan.",
                    "", "T669 1047", ""},
        // die Reihe vor dem Nummernzeichen: https://wise-travel.ru/europe/belarus/otzyv-1248.html
        TGliederung{"ReiheVorNummernzeichen",
                    "Самый старый экспонат из техники. Паровоз серии Эу №679-14, построенный в Брянске в 1927 году.",
                    "", "Eu 679-14", "Jahr 1927"},
        // https://en.wikipedia.org/wiki/H%C5%BD_series_1142
        TGliederung{"EinsDreiDreiOhnePruefziffer",
                    "1 142 002 unit was destroyed in a diversion with a landmine laid on the railway track at the "
                    "station Donja Vrba near Slavonski Brod on 16. August 1995",
                    "", "1142 002", "Jahr 1995"},
        // Bereiche der Ordnungsnummern mit Leerraum und hinter dem Komma:
        // http://spz.logout.cz/novinky/novinky.php?poradi=1820, https://de.m.wikipedia.org./wiki/TVV_73%E2%80%9377
        TGliederung{"BereichMitLeerraum",
                    "Lokomotivy u výrobce označené 744.125 - 128 odpovídají svým provedením vozidlům stejné řady "
                    "dodaným dopravci ČD Cargo",
                    "", "744 125", "Bereich bis 128"},
        TGliederung{"UngarischMitKommaUndBereich", "Ab 1911 wurden sie als 256,001–005 geführt.", "", "256 001",
                    "Jahr 1911"},
        // hinter einem Fahrzeugwort auch drei Ziffern; SNCF mit Strich:
        // http://radiohertz.pt/entroncamento-museu-ferroviario-vai-ter-em-exposicao-mais-tres-locomotivas/,
        // https://www.patrimoine-ferroviaire.fr/pieces-et-morceaux/
        // allein in der Zeile ist ein Kuerzel mit Ziffern daran das Fahrzeug (suzecoll.sakura.ne.jp,
        // wikipedia.classicistranieri.com), hinter einem Reihenwort die Reihe (de.knowledgr.com)
        TGliederung{"KuerzelAllein", "Diesel Loco. (A463) Athinai Larissa Station Greece", "", "A 463", ""},
        TGliederung{"KuerzelMitHalter",
                    "the first engine delivered to Holland (HGK DE61) is painted red, a colour normally associated", "",
                    "DE 61", ""},
        // Bereiche in einer Marke (world-of-railways.co.uk, hobby-eisenbahnfotografie.de); hinter
        // "Baureihe" steht die Reihe, nicht die Nummer
        TGliederung{"BereichMitKuerzel", "They were numbered in two series, D5500-D5699 and D5800-D5862.", "", "D 5500",
                    "Betriebsnummer D5800"},
        TGliederung{
            "BereichAngehaengt",
            "sieben Lokomotiven der Baureihe 182 von Mitsui Rail Capital Europe (MRCE) übernommen, die unter den "
            "Betriebsnummern 242.502–504, 516, 517, 531 und 532 geführt werden.",
            "", "242 502", ""},
        // eine Menge hinter einem Wort ist keine Betriebsnummer (modelrailroading.nl)
        TGliederung{"MengeHinterWort", "NSB steam locomotive class 7a 25. Gauge 1435 mm, built 1875 by Manning Wardle",
                    "", "", ""},
        TGliederung{
            "KuerzelHinterReihenwort",
            "Der erste Prototyp der Baureihe VL10 wurde in den Werken von Tiflis unter der Bezeichnung 8-001 gebaut.",
            "", "", ""},
        // das Fahrzeugwort in Anfuehrung (ferienhausportal-daenemark.de)
        TGliederung{"FahrzeugwortInAnfuehrung",
                    "die kleine orange Lokomotive \"Traktor 57\", die im Film \"Die Olsen-Bande auf der Spur\" "
                    "eingesetzt wurde.",
                    "", "Traktor 57", ""},
        TGliederung{
            "DreiHinterFahrzeugwort",
            "A locomotiva 832, conhecida pela “Espanhola”, é a única fabricada em Espanha existente em Portugal.", "",
            "832", ""},
        TGliederung{"BuchstabenreiheMitStrich", "Cabine de la BB-16517 – CMCF", "", "BB 16517", ""},
        // kurz hinter Buchstaben mit Strich (profilbaru.com, railwaymuseum.lv, err.ee)
        TGliederung{"CocheMitStrich",
                    "Coche | C-13 / Tercera Clase / Ashbury Cd. Ld. Maners (Mánchester 1887) | F.C. Vasco-Navarro "
                    "(EFE) | Métrico",
                    "", "C 13", ""},
        // die fruehere Nummer hinter "ex-" (Forum, ns335713.ip-94-23-253.eu); Fabriknummer/Jahr davor
        TGliederung{"FruehereNummer",
                    "ha adquirido la locomotora Manning Warlde 1848/1914, ex-número 1 de la Azucarera de Castilla", "",
                    "1", ""},
        TGliederung{"KleineReiheMitStrich", "Mazbānīša laikmeta lieciniece - tvaika lokomotīve Ml-657", "", "Ml 657",
                    ""},
        TGliederung{"MuseumsnummerMitStrich",
                    "Manöövervedur MEV-1 alustas oma teekonda Haapsallu eile Pääsküla depoost.", "", "MEV 1", ""},
        // vier Ziffern hinter dem Fahrzeugwort sind kein Jahr (Modellanleitung bei manualslib.fr);
        // "numbers" wie "number" (Artikel, Spiegel bei amplifyapp.com)
        TGliederung{"VierHinterFahrzeugwort", "es sich um die Lok 1835 „Enschede\".", "", "1835", ""},
        // vierstellige Reihe mit Strich (jutarnji.hr), ungarischer Kasus mit Doppelbuchstaben
        // (hamster.blog.hu)
        TGliederung{"VierStrichDrei", "sastavljen od lokomotive HŽ 1142-001 i putničkih vagona", "", "1142 001", ""},
        TGliederung{"KasusMitDoppelbuchstabe", "Kezdjük mondjuk az 1900-as gyártású 204-essel, azaz a 220,194-gyel!",
                    "", "220 194", ""},
        // drei Ziffern mit Kasus nur als Notbehelf, sonst oft die Reihe: https://iho.hu/hirek/ez-am-a-vonat-121104,
        // https://vasuttortenetipark.hu/a6ab33seio/ (verkuerzt)
        TGliederung{"DreiMitKasus", "Az üres fordák néha párban járnak, így lett a 331-es Szergej tehervonata", "",
                    "331", ""},
        TGliederung{"ReiheMitKasus", "ezekből két 424-es is meghatározó gyári számot kapott: a 424,027-t", "",
                    "424 027", ""},
        // veraendert ("n.º" statt "nº"):
        // https://mediotejo.net/entroncamento-a-vida-da-locomotiva-135-em-exposicao-fotografica/
        TGliederung{"HinterNPunktO", "a locomotiva a vapor n.º 135 pertencente à série 110 a 135 e construída em 1881",
                    "", "135", ""},
        TGliederung{"JahrHinterNummernwort", "a locomotiva a vapor n.º 1961 pertencente à série", "", "1961", ""},
        // finnisch "nro" (http://vaunut.org/kuvasivu/9278); eine Fussnote am Wort trennt nur
        // (https://de.wikiup.org/wiki/NMBS/SNCB-Reihe_27); hinter "kat." eine Katalognummer, die
        // Nummer ist die des Wagens davor (http://skalatt.info/?p=902)
        TGliederung{"HinterNro", "ylöslämmitetty Vr1 nro 789 näytti, mistä päästä Kana sauhuaa.", "", "Vr1 789", ""},
        TGliederung{"Fussnote", "Am 27. April 1991 brach die Lok 2711[3] den Weltrekord", "", "2711", ""},
        TGliederung{"Katalognummer", "Hädl Manufaktur - model wagonu MCi-43 DR Bib 349-239 Ep III nr. kat. 114003-3",
                    "", "349 239", "Artikelnummer 114003-3"},
        TGliederung{"HinterNumbers", "former Irish Rail and CIE locomotives – numbers 124 and 190.", "", "124", ""},
        // drei Ziffern allein nur als Notbehelf, nicht vor einem Wort fuer die Reihe:
        // http://www.penmorfa.com/Ireland/five.htm, https://en.wikipedia.org/wiki/IE_201_Class
        TGliederung{"DreiAllein",
                    "155 on station pilot duty. In the background is the Wellington monument in Phoenix Park.", "",
                    "155", ""},
        // Reihe und Nummer als Gruppen vor dem Ende eines Bereichs, in einer Aufzaehlung, vor dem Baujahr:
        // https://wikiless.lunar.icu/wiki/LEW_OSE_2000_N, https://scanditrain.de/dk_loco/MZ/0startseite_special.html;
        // veraendert (Leerzeichen statt Punkt) aus "744.125 - 128"
        TGliederung{"PaarInAufzaehlung", "Nummerierung: | 520 101–112, 151–158 |", "", "520 101", ""},
        TGliederung{"BereichVorBaujahr", "MZ 1411-1426 1970 16 116,5t 2426 Co´Co` 143 20800 mm", "", "MZ 1411", ""},
        TGliederung{"PaarVorBereichsende", "Die Loks 744 125 - 128 wurden", "", "744 125", "Bereich bis 128"},
        // ein Bereich mit den letzten zwei Ziffern als Ende:
        // https://modelrailways.co.uk/directory/vehicledetails/3143151/cie_mark_3 (verkuerzt)
        TGliederung{"BereichMitKurzemEnde", "including five built to Control Cars (6101–05, 6301–19).", "", "6101",
                    "Bereich bis 05"},
        // kleine Nummern von Museums- und Werkbahnfahrzeugen hinter einem Fahrzeug- oder Nummernwort:
        // https://malte-werning.de/website/Auf%20schmaler%20Spur/index.html,
        // https://onlinetouch.nl/verenigingvriendenspoorwegmuseum/vd-24, https://asimusei.it/tipologia/treni/,
        // https://fotocommunity.fr/photo/personenverkehr-auf-kleinbahnen-vor--bernd-freimann/48689744 (verkuerzt),
        // https://vaunut.org/kuva/125025?kd=1.1.1860&kd2=1.2.1938 (finnisch "numerolla": kein Jahr)
        TGliederung{"HinterZusammengesetztemFahrzeugwort",
                    "Die 1957 von Krupp gebaute Diesellok 10 »Zukunft« rückt kurz vor einem kräftigen Regenschauer", "",
                    "10", "Jahr 1957"},
        TGliederung{"HinterFahrzeugwortGross", "RESTAURATIE VOORTGANG TREINSTEL 252", "", "252", ""},
        TGliederung{"HinterNPunkt", "c'è la storica locomotiva a vapore del 1895, la N. 10 «Mascali»", "", "10",
                    "Jahr 1895"},
        TGliederung{"EinstelligHinterNummer", "Links, der Wagen Nummer 9 – gebaut 1893 für die Lokalbahn Rhein", "",
                    "9", "Jahr 1893"},
        TGliederung{"JahrHinterNumerolla", "Hieno kuva! Vaunu on todennäköisesti kulkenut Suomessa numerolla 2015.", "",
                    "2015", ""},
        // Schweizer Achszahlen hinter einem Buchstaben allein, FS-Reihe mit Unterreihe, ein Buchstabe vor der
        // Nummer hinter "numéro", ein Datum mit Schraegstrichen ist keine Reihe:
        // https://expydoc.com/doc/9179710/semaphor45-auszug,
        // https://www.ferrovie.info/index.php/it/42-primo-piano/14149-ferrovie-si-vede-sui-binari-il-primo-etr-470-per-la-grecia,
        // http://chemin-fer-baie-saint-brieuc.fr/wordpress/voiture-c27, https://europeantraction.com/category/ireland/,
        // https://europeantraction.com/category/denmark/
        TGliederung{"SchweizerMitEinemBuchstaben", "hier das «Tigerli» E 3/3 8533 und den «Elefant» C 5/6 2954.", "",
                    "E 3/3 8533", ""},
        TGliederung{"FsMitUnterreihe", "Titolare dello spostamento è stata la E.402B.145 in livrea Intercity Giorno.",
                    "", "E.402B 145", ""},
        TGliederung{"BuchstabeHinterNumero", "Elle porte alors le numéro C27.", "", "C 27", ""},
        TGliederung{"DatumMitSchraegstrichen", "221 awaits departure from Dublin Connolly, 14/10/07 (JW)", "", "221",
                    "Datum 14/10/07"},
        TGliederung{"DatumStattAchszahlen", "ME 1535 pauses at København H, 20/03/17 (JW)", "", "ME 1535",
                    "Datum 20/03/17"},
        TGliederung{"DreiVorClass", "201 Class (8)209 light-engine at Moira in the current Enterprise livery", "",
                    "209", ""},
        // sowjetische Reihen: https://worldontrains.blogspot.com/2010/08/stem-locomotive-at-haapsalu-railway.html,
        // https://embedy.org/movies/aU4zeXBHVHVPNHUzZzRXWGgyRE9XNkpMTGF3YUVWOHhvK0hITkpJRkZtYz0=
        TGliederung{"DreiUndZweiHinterReihe",
                    "This C 252-94 steam locomotive was used on the Keila - Haapsalu Railway which was in operation "
                    "between 1905 - 1995.",
                    "", "C 252-94", ""},
        TGliederung{"ReiheMitStrichUndZiffer",
                    "Двухсекционный тепловоз ТЭ-2-125 1954 года Харьковского завода в музее представлен одной секцией.",
                    "", "TE-2 125", "Jahr 1954"},
        // Satzzeichen an der Nummer, veraendert aus "Bnb718 50 80 21-03 908-8"
        // (https://www.rnlf.de/read.php?13803,689102,689102,quote=1): eckige Klammern, ein Doppelpunkt
        // ohne Leerzeichen, ein Fragezeichen am Satzende
        TGliederung{"EckigeKlammern", "[50 80 21-03 908-8]", "508021039088", "", ""},
        TGliederung{"DoppelpunktOhneLeerzeichen", "UIC:50 80 21-03 908-8", "508021039088", "", ""},
        TGliederung{"FragezeichenAmSatzende", "Ist das 50 80 21-03 908-8?", "508021039088", "", ""},
        TGliederung{"FragezeichenInDenStellen7bis8", "50 80 21-0? 908-8", "5080210?9088", "", ""},
        // ungarischer Kasus am Satzende: http://balint.cyberhungary.net/hirek/akt121101.htm
        TGliederung{"KasusAmSatzende", "a tradicionális vonásait magán hagyó keskenynyomközű Mk48 403-as.", "",
                    "Mk48 403", ""},
        // die Reihe vor dem Nummernwort: https://feeds.bbci.co.uk/news/articles/cy63qxde385o
        TGliederung{"ReiheVorNummernwort",
                    "Built in 1899, T9 No. 30120 was once targeted by a German fighter near Wool during World War Two.",
                    "", "T9 30120", "Jahr 1899"},
        // die erste einer Aufzaehlung, eine wiederholte, eine mit Baujahr:
        // http://serbianrailways.com/muzej-u-beogradu/, http://angelfire.com/co3/drustvo/Heritage/heritage.htm,
        // http://www.mlaresita.org/11.html
        TGliederung{"ErsteDerAufzaehlung",
                    "као и модели парних локомотива серија ЈЖ 124-004, 20-007, 01-021, 51-001, 06-012.", "", "124 004",
                    ""},
        TGliederung{"Wiederholt",
                    "20-183 20-183 Locomotive pictured in Trebinje, Republic of Srpska, Bosnian Federation.", "",
                    "20 183", ""},
        TGliederung{"MitBaujahr", "03 CFF 704.209 1917 - 04 CFR 764.103 1952 - 05 CFR 764.001 1952", "", "704 209",
                    "Jahr 1917"},
        // fuenf Ziffern der BDZ mit Pruefziffer, nur wenn sie stimmt (die zweite veraendert):
        // https://www.narrow-gauge.co.uk/gallery/view/narrow-gauge-in-bulgaria-4903
        TGliederung{"FuenfMitPruefziffer",
                    "A narrow - gauge diesel shunting locomotive 80001-1 standing in depot Septemvri.", "800011", "",
                    ""},
        TGliederung{"FuenfNurMitStimmenderPruefziffer", "diesel shunting locomotive 80001-2 standing", "", "", ""},
        // mit Punkt die Pruefziffer der zwoelfstelligen (91 52 0044 134-2),
        // https://www.mtitc.government.bg/en/category/183; eine Zugnummer mit Strich nicht,
        // https://vdocumente.com (Bericht der AGIFER, anschriften-neu12.csv)
        TGliederung{"FuenfMitPunkt", "fire outburst in electric locomotive Nr. 44134.2, having serviced", "441342", "",
                    ""},
        // veraendert: mit Einheit dahinter eine Menge
        TGliederung{"FuenfMitEinheit", "fire outburst in electric locomotive of 44134.2 t, having serviced", "", "",
                    ""},
        TGliederung{"ZugnummerMitStrich", "trenului de marfă nr. 80676-1 remorcat cu locomotiva EA 1001", "", "EA 1001",
                    ""},
        // Reihe mit den Buchstaben einer Modernisierung:
        // https://news.forumkolejowe.pl/2021/07/10/zbliza-sie-kres-eksploatacji-klasycznych-en57-w-kolejach-mazowieckich/
        TGliederung{"ModernisierteReihe", "wraz z EN57AKM-1611+AKM-1646 w torach postojowych", "", "EN57AKM 1611",
                    "AKM 1646"},
        // ungarische Triebwagen, zwei oder drei Grossbuchstaben mit kleinen vor der Nummer:
        // https://benbe.hu/gallery/mdmot-tavasszal/pic4_noframe_hun.php,
        // http://www.bahnnews-austria.at/forum/viewtopic.php?p=28106
        TGliederung{"TriebwagenReihe", "A MÁV-START MDmot 3038 Poroszló és Tiszafüred között", "", "MDmot 3038", ""},
        TGliederung{"TriebwagenReiheNullVorn", "So konnte gestern der BVmot 001 bei der Einfahrt", "", "BVmot 001", ""},
        // https://www.trainsdepot.org/vehicle/28/class-41
        TGliederung{"AchsfolgeTraktionUnterreihe", "Unit 060-EA1-056 during test runs in Greece, in 1998.", "",
                    "060-EA1 056", "Jahr 1998"},
        // http://vialibre-ffe.com/noticias.asp?cs=mate&not=8035
        TGliederung{"BuchstabenMitStrich", "el coche furgón DD-8501", "", "DD 8501", ""},
        // https://radziol.pl/2019/05/15/czekajac-na-ekspres/
        TGliederung{"Tabellenzellen", "29 kwietnia 2002|Rzepin|EP09-033 w towarzystwie", "", "EP09 033", "Jahr 2002"},
        // https://trainsineurope.blogspot.com/2019/08/retro-liveries-of-locomotives-of.html
        TGliederung{"KlammerTrennt", "Bzmot 343 (117 343 in the current numbering scheme)", "", "117 343", ""},
        // https://wonilvalve.com/index.php?q=Https%3A%2F%2Fen.m.wikipedia.org%2Fwiki%2FVR_Class_Vr1
        TGliederung{"HinterNo", "VR Class Vr1 steam locomotive No. 670.", "", "670", "Wort mit Ziffern Vr1"},
        // http://michaelcommane.blogspot.com/2017/06/old-fogy-on-line.html
        TGliederung{"DreiMitNullVorn", "075 locomotive was involved in the Buttevant crash in 1980.", "", "075",
                    "Jahr 1980"},
        // http://zeleznicesrbije.com/active/sr-latin/home/glavna_navigacija/prezentacije/plavi_voz/node_1458655710.html
        TGliederung{"ZweiStrichDrei", "MAVAG, Budapest, 1947. Lokomotiva 11-022, tip 1C1-4hv.", "", "11 022",
                    "Jahr 1947"},
        // http://resiinalehti.fi/artikkeli/15
        TGliederung{"KasusNachDoppelpunkt", "Dr13 2349:n Tapaninpäivän koeajo suuntautui tällä kertaa Hyvinkäältä", "",
                    "Dr13 2349", ""},
        // alte Fahrzeuge: Gattung oder Reihe und Betriebsnummer, nur wo sonst keine Nummer steht
        // https://scalaenne.wordpress.com/tag/trinacria/
        TGliederung{"GattungUndBetriebsnummer", "Breda ALDb 201 – Foto Breda", "", "ALDb 201", ""},
        // https://h0-modellbahnforum.de/t247349f54851-Heute-Nachmittag.html
        TGliederung{"ReiheUndBetriebsnummer", "Natürlich der heimliche Star, die DE 62, noch immer", "", "DE 62", ""},
        TGliederung{"KeineGattung", "Gleis 12", "", "", ""},
        // http://njm.nu/vagnar/SJGSH31378.php
        TGliederung{"BetriebsnummerInZweiGruppen", "SJ Gsh 313 78", "", "Gsh 313 78", ""},
        // https://macchinista.fiorilla.mi.it/?page_id=157
        TGliederung{"ReiheKleinGeschrieben", "Locomotiva e656-052 prima serie, in livrea originale", "", "E656 052",
                    ""},
        // http://resiinalehti.fi/artikkeli/83
        TGliederung{"BereichZweierNummern", "• 2 Sm5 (94102081019–94102081020)", "94102081019", "", "94 10 2081 020"},
        // http://rail.phototrans.eu/rail.php?pociag_nr=M922&s=5014&send_data=S
        TGliederung{"Nummernzeichen", "PESA 620M #620M-010", "", "620M 010", ""},
        // https://dzen.ru/a/X0iUiJEArSoN7cWm, https://sidirodromikanea.blogspot.com/2020/12/1999-356.html
        TGliederung{"KyrillischeReihe", "1. Начнем с одного из самых первых \"чехов\". То есть с электровоза ЧС7-005.",
                    "", "CS7 005", ""},
        TGliederung{"GriechischeReihe", "1999: Απόσυρση της ελκτικής μηχανής Α 356 στους Λαχανόκηπους", "", "A 356",
                    "Jahr 1999"},
        // Stellen 5-12 ohne Austauschkennzahl und Land: Reihe sind die Stellen 5-8
        // https://babixkau.blogspot.com/2021/09/departure-from-cluj-connecting-europe.html
        TGliederung{"ReisezugwagenOhneKopf", "Panoramic wagon 19-90 109-3 of the Swiss company SBB CFF FFS", "",
                    "19-90 109", ""},
        // https://nbjvm.se/fordon-group/uic-standardvagnar (beide)
        TGliederung{"GueterwagenOhneKopf", "Godsfinka SJ littera Hbis 225 0689-9", "", "2250 689", ""},
        TGliederung{"GueterwagenSiebenAmStueck", "Godsfinka SJ littera Tbis 5715451-6", "", "5715 451", ""},
        // Bereich von Nummern allein, die erste gilt
        // https://treinenweb.nl/reviews/202/de-levensloop-van-ruim-30-jaar-1700-serie.html
        TGliederung{"BereichAllein", "De lager genummerde 1700-locs in de serie 1701-1728 reden slechts", "", "1701",
                    "Wort mit Ziffern 1700-locs"},
        // mehrere Bereiche einer Fahrzeugliste: der erste gilt, die anderen sind benannt
        // https://friendlywiki.com/article/index.php?title=Sprinter_Lighttrain, https://www.jarnvag.net/vagnguide/b1
        TGliederung{"BereicheNebeneinander", "| fleetnumbers = 2401–2469, 2601–2662", "", "2401", "Bereich 2601–2662"},
        TGliederung{"BereicheNachDoppelpunkt",
                    "Ursprunglig nummerserie: 4731-4740, 4811-4830, 4888-4927, 5096-5115, 5156-5165", "", "4731",
                    "Bereich bis 4740"},
        // http://www.gari.ro/cfr/istorie/locomotive-diesel-mecanice-si-diesel-electrice
        TGliederung{"BereichSechsUndDrei", "a prototipului Sulzer sub clasificarea 2 x 241001-002 DE.", "", "241001",
                    "weitere Ziffern 2"},
        // Doppelpunkt schliesst ab:
        // http://suite101.net/article/coches-de-viajeros-serie-10000-de-renfe-un-material-de-calidad-a70019
        TGliederung{"BereichHinterReiheVorDoppelpunkt", "A10x 10001-10037: 37 coches de primera clase", "",
                    "A10x 10001", "weitere Ziffern 37"},
        // https://treneando.com/2020/05/22/joyas-en-custodia-coches-10-000-estrella/
        TGliederung{"Tausenderpunkt", "Los de segunda (numerados en la centena BB-10.200), disponen", "", "BB 10200",
                    ""},
        // https://ria24.today/news/v-muzee-zheleznyh-dorog-rossii-poyavilsya/9212365
        TGliederung{"KyrillischeReiheAngehaengt", "ещё одним экспонатом – электровозом ЧС2Т945 1974 года.", "",
                    "CS2T 945", "Jahr 1974"},
        // https://kampuspedia.com/fr/Mus%C3%A9e_du_chemin_de_fer_d%27Ath%C3%A8nes
        TGliederung{"NummernzeichenAngehaengt", "Locomotive à vapeur à voie métrique 130T Couillet n°Γ-211 (1890).", "",
                    "G 211", "Jahr 1890"},
        // https://parliament140.bnr.bg/burgas/post/100611547/bdj-puska-v-dvijenie-nai-moshtnia-paren-lokomotiv
        TGliederung{"NummernzeichenMitLeerzeichen",
                    "Парният локомотив с експлоатационен № 46.03 е произведен през 1931 г.", "", "46 03", "Jahr 1931"},
        // Platzhalter offener Ziffern: http://modellbahninfo.org/modelle-20161129-01/,
        // https://www.bahn-galerie.de/Diesellok/class66.9/BR_Class66.9.htm
        TGliederung{"Platzhalter", "die vollständige UIC-Nummer 50 81 93-65 xxx-x angeschrieben.", "50819365????", "",
                    ""},
        TGliederung{"PlatzhalterPruefzifferFuerSich",
                    "als 92 80 1266 xxx eingestellt, sondern als 92 87 0 077 0xx - x F-ECR.", "928700770???", "", ""},
        // https://www.alanbutschek.cz/osvozy/ozn2.htm
        TGliederung{"PlatzhalterInStellen5bis8", "12místné číslo vozu je nyní ve tvaru 50 54 xx-29 xxx-x.",
                    "5054??29????", "", ""},
        // https://de.wikiup.org/index.php?oldid=222553943&title=DSB_ME_%28II%29
        TGliederung{"PlatzhalterGrossNichtHalter", "UIC-Nr.: 92 86 0001 5XX-Y DK-DSB", "928600015???", "", ""},
        // Betriebsnummern alter Fahrzeuge, wo sonst keine Nummer steht:
        // http://www.railwaypassion.com/?cid=10&NewsId=117, http://kubickaparabola.wz.cz/vozidlo01/vozidlo01.htm,
        // https://treneando.com/2016/08/29/el-coche-r12-12954-albergara-desde-septiembre-el-restaurante-del-museo-del-ferrocarril-de-madrid/,
        // http://www.trainsofturkey.com/pmwiki.php/Traction/DE24000
        TGliederung{"VierGrossbuchstabenUndNummer", "фиг.1 БДЖ WLAB 526, снимка ВЗ Гьорлиц", "", "WLAB 526", ""},
        TGliederung{"GattungUndAlteNummerMitStrich", "osobní vůz Ci 3-9718 ČSD", "", "Ci 3-9718", ""},
        TGliederung{"ReiheMitFuenfstelligerNummer", "El coche R12-12954 albergará desde septiembre", "", "R12 12954",
                    ""},
        TGliederung{"BuchstabenMitNummerAngehaengt", "DE24001 to DE24418", "", "DE 24001", "DE24418"},
        // die Klasse vor der ganzen Nummer: https://rorymacve.net/class-66/,
        // https://alongwinwicklines.blogspot.com/2011/08/two-sheds-and-two-tugs.html
        TGliederung{"KlasseVorDerNummer", "Acton in West London is DB Schenker Class 66, 66040.", "", "66 66040", ""},
        TGliederung{"KlasseVorDerNummerMitName", "EWS (DBS) class 60, 60015 Bow Fell at one of", "", "60 60015", ""},
        // http://briansolomon.com/trackingthelight/tag/dfds-liner/
        TGliederung{"NummerHinterNummernwort",
                    "After four years out of traffic, Irish Rail class 071 number 087 is back!", "", "087", ""},
        // http://locomotives.com.pl/Electric%20Locomotives/EU432.htm
        TGliederung{"DatumMitKommaIstKeineNummer",
                    "EU43-004 (Bombardier 34343/2007), photographed at the Poznań Franowo station on October 28, 2008.",
                    "", "EU43 004", "Jahr 2008"},
        // Reihen alter Fahrzeuge: http://parowozy.net/parowozy/ol49, https://vasuttortenetipark.hu/a6ab33seio/,
        // https://railpassion.fr/materiel-actualites-rp/journees-du-patrimoine-retour-vers-le-passe,
        // http://mfpn.fr/notre-materiel/231-k-8/, https://eisenbahn-museumsfahrzeuge.de/index.php/deutschland/
        // staatsbahnfahrzeuge/elektrolokomotiven/baureihe-e-94/e-94-059
        TGliederung{"ReiheMitOVorn", "Ol49-59 z pociągiem osobowym z Poznania do Wolsztyna na stacji w Szreniawie.", "",
                    "Ol49 59", ""},
        TGliederung{"UngarischMitKomma", "a gyárban elkészült 5 000. mozdony (1932) a 424,027-t", "", "424 027",
                    "Jahr 1932"},
        TGliederung{"FranzoesischeDampflok",
                    "Enfin, en gare de Nantes, la 141 R 1199 est venue dérouiller ses bielles.", "", "141 R 1199", ""},
        TGliederung{"FranzoesischGepunktetMitRegion", "1950 : 2-231.K.8.", "", "2-231.K 8", ""},
        TGliederung{"AntriebVorDerReihe", "1952-1970: E 94 059 (DR)", "", "E 94 059", ""},
        // Betriebsnummern hinter Nummernwort, Unterreihe, einstellig: https://jernbanemuseet.no/august-2005-
        // konduktorvogn-litra-bf2a-nr-686-fra-ofotbanen/, https://njk.no/materiell/personvogner?tmpl=component&print=1,
        // https://www.jvmv2.se/forum/index.php?id=222144, https://ontheupfast.com/p/21936chg/25696217404/
        // x43306-08-48-london-king-s-cross
        TGliederung{"HinterNr", "Konduktørvogn litra BF2a nr. 686 fra Ofotbanen", "", "BF2a 686", ""},
        TGliederung{"MitUnterreihe", "Salongvogn Ao 2c 950 ble levert til Bergensbanens åpning i 1909.", "",
                    "Ao 2c 950", "Jahr 1909"},
        // NSB: https://de.wiki.li/NSB_Di_4, http://www.christianbruun.dk/Di.3.html,
        // https://www.nohab-gm.de/fotos_infos/norwegen/allgemeines/informationen-zur-nsb-baureihe-di3
        TGliederung{"UnterreiheAlsZahl", "Di 4 651 im Bahnhof Bodø", "", "Di 4 651", ""},
        TGliederung{"ReiheMitPunktVorDerZiffer",
                    "Mere norsk bliver det nok ikke: Di.3 643 holder klar med et kort persontog", "", "Di.3 643", ""},
        TGliederung{"ReiheKleinMitPunktAngehaengt", "wurde 1957 ebenfalls erworben und als Di3.602 eingereiht.", "",
                    "Di3 602", "Jahr 1957"},
        TGliederung{
            "EinstelligHinterGattung",
            "Även de båda likaledes Folebyggda boggivagnarna GJ BCo 4 och Co 5 finns båda bevarade som korgar hos GHJ.",
            "", "BCo 4", "weitere Ziffern 5"},
        // Reihe und Nummer in weiteren Formen (anschriften-neu7.csv): https://www.veol.hu/helyi-eletstilus/2023/07/
        // hogy-kerulnek-a-vonatra-madarak-macskak-szocskek, https://www.jernbaneklub.dk/jernbaneartikler/jernbanen/
        // artikler/69-5-omlitrering.asp, http://railfreight.eu/dr-ne/tag/despotija, https://forum.3rails.fr/t/
        // actualite-voie-metrique/12078, http://railfaneurope.net/pix/gr/narrow_gauge/A9500/pix.html,
        // https://k-report.net/clanky/stehovani-salonniho-vozu/, http://flrig.beesbuzz.biz/,
        // https://www.srbcargo.rs/sr/jos-dve-zakupljene-slovenacke-dizelke-uskoro-na-srpskim-prugama/?script=lat,
        // https://iho.hu/index.php/hirek/csorgovel-paksra-bulibol
        TGliederung{"KommaHinterReiheMitBuchstaben", "pályaszámuk V43,2000 volt, ma 432-es sorozatként futnak.", "",
                    "V43 2000", ""},
        // https://www.veol.hu/helyi-eletstilus/2024/07/dizelmozdony-gozos-szerepben-video
        TGliederung{"KommaUndKasus",
                    "Tömegek vártak izgatottan minden gép, szerelvény érkezését-indulását, így az "
                    "M62,194-es dízelmozdonyét is",
                    "", "M62 194", ""},
        // https://docplayer.pl/amp/125491382-Zabytkowy-tabor-w-zbiorach-stacji-muzeum-w-warszawie.html
        TGliederung{"ReiheMitZiffernVorKurzerNummer",
                    "Typ Nr Tender Przybył Ubył Uwagi seria. Nr. dnia z dnia do Ok1 77 b.d", "", "Ok1 77", ""},
        // https://filipweber.cz/475-111/
        TGliederung{"PunktHinterAnfuehrung", "mu dává červený odznak s nápisem “475.111”.", "", "475 111", ""},
        TGliederung{"NrMitZweiGruppen", "Personvogn, litra AB nr. 39-80000 (1./2. klasse) - den første af serie", "",
                    "AB 39-80000", ""},
        TGliederung{"ReiheStrichVierZiffern", "Die serbische Güterbahn Despotija hat die rumänische Diesellok 60-1644",
                    "", "60 1644", ""},
        TGliederung{"ArtikelVorDerReihe",
                    "la navette Montreux-Fontanivent-Montreux était assurée par l’ABDe 8/8 4003, ce", "",
                    "ABDe 8/8 4003", ""},
        TGliederung{"BuchstabePunktVierZiffern", "OSE A.9501 diesel loco built in 1999 by SCHOEMA (Germany)", "",
                    "A 9501", "Jahr 1999"},
        TGliederung{"GattungUndNummerMitHalbgeviert", "salonní vůz Az 1–0045, který opustil brány", "", "Az 1–0045",
                    ""},
        TGliederung{"NoAngehaengt", "Austerity Class 2-10-0 No.73659 (North British W/No.25458 built in 1944)", "",
                    "73659", ""},
        TGliederung{"StrichMitLeerraum", "obavljen je prijem lokomotive 664 – 105, dok će nakon otklanjanja", "",
                    "664 105", ""},
        // Fabriknummer und Achsfolge sind nicht die Nummer:
        // https://kiwix.casplantje.nl/wikipedia_en_all_maxi_2020-06/A/Railway_Museum_of_Athens
        TGliederung{"FabriknummerNichtDieNummer",
                    "Β 151 2-4-0 metre gauge steam locomotive made by Henschel & Sohn, Cassel, S/N 11135 (1912).", "",
                    "B 151", "Fabriknummer 11135"},
        // die Lok heisst dort "Α-5" wie "Γ-211": Buchstabe, Strich, Nummer
        TGliederung{"AchsfolgeBenannt", "Couillet 0-6-0T locomotive A-5.", "", "A 5", "Achsfolge 0-6-0T"},
        // keine Achsfolge, eine Aufzaehlung: die erste Nummer
        TGliederung{"AufzaehlungKeineDampflok", "a lengyeleket (A 010, Bko 065, Bo 189, B 031).", "", "A 010", ""},
        TGliederung{"AmWortVertippt",
                    "At the front end of a down HST, power car43306 looks a little tatty as it passes Whittlesea", "",
                    "43306", ""}),
    [](const testing::TestParamInfo<TGliederung>& Info) { return std::string(Info.param.Name); });

// Um jede echte Anschrift aus tests/daten/anschriften.csv und den Arbeitssaetzen (nicht den
// Rueckhaltesaetzen, die nur messen) herum: was Menschen sonst in die Zeile schreiben (Menge,
// Datum, Preis, Artikelnummer, Bauart, Reihe mit Nummer, Anmerkung in Klammern, Wort mit
// angehaengter Ziffer), aendert eine gefundene Nummer mit Pruefziffer nie.
std::vector<std::string> EchteAnschriften()
{
  std::vector<std::string> Anschriften;
  for (const auto& Eintrag : std::filesystem::directory_iterator(std::string(TANDRIX_DATEN) + "/../tests/daten")) {
    const std::string Name = Eintrag.path().filename().string();
    if (!Name.starts_with("anschriften") || !Name.ends_with(".csv") || Name.find("zurueck") != std::string::npos)
      continue;
    std::ifstream Datei(Eintrag.path());
    std::string Zeile;
    std::getline(Datei, Zeile);
    while (std::getline(Datei, Zeile))
      Anschriften.push_back(Zeile.substr(0, Zeile.find(';')));
  }
  return Anschriften;
}

std::string Gefunden(const std::string& Utf8)
{
  const TGelesen G = NummerAusText(EingabeUmsetzen(Utf8, TKennung::Keine).Text);
  return G.Ziffern + "/" + G.Reihe + "/" + G.Ordnungsnummer + "/" + G.Fs;
}

TEST(NummerAusText, StellenFuenfBisZwoelfSagenDassDiePruefzifferUngeprueftBleibt)
{
  EXPECT_EQ(
      NummerAusText("Hbis 225 0689-9").Fehler,
      "„Hbis 225 0689-9“: Stellen 5–12 ohne Austauschkennzahl und Land, die Prüfziffer lässt sich nicht prüfen"_cp1252);
  // 3 1 3-1 ist die Gliederung der Gueterwagen, auch ohne Gattungszeichen:
  // https://enkol.pl/index.php?oldid=8218&title=Jacek_Fink-Finowicki%2FBrudnopis%2Foznaczenia_taboru
  EXPECT_EQ(NummerAusText("564 9 028-0 - pierwsze 4 cyfry rodzaj i seria wagonu").Fehler,
            "„564 9 028-0 - pierwsze 4 cyfry rodzaj i seria wagonu“: Stellen 5–12 ohne Austauschkennzahl und Land, "
            "die Prüfziffer lässt sich nicht prüfen"_cp1252);
}

TEST(GliederungEigenschaft, RauschenAendertDieNummerNicht)
{
  const std::vector<std::pair<std::string, std::string>> Rauschen = {
      {"", " – 64.200 l"}, {"", " 64.200l"},       {"", " 12.03.2019"},  {"", " 49,90 €"},
      {"", " Art. 46437"}, {"Apmz 116.2 ", ""},    {"ET22-1007 (", ")"}, {"", " (Foto 2019)"},
      {"db br ", " ice3"}, {"1º classe ", ""},     {"", " carro H22"},   {"MEG 304 – ", ""},
      {"1. ", ""},         {"Art.-Nr. 4711 ", ""}, {"Roco 67890 ", ""},  {"„", "“"}};
  // was hinter jeder Nummer stehen kann, auch hinter einer ohne Pruefziffer
  const std::vector<std::string> Dahinter = {" Kupplung NEM 362", " km 12,5", " [1]", " 2 Stück", " 24 t", " #12"};
  const std::regex MitWort("(^| )[A-Za-z]{2,}( |$)");
  const std::vector<std::string> Anschriften = EchteAnschriften();
  ASSERT_GT(Anschriften.size(), 900u);
  for (const std::string& Anschrift : Anschriften) {
    const TGelesen G = NummerAusText(EingabeUmsetzen(Anschrift, TKennung::Keine).Text);
    if (G.Ziffern.empty())
      continue;
    const std::string Ohne = Gefunden(Anschrift);
    // in einer Zeile nur aus Nummern ("D6890 - 37190 - 37314") macht erst ein Wort eine Zahl allein zur Nummer
    for (const std::string& Hinten : Dahinter) {
      if (std::regex_search(Anschrift, MitWort)) {
        EXPECT_EQ(Gefunden(Anschrift + Hinten), Ohne) << Anschrift + Hinten;
      }
    }
    // ohne Pruefziffer (Betriebsnummern alter Wagen) kann "MEG 304" selbst die Nummer sein
    if (!G.Ordnungsnummer.empty())
      continue;
    for (const auto& [Vorn, Hinten] : Rauschen)
      EXPECT_EQ(Gefunden(Vorn + Anschrift + Hinten), Ohne) << Vorn + Anschrift + Hinten;
  }
}

}  // namespace
