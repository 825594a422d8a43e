#include "sammlung/blattdialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TBlattDialog::TBlattDialog(const TMappe& Mappe, int Vorgewaehlt, const QString& Datei, QWidget* Eltern)
    : QDialog(Eltern)
{
  setWindowTitle(QStringLiteral("Blatt wählen"));
  auto* Spalte = new QVBoxLayout(this);
  auto* Frage = new QLabel(
      QStringLiteral("„%1“ hat %2 Blätter. Welches soll geprüft werden?").arg(Datei).arg(Mappe.Blaetter.size()));
  Frage->setTextFormat(Qt::PlainText);
  Frage->setWordWrap(true);
  FListe = new QListWidget;
  FListe->setAccessibleName(QStringLiteral("Blätter der Arbeitsmappe"));
  for (const TBlatt& Blatt : Mappe.Blaetter)
    FListe->addItem(QStringLiteral("%1 (%2 Zeilen)").arg(QString::fromStdString(Blatt.Name)).arg(Blatt.Zeilen.size()));
  FListe->setCurrentRow(Vorgewaehlt);
  Frage->setBuddy(FListe);
  auto* Knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  Knoepfe->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Öffnen"));
  Knoepfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
  Spalte->addWidget(Frage);
  Spalte->addWidget(FListe);
  Spalte->addWidget(Knoepfe);
  connect(Knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(Knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(FListe, &QListWidget::itemActivated, this, &QDialog::accept);
}

int TBlattDialog::Gewaehlt() const { return FListe->currentRow(); }
