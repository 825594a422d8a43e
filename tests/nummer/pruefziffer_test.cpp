#include "nummer/pruefziffer.h"
#include "zeichen/zeichensatz.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct TFall {
  std::string Nummer;
  std::string Erwartet;
};

void PrintTo(const TFall& Fall, std::ostream* Aus)
{
  for (const char Z : Fall.Nummer)
    *Aus << (Z > ' ' && Z < 127 ? Z : '_');
}

class PruefzifferTest : public testing::TestWithParam<TFall> {};

TEST_P(PruefzifferTest, BerechnetZiffer)
{
  EXPECT_EQ(Pruefziffer(GetParam().Nummer), GetParam().Erwartet) << "Nummer: " << GetParam().Nummer;
}

INSTANTIATE_TEST_SUITE_P(Faelle, PruefzifferTest,
                         testing::Values(TFall{"21812471217", "3"}, TFall{"31806652003", "8"},
                                         TFall{"00000000000", "0"}, TFall{"ABCDEFGHIJK", "0"},
                                         TFall{"3180A652003", "1"},  // Buchstabe zaehlt 0, behaelt aber seine Stelle
                                         TFall{"3180665200 ", "4"}, TFall{"31806652000", "4"}, TFall{"", "0"},
                                         TFall{"1", "8"},
                                         // Quersumme der Produkte: 9*2=18 zaehlt 9, 5*2=10 zaehlt 1
                                         TFall{"9", "1"}, TFall{"5", "9"},
                                         // Gewichte laufen vom Ende her: bei gerader Laenge traegt die erste Stelle 1
                                         TFall{"10", "9"}, TFall{"01", "8"},
                                         // Summe genau 10 bzw. 20: Ergebnis 0, nie "10"
                                         TFall{"62", "0"}, TFall{"6262", "0"}, TFall{"37844667019", "2"},
                                         TFall{"50803134025", "2"}, TFall{"21809903001", "5"},
                                         TFall{"üÿ€\t-."_cp1252, "0"}));

TEST(Pruefziffer, IstImmerGenauEineZiffer)
{
  std::string Nummer;
  for (int I = 0; I < 300; ++I) {
    Nummer.push_back(static_cast<char>((I * 37) % 256));
    const std::string Ziffer = Pruefziffer(Nummer);
    ASSERT_EQ(Ziffer.size(), 1u);
    ASSERT_GE(Ziffer[0], '0');
    ASSERT_LE(Ziffer[0], '9');
  }
}

TEST(Erklaerung, VollstaendigFuerEineVonHandGerechneteNummer)
{
  EXPECT_EQ(Erklaerung("21812471217"),
            "Prüfziffer von 21812471217:\n"_cp1252
            "Stelle        2   1   8   1   2   4   7   1   2   1   7\n"
            "Gewicht       2   1   2   1   2   1   2   1   2   1   2\n"
            "Produkt       4   1  16   1   4   4  14   1   4   1  14\n"
            "Quersumme     4   1   7   1   4   4   5   1   4   1   5\n"
            "Summe: 4 + 1 + 7 + 1 + 4 + 4 + 5 + 1 + 4 + 1 + 5 = 37\n"
            "Bis zum nächsten Vielfachen von 10 (40) fehlen 3.\n"_cp1252
            "Prüfziffer: 3\n"_cp1252);
}

TEST(Erklaerung, SummeAlsVielfachesVonZehnErgibtNull)
{
  const std::string Text = Erklaerung("21812471214");
  EXPECT_NE(Text.find("= 40\n40 ist ein Vielfaches von 10"), std::string::npos) << Text;
  EXPECT_TRUE(Text.ends_with("Prüfziffer: 0\n"_cp1252));
}

TEST(Erklaerung, NenntNichtZiffern)
{
  EXPECT_NE(Erklaerung("3180A652003").find("keine Ziffern sind, zählen als 0"_cp1252), std::string::npos);
  EXPECT_EQ(Erklaerung("31806652003").find("keine Ziffern"), std::string::npos);
}

}  // namespace
