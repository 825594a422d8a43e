// .ods (OpenDocument, LibreOffice): META-INF/manifest.xml sagt, ob verschluesselt, content.xml
// traegt alle Blaetter. Wiederholte Zeilen und Zellen (number-rows-repeated,
// number-columns-repeated) werden nur angelegt, wenn sie etwas enthalten.

#include "mappe/archiv.h"
#include "mappe/intern.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <utility>
#include <vector>

namespace mappe_intern {

namespace {

constexpr std::string_view Tabelle = "urn:oasis:names:tc:opendocument:xmlns:table:1.0";
constexpr std::string_view Office = "urn:oasis:names:tc:opendocument:xmlns:office:1.0";
constexpr std::string_view TextRaum = "urn:oasis:names:tc:opendocument:xmlns:text:1.0";

// Ist Name das Element Lokal im Namensraum Raum ("Raum Lokal")?
bool Ist(std::string_view Name, std::string_view Raum, std::string_view Lokal)
{
  return Name.size() == Raum.size() + 1 + Lokal.size() && Name.starts_with(Raum) && Name[Raum.size()] == ' ' &&
         Name.ends_with(Lokal);
}

// Eine Wiederholung (ab 1); fehlt sie oder stimmt sie nicht, 1.
std::size_t Wiederholung(const char* Wert)
{
  std::size_t Zahl = 1;
  const std::string_view Text = Wert ? Wert : "";
  const auto [Ende, Fehler] = std::from_chars(Text.data(), Text.data() + Text.size(), Zahl);
  return Wert && Fehler == std::errc() && Ende == Text.data() + Text.size() && Zahl > 0 ? Zahl : 1;
}

// Sucht im Manifest nach Angaben zur Verschluesselung.
class TManifest : public TXml {
public:
  bool Verschluesselt = false;

protected:
  void Anfang(std::string_view Name, const char**) override
  {
    Verschluesselt = Verschluesselt || Lokal(Name) == "encryption-data";
  }
  void Ende(std::string_view) override {}
  void Text(std::string_view) override {}
};

struct TOdsZelle {
  std::size_t Spalte;
  std::string Text;
  bool Zahl;
};

class TInhalt : public TXml {
public:
  explicit TInhalt(TMappe& Mappe) : FMappe(Mappe) {}

protected:
  void Anfang(std::string_view Name, const char** Attribute) override;
  void Ende(std::string_view Name) override;
  void Text(std::string_view Text) override
  {
    if (FInP && FNotiz == 0)
      Anhaengen(Text);
  }

private:
  void Anhaengen(std::string_view Text)
  {
    if (FText.size() < MappeZelleHoechstens)
      FText.append(Text.substr(0, MappeZelleHoechstens - FText.size()));
  }
  void ZelleAnfang(const char** Attribute);
  void TextAnfang(std::string_view Name, const char** Attribute);
  void ZelleFertig();
  void ZeileFertig();

