// Arbeitsmappen lesen (mappe/): die echten Mappen aus tests/daten/mappen/ (aus openpyxl,
// python3-odf, LibreOffice und libxlsxwriter wie Tandrix Sammlung, siehe README.md dort) und
// feindliche oder falsche Dateien, die meisten hier im Speicher gebaut.

#include "mappe/mappe.h"
#include "mappe/intern.h"
#include "tests/hilfen/mappe_bauen.h"
#include "tests/hilfen/testdatei.h"
#include "zeichen/zeichensatz.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

std::string Datei(const std::string& Name) { return DateiInhalt(std::string(TANDRIX_MAPPEN) + "/" + Name); }

std::string Text(const TMappe& Mappe, std::size_t Blatt, std::size_t Zeile, std::size_t Spalte)
{
  if (Blatt >= Mappe.Blaetter.size() || Zeile >= Mappe.Blaetter[Blatt].Zeilen.size())
    return "<fehlt>";
  const TMappenZeile& Zellen = Mappe.Blaetter[Blatt].Zeilen[Zeile];
  return Spalte < Zellen.size() ? Zellen[Spalte].Text : std::string();
}

bool Zahl(const TMappe& Mappe, std::size_t Blatt, std::size_t Zeile, std::size_t Spalte)
{
  const TMappenZeile& Zellen = Mappe.Blaetter.at(Blatt).Zeilen.at(Zeile);
  return Spalte < Zellen.size() && Zellen[Spalte].Zahl;
}

// Die Meldung einer Mappe in UTF-8, fuer Vergleiche mit Woertern.
std::string Meldung(const TMappe& Mappe) { return Cp1252NachUtf8(Mappe.Fehler); }

}  // namespace

TEST(Mappe, ZahlenWerdenGenauAusgeschrieben)
{
  const std::vector<std::pair<std::string, std::string>> Faelle = {
      {"3.18066520038E+11", "318066520038"},
      {"318066520038", "318066520038"},
      {"1.8650002357E10", "18650002357"},
      {"12.50", "12.5"},
      {"1.0", "1"},
      {"-0.5", "-0.5"},
      {"1E-3", "0.001"},
      {"0", "0"},
      {"-0", "0"},
      {"007", "7"},
      {" 42 ", "42"},
      // mehr als 15 gueltige Stellen zeigt keine Tabellenkalkulation: gerundet wie dort
      {"79.98999999999999", "79.99"},
      {"0.1000000000000000055511151231257827", "0.1"},
      {"99999999999999999", "100000000000000000"},
      {"123456789012345678901234567890", "123456789012346000000000000000"},
      {"318066520038", "318066520038"},
      {"abc", "abc"},
      {"1e999", "1e999"},  // ausser jedem Mass: bleibt, wie es ist
      {"1.2.3", "1.2.3"},
      {"", ""},
  };
  for (const auto& [Gespeichert, Erwartet] : Faelle)
    EXPECT_EQ(mappe_intern::ZahlAusgeschrieben(Gespeichert), Erwartet) << Gespeichert;
}

// Daten speichert eine .xlsx als fortlaufende Zahl mit einem Datumsformat; gezeigt werden sie
// wie in einem deutschen Excel.
TEST(Mappe, DatumAusZahl)
{
  const std::vector<std::tuple<const char*, bool, const char*>> Faelle = {{"45366", false, "15.03.2024"},
                                                                          {"45366.5", false, "15.03.2024 12:00"},
                                                                          {"1", false, "01.01.1900"},
                                                                          {"59", false, "28.02.1900"},
                                                                          {"61", false, "01.03.1900"},
                                                                          {"0.75", false, "18:00"},
                                                                          {"0", true, "01.01.1904"},
                                                                          {"43904", true, "15.03.2024"},
                                                                          {"45366.99999", false, "16.03.2024"},
                                                                          {"-1", false, "-1"},
                                                                          {"abc", false, "abc"},
                                                                          {"3000000", false, "3000000"}};
  for (const auto& [Zahl, Ab1904, Erwartet] : Faelle)
    EXPECT_EQ(mappe_intern::DatumAusZahl(Zahl, Ab1904), Erwartet) << Zahl;
}

