// .xlsx (Office Open XML, Excel 2007 und neuer): Beziehungen, Arbeitsmappe, geteilte Texte und
// Blaetter, jedes als XML Stueck fuer Stueck gelesen.

#include "mappe/archiv.h"
#include "mappe/intern.h"
#include "zeichen/zeichensatz.h"

#include <charconv>
#include <cstdlib>
#include <map>
#include <utility>
#include <vector>

namespace mappe_intern {

std::string OoxmlZeichen(std::string Text)
{
  const auto Hex = [](char Z) { return (Z >= '0' && Z <= '9') || (Z >= 'A' && Z <= 'F') || (Z >= 'a' && Z <= 'f'); };
  std::size_t Pos = Text.find("_x");
  if (Pos == std::string::npos)
    return Text;
  std::string Ergebnis;
  std::size_t Von = 0;
  for (; Pos != std::string::npos; Pos = Text.find("_x", Pos)) {
    if (Pos + 7 <= Text.size() && Text[Pos + 6] == '_' && Hex(Text[Pos + 2]) && Hex(Text[Pos + 3]) &&
        Hex(Text[Pos + 4]) && Hex(Text[Pos + 5])) {
      Ergebnis.append(Text, Von, Pos - Von);
      Utf8Anhaengen(Ergebnis, static_cast<char32_t>(std::strtoul(Text.substr(Pos + 2, 4).c_str(), nullptr, 16)));
      Von = Pos += 7;
    } else {
      Pos += 2;
    }
  }
  Ergebnis.append(Text, Von);
  return Ergebnis;
}

namespace {

constexpr std::size_t TeilHoechstens = 4096;  // "mimetype"

// Beziehungen eines Teils (_rels/*.rels): Id, Art und Ziel.
struct TBeziehung {
  std::string Id, Art, Ziel;
};
class TBeziehungen : public TXml {
public:
  std::vector<TBeziehung> Alle;

protected:
  void Anfang(std::string_view Name, const char** Attribute) override
  {
    if (Lokal(Name) != "Relationship")
      return;
    const char* Id = Wert(Attribute, "Id");
    const char* Art = Wert(Attribute, "Type");
    const char* Ziel = Wert(Attribute, "Target");
    if (Art && Ziel)
      Alle.push_back({Id ? Id : "", Art, Ziel});
  }
  void Ende(std::string_view) override {}
  void Text(std::string_view) override {}
};

// Ein Ziel einer Beziehung relativ zum Ordner ("xl/"), als Name im Archiv: "/xl/a.xml" und
// "worksheets/../a.xml" werden zu "xl/a.xml".
std::string ZielPfad(const std::string& Ordner, const std::string& Ziel)
{
  std::string Voll = Ziel.starts_with('/') ? Ziel.substr(1) : Ordner + Ziel;
  std::vector<std::string> Teile;
  for (std::size_t Von = 0; Von <= Voll.size();) {
    const std::size_t Bis = std::min(Voll.find('/', Von), Voll.size());
    const std::string Teil = Voll.substr(Von, Bis - Von);
    if (Teil == ".." && !Teile.empty())
      Teile.pop_back();
    else if (!Teil.empty() && Teil != "." && Teil != "..")
      Teile.push_back(Teil);
    Von = Bis + 1;
  }
  std::string Pfad;
  for (const std::string& Teil : Teile)
    Pfad += (Pfad.empty() ? "" : "/") + Teil;
  return Pfad;
}

bool Endet(const std::string& Art, std::string_view Ende) { return Art.ends_with(Ende); }

// Die Namen der Blaetter und ihre Beziehung, in der Reihenfolge der Mappe.
class TArbeitsmappe : public TXml {
public:
  std::vector<std::pair<std::string, std::string>> Blaetter;  // Name, Id
  bool Mappe1904 = false;                                     // Daten ab 1904 gezaehlt

protected:
  void Anfang(std::string_view Name, const char** Attribute) override
  {
    if (Lokal(Name) == "workbookPr") {
      const char* Ab1904 = Wert(Attribute, "date1904");
      Mappe1904 = Ab1904 && (std::string_view(Ab1904) == "1" || std::string_view(Ab1904) == "true");
    }
    if (Lokal(Name) != "sheet")
      return;
    const char* Blatt = Wert(Attribute, "name");
    const char* Id = Wert(Attribute, "id");
    Blaetter.emplace_back(Blatt ? Blatt : "", Id ? Id : "");
  }
  void Ende(std::string_view) override {}
  void Text(std::string_view) override {}
};

// Die geteilten Texte (sharedStrings.xml): je <si> der Text aller <t>, ohne die Lesehilfen <rPh>.
class TGeteilteTexte : public TXml {
public:
  std::vector<std::string> Texte;

protected:
  void Anfang(std::string_view Name, const char**) override
  {
    const std::string_view Teil = Lokal(Name);
    if (Teil == "si") {
      FText.clear();
      FInSi = true;
    } else if (Teil == "rPh") {
      ++FLesehilfe;
    } else if (Teil == "t") {
      FInT = FInSi && FLesehilfe == 0;
    }
  }
  void Ende(std::string_view Name) override
  {
    const std::string_view Teil = Lokal(Name);
    if (Teil == "si" && FInSi) {
      if (Texte.size() >= MappeHoechstensZellen)
        return Abbrechen(Meldung(TMappenFehler::ZuVieleZellen));
      if ((FGesamt += FText.size()) > MappeHoechstensText)
        return Abbrechen(Meldung(TMappenFehler::ZuVielText));
      Texte.push_back(OoxmlZeichen(std::move(FText)));
      FText.clear();
      FInSi = false;
    } else if (Teil == "rPh" && FLesehilfe > 0) {
      --FLesehilfe;
    } else if (Teil == "t") {
      FInT = false;
    }
  }
  void Text(std::string_view Text) override
  {
    if (FInT && FText.size() < MappeZelleHoechstens)
      FText.append(Text.substr(0, MappeZelleHoechstens - FText.size()));
  }

private:
  std::string FText;
  std::size_t FGesamt = 0;  // Bytes aller Texte
  bool FInSi = false, FInT = false;
  int FLesehilfe = 0;
};

// Die Zellformate (styles.xml): je Index in <cellXfs>, ob sein Zahlenformat ein Datum zeigt.
class TStile : public TXml {
public:
  std::vector<bool> Datum;
  bool IstDatum(std::size_t Stil) const { return Stil < Datum.size() && Datum[Stil]; }

protected:
  void Anfang(std::string_view Name, const char** Attribute) override
  {
    const std::string_view Teil = Lokal(Name);
    const auto Nummer = [&] {
      const char* Id = Wert(Attribute, "numFmtId");
      return Id ? std::atoi(Id) : 0;
    };
    if (Teil == "numFmt") {
      const char* Code = Wert(Attribute, "formatCode");
      FFormate[Nummer()] = Code ? Code : "";
    } else if (Teil == "cellXfs") {
      FInXfs = true;
    } else if (Teil == "xf" && FInXfs && Datum.size() < FormateHoechstens) {
      const auto Format = FFormate.find(Nummer());
      Datum.push_back(IstDatumsformat(Nummer(), Format == FFormate.end() ? "" : Format->second));
    }
  }
  void Ende(std::string_view Name) override { FInXfs = FInXfs && Lokal(Name) != "cellXfs"; }
  void Text(std::string_view) override {}

private:
  static constexpr std::size_t FormateHoechstens = 65536;  // Excel: 64.000 Zellformate
  std::map<int, std::string> FFormate;
  bool FInXfs = false;
};

// Ein Blatt: <row r="5"><c r="B5" t="s"><v>3</v></c>...; Luecken bleiben an ihrem Platz.
class TBlattXml : public TXml {
public:
  TBlattXml(TBlatt& Blatt, TMappenMass& Zellen, const std::vector<std::string>& Geteilt, const TStile& Stile,
            bool Mappe1904)
      : FSammler(Blatt, Zellen), FGeteilt(Geteilt), FStile(Stile), FMappe1904(Mappe1904)
  {
  }

protected:
  void Anfang(std::string_view Name, const char** Attribute) override;
  void Ende(std::string_view Name) override;
  void Text(std::string_view Text) override
  {
    std::string* Ziel = FInV ? &FWert : FInT ? &FInline : nullptr;
    if (Ziel && Ziel->size() < MappeZelleHoechstens)
      Ziel->append(Text.substr(0, MappeZelleHoechstens - Ziel->size()));
  }

private:
  void ZelleFertig();

