#include "nummer/zeichensatz.h"

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
                    TUmsetzung{"Umlaute", "\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x9F\xC3\x84", "\xE4\xF6\xFC\xDF\xC4"},
                    TUmsetzung{"Euro", "\xE2\x82\xAC", "\x80"}, TUmsetzung{"Halbgeviertstrich", "\xE2\x80\x93", "\x96"},
                    TUmsetzung{"HacekGross", "\xC5\xA0", "\x8A"},
                    TUmsetzung{"NichtImZeichensatz", "\xC4\x8C\xE4\xB8\xAD", "??"},
                    TUmsetzung{"Emoji",
                               "\xF0\x9F\x98\x80"
                               "1",
                               "?1"},
                    TUmsetzung{"C1Steuerzeichen", "\xC2\x81", "?"}, TUmsetzung{"UngueltigJeByte", "\xFF\xC3", "??"},
                    TUmsetzung{"Ueberlang", "\xC0\xAF", "??"}, TUmsetzung{"Surrogat", "\xED\xA0\x80", "???"}),
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
                                         TMehrbyte{"Umlaut", "\xC3\xBC", true},
                                         TMehrbyte{"Windows1252",
                                                   "\xFC"
                                                   "ber",
                                                   false},
                                         TMehrbyte{"AbgeschnittenAmEnde", "\xC3\xBC\xC3", false},
                                         TMehrbyte{"Cp1252DasWieUtf8Aussieht", "\xC3\xA4 und \xFC", false}),
                         [](const testing::TestParamInfo<TMehrbyte>& Info) { return std::string(Info.param.Name); });

TEST(Zeichensatz, Utf16MitSurrogatpaarUndEinzelsurrogat)
{
  // "ä", Emoji als Paar, einzelnes hohes Surrogat, "A"; ein ueberzaehliges Byte
  const std::string Le("\xE4\x00\x3D\xD8\x00\xDE\x3D\xD8\x41\x00\x42", 11);
  EXPECT_EQ(Utf16NachCp1252(Le, false), "\xE4??A");
  const std::string Be("\x00\xE4\x20\xAC", 4);
  EXPECT_EQ(Utf16NachCp1252(Be, true), "\xE4\x80");
}

TEST(Zeichensatz, GrossUndKleinNachWindows1252)
{
  // Umlaute, S/Z mit Hacek, OE, Y mit Trema; Mal- und Geteiltzeichen sind kein Paar
  EXPECT_TRUE(GleichOhneFall("\xC4\xD6\xDC\x8A\x8C\x8E\x9F\xDEX", "\xE4\xF6\xFC\x9A\x9C\x9E\xFF\xFEx"));
  EXPECT_FALSE(GleichOhneFall("\xD7", "\xF7"));
  EXPECT_EQ(OhneFall("\xDF\xB5@[`{"), "\xDF\xB5@[`{");
}

}  // namespace
