// Listen aus Tabellenkalkulationen: Zerlegen, Erkennen, Doppelte, freie Nummern. Die Zeilen
// stammen aus tests/daten/anschriften.csv (Quelle je Zeile dort und hier im Kommentar).

#include "auswertung/liste.h"
#include "zeichen/zeichensatz.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// https://tt-board.de/forum/threads/gueterwagen-wie-wo-was.6918/page-6 (Eanos-x)
const std::string Eanos = "31 80 537 7 614-8";
// http://modellbahninfo.org/?p=8287 (Roco 67193, Pruefziffer laut Formel falsch, waere 4)
const std::string Roco = "31 51 537 6 204-3 PL-PKPC Eanos";
// http://www.die-zugfolgestelle.de/cgi-bin/static.cgi?src=reisezugwagen (Schlafwagen)
const std::string Schlafwagen = "61 80 71-41 874-2 WLABmh 174";
// https://ferroequinologist.de/en/photos/One+at+every+corner
const std::string Lok = "91 80 6 186 130-1 D-DB";

struct TZerlegenFall {
  const char* Name;
  std::string Text;
  char Trenner;
  std::vector<TFelder> Erwartet;
};

class Zerlegen : public testing::TestWithParam<TZerlegenFall> {};

TEST_P(Zerlegen, Felder) { EXPECT_EQ(::Zerlegen(GetParam().Text, GetParam().Trenner), GetParam().Erwartet); }

INSTANTIATE_TEST_SUITE_P(
    Liste, Zerlegen,
    testing::Values(
        // So kopiert Excel zwei Zeilen: Tabulator, CR LF, Anfuehrungszeichen nur wo noetig.
        TZerlegenFall{"ExcelKopie",
                      "Roco 67193\t" + Roco + "\r\nWagen \"A\"\t\"" + Eanos + "\"\r\n",
                      '\t',
                      {{"Roco 67193", Roco}, {"Wagen \"A\"", Eanos}}},
        TZerlegenFall{"VerdoppelteAnfuehrung",
                      "\"Schlafwagen \"\"WLABmh\"\"\";" + Schlafwagen + "\n",
                      ';',
                      {{"Schlafwagen \"WLABmh\"", Schlafwagen}}},
        // LibreOffice schreibt Zeilenumbrueche in Zellen in Anfuehrungszeichen.
        TZerlegenFall{
            "UmbruchInZelle", "\"Lok\nFoto\";" + Lok + "\r" + Eanos + ";x", ';', {{"Lok\nFoto", Lok}, {Eanos, "x"}}},
        TZerlegenFall{"LeereZeilenUndLeereFelder", "\n\n" + Eanos + ";;\n\r\n;\n", ';', {{Eanos, "", ""}, {"", ""}}},
        // Ein Anfuehrungszeichen ohne Gegenstueck zaehlt als Zeichen, statt den Rest zu verschlucken.
        TZerlegenFall{"OffeneAnfuehrungZaehltAlsZeichen", "a;\"" + Eanos + "\nb", ';', {{"a", "\"" + Eanos}, {"b"}}},
        // Hinter dem schliessenden eines Feldes ueber zwei Zeilen steht kein Trenner: kein Feld.
        TZerlegenFall{"UeberZeilenOhneTrennerDahinter", "\"x;1\n\"y\";2\n", ';', {{"\"x", "1"}, {"y", "2"}}},
        TZerlegenFall{"OhneTrennerJedeZeileEineZelle", Eanos + ";1\n" + Lok, '\0', {{Eanos + ";1"}, {Lok}}}),
    [](const testing::TestParamInfo<TZerlegenFall>& Info) { return std::string(Info.param.Name); });

// Was der Leser nicht sauber zerlegen kann, nennt er mit der Zeile der Datei und liest weiter.
struct TBefundFall {
  const char* Name;
  std::string Text;
  std::vector<std::size_t> Zeilen;  // der Befunde
  std::size_t Tabellenzeilen;
};

class Befunde : public testing::TestWithParam<TBefundFall> {};

TEST_P(Befunde, NennenDieZeileUndVerlierenNichts)
{
  std::vector<TLeseBefund> Gefunden;
  const std::vector<TFelder> Zeilen = ::Zerlegen(GetParam().Text, ';', &Gefunden);
  std::vector<std::size_t> Nummern;
  for (const TLeseBefund& Befund : Gefunden) {
    Nummern.push_back(Befund.Zeile);
    EXPECT_EQ(Befund.Text.rfind("Zeile " + std::to_string(Befund.Zeile) + ": ", 0), 0u) << Befund.Text;
  }
  EXPECT_EQ(Nummern, GetParam().Zeilen);
  EXPECT_EQ(Zeilen.size(), GetParam().Tabellenzeilen);
}

