#include "sammlung/detailformular.h"

#include "sammlung/pruefung.h"
#include "sammlung/urteildelegat.h"

#include "nummer/pruefziffer.h"
#include "oberflaeche/umwandlung.h"
#include "zeichen/text.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QString Anzeige(const std::string& Cp1252) { return AusCp1252(Sichtbar(Cp1252)); }

QLabel* Schlicht(const QString& Text = {})
{
  auto* Label = new QLabel(Text);
  Label->setTextFormat(Qt::PlainText);
  Label->setWordWrap(true);
  Label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  Label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return Label;
}

void Leeren(QLayout* Layout)
{
  // Ein Formular behielte nach takeAt leere Zeilen; removeRow loescht sie mit ihren Elementen.
  if (auto* Formular = qobject_cast<QFormLayout*>(Layout)) {
    while (Formular->rowCount() > 0)
      Formular->removeRow(0);
    return;
  }
  while (Layout->count() > 0) {
    QLayoutItem* Eintrag = Layout->takeAt(0);
    if (QLayout* Innen = Eintrag->layout())
      Leeren(Innen);
    delete Eintrag->widget();
    delete Eintrag;
  }
}

}  // namespace

TDetailFormular::TDetailFormular(QWidget* Eltern) : QWidget(Eltern)
{
  auto* Spalte = new QVBoxLayout(this);
  Spalte->setContentsMargins(0, 0, 0, 0);
  auto* Innen = new QWidget;
  auto* InnenSpalte = new QVBoxLayout(Innen);
  auto* Kopf = new QHBoxLayout;
  FSymbol = new QLabel;
  FUrteil = Schlicht();
  QFont Gross = FUrteil->font();
  Gross.setPointSizeF(Gross.pointSizeF() * 1.6);
  Gross.setBold(true);
  FUrteil->setFont(Gross);
  Kopf->addWidget(FSymbol);
  Kopf->addWidget(FUrteil, 1);
  InnenSpalte->addLayout(Kopf);
  FNummer = Schlicht();
  InnenSpalte->addWidget(FNummer);
  FFelder = new QFormLayout;
  FFelder->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
  InnenSpalte->addLayout(FFelder);
  FBefunde = new QVBoxLayout;
  InnenSpalte->addLayout(FBefunde);
  FRechenTitel = Schlicht();
  InnenSpalte->addWidget(FRechenTitel);
  FRechnung = new QGridLayout;
  FRechnung->setHorizontalSpacing(8);
  InnenSpalte->addLayout(FRechnung);
  InnenSpalte->addStretch(1);
  FRahmen = new QScrollArea;
  FRahmen->setWidget(Innen);
  FRahmen->setWidgetResizable(true);
  FRahmen->setFocusPolicy(Qt::StrongFocus);
  FRahmen->setAccessibleName(QStringLiteral("Angaben zur gewählten Zeile"));
  Spalte->addWidget(FRahmen, 3);

  VorschlaegeAnlegen(*Spalte);
  connect(FVorschlaege, &QTreeWidget::itemActivated, this, [this] { emit Uebernehmen(GewaehlterVorschlag()); });
  connect(FUebernehmen, &QPushButton::clicked, this, [this] { emit Uebernehmen(GewaehlterVorschlag()); });
}

void TDetailFormular::VorschlaegeAnlegen(QVBoxLayout& Spalte)
{
  FVorschlaege = new QTreeWidget;
  FVorschlaege->setAccessibleName(QStringLiteral("Vorschläge, die glaubwürdigsten zuerst"));
  FVorschlaege->setRootIsDecorated(false);
  FVorschlaege->setHeaderLabels(
      {QStringLiteral("Nummer"), QStringLiteral("Änderung"), QStringLiteral("Wagen"), QStringLiteral("Passt zu")});
  // Nummer, Aenderung und Wagen so breit wie noetig, der Grund im Rest; ganz steht er im Tooltip.
  FVorschlaege->header()->setStretchLastSection(true);
  for (int Teil = 0; Teil < 3; ++Teil)
    FVorschlaege->header()->setSectionResizeMode(Teil, QHeaderView::ResizeToContents);
  auto* Beschriftung = new QLabel(QStringLiteral("&Vorschläge:"));
  Beschriftung->setBuddy(FVorschlaege);
  FUebernehmen = new QPushButton(QStringLiteral("Vorschlag in die &Zeile übernehmen"));
  FUebernehmen->setAccessibleName(QStringLiteral("Vorschlag in die Zeile übernehmen"));
  FUebernehmen->setEnabled(false);
  Spalte.addWidget(Beschriftung);
  Spalte.addWidget(FVorschlaege, 1);
  Spalte.addWidget(FUebernehmen);
}