TEST(Mappe, Datumsformate)
{
  const std::vector<std::tuple<int, const char*, bool>> Faelle = {{14, "", true},
                                                                  {22, "", true},
                                                                  {0, "", false},
                                                                  {2, "", false},
                                                                  {164, "DD.MM.YYYY", true},
                                                                  {165, "yyyy-mm-dd", true},
                                                                  {166, "#,##0.00 [$€-407]", false},
                                                                  {167, "0\\d", false},
                                                                  {168, "\"Tag\" 0", false},
                                                                  {169, "[h]:mm", true},
                                                                  {170, "General", false}};
  for (const auto& [Nummer, Code, Erwartet] : Faelle)
    EXPECT_EQ(mappe_intern::IstDatumsformat(Nummer, Code), Erwartet) << Nummer << " " << Code;
}

TEST(Mappe, Zellangaben)
{
  struct TFall {
    const char* Angabe;
    bool Gut;
    std::size_t Zeile, Spalte;
  };
  for (const TFall& Fall :
       {TFall{"A1", true, 0, 0}, TFall{"C5", true, 4, 2}, TFall{"Z10", true, 9, 25}, TFall{"AA1", true, 0, 26},
        TFall{"XFD1048576", true, 1048575, 16383}, TFall{"a1", false, 0, 0}, TFall{"A0", false, 0, 0},
        TFall{"1A", false, 0, 0}, TFall{"AAAA1", false, 0, 0}}) {
    std::size_t Zeile = 0, Spalte = 0;
    bool MitZeile = false;
    EXPECT_EQ(mappe_intern::ZellangabeLesen(Fall.Angabe, Zeile, Spalte, MitZeile), Fall.Gut) << Fall.Angabe;
    if (Fall.Gut) {
      EXPECT_EQ(Zeile, Fall.Zeile) << Fall.Angabe;
      EXPECT_EQ(Spalte, Fall.Spalte) << Fall.Angabe;
    }
  }
}

TEST(Mappe, ArtNachDemInhalt)
{
  EXPECT_EQ(MappenArtErkennen(Datei("sammlung.xlsx")), TMappenArt::Xlsx);
  EXPECT_EQ(MappenArtErkennen(Datei("sammlung.ods")), TMappenArt::Ods);
  EXPECT_EQ(MappenArtErkennen(Datei("sammlung.xls")), TMappenArt::Xls);
  EXPECT_EQ(MappenArtErkennen(Datei("sammlung.csv")), TMappenArt::Text);
  EXPECT_EQ(MappenArtErkennen("PK"), TMappenArt::Text);
  EXPECT_EQ(MappenArtErkennen(""), TMappenArt::Text);
  // Eine .ods, deren mimetype nicht vorn steht, erkennt erst das Lesen.
  const std::string Ods = OdsMit(
      "<table:table-row><table:table-cell office:value-type=\"string\"><text:p>31 80 6652 "
      "003-8</text:p></table:table-cell></table:table-row>");
  EXPECT_EQ(MappeLesen(Ods).Art, TMappenArt::Ods);
}

// Dieselbe Sammlung aus jeder Quelle: Blaetter, Kopf, Zahlen, Formeln, Luecken, verbundene Zelle.
struct TEchteMappe {
  const char* Datei;
  TMappenArt Art;
  bool MitHinweisblatt;  // die Sammlung von Tandrix hat nur ein Blatt
  bool FormelGelesen;    // libfreexl liest keine Formeln
  bool ZahlenAlsZahl;    // Tandrix Sammlung speichert alles als Text
};

class EchteMappe : public testing::TestWithParam<TEchteMappe> {};

