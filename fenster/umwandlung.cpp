#include "fenster/umwandlung.h"

#include "nummer/zeichensatz.h"

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
  const QString Umgesetzt = AusCp1252(NachCp1252(Eingabe));
  if (Umgesetzt != Eingabe) {
    Position = static_cast<int>(AusCp1252(NachCp1252(Eingabe.left(Position))).size());
    Eingabe = Umgesetzt;
  }
  return Acceptable;
}