INSTANTIATE_TEST_SUITE_P(
    Liste, Befunde,
    testing::Values(TBefundFall{"Sauber", "a;\"x\ny\"\n" + Eanos + ";b\n", {}, 2},
                    // Der Fall aus dem Alltag: ein vergessenes Anfuehrungszeichen in Zeile 3 von 5.
                    TBefundFall{"OffenInZeile3", "1;" + Eanos + "\n\n2;\"" + Lok + "\n3;" + Roco + "\n4;x\n", {3}, 4},
                    TBefundFall{"DreiOffene", "\"a\n\"b\nc;\"d", {1, 2, 3}, 3},
                    TBefundFall{"NachUmbruchInZelle", "\"a\nb\";1\n\"c;2\n", {3}, 2},
                    // Ein Feld ueber Zeilen, laenger als eine Zelle sein kann: kein Feld.
                    TBefundFall{
                        "ZuLangUeberZeilen", "\"a\n" + std::string(ZitatHoechstlaenge, 'x') + "\n\"\n", {1, 3}, 3}),
    [](const testing::TestParamInfo<TBefundFall>& Info) { return std::string(Info.param.Name); });

// Stueckweise gelesen (auch Byte fuer Byte, UTF-16 mitten im Zeichen geteilt) kommt dasselbe
// heraus wie am Stueck.
TEST(Strom, StueckweiseWieAmStueck)
{
  const std::string Utf16Paar = "\xFF\xFEN\0r\0\t\0\x3D\xD8\x00\xDE\n\0" + std::string("3\0001\0\t\0x\0\n\0");
  for (const std::string& Text :
       {std::string("Nummer;Bem\n" + Eanos + ";\"a\nb\"\n" + Lok + ";\"offen\n" + Roco + ";c\n"), Utf16Paar,
        std::string("ï»¿"_cp1252 + Eanos + "\n" + Lok)}) {
    const TListenErgebnis AmStueck = ListeLesen(Text);
    for (const std::size_t Stueck : {std::size_t{1}, std::size_t{3}, Text.size()}) {
      std::size_t Pos = 0;
      TListenStrom Strom(
          [&](std::string& Puffer) {
            if (Pos >= Text.size())
              return false;
            Puffer.append(Text.substr(Pos, Stueck));
            Pos += Stueck;
            return true;
          },
          {});
      std::vector<TFelder> Zeilen;
      for (TFelder Zeile; Strom.Naechste(Zeile);)
        Zeilen.push_back(Zeile);
      EXPECT_EQ(Zeilen, AmStueck.Tabelle.Zeilen) << Stueck;
      EXPECT_EQ(Strom.Tabelle().Kopf, AmStueck.Tabelle.Kopf) << Stueck;
      EXPECT_EQ(Strom.NeueBefunde().size(), AmStueck.Tabelle.Befunde.size()) << Stueck;
    }
  }
}

// Eine Quelle ohne Ende und ohne Zeilenende (/dev/zero): das Lesen bricht mit Befund ab.
TEST(Strom, ZeileOhneEndeBrichtAb)
{
  TListenStrom Strom([](std::string& Puffer) { return Puffer.append(std::size_t{64} * 1024, '\0'), true; }, {});
  std::vector<std::size_t> Laengen;
  for (TFelder Zeile; Strom.Naechste(Zeile);)
    Laengen.push_back(Zeile.front().size());
  ASSERT_EQ(Laengen.size(), 1u);  // der Anfang der Zeile, gesagt im Befund
  EXPECT_LE(Laengen[0], StueckZeileHoechstens + std::size_t{64} * 1024);
  const std::vector<TLeseBefund> Befunde = Strom.NeueBefunde();
  ASSERT_EQ(Befunde.size(), 1u);
  EXPECT_EQ(Befunde[0].Text, "Zeile 1 ist länger als 4 MiB; die Liste wurde dort abgebrochen"_cp1252);
}

struct TLeseFall {
  const char* Name;
  std::string Bytes;
  const char* Spalte;  // Vorgabe oder nullptr
  int Kopf;            // Vorgabe 0/1 oder -1; der Trenner wird immer erkannt
  char Trenner;
  bool MitKopf;
  std::size_t Nummernspalte;
  std::size_t Zeilen;
  std::string ErsteNummer;  // Windows-1252
};

class Lesen : public testing::TestWithParam<TLeseFall> {};

