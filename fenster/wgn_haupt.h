#pragma once

#include "nummer/stammdaten.h"

#include <QMainWindow>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace Ui {
class Form1;
}
class QLineEdit;

// Das Hauptfenster: zwei Eingabeschemata, Pruefziffern, fuenf Anzeigefelder.
// Die Nummern leben nur als Texte der Felder; einziger weiterer Zustand sind die Stammdaten.
class TForm1 : public QMainWindow {
  Q_OBJECT

public:
  // Ohne Datei liest FormCreate "Wagen.ebb" neben der Programmdatei (so startet das Programm);
  // eine Datei anzugeben ist fuer Tests gedacht.
  explicit TForm1(const std::optional<std::filesystem::path>& Datei = std::nullopt, QWidget* Eltern = nullptr);
  ~TForm1() override;

protected:
  bool eventFilter(QObject* Objekt, QEvent* Ereignis) override;
  void showEvent(QShowEvent* Ereignis) override;

private slots:
  void PersonennummerChange();
  void Gueternummer1Change();
  void Gueternummer2Change();
  void Gueternummer3Change();
  void Label17Click();
  void Webseitebesuchen1Click();

private:
  void TexteErgaenzen();
  void LabelsEinrichten();
  void EingabenVerbinden();
  void FormCreate(const std::optional<std::filesystem::path>& Datei);
  void PersonenPruefen();
  void GueterPruefen();
  void Pruefen(const std::string& Nummer, QLineEdit* Kontrolle);
  void FokusNach(QLineEdit* Feld);

  std::unique_ptr<Ui::Form1> ui;
  TStammdaten Stammdaten;
  bool FEingepasst = false;
};
