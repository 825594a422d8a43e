#include "oberflaeche/umwandlung.h"

#include "zeichen/zeichensatz.h"

#include <algorithm>

QString AusCp1252(const std::string& Text)
{
  QString Ergebnis;
  Ergebnis.reserve(static_cast<qsizetype>(Text.size()));
  for (const char Zeichen : Text)
    Ergebnis.append(QChar(static_cast<char16_t>(Cp1252NachUnicode(static_cast<unsigned char>(Zeichen)))));
  return Ergebnis;
}

std::string NachCp1252(const QString& Text)
{
  std::string Ergebnis;
  Ergebnis.reserve(static_cast<std::size_t>(Text.size()));
  // toUcs4 macht aus einem Paar ein Zeichen und aus einem einzelnen Surrogat U+FFFD.
  for (const char32_t Zeichen : Text.toUcs4())
    Ergebnis.push_back(UnicodeNachCp1252(Zeichen));
  return Ergebnis;
}

QValidator::State TCp1252Pruefer::validate(QString& Eingabe, int& Position) const
{
  // Ein einzeiliges Feld nimmt von einem eingefuegten Text wie unter Windows nur die erste
  // Zeile: der Rest reicht bis zur Schreibmarke, dem Ende des Eingefuegten.
  const auto IstZeilenende = [](QChar Z) {
    return Z == u'\n' || Z == u'\r' || Z == QChar::LineSeparator || Z == QChar::ParagraphSeparator;
  };
  if (const auto Bruch = std::find_if(Eingabe.cbegin(), Eingabe.cend(), IstZeilenende); Bruch != Eingabe.cend()) {
    const auto Von = static_cast<int>(Bruch - Eingabe.cbegin());
    Eingabe.remove(Von, Position > Von ? Position - Von : Eingabe.size() - Von);
    Position = Von;
    return validate(Eingabe, Position);  // falls hinter der Schreibmarke noch eins steht
  }
  const QString Umgesetzt = AusCp1252(NachCp1252(Eingabe));
  if (Umgesetzt != Eingabe) {
    Position = static_cast<int>(AusCp1252(NachCp1252(Eingabe.left(Position))).size());
    Eingabe = Umgesetzt;
  }
  return Acceptable;
}