void TDetailFormular::Leeren()
{
  FSymbol->clear();
  FUrteil->clear();
  FNummer->clear();
  ::Leeren(FFelder);
  ::Leeren(FBefunde);
  ::Leeren(FRechnung);
  FRechenTitel->clear();
  FVorschlaege->clear();
  FUebernehmen->setEnabled(false);
}

void TDetailFormular::Zeigen(int Zeile, const TErgebnis& Ergebnis)
{
  Leeren();
  UrteilZeigen(Ergebnis, Zeile);
  FelderZeigen(Ergebnis);
  BefundeZeigen(Ergebnis);
  RechenwegZeigen(Ergebnis);
  VorschlaegeZeigen(Ergebnis);
}

void TDetailFormular::UrteilZeigen(const TErgebnis& Ergebnis, int Zeile)
{
  const TUrteilArt Art = UrteilArtVon(Ergebnis.Urteil);
  FSymbol->setPixmap(UrteilSymbol(Art).pixmap(32, 32));
  FUrteil->setText(AusCp1252(::UrteilText(Ergebnis.Urteil)));
  QPalette Farben = FUrteil->palette();
  // Auf dunklem Grund heller, damit das Wort lesbar bleibt.
  const bool Dunkel = Farben.color(QPalette::Window).lightnessF() < 0.5;
  Farben.setColor(QPalette::WindowText, Dunkel ? UrteilFarbe(Art).lighter(170) : UrteilFarbe(Art));
  FUrteil->setPalette(Farben);
  const QString Zeilentext = QStringLiteral("Zeile %1").arg(Zeile + 1);
  FNummer->setText(Ergebnis.Meldung.empty()
                       ? QStringLiteral("%1: %2  %3").arg(Zeilentext, Anzeige(Ergebnis.Nummer), Anzeige(Ergebnis.Kopf))
                       : QStringLiteral("%1: %2").arg(Zeilentext, Anzeige(Ergebnis.Meldung)));
}

void TDetailFormular::FelderZeigen(const TErgebnis& Ergebnis)
{
  // Die Angaben des Hauptfensters, dann Anschrift, Halter, Gattung oder Reihe, nationale Nummer:
  // so, wie die Auswertung sie der Reihe nach nennt (ohne die Befunde, die stehen darunter).
  auto Felder = Angaben(Ergebnis);
  if (!Ergebnis.Halter.empty())
    Felder.emplace_back("Halter", Ergebnis.Halter);
  for (const auto& [Bezeichnung, Inhalt] : Felder) {
    auto* Name = new QLabel(Anzeige(Bezeichnung) + u':');
    Name->setTextFormat(Qt::PlainText);
    Name->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    FFelder->addRow(Name, Schlicht(Anzeige(Inhalt)));
  }
}

void TDetailFormular::BefundeZeigen(const TErgebnis& Ergebnis)
{
  const int Groesse = style()->pixelMetric(QStyle::PM_SmallIconSize);
  for (const TBefund& Befund : Ergebnis.Befunde) {
    auto* Zeile = new QHBoxLayout;
    auto* Symbol = new QLabel;
    Symbol->setPixmap(
        style()
            ->standardIcon(Befund.Abweichung() ? QStyle::SP_MessageBoxWarning : QStyle::SP_MessageBoxInformation)
            .pixmap(Groesse, Groesse));
    Symbol->setAlignment(Qt::AlignTop);
    Symbol->setToolTip((Befund.Abweichung() ? QStringLiteral("Abweichung – %1") : QStringLiteral("Hinweis – %1"))
                           .arg(Anzeige(BezugText(Befund))));
    Zeile->addWidget(Symbol);
    Zeile->addWidget(Schlicht(Anzeige(Befund.Text)), 1);
    FBefunde->addLayout(Zeile);
  }
}