TEST_P(Lesen, ErkenntTrennerKopfUndSpalte)
{
  const TLeseFall& Fall = GetParam();
  TLeseVorgabe Vorgabe;
  if (Fall.Spalte)
    Vorgabe.Spalte = Fall.Spalte;
  if (Fall.Kopf >= 0)
    Vorgabe.MitKopf = Fall.Kopf == 1;
  const TListenErgebnis Ergebnis = ListeLesen(Fall.Bytes, Vorgabe);
  ASSERT_EQ(Ergebnis.Fehler, "");
  const TListe& Liste = Ergebnis.Tabelle;
  EXPECT_EQ(Liste.Trenner, Fall.Trenner);
  EXPECT_EQ(Liste.MitKopf, Fall.MitKopf);
  EXPECT_EQ(Liste.Nummernspalte, Fall.Nummernspalte);
  ASSERT_EQ(Liste.Zeilen.size(), Fall.Zeilen);
  EXPECT_EQ(ZelleText(Liste.Zeilen[0][Liste.Nummernspalte], Liste.Kennung), Fall.ErsteNummer);
}

std::string Utf16LE(const std::string& Ascii)
{
  std::string Bytes = "ÿþ"_cp1252;
  for (const char Z : Ascii)
    Bytes += std::string{Z, '\0'};
  return Bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Liste, Lesen,
    testing::Values(
        // Der Kopf von tests/daten/anschriften.csv und zwei ihrer Zeilen.
        TLeseFall{"SemikolonMitKopf",
                  "Anschrift;Art;Land\n" + Eanos + ";Gueterwagen;80\n" + Lok + ";Triebfahrzeug;80\n", nullptr, -1, ';',
                  true, 0, 2, Eanos},
        TLeseFall{"TabulatorOhneKopfNummerHinten",
                  "Roco 67193\t\"Eanos\"\t" + Roco + "\nArnold\tWLABmh\t" + Schlafwagen + "\n", nullptr, -1, '\t',
                  false, 2, 2, Roco},
        TLeseFall{"KommaMitKopfInWindows1252",
                  "Hersteller,Nummer\nMärklin,"_cp1252 + Eanos + "\nFleischmann," + Lok + "\n", nullptr, -1, ',', true,
                  1, 2, Eanos},
        TLeseFall{"SenkrechterStrich", "a|" + Eanos + "\nb|" + Lok + "\n", nullptr, -1, '|', false, 1, 2, Eanos},
        TLeseFall{"ReineZeilen", Eanos + "\n" + Schlafwagen + "\n" + Lok + "\n", nullptr, -1, '\0', false, 0, 3, Eanos},
        TLeseFall{"Utf8MitKennung", "ï»¿Nummer;Bemerkung\n"_cp1252 + Eanos + ";schÃ¶n\n"_cp1252, nullptr, -1, ';', true,
                  0, 1, Eanos},
        TLeseFall{"Utf16VonPowerShell", Utf16LE("Nummer\tx\r\n" + Eanos + "\t1\r\n"), nullptr, -1, '\t', true, 0, 1,
                  Eanos},
        // Manche Programme speichern UTF-16 ohne Kennung.
        TLeseFall{"Utf16OhneKennung", Utf16LE("Nummer\tx\r\n" + Eanos + "\t1\r\n").substr(2), nullptr, -1, '\t', true,
                  0, 1, Eanos},
        TLeseFall{"SpalteNachName", "Nr;Wagen;Nummer\n1;" + Eanos + ";" + Lok + "\n", "nummer", -1, ';', true, 2, 1,
                  Lok},
        TLeseFall{"SpalteNachZahlUndKopfVorgegeben", Eanos + ";" + Lok + "\n", "2", 0, ';', false, 1, 1, Lok}),
    [](const testing::TestParamInfo<TLeseFall>& Info) { return std::string(Info.param.Name); });

TEST(Lesen, UnbekannteSpalteWirdGemeldet)
{
  for (const char* Spalte : {"3", "0", "Wagennummer"}) {
    TLeseVorgabe Vorgabe;
    Vorgabe.Spalte = Spalte;
    EXPECT_NE(ListeLesen("Nummer;x\n" + Eanos + ";x\n", Vorgabe).Fehler, "") << Spalte;
  }
}

struct TDoppelFall {
  const char* Name;
  std::vector<TSchluessel> Liste;
  std::vector<TDoppelArt> Arten;
  std::vector<std::size_t> Andere;  // nur wo Art nicht Keine
};

class Doppelte : public testing::TestWithParam<TDoppelFall> {};

TEST_P(Doppelte, ArtUndVerweis)
{
  const std::vector<TDoppelt> Ergebnis = DoppelteFinden(GetParam().Liste);
  ASSERT_EQ(Ergebnis.size(), GetParam().Arten.size());
  for (std::size_t I = 0; I < Ergebnis.size(); ++I) {
    EXPECT_EQ(Ergebnis[I].Art, GetParam().Arten[I]) << "Zeile " << I;
    if (Ergebnis[I].Art != TDoppelArt::Keine) {
      EXPECT_EQ(Ergebnis[I].Andere, GetParam().Andere[I]) << "Zeile " << I;
    }
  }
}

