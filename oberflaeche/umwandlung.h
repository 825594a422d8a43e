#pragma once

#include <QString>
#include <QValidator>

#include <string>

// Grenze zwischen Fenster (Unicode) und Nummernlogik (Windows-1252).
QString AusCp1252(const std::string& Text);
std::string NachCp1252(const QString& Text);

// Haelt ein Eingabefeld in Windows-1252: was der Zeichensatz nicht kennt, auch ein
// durch die Laengengrenze halbiertes Surrogatpaar, wird zu '?', wie in einem 8-Bit-Feld.
// Von eingefuegtem Text bleibt nur die erste Zeile.
class TCp1252Pruefer : public QValidator {
  Q_OBJECT
public:
  using QValidator::QValidator;
  State validate(QString& Eingabe, int& Position) const override;
};