TEST_P(EchteMappe, WirdGelesenWieGespeichert)
{
  const TEchteMappe& Fall = GetParam();
  const TMappe Mappe = MappeLesen(Datei(Fall.Datei));
  ASSERT_EQ(Mappe.Fehler, "");
  EXPECT_EQ(Mappe.Art, Fall.Art);
  const std::size_t S = Fall.MitHinweisblatt ? 1 : 0;  // das Blatt "Sammlung"
  ASSERT_EQ(Mappe.Blaetter.size(), S + 1);
  if (Fall.MitHinweisblatt) {
    EXPECT_EQ(Mappe.Blaetter[0].Name, "Hinweise");
    EXPECT_EQ(Text(Mappe, 0, 0, 0), "Meine Sammlung, Stand 2026");
    EXPECT_EQ(Text(Mappe, 0, 2, 0), "");  // A3 leer, B3 gefuellt
    EXPECT_EQ(Text(Mappe, 0, 2, 1), "Quelle je Zeile in Spalte H");
  }
  EXPECT_EQ(Mappe.Blaetter[S].Name, "Sammlung");
  // Kopf und 7 Zeilen; die leeren Zeilen der Mappe fallen fort.
  ASSERT_EQ(Mappe.Blaetter[S].Zeilen.size(), 8U);
  EXPECT_EQ(Text(Mappe, S, 0, 3), "Wagennummer");
  EXPECT_EQ(Text(Mappe, S, 1, 3), "31 80 537 7 614-8");
  EXPECT_EQ(Text(Mappe, S, 2, 7),
            "https://www.menzels-lokschuppen.de/Modellbahnen/Gueterwagen/Albert-Modell-788034-MMV-Kesselwagen-Zas-Ep-6."
            "html");
  // Die Nummer als Zahl (in der .xlsx als 3.18049530385E+11) mit allen Ziffern.
  EXPECT_EQ(Text(Mappe, S, 3, 3), "318049530385");
  EXPECT_EQ(Zahl(Mappe, S, 3, 3), Fall.ZahlenAlsZahl);
  // 01 86 5000 235-7 als Zahl: die fuehrende Null fehlt, die Ziffern bleiben.
  EXPECT_EQ(Text(Mappe, S, 4, 3), "18650002357");
  EXPECT_EQ(Zahl(Mappe, S, 4, 3), Fall.ZahlenAlsZahl);
  EXPECT_EQ(Text(Mappe, S, 1, 1), "76543");
  EXPECT_EQ(Zahl(Mappe, S, 1, 1), Fall.ZahlenAlsZahl);
  EXPECT_FALSE(Zahl(Mappe, S, 2, 1));  // "788034" als Text
  // Die Formel mit ihrem zwischengespeicherten Wert.
  EXPECT_EQ(Text(Mappe, S, 5, 3), Fall.FormelGelesen ? "31 81 3523 474-4" : "");
  // Luecken bleiben an ihrem Platz.
  EXPECT_EQ(Text(Mappe, S, 6, 0), "Fleischmann");
  EXPECT_EQ(Text(Mappe, S, 6, 1), "");
  EXPECT_EQ(Text(Mappe, S, 6, 3), "51 80 08-40 208-4");
  // Verbunden ueber A bis C: der Wert links oben, die anderen leer.
  EXPECT_EQ(Text(Mappe, S, 7, 0), "Sondermodell (verbunden)");
  EXPECT_EQ(Text(Mappe, S, 7, 1), "");
  EXPECT_EQ(Text(Mappe, S, 7, 3), "9381 1010 003-0");
  EXPECT_EQ(Text(Mappe, S, 7, 6), "129");
}

const TEchteMappe EchteMappen[] = {
    {"sammlung.xlsx", TMappenArt::Xlsx, true, true, true},
    {"sammlung-libreoffice.xlsx", TMappenArt::Xlsx, true, true, true},
    {"sammlung-tandrix.xlsx", TMappenArt::Xlsx, false, true, false},
    {"sammlung.ods", TMappenArt::Ods, true, true, true},
#ifdef TANDRIX_MIT_XLS
    {"sammlung.xls", TMappenArt::Xls, true, false, true},
#endif
};

INSTANTIATE_TEST_SUITE_P(Formate, EchteMappe, testing::ValuesIn(EchteMappen),
                         [](const testing::TestParamInfo<TEchteMappe>& Info) {
                           std::string Name;
                           for (const char Zeichen : std::string(Info.param.Datei))
                             Name += std::isalnum(static_cast<unsigned char>(Zeichen)) ? Zeichen : '_';
                           return Name;
                         });

// Was die Tabellenkalkulation zeigt: ein Datum (in .xlsx eine fortlaufende Zahl mit
// Datumsformat, in .ods wie angezeigt) als Datum, ein Preis mit hoechstens 15 Stellen
// (gespeichert ist 79.98999999999999).
TEST(Mappe, DatumUndPreisWieAngezeigt)
{
  const TMappe Xlsx = MappeLesen(Datei("sammlung.xlsx"));
  EXPECT_EQ(Text(Xlsx, 1, 1, 5), "15.03.2024");
  EXPECT_EQ(Text(Xlsx, 1, 3, 6), "79.99");
  const TMappe Ods = MappeLesen(Datei("sammlung.ods"));
  EXPECT_EQ(Text(Ods, 1, 1, 5), "15.03.2024");
  EXPECT_EQ(Text(Ods, 1, 3, 6), "79.99");
}