  TBlattSammler FSammler;
  const std::vector<std::string>& FGeteilt;
  const TStile& FStile;
  bool FMappe1904;
  std::size_t FStil = 0;
  std::size_t FZeile = 0, FSpalte = 0;
  bool FErsteZeile = true;
  std::string FArt, FWert, FInline;
  bool FInZelle = false, FInV = false, FInIs = false, FInT = false;
  int FLesehilfe = 0;
};

void TBlattXml::Anfang(std::string_view Name, const char** Attribute)
{
  const std::string_view Teil = Lokal(Name);
  if (Teil == "row") {
    std::size_t Zeile = 0, Spalte = 0;
    bool MitZeile = false;
    const char* R = Wert(Attribute, "r");
    const std::string Angabe = R ? std::string("A") + R : std::string();
    FZeile = R && ZellangabeLesen(Angabe, Zeile, Spalte, MitZeile) && MitZeile ? Zeile : FErsteZeile ? 0 : FZeile + 1;
    FErsteZeile = false;
    FSpalte = 0;
  } else if (Teil == "c") {
    const char* R = Wert(Attribute, "r");
    std::size_t Zeile = FZeile, Spalte = FSpalte;
    bool MitZeile = false;
    if (R && ZellangabeLesen(R, Zeile, Spalte, MitZeile)) {
      FSpalte = Spalte;
      if (MitZeile)
        FZeile = Zeile;
    }
    const char* Art = Wert(Attribute, "t");
    FArt = Art ? Art : "n";
    const char* Stil = Wert(Attribute, "s");
    FStil = Stil ? static_cast<std::size_t>(std::strtoul(Stil, nullptr, 10)) : 0;
    FWert.clear();
    FInline.clear();
    FInZelle = true;
  } else if (FInZelle && Teil == "v") {
    FInV = true;
  } else if (FInZelle && Teil == "is") {
    FInIs = true;
  } else if (FInIs && Teil == "rPh") {
    ++FLesehilfe;
  } else if (FInIs && Teil == "t") {
    FInT = FLesehilfe == 0;
  }
}

void TBlattXml::Ende(std::string_view Name)
{
  const std::string_view Teil = Lokal(Name);
  if (Teil == "c" && FInZelle) {
    ZelleFertig();
    FInZelle = FInIs = FInV = FInT = false;
    FLesehilfe = 0;
    ++FSpalte;
  } else if (Teil == "v") {
    FInV = false;
  } else if (Teil == "t") {
    FInT = false;
  } else if (Teil == "rPh" && FLesehilfe > 0) {
    --FLesehilfe;
  } else if (Teil == "is") {
    FInIs = false;
  }
}

void TBlattXml::ZelleFertig()
{
  std::string Inhalt;
  bool Zahl = false;
  if (FArt == "s") {
    std::size_t Index = 0;
    const auto [Bis, Grund] = std::from_chars(FWert.data(), FWert.data() + FWert.size(), Index);
    if (Grund != std::errc() || Bis != FWert.data() + FWert.size() || Index >= FGeteilt.size())
      return Abbrechen(Meldung(TMappenFehler::Beschaedigt));
    Inhalt = FGeteilt[Index];
  } else if (FArt == "inlineStr") {
    Inhalt = OoxmlZeichen(std::move(FInline));
  } else if (FArt == "str") {
    Inhalt = OoxmlZeichen(std::move(FWert));
  } else if (FArt == "b") {
    Inhalt = FWert.empty() ? "" : FWert == "0" ? "FALSCH" : "WAHR";
  } else if (FArt == "e" || FArt == "d") {
    Inhalt = std::move(FWert);
  } else if (!FWert.empty() && FStile.IstDatum(FStil)) {
    // ein Datum speichert Excel als fortlaufende Zahl; gezeigt wird es als Datum
    Inhalt = DatumAusZahl(FWert, FMappe1904);
  } else if (!FWert.empty()) {
    // Zahl, bei einer Formel der zwischengespeicherte Wert.
    Inhalt = ZahlAusgeschrieben(FWert);
    Zahl = true;
  }
  if (!FSammler.Zelle(FZeile, FSpalte, std::move(Inhalt), Zahl))
    Abbrechen(FSammler.Fehler);
}

// Das Hauptdokument nach _rels/.rels (meist xl/workbook.xml); leer, wenn es keines gibt.
std::string ArbeitsmappePfad(TZip& Zip)
{
  if (Zip.Da("_rels/.rels")) {
    TBeziehungen Wurzel;
    if (!Zip.XmlLesen("_rels/.rels", Wurzel))
      return {};
    for (const TBeziehung& Beziehung : Wurzel.Alle)
      if (Endet(Beziehung.Art, "/officeDocument") && Zip.Da(ZielPfad("", Beziehung.Ziel)))
        return ZielPfad("", Beziehung.Ziel);
  }
  return Zip.Da("xl/workbook.xml") ? "xl/workbook.xml" : std::string();
}

// Der Pfad des Teils einer Art ("/sharedStrings", "/styles") nach den Beziehungen der Mappe, sonst
// der uebliche im Ordner der Mappe.
std::string TeilPfad(const TBeziehungen& Beziehungen, const std::string& Ordner, std::string_view Art,
                     std::string_view Ueblich)
{
  std::string Pfad = Ordner + std::string(Ueblich);
  for (const TBeziehung& Beziehung : Beziehungen.Alle)
    if (Endet(Beziehung.Art, Art))
      Pfad = ZielPfad(Ordner, Beziehung.Ziel);
  return Pfad;
}

}  // namespace

void XlsxAusZip(TZip& Zip, TMappe& Mappe)
{
  const std::string Pfad = ArbeitsmappePfad(Zip);
  if (Pfad.empty()) {
    Mappe.Fehler = Zip.Fehler.empty() ? Meldung(TMappenFehler::KeineMappe) : Zip.Fehler;
    return;
  }
  const std::size_t Schnitt = Pfad.rfind('/');
  const std::string Ordner = Schnitt == std::string::npos ? std::string() : Pfad.substr(0, Schnitt + 1);
  const std::string BeziehungenPfad = Ordner + "_rels/" + Pfad.substr(Ordner.size()) + ".rels";
  TArbeitsmappe Arbeitsmappe;
  TBeziehungen Beziehungen;
  TGeteilteTexte Geteilt;
  TStile Stile;
  if (!Zip.XmlLesen(Pfad, Arbeitsmappe) || !Zip.XmlFallsDa(BeziehungenPfad, Beziehungen) ||
      !Zip.XmlFallsDa(TeilPfad(Beziehungen, Ordner, "/sharedStrings", "sharedStrings.xml"), Geteilt) ||
      !Zip.XmlFallsDa(TeilPfad(Beziehungen, Ordner, "/styles", "styles.xml"), Stile)) {
    Mappe.Fehler = Zip.Fehler;
    return;
  }
  std::map<std::string, std::string> Ziele;
  for (const TBeziehung& Beziehung : Beziehungen.Alle)
    Ziele[Beziehung.Id] = ZielPfad(Ordner, Beziehung.Ziel);
  TMappenMass Zellen;
  for (std::size_t I = 0; I < Arbeitsmappe.Blaetter.size(); ++I) {
    const auto& [Name, Id] = Arbeitsmappe.Blaetter[I];
    Mappe.Blaetter.push_back({Name, {}});
    const auto Ziel = Ziele.find(Id);
    const std::string BlattPfad =
        Ziel != Ziele.end() ? Ziel->second : Ordner + "worksheets/sheet" + std::to_string(I + 1) + ".xml";
    TBlattXml Blatt(Mappe.Blaetter.back(), Zellen, Geteilt.Texte, Stile, Arbeitsmappe.Mappe1904);
    // Ein Blatt, das fehlt (oder ein Diagrammblatt ohne Zellen), bleibt leer.
    if (!Zip.XmlFallsDa(BlattPfad, Blatt)) {
      Mappe.Fehler = Zip.Fehler;
      return;
    }
  }
}

void ZipLesen(std::string_view Bytes, TMappe& Mappe)
{
  TZip Zip(Bytes);
  if (!Zip.Fehler.empty()) {
    Mappe.Fehler = Zip.Fehler;
    return;
  }
  std::string Mimetype;
  if (Zip.Da("mimetype") && !Zip.Lesen("mimetype", Mimetype, TeilHoechstens)) {
    Mappe.Fehler = Zip.Fehler;
    return;
  }
  if (Mimetype.starts_with("application/vnd.oasis.opendocument.spreadsheet")) {
    Mappe.Art = TMappenArt::Ods;
    return OdsAusZip(Zip, Mappe);
  }
  Mappe.Art = TMappenArt::Xlsx;
  if (!Mimetype.empty() || Zip.Da("content.xml")) {
    Mappe.Fehler = Meldung(TMappenFehler::KeineMappe);
    return;
  }
  XlsxAusZip(Zip, Mappe);
}

}  // namespace mappe_intern