void TDetailFormular::RechenwegZeigen(const TErgebnis& Ergebnis)
{
  if (Ergebnis.Ziffern.size() < 11 || Ergebnis.Ziffern.substr(0, 11).find('?') != std::string::npos)
    return;
  const TRechenweg Weg = Rechenweg(Ergebnis.Ziffern.substr(0, 11));
  FRechenTitel->setText(
      QStringLiteral("Rechenweg: Ziffern von rechts abwechselnd mal 2 und mal 1, die "
                     "Quersummen addiert; die Prüfziffer ergänzt zum nächsten Zehner."));
  const QStringList Namen = {QStringLiteral("Ziffer"), QStringLiteral("Gewicht"), QStringLiteral("Produkt"),
                             QStringLiteral("Quersumme")};
  for (int Zeile = 0; Zeile < Namen.size(); ++Zeile)
    FRechnung->addWidget(new QLabel(Namen[Zeile]), Zeile, 0);
  for (std::size_t I = 0; I < Weg.Schritte.size(); ++I) {
    const TRechenschritt& Schritt = Weg.Schritte[I];
    const int Werte[] = {Schritt.Wert, Schritt.Gewicht, Schritt.Produkt, Schritt.Quersumme};
    for (int Zeile = 0; Zeile < 4; ++Zeile) {
      auto* Zelle = new QLabel(QString::number(Werte[Zeile]));
      Zelle->setAlignment(Qt::AlignRight);
      FRechnung->addWidget(Zelle, Zeile, static_cast<int>(I) + 1);
    }
  }
  const int Rechts = static_cast<int>(Weg.Schritte.size()) + 1;
  FRechnung->addWidget(new QLabel(QStringLiteral("Summe %1").arg(Weg.Summe)), 3, Rechts);
  FRechnung->addWidget(new QLabel(QStringLiteral("Prüfziffer %1").arg(Weg.Pruefziffer)), 0, Rechts);
  FRechnung->setColumnStretch(Rechts + 1, 1);
}

void TDetailFormular::VorschlaegeZeigen(const TErgebnis& Ergebnis)
{
  for (const TVorschlagEintrag& Vorschlag : Ergebnis.Vorschlaege) {
    auto* Eintrag =
        new QTreeWidgetItem(FVorschlaege, {Anzeige(NummerGegliedert(Vorschlag.Ziffern)), Anzeige(Vorschlag.Aenderung),
                                           Anzeige(Vorschlag.Deutung), Anzeige(Begruendung(Vorschlag))});
    Eintrag->setData(0, Qt::UserRole, QString::fromStdString(Vorschlag.Ziffern));
    for (int Teil = 0; Teil < FVorschlaege->columnCount(); ++Teil)
      Eintrag->setToolTip(Teil, AusCp1252(VorschlagText(Vorschlag)));
  }
  if (FVorschlaege->topLevelItemCount() > 0) {
    FVorschlaege->setCurrentItem(FVorschlaege->topLevelItem(0));
    FUebernehmen->setEnabled(true);
  }
}

std::string TDetailFormular::VorschlagZiffern(int Nummer) const
{
  const QTreeWidgetItem* Eintrag = Nummer >= 0 ? FVorschlaege->topLevelItem(Nummer) : nullptr;
  return Eintrag ? Eintrag->data(0, Qt::UserRole).toString().toStdString() : std::string();
}

int TDetailFormular::GewaehlterVorschlag() const
{
  return FVorschlaege->currentItem() ? FVorschlaege->indexOfTopLevelItem(FVorschlaege->currentItem()) : -1;
}

QString TDetailFormular::UrteilText() const { return FUrteil->text(); }

QString TDetailFormular::Feld(const QString& Bezeichnung) const
{
  for (int Zeile = 0; Zeile < FFelder->rowCount(); ++Zeile) {
    const QLayoutItem* Links = FFelder->itemAt(Zeile, QFormLayout::LabelRole);
    const QLayoutItem* Rechts = FFelder->itemAt(Zeile, QFormLayout::FieldRole);
    const auto* Name = Links ? qobject_cast<QLabel*>(Links->widget()) : nullptr;
    const auto* Wert = Rechts ? qobject_cast<QLabel*>(Rechts->widget()) : nullptr;
    if (Name && Wert && Name->text() == Bezeichnung + u':')
      return Wert->text();
  }
  return {};
}

QStringList TDetailFormular::Befunde() const
{
  QStringList Texte;
  for (int I = 0; I < FBefunde->count(); ++I)
    if (QLayout* Zeile = FBefunde->itemAt(I)->layout())
      Texte << qobject_cast<QLabel*>(Zeile->itemAt(1)->widget())->text();
  return Texte;
}

QStringList TDetailFormular::Rechenzeile(int Zeile) const
{
  QStringList Zellen;
  for (int Spalte = 0; Spalte < FRechnung->columnCount(); ++Spalte)
    if (QLayoutItem* Eintrag = FRechnung->itemAtPosition(Zeile, Spalte); Eintrag && Eintrag->widget())
      Zellen << qobject_cast<QLabel*>(Eintrag->widget())->text();
  return Zellen;
}
