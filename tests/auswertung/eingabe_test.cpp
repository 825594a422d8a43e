#include "auswertung/eingabe.h"
#include "zeichen/zeichensatz.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

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
                    TForm{"AndereBuchstabenNicht", "31 8S 6652 003-8", ""}, TForm{"Leer", "", ""}),
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
        TUnicode{"Kyrillisch", "31 80 6652 003-8 РЖД", "", "„31 80 6652 003-8 ???“ enthält das Zeichen U+0420"}),
    [](const testing::TestParamInfo<TUnicode>& Info) { return std::string(Info.param.Name); });

TEST(NummerGegliedert, GliedertWieAmWagen)
{
  EXPECT_EQ(NummerGegliedert("318066520038"), "31 80 6652 003-8");
  EXPECT_EQ(NummerGegliedert("31806652003"), "31 80 6652 003");
  EXPECT_EQ(NummerGegliedert("318"), "318");
}

}  // namespace
