#include "mappe/mappe.h"

// Vorlaeufig: erkennt nur die Art; das Lesen folgt.
TMappenArt MappenArtErkennen(std::string_view Bytes)
{
  if (Bytes.starts_with(std::string_view("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8)))
    return TMappenArt::Xls;
  if (!Bytes.starts_with("PK\x03\x04"))
    return TMappenArt::Text;
  if (Bytes.find("application/vnd.oasis.opendocument.spreadsheet") != std::string_view::npos)
    return TMappenArt::Ods;
  return TMappenArt::Xlsx;
}

TMappe MappeLesen(std::string_view Bytes)
{
  TMappe Mappe;
  Mappe.Art = MappenArtErkennen(Bytes);
  Mappe.Fehler = "Arbeitsmappen lassen sich noch nicht lesen.";
  return Mappe;
}
