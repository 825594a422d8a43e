#pragma once

#include "mappe/mappe.h"

#include <cstddef>
#include <string>
#include <string_view>

// Das ZIP-Archiv einer .xlsx oder .ods (libzip) und das XML darin (expat), beides mit den
// Grenzen aus mappe.h: entpackt wird Stueck fuer Stueck mit laufender Zaehlung, und das XML
// geht stueckweise an expat, ohne je ganz im Speicher zu liegen. Nur innerhalb von mappe/.

struct zip;
struct XML_ParserStruct;

namespace mappe_intern {

class TXml;

class TZip {
public:
  // Oeffnet die Bytes (sie muessen leben, solange das Archiv offen ist); ist es keines oder
  // beschaedigt, steht der Grund in Fehler.
  explicit TZip(std::string_view Bytes);
  ~TZip();
  TZip(const TZip&) = delete;
  TZip& operator=(const TZip&) = delete;

  bool Da(const std::string& Name) const;
  // Ein Teil ganz, hoechstens Hoechstens Bytes (fuer kleine wie "mimetype"); false mit Fehler.
  bool Lesen(const std::string& Name, std::string& Inhalt, std::size_t Hoechstens);
  // Ein Teil als XML an Xml; false mit Fehler (der Grund des Archivs oder des XML).
  bool XmlLesen(const std::string& Name, TXml& Xml);
  // Dasselbe fuer einen Teil, der fehlen darf: fehlt er, bleibt Xml leer und es ist kein Fehler.
  bool XmlFallsDa(const std::string& Name, TXml& Xml) { return !Da(Name) || XmlLesen(Name, Xml); }
  std::string Fehler;

private:
  // Entpackt Stueck fuer Stueck an Stueck(Daten, Laenge); false mit Fehler, wenn eine Grenze
  // erreicht ist, das Archiv nicht stimmt oder Stueck false liefert.
  template <class TStueck>
  bool Entpacken(const std::string& Name, TStueck Stueck);

  zip* FZip = nullptr;
  std::size_t FEntpackt = 0;  // alle Teile zusammen
};

// Ein XML-Leser; die Namen kommen als "Namensraum Name" (expat mit Namensraeumen).
class TXml {
public:
  TXml();
  virtual ~TXml();
  TXml(const TXml&) = delete;
  TXml& operator=(const TXml&) = delete;

  // Das naechste Stueck; Letztes am Ende. False, wenn das XML nicht stimmt oder abgebrochen wurde.
  bool Stueck(const char* Daten, std::size_t Laenge, bool Letztes);
  // Nicht leer: warum gelesen nicht weitergeht (Windows-1252).
  std::string Fehler;

  // Der Name ohne Namensraum.
  static std::string_view Lokal(std::string_view Name);
  // Der Wert des Attributs mit diesem lokalen Namen (und, wenn nicht leer, diesem Namensraum).
  static const char* Wert(const char** Attribute, std::string_view Name, std::string_view Namensraum = {});

protected:
  virtual void Anfang(std::string_view Name, const char** Attribute) = 0;
  virtual void Ende(std::string_view Name) = 0;
  virtual void Text(std::string_view Text) = 0;
  // Bricht das Lesen mit diesem Grund ab.
  void Abbrechen(std::string Grund);

private:
  static void AnfangRuf(void* Ich, const char* Name, const char** Attribute);
  static void EndeRuf(void* Ich, const char* Name);
  static void TextRuf(void* Ich, const char* Daten, int Laenge);
  static void DoctypeRuf(void* Ich, const char*, const char*, const char*, int);
  static void EntitaetRuf(void* Ich, const char*, int, const char*, int, const char*, const char*, const char*,
                          const char*);

  XML_ParserStruct* FParser;
};

}  // namespace mappe_intern

namespace mappe_intern {

// Die Blaetter aus einem geoeffneten Archiv (Art und Fehler in Mappe).
void XlsxAusZip(TZip& Zip, TMappe& Mappe);
void OdsAusZip(TZip& Zip, TMappe& Mappe);

// "_x000D_" und die anderen Schreibweisen von OOXML fuer Zeichen, die XML nicht fasst, als das Zeichen.
std::string OoxmlZeichen(std::string Text);

}  // namespace mappe_intern
