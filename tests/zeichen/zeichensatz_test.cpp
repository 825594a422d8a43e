#include "zeichen/zeichensatz.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct TUmsetzung {
  const char* Name;
  std::string Utf8;
  std::string Cp1252;
};

void PrintTo(const TUmsetzung& Fall, std::ostream* Aus) { *Aus << Fall.Name; }

class Utf8NachCp1252Test : public testing::TestWithParam<TUmsetzung> {};

TEST_P(Utf8NachCp1252Test, SetztUm) { EXPECT_EQ(Utf8NachCp1252(GetParam().Utf8), GetParam().Cp1252); }

INSTANTIATE_TEST_SUITE_P(
    Faelle, Utf8NachCp1252Test,
    testing::Values(TUmsetzung{"Ascii", "Wagen 123", "Wagen 123"},
                    TUmsetzung{"Umlaute", "\303\244\303\266\303\274\303\237\303\204", "\344\366\374\337\304"},
                    TUmsetzung{"Euro", "\342\202\254", "\200"}, TUmsetzung{"Halbgeviertstrich", "\342\200\223", "\226"},
                    TUmsetzung{"HacekGross", "\305\240", "\212"},
                    TUmsetzung{"NichtImZeichensatz", "\304\214\344\270\255", "??"},
                    TUmsetzung{"Emoji", "\360\237\230\2001", "?1"}, TUmsetzung{"C1Steuerzeichen", "\302\201", "?"},
                    TUmsetzung{"UngueltigJeByte", "\377\303", "??"}, TUmsetzung{"Ueberlang", "\300\257", "??"},
                    TUmsetzung{"Surrogat", "\355\240\200", "???"}),
    [](const testing::TestParamInfo<TUmsetzung>& Info) { return std::string(Info.param.Name); });

TEST(Zeichensatz, HinUndZurueckErhaeltJedesBelegteByte)
{
  for (int Byte = 1; Byte < 256; ++Byte) {
    const std::string Zeichen(1, static_cast<char>(Byte));
    const std::string Zurueck = Utf8NachCp1252(Cp1252NachUtf8(Zeichen));
    const bool Unbelegt = Byte == 0x81 || Byte == 0x8D || Byte == 0x8F || Byte == 0x90 || Byte == 0x9D;
    EXPECT_EQ(Zurueck, Unbelegt ? "?" : Zeichen) << "Byte " << Byte;
  }
}

struct TMehrbyte {
  const char* Name;
  std::string Text;
  bool Erwartet;
};

void PrintTo(const TMehrbyte& Fall, std::ostream* Aus) { *Aus << Fall.Name; }

class IstMehrbyteUtf8Test : public testing::TestWithParam<TMehrbyte> {};

TEST_P(IstMehrbyteUtf8Test, Erkennt) { EXPECT_EQ(IstMehrbyteUtf8(GetParam().Text), GetParam().Erwartet); }

INSTANTIATE_TEST_SUITE_P(Faelle, IstMehrbyteUtf8Test,
                         testing::Values(TMehrbyte{"NurAscii", "abc", false}, TMehrbyte{"Leer", "", false},
                                         TMehrbyte{"Umlaut", "\303\274", true},
                                         TMehrbyte{"Windows1252", "\374ber", false},
                                         TMehrbyte{"AbgeschnittenAmEnde", "\303\274\303", false},
                                         TMehrbyte{"Cp1252DasWieUtf8Aussieht", "\303\244 und \374", false}),
                         [](const testing::TestParamInfo<TMehrbyte>& Info) { return std::string(Info.param.Name); });

TEST(Zeichensatz, Utf16MitSurrogatpaarUndEinzelsurrogat)
{
  // "ä", Emoji als Paar, einzelnes hohes Surrogat, "A"; ein ueberzaehliges Byte
  const std::string Le("\344\000\075\330\000\336\075\330\101\000\102", 11);
  EXPECT_EQ(Utf16NachCp1252(Le, false), "\344??A");
  const std::string Be("\000\344\040\254", 4);
  EXPECT_EQ(Utf16NachCp1252(Be, true), "\344\200");
}

TEST(Zeichensatz, GrossUndKleinNachWindows1252)
{
  // Umlaute, S/Z mit Hacek, OE, Y mit Trema; Mal- und Geteiltzeichen sind kein Paar
  EXPECT_TRUE(GleichOhneFall("\304\326\334\212\214\216\237\336X", "\344\366\374\232\234\236\377\376x"));
  EXPECT_FALSE(GleichOhneFall("\327", "\367"));
  EXPECT_EQ(Klein1252(0xDF), 0xDF);  // sz hat keinen Grossbuchstaben
  EXPECT_EQ(Klein1252('@'), '@');
}

}  // namespace