using A = TDoppelArt;
INSTANTIATE_TEST_SUITE_P(
    Liste, Doppelte,
    testing::Values(TDoppelFall{"GleichGeschrieben",
                                {{"318053776148", Eanos}, {"918061861301", Lok}, {"318053776148", " " + Eanos}},
                                {A::Gleich, A::Keine, A::Gleich},
                                {2, 0, 0}},
                    TDoppelFall{"DerselbeWagenAndersGeschrieben",
                                {{"318053776148", Eanos}, {"318053776148", "318053776148"}},
                                {A::AndersGeschrieben, A::AndersGeschrieben},
                                {1, 0}},
                    // Roco-Modell mit der Pruefziffer 3 neben dem Vorbild mit der richtigen 4
                    // (http://modellbahninfo.org/?p=8287).
                    TDoppelFall{"AnderePruefziffer",
                                {{"315153762043", Roco}, {"", "Re 460 077-1"}, {"315153762044", "31 51 5376 204-4"}},
                                {A::AnderePruefziffer, A::Keine, A::AnderePruefziffer},
                                {2, 0, 0}},
                    // Drei Zeilen einer Gruppe: die spaeteren verweisen auf die erste, die erste auf die zweite.
                    TDoppelFall{
                        "DreiInEinerGruppe",
                        {{"", "unbrauchbar"}, {"318053776148", Eanos}, {"318053776148", Eanos}, {"318053776141", "x"}},
                        {A::Keine, A::Gleich, A::Gleich, A::AnderePruefziffer},
                        {0, 2, 1, 1}}),
    [](const testing::TestParamInfo<TDoppelFall>& Info) { return std::string(Info.param.Name); });

// Mit Hoechstgrenze merkt sie sich keine neuen Nummern mehr, findet die gemerkten aber weiter.
TEST(Doppelte, HoechstgrenzeHaeltSpeicherFest)
{
  TDoppelSuche Suche(1);
  EXPECT_EQ(Suche.Anmelden(1, {"318053776148", Eanos}).Art, A::Keine);
  EXPECT_EQ(Suche.Anmelden(2, {"918061861301", Lok}).Art, A::Keine);
  EXPECT_TRUE(Suche.Voll());
  EXPECT_EQ(Suche.Anmelden(3, {"918061861301", Lok}).Art, A::Keine);
  const TDoppelt Doppelt = Suche.Anmelden(4, {"318053776141", "x"});
  EXPECT_EQ(Doppelt.Art, A::AnderePruefziffer);
  EXPECT_EQ(Doppelt.AndererSchluessel.Text, Eanos);
}

TEST(Doppelte, TextNenntZeileUndUnterschied)
{
  EXPECT_EQ(DoppelText({A::AnderePruefziffer, 17, {"315153762044", ""}}),
            "doppelt: dieselben 11 Ziffern wie Zeile 17, dort mit Prü"_cp1252
            "fziffer 4");
  EXPECT_EQ(DoppelText({}), "");
}

struct TFreiFall {
  const char* Name;
  std::string Auftrag;
  std::size_t Anzahl;
  std::vector<std::string> Belegt;
  std::vector<std::string> Erwartet;
};

class Frei : public testing::TestWithParam<TFreiFall> {};

TEST_P(Frei, Nummern)
{
  TFreiAuftrag Auftrag;
  ASSERT_EQ(FreiAuftragLesen(GetParam().Auftrag, Auftrag), "");
  Auftrag.Anzahl = GetParam().Anzahl;
  EXPECT_EQ(FreieNummern(Auftrag, GetParam().Belegt), GetParam().Erwartet);
}

INSTANTIATE_TEST_SUITE_P(
    Liste, Frei,
    testing::Values(
        // Reihe des Eanos-x oben (31 80 5377 614-8); die Pruefziffern rechnet wagennummer ebenso.
        TFreiFall{
            "AbNullOhneBelegte", "31 80 5377", 3, {"318053776148"}, {"318053770000", "318053770018", "318053770026"}},
        TFreiFall{"BereichUeberspringtBelegte",
                  "31.80.5377 613-616",
                  3,
                  {"318053776148", "318053776155"},
                  {"318053776130", "318053776163"}},
        TFreiFall{"AndereReiheZaehltNicht", "31805377 614-614", 1, {"318066526148"}, {"318053776148"}}),
    [](const testing::TestParamInfo<TFreiFall>& Info) { return std::string(Info.param.Name); });

TEST(Frei, FalscheReiheWirdGemeldet)
{
  TFreiAuftrag Auftrag;
  EXPECT_NE(FreiAuftragLesen("31 80 537", Auftrag), "");
  EXPECT_NE(FreiAuftragLesen("31 80 5377 9-1", Auftrag), "");
  EXPECT_NE(FreiAuftragLesen("D-DB 31 80 5377", Auftrag), "");
}

}  // namespace