TEST(Mappe, XlsxZellarten)
{
  const std::string Blatt =
      "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>1</v></c><c r=\"B1\" t=\"inlineStr\"><is><r><t>31 80 </t></r><r><t>6652 "
      "003-8</t></r><rPh><t>LESEHILFE</t></rPh></is></c><c r=\"C1\" t=\"b\"><v>1</v></c><c r=\"D1\" t=\"b\"><v>0</v>"
      "</c><c r=\"E1\" t=\"e\"><v>#DIV/0!</v></c><c r=\"F1\" t=\"str\"><f>A1&amp;\"x\"</f><v>Textx</v></c>"
      "<c r=\"G1\"><f>1+1</f><v>2</v></c><c r=\"H1\" t=\"d\"><v>2024-03-15</v></c><c r=\"I1\" t=\"s\"><v>2</v></c>"
      "</row><row r=\"5\"><c r=\"C5\" t=\"s\"><v>0</v></c></row><row><c><v>7</v></c><c t=\"s\"><v>0</v></c></row>";
  const std::string Geteilt =
      "<si><t>erster</t></si><si><r><t>Te</t></r><r><t>xt</t></r></si>"
      "<si><t>Zeile_x000D__x000A_zwei</t></si>";
  const TMappe Mappe = MappeLesen(XlsxMit({{"Eins", Blatt}}, Geteilt));
  ASSERT_EQ(Mappe.Fehler, "");
  ASSERT_EQ(Mappe.Blaetter.size(), 1U);
  const auto& Zeilen = Mappe.Blaetter[0].Zeilen;
  ASSERT_EQ(Zeilen.size(), 3U);
  const std::vector<std::string> Erwartet = {"Text", "31 80 6652 003-8", "WAHR",         "FALSCH", "#DIV/0!", "Textx",
                                             "2",    "2024-03-15",       "Zeile\r\nzwei"};
  ASSERT_EQ(Zeilen[0].size(), Erwartet.size());
  for (std::size_t I = 0; I < Erwartet.size(); ++I)
    EXPECT_EQ(Zeilen[0][I].Text, Erwartet[I]) << I;
  EXPECT_TRUE(Zeilen[0][6].Zahl);
  EXPECT_FALSE(Zeilen[0][5].Zahl);
  // C5 nach vier fehlenden Zeilen: zwei leere Zellen davor.
  ASSERT_EQ(Zeilen[1].size(), 3U);
  EXPECT_EQ(Zeilen[1][2].Text, "erster");
  // Ohne r: die naechste Zeile, Spalten der Reihe nach.
  ASSERT_EQ(Zeilen[2].size(), 2U);
  EXPECT_EQ(Zeilen[2][0].Text, "7");
  EXPECT_EQ(Zeilen[2][1].Text, "erster");
}

TEST(Mappe, OdsZellarten)
{
  const std::string Zeilen =
      "<table:table-row table:number-rows-repeated=\"2\"><table:table-cell "
      "office:value-type=\"string\"><text:p>31<text:s "
      "text:c=\"2\"/>80<text:tab/><text:span>6652</text:span></text:p><text:p>zweite Zeile</text:p>"
      "<office:annotation><text:p>Kommentar</text:p></office:annotation></table:table-cell>"
      "<table:table-cell table:number-columns-repeated=\"3\"/><table:table-cell office:value-type=\"float\" "
      "office:value=\"3.18066520038E+11\"><text:p>3,18066520038E+11</text:p></table:table-cell>"
      "<table:covered-table-cell table:number-columns-repeated=\"2\" office:value-type=\"float\" office:value=\"2\">"
      "<text:p>2</text:p></table:covered-table-cell><table:table-cell table:number-columns-repeated=\"16000\"/>"
      "</table:table-row><table:table-row table:number-rows-repeated=\"1048570\"><table:table-cell "
      "table:number-columns-repeated=\"1024\"/></table:table-row>";
  const TMappe Mappe = MappeLesen(OdsMit(Zeilen));
  ASSERT_EQ(Mappe.Fehler, "");
  ASSERT_EQ(Mappe.Blaetter.size(), 1U);
  EXPECT_EQ(Mappe.Blaetter[0].Name, "Tabelle1");
  const auto& Gelesen = Mappe.Blaetter[0].Zeilen;
  ASSERT_EQ(Gelesen.size(), 2U);  // wiederholt, und die leeren am Ende fallen fort
  for (const TMappenZeile& Zeile : Gelesen) {
    ASSERT_EQ(Zeile.size(), 7U);
    EXPECT_EQ(Zeile[0].Text, "31  80\t6652\nzweite Zeile");
    EXPECT_EQ(Zeile[1].Text, "");
    EXPECT_EQ(Zeile[4].Text, "318066520038");
    EXPECT_TRUE(Zeile[4].Zahl);
    EXPECT_EQ(Zeile[5].Text, "2");
    EXPECT_EQ(Zeile[6].Text, "2");
  }
}

