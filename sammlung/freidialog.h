#pragma once

#include <QDialog>
#include <QStringList>

#include <functional>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

// "Freie Nummern einer Reihe": sucht mit Suchen (Reihe, von, bis, Anzahl -> Nummern und Text
// fuer das Ergebnisfeld) und gibt die gefundenen zurueck, wenn der Benutzer sie in die Liste nimmt.
class TFreiDialog : public QDialog {
  Q_OBJECT
public:
  using TSuche = std::function<QStringList(const QString& Reihe, int Von, int Bis, int Anzahl, QString& Text)>;
  TFreiDialog(TSuche Suche, const QString& Reihe, QWidget* Eltern = nullptr);
  // Nach accept(): die Nummern fuer die Liste.
  const QStringList& Freie() const { return FFreie; }

private:
  void Suchen();

  TSuche FSuche;
  QStringList FFreie;
  QLineEdit* FReihe = nullptr;
  QSpinBox* FVon = nullptr;
  QSpinBox* FBis = nullptr;
  QSpinBox* FAnzahl = nullptr;
  QPlainTextEdit* FErgebnis = nullptr;
  QPushButton* FDazu = nullptr;
  QPushButton* FKopieren = nullptr;
};