  TMappe& FMappe;
  std::optional<TBlattSammler> FSammler;
  TMappenMass FZellen;
  int FTabellen = 0;       // Tiefe der table:table (eingebettete Tabellen zaehlen nicht)
  std::size_t FZeile = 0;  // naechste Zeile des Blatts, ab 0
  std::size_t FZeilenWiederholt = 1, FSpalte = 0, FSpaltenWiederholt = 1;
  std::vector<TOdsZelle> FZeilenZellen;
  bool FInZelle = false, FInP = false, FErsterAbsatz = true;
  int FNotiz = 0;  // in office:annotation (Kommentare gehoeren nicht zum Wert)
  std::string FText, FWert;
  bool FZahl = false;
};

void TInhalt::Anfang(std::string_view Name, const char** Attribute)
{
  if (Ist(Name, Tabelle, "table")) {
    if (FTabellen++ == 0) {
      const char* Blatt = Wert(Attribute, "name", Tabelle);
      FMappe.Blaetter.push_back({Blatt ? Blatt : "", {}});
      FSammler.emplace(FMappe.Blaetter.back(), FZellen);
      FZeile = 0;
    }
    return;
  }
  if (FTabellen != 1)
    return;  // ausserhalb eines Blatts oder in einer eingebetteten Tabelle
  if (Ist(Name, Tabelle, "table-row")) {
    FZeilenWiederholt = Wiederholung(Wert(Attribute, "number-rows-repeated", Tabelle));
    FSpalte = 0;
    FZeilenZellen.clear();
  } else if (Ist(Name, Tabelle, "table-cell") || Ist(Name, Tabelle, "covered-table-cell")) {
    ZelleAnfang(Attribute);
  } else if (FInZelle && Ist(Name, Office, "annotation")) {
    ++FNotiz;
  } else if (FInZelle && FNotiz == 0) {
    TextAnfang(Name, Attribute);
  }
}

// In einer Zelle: Absaetze, Leerzeichen, Tabulatoren und Umbrueche.
void TInhalt::TextAnfang(std::string_view Name, const char** Attribute)
{
  if (Ist(Name, TextRaum, "p") || Ist(Name, TextRaum, "h")) {
    if (!FErsterAbsatz)
      Anhaengen("\n");
    FErsterAbsatz = false;
    FInP = true;
  } else if (FInP && Ist(Name, TextRaum, "s")) {
    Anhaengen(std::string(std::min(Wiederholung(Wert(Attribute, "c", TextRaum)), MappeZelleHoechstens), ' '));
  } else if (FInP && Ist(Name, TextRaum, "tab")) {
    Anhaengen("\t");
  } else if (FInP && Ist(Name, TextRaum, "line-break")) {
    Anhaengen("\n");
  }
}

void TInhalt::ZelleAnfang(const char** Attribute)
{
  FSpaltenWiederholt = Wiederholung(Wert(Attribute, "number-columns-repeated", Tabelle));
  FInZelle = true;
  FErsterAbsatz = true;
  FText.clear();
  const std::string_view Art = Wert(Attribute, "value-type", Office) ? Wert(Attribute, "value-type", Office) : "";
  const char* Zahl = Wert(Attribute, "value", Office);
  FZahl = Zahl && (Art == "float" || Art == "percentage" || Art == "currency");
  FWert = FZahl ? ZahlAusgeschrieben(Zahl) : std::string();
}

void TInhalt::Ende(std::string_view Name)
{
  if (Ist(Name, Tabelle, "table")) {
    if (--FTabellen == 0)
      FSammler.reset();
  } else if (FTabellen != 1) {
    return;
  } else if (Ist(Name, Tabelle, "table-row")) {
    ZeileFertig();
  } else if (Ist(Name, Tabelle, "table-cell") || Ist(Name, Tabelle, "covered-table-cell")) {
    ZelleFertig();
  } else if (Ist(Name, Office, "annotation") && FNotiz > 0) {
    --FNotiz;
  } else if (FNotiz == 0 && (Ist(Name, TextRaum, "p") || Ist(Name, TextRaum, "h"))) {
    FInP = false;
  }
}

void TInhalt::ZelleFertig()
{
  FInZelle = FInP = false;
  FNotiz = 0;
  std::string Inhalt = FZahl ? std::move(FWert) : std::move(FText);
  if (!Inhalt.empty()) {
    if (FSpaltenWiederholt > MappeHoechstensSpalten || FSpalte + FSpaltenWiederholt > MappeHoechstensSpalten)
      return Abbrechen(Meldung(TMappenFehler::ZuVieleSpalten));
    for (std::size_t I = 0; I < FSpaltenWiederholt; ++I)
      FZeilenZellen.push_back({FSpalte + I, Inhalt, FZahl});
  }
  // Leere Zellen (oft 1024 oder 16384 wiederholte am Ende der Zeile) werden nur gezaehlt.
  FSpalte = std::min(FSpalte + std::min(FSpaltenWiederholt, MappeHoechstensSpalten + 1), MappeHoechstensSpalten + 1);
}

void TInhalt::ZeileFertig()
{
  if (FZeilenZellen.empty()) {
    FZeile = std::min(FZeile + std::min(FZeilenWiederholt, MappeHoechstensZeilen + 1), MappeHoechstensZeilen + 1);
    return;
  }
  for (std::size_t Mal = 0; Mal < FZeilenWiederholt; ++Mal, ++FZeile)
    for (const TOdsZelle& Zelle : FZeilenZellen)
      if (!FSammler->Zelle(FZeile, Zelle.Spalte, Zelle.Text, Zelle.Zahl))
        return Abbrechen(FSammler->Fehler);
  FZeilenZellen.clear();
}

}  // namespace

void OdsAusZip(TZip& Zip, TMappe& Mappe)
{
  TManifest Manifest;
  if (!Zip.XmlFallsDa("META-INF/manifest.xml", Manifest)) {
    Mappe.Fehler = Zip.Fehler;
    return;
  }
  if (Manifest.Verschluesselt) {
    Mappe.Fehler = Meldung(TMappenFehler::Verschluesselt);
    return;
  }
  TInhalt Inhalt(Mappe);
  if (!Zip.Da("content.xml")) {
    Mappe.Fehler = Meldung(TMappenFehler::Beschaedigt);
    return;
  }
  if (!Zip.XmlLesen("content.xml", Inhalt))
    Mappe.Fehler = Zip.Fehler;
}

}  // namespace mappe_intern