// Feindliche und falsche Dateien: nichts als eine klare Meldung, keine Blaetter.
struct TFeindlich {
  const char* Name;
  std::string Bytes;
  const char* Wort;  // steht in der Meldung (UTF-8)
};

class Feindlich : public testing::TestWithParam<TFeindlich> {};

TEST_P(Feindlich, GibtNurEineMeldung)
{
  const TMappe Mappe = MappeLesen(GetParam().Bytes);
  EXPECT_NE(Meldung(Mappe).find(GetParam().Wort), std::string::npos) << Meldung(Mappe);
  EXPECT_TRUE(Mappe.Blaetter.empty());
  EXPECT_EQ(Mappe.Fehler.find('\n'), std::string::npos);
}

namespace {

std::string Zeilen(std::size_t Anzahl, std::size_t Ab = 1)
{
  std::string Xml;
  for (std::size_t I = Ab; I < Ab + Anzahl; ++I)
    Xml += "<row r=\"" + std::to_string(I) + "\"><c r=\"A" + std::to_string(I) + "\"><v>" + std::to_string(I * 7919) +
           "</v></c></row>";
  return Xml;
}

std::vector<TFeindlich> FeindlicheFaelle()
{
  const std::string Entitaeten =
      "<?xml version=\"1.0\"?><!DOCTYPE sst [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b "
      "\"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">]><sst><si><t>&b;</t></si></sst>";
  const std::string Lueckenzeilen = [] {
    std::string Xml;
    for (int I = 1; I <= 200; ++I)
      Xml += "<row r=\"" + std::to_string(I) + "\"><c r=\"XFA" + std::to_string(I) + "\"><v>1</v></c></row>";
    return Xml;
  }();
  return {
      {"zip_bombe", Datei("bombe.xlsx"), "ZIP-Bombe"},
      {"entitaeten", Datei("entitaeten.xlsx"), "Entitäten"},
      {"entitaeten_klein", XlsxMit({{"A", ""}}, "", {{"xl/sharedStrings.xml", Entitaeten}}), "Entitäten"},
      {"doctype_ohne_entitaet",
       XlsxMit({{"A", ""}}, "", {{"xl/workbook.xml", "<?xml version=\"1.0\"?><!DOCTYPE workbook><workbook/>"}}),
       "DOCTYPE"},
      {"entitaeten_ods", OdsMit("", {{"content.xml", Entitaeten}}), "Entitäten"},
      {"verschluesselt_xlsx", Datei("verschluesselt-xlsx.xlsx"), "verschlüsselt"},
      {"verschluesselt_ods", Datei("verschluesselt.ods"), "verschlüsselt"},
      {"kein_office_zip", Datei("kein-mappe.xlsx"), "keine Arbeitsmappe"},
#ifdef TANDRIX_MIT_XLS
      {"kein_office_ole2", Datei("kein-mappe.xls"), "keine Arbeitsmappe"},
#else
      // Ohne libfreexl (die Windows-Ausgabe): jede .xls bekommt die Meldung, dass diese Ausgabe
      // sie nicht liest; eine verschluesselte .xlsx im OLE2-Verbund bleibt erkannt.
      {"ohne_xls", Datei("sammlung.xls"), ".xls liest Tandrix in dieser Ausgabe nicht"},
#endif
      {"odt_statt_ods",
       ZipAusTeilen({{"mimetype", "application/vnd.oasis.opendocument.text"}, {"content.xml", "<a/>"}}),
       "keine Arbeitsmappe"},
      {"abgeschnitten", Datei("abgeschnitten.xlsx"), "beschädigt"},
      {"nur_zip_kopf", std::string("PK\x03\x04", 4) + std::string(100, '\0'), "beschädigt"},
      {"ole2_kopf_allein", std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + std::string(504, '\0'),
#ifdef TANDRIX_MIT_XLS
       "beschädigt"
#else
       ".xls"
#endif
      },
      {"xml_kaputt", XlsxMit({{"A", "<row><c><v>1</v></row>"}}), "beschädigt"},
      {"geteilter_text_fehlt", XlsxMit({{"A", "<row><c t=\"s\"><v>5</v></c></row>"}}, "<si><t>a</t></si>"),
       "beschädigt"},
      {"zeile_jenseits", XlsxMit({{"A", "<row r=\"1048577\"><c r=\"A1048577\"><v>1</v></c></row>"}}), "1.048.576"},
      {"spalte_jenseits", XlsxMit({{"A", "<row r=\"1\"><c r=\"XFE1\"><v>1</v></c></row>"}}), "XFD"},
      {"ods_spalten_jenseits",
       OdsMit("<table:table-row><table:table-cell table:number-columns-repeated=\"16385\" office:value-type=\"string\">"
              "<text:p>x</text:p></table:table-cell></table:table-row>"),
       "XFD"},
      {"ods_zeilen_jenseits",
       OdsMit("<table:table-row table:number-rows-repeated=\"2000000\"><table:table-cell office:value-type=\"string\">"
              "<text:p>x</text:p></table:table-cell></table:table-row>"),
       "1.048.576"},
      // 200 Zeilen mit einer Zelle in Spalte XFA: mit den Luecken mehr Zellen, als Tandrix haelt.
      {"zu_viele_zellen", XlsxMit({{"A", Lueckenzeilen}}), "3.000.000"},
      {"xlsx_ohne_arbeitsmappe", ZipAusTeilen({{"[Content_Types].xml", "<Types/>"}}), "keine Arbeitsmappe"},
      {"text", Datei("sammlung.csv"), "sondern Text"},
      // Ein geteilter Text von 100 KB, auf den 1.500 Zellen verweisen: 150 MB aus 10 KB Datei.
      {"geteilter_text_vervielfacht",
       XlsxMit({{"A",
                 [] {
                   std::string Xml;
                   for (int I = 1; I <= 1500; ++I)
                     Xml += "<row><c t=\"s\"><v>0</v></c></row>";
                   return Xml;
                 }()}},
               "<si><t>" + std::string(100000, 'x') + "</t></si>"),
       "128 MB Text"},
  };
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(Dateien, Feindlich, testing::ValuesIn(FeindlicheFaelle()),
                         [](const testing::TestParamInfo<TFeindlich>& Info) { return std::string(Info.param.Name); });

TEST(Mappe, EineMillionZeilenGehen)
{
  // Eine Million Zeilen mit verschiedenen Zahlen: unter den Grenzen, also gelesen.
  const TMappe Mappe = MappeLesen(XlsxMit({{"Gross", Zeilen(1000000)}}));
  ASSERT_EQ(Mappe.Fehler, "");
  ASSERT_EQ(Mappe.Blaetter.at(0).Zeilen.size(), 1000000U);
  EXPECT_EQ(Mappe.Blaetter[0].Zeilen.back().at(0).Text, std::to_string(std::size_t{1000000} * 7919));
}

TEST(Mappe, AlleGrenzenStehenInDerMeldung)
{
  // Jede Meldung ist ein ganzer Satz und nennt die Grenze, die in mappe.h steht.
  EXPECT_NE(Cp1252NachUtf8(mappe_intern::Meldung(mappe_intern::TMappenFehler::ZuGross))
                .find(std::to_string(MappeHoechstensEntpackt >> 20)),
            std::string::npos);
  EXPECT_NE(Cp1252NachUtf8(mappe_intern::Meldung(mappe_intern::TMappenFehler::ZuVieleZellen)).find("3.000.000"),
            std::string::npos);
  EXPECT_EQ(MappeHoechstensZellen, 3000000U);
  EXPECT_EQ(MappeHoechstensZeilen, 1048576U);
  EXPECT_EQ(MappeHoechstensSpalten, 16384U);
}

TEST(Mappe, XlsxSammlungAusDenHilfen)
{
  const TMappe Mappe = MappeLesen(XlsxSammlung(1000));
  ASSERT_EQ(Mappe.Fehler, "");
  ASSERT_EQ(Mappe.Blaetter.at(0).Zeilen.size(), 1001U);
  EXPECT_EQ(Mappe.Blaetter[0].Zeilen[1].at(3).Text, SammlungsNummer(0));
  EXPECT_TRUE(Mappe.Blaetter[0].Zeilen[1].at(3).Zahl);
  EXPECT_EQ(Mappe.Blaetter[0].Zeilen[2].at(3).Text.size(), 16U);  // "31 80 4000 001-x"
}
