#include "nummer/rechenweg.h"

#include "nummer/pruefziffer.h"

#include <gtest/gtest.h>

namespace {

TEST(Erklaerung, VollstaendigFuerEineVonHandGerechneteNummer)
{
  EXPECT_EQ(Erklaerung("21812471217"),
            "Pr\xFC"
            "fziffer von 21812471217:\n"
            "Stelle        2   1   8   1   2   4   7   1   2   1   7\n"
            "Gewicht       2   1   2   1   2   1   2   1   2   1   2\n"
            "Produkt       4   1  16   1   4   4  14   1   4   1  14\n"
            "Quersumme     4   1   7   1   4   4   5   1   4   1   5\n"
            "Summe: 4 + 1 + 7 + 1 + 4 + 4 + 5 + 1 + 4 + 1 + 5 = 37\n"
            "Bis zum n\xE4"
            "chsten Vielfachen von 10 (40) fehlen 3.\n"
            "Pr\xFC"
            "fziffer: 3\n");
}

TEST(Erklaerung, SummeAlsVielfachesVonZehnErgibtNull)
{
  const std::string Text = Erklaerung("21812471214");
  EXPECT_NE(Text.find("= 40\n40 ist ein Vielfaches von 10"), std::string::npos) << Text;
  EXPECT_TRUE(
      Text.ends_with("Pr\xFC"
                     "fziffer: 0\n"));
}

TEST(Erklaerung, NenntNichtZiffern)
{
  EXPECT_NE(Erklaerung("3180A652003").find("keine Ziffern sind, z\xE4hlen als 0"), std::string::npos);
  EXPECT_EQ(Erklaerung("31806652003").find("keine Ziffern"), std::string::npos);
}

TEST(Rechenweg, StimmtMitPruefzifferUeberein)
{
  std::string Nummer = "00000000000";
  for (unsigned I = 0; I < 20000; ++I) {
    for (char& Z : Nummer)
      Z = static_cast<char>('0' + (I * 7919u + static_cast<unsigned>(&Z - Nummer.data()) * 104729u) % 10u);
    Nummer[I % 11] = static_cast<char>(I % 256);
    ASSERT_EQ(std::to_string(Rechenweg(Nummer).Pruefziffer), Pruefziffer(Nummer)) << Nummer;
  }
}

}  // namespace
