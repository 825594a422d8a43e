#include "sammlung/freidialog.h"

#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

namespace {

QLabel* Beschriftung(const QString& Text, QWidget* Fuer)
{
  auto* Label = new QLabel(Text);
  Label->setBuddy(Fuer);
  return Label;
}

QSpinBox* Zahlenfeld(const QString& Name, int Von, int Bis, int Wert)
{
  auto* Feld = new QSpinBox;
  Feld->setRange(Von, Bis);
  Feld->setValue(Wert);
  Feld->setAccessibleName(Name);
  return Feld;
}

}  // namespace

TFreiDialog::TFreiDialog(TSuche Suche, const QString& Reihe, QWidget* Eltern)
    : QDialog(Eltern), FSuche(std::move(Suche))
{
  setWindowTitle(QStringLiteral("Freie Nummern einer Reihe"));
  FReihe = new QLineEdit(Reihe);
  FReihe->setAccessibleName(QStringLiteral("Reihe, die ersten 8 Ziffern"));
  FReihe->setPlaceholderText(QStringLiteral("z. B. 31 80 6652"));
  FVon = Zahlenfeld(QStringLiteral("Ordnungsnummer von"), 0, 999, 0);
  FBis = Zahlenfeld(QStringLiteral("Ordnungsnummer bis"), 0, 999, 999);
  FAnzahl = Zahlenfeld(QStringLiteral("Anzahl"), 1, 1000, 10);
  FErgebnis = new QPlainTextEdit;
  FErgebnis->setReadOnly(true);
  FErgebnis->setAccessibleName(QStringLiteral("Freie Nummern"));
  auto* SuchenKnopf = new QPushButton(QStringLiteral("&Suchen"));
  FDazu = new QPushButton(QStringLiteral("Zur &Liste hinzufügen"));
  FKopieren = new QPushButton(QStringLiteral("&Kopieren"));
  auto* Schliessen = new QPushButton(QStringLiteral("Schl&ießen"));
  SuchenKnopf->setDefault(true);
  FDazu->setEnabled(false);
  FKopieren->setEnabled(false);
  auto* Raster = new QGridLayout(this);
  Raster->addWidget(Beschriftung(QStringLiteral("&Reihe (erste 8 Ziffern):"), FReihe), 0, 0);
  Raster->addWidget(FReihe, 0, 1, 1, 3);
  Raster->addWidget(Beschriftung(QStringLiteral("Ordnungsnummer &von:"), FVon), 1, 0);
  Raster->addWidget(FVon, 1, 1);
  Raster->addWidget(Beschriftung(QStringLiteral("&bis:"), FBis), 1, 2);
  Raster->addWidget(FBis, 1, 3);
  Raster->addWidget(Beschriftung(QStringLiteral("&Anzahl:"), FAnzahl), 2, 0);
  Raster->addWidget(FAnzahl, 2, 1);
  Raster->addWidget(FErgebnis, 3, 0, 1, 4);
  auto* Knoepfe = new QHBoxLayout;
  for (QPushButton* Knopf : {SuchenKnopf, FDazu, FKopieren, Schliessen})
    Knoepfe->addWidget(Knopf);
  Raster->addLayout(Knoepfe, 4, 0, 1, 4);
  connect(SuchenKnopf, &QPushButton::clicked, this, &TFreiDialog::Suchen);
  connect(FKopieren, &QPushButton::clicked, this,
          [this] { QApplication::clipboard()->setText(FFreie.join(u'\n') + u'\n'); });
  connect(FDazu, &QPushButton::clicked, this, &QDialog::accept);
  connect(Schliessen, &QPushButton::clicked, this, &QDialog::reject);
}

void TFreiDialog::Suchen()
{
  QString Text;
  FFreie = FSuche(FReihe->text(), FVon->value(), FBis->value(), FAnzahl->value(), Text);
  FErgebnis->setPlainText(Text);
  FDazu->setEnabled(!FFreie.isEmpty());
  FKopieren->setEnabled(!FFreie.isEmpty());
}
