#include "sammlung/urteiltabelle.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QSignalBlocker>

TUrteilTabelle::TUrteilTabelle(QWidget* Eltern) : QTableView(Eltern), FFest(new QTableView(this))
{
  FFest->setObjectName(QStringLiteral("FesteSpalten"));
  FFest->setAccessibleName(QStringLiteral("Nummer und Urteil"));
  FFest->setFocusPolicy(Qt::NoFocus);
  FFest->verticalHeader()->hide();
  FFest->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  FFest->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  FFest->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  FFest->setSelectionBehavior(SelectRows);
  FFest->setEditTriggers(NoEditTriggers);
  FFest->setWordWrap(false);
  FFest->setVerticalScrollMode(ScrollPerPixel);
  // Ohne Rahmen: sie soll aussehen wie der linke Teil derselben Tabelle.
  FFest->setFrameShape(QFrame::NoFrame);
  viewport()->stackUnder(FFest);
  setHorizontalScrollMode(ScrollPerPixel);
  setVerticalScrollMode(ScrollPerPixel);
  connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int Spalte, int, int Breite) {
    if (IstFest(Spalte)) {
      FFest->setColumnWidth(Spalte, Breite);
      LageAnpassen();
    }
  });
  connect(verticalHeader(), &QHeaderView::sectionResized, this,
          [this](int Zeile, int, int Hoehe) { FFest->setRowHeight(Zeile, Hoehe); });
  connect(FFest->verticalScrollBar(), &QAbstractSlider::valueChanged, verticalScrollBar(), &QAbstractSlider::setValue);
  connect(verticalScrollBar(), &QAbstractSlider::valueChanged, FFest->verticalScrollBar(), &QAbstractSlider::setValue);
  // Ein Klick auf den Kopf einer festen Spalte sortiert wie einer auf die Tabelle darunter.
  connect(FFest->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int Spalte) {
    const bool Gleich = horizontalHeader()->sortIndicatorSection() == Spalte;
    const Qt::SortOrder Bisher = horizontalHeader()->sortIndicatorOrder();
    sortByColumn(Spalte, Gleich && Bisher == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder);
  });
  connect(horizontalHeader(), &QHeaderView::sortIndicatorChanged, this, [this](int Spalte, Qt::SortOrder Ordnung) {
    FFest->horizontalHeader()->setSortIndicatorShown(isSortingEnabled());
    FFest->horizontalHeader()->setSortIndicator(Spalte, Ordnung);
  });
}

void TUrteilTabelle::setModel(QAbstractItemModel* Modell)
{
  QTableView::setModel(Modell);
  FFest->setModel(Modell);
  FFest->setSelectionModel(selectionModel());
  // Nach dem Kopf: der stellt bei einem Neuaufbau seine Spalten zurueck.
  connect(Modell, &QAbstractItemModel::modelReset, this, &TUrteilTabelle::SpaltenAnordnen);
  connect(Modell, &QAbstractItemModel::layoutChanged, this, &TUrteilTabelle::SpaltenAnordnen);
  SpaltenAnordnen();
}

void TUrteilTabelle::setItemDelegate(QAbstractItemDelegate* Delegat)
{
  QTableView::setItemDelegate(Delegat);
  FFest->setItemDelegate(Delegat);
}

void TUrteilTabelle::FesteSpalten(std::function<QList<int>()> Welche)
{
  FWelche = std::move(Welche);
  SpaltenAnordnen();
}

void TUrteilTabelle::SpaltenAnordnen()
{
  if (!model())
    return;
  FSpalten = FWelche ? FWelche() : QList<int>();
  for (QHeaderView* Kopf : {horizontalHeader(), FFest->horizontalHeader()})
    for (int Stelle = 0; Stelle < FSpalten.size(); ++Stelle)
      if (const int Von = Kopf->visualIndex(FSpalten[Stelle]); Von >= 0 && Von != Stelle)
        Kopf->moveSection(Von, Stelle);
  for (int Spalte = 0; Spalte < model()->columnCount(); ++Spalte) {
    FFest->setColumnHidden(Spalte, !IstFest(Spalte));
    if (IstFest(Spalte))
      FFest->setColumnWidth(Spalte, columnWidth(Spalte));
  }
  FFest->setVisible(!FSpalten.isEmpty());
  LageAnpassen();
}

int TUrteilTabelle::FesteBreite() const
{
  int Breite = 0;
  for (const int Spalte : FSpalten)
    Breite += columnWidth(Spalte);
  return Breite;
}

void TUrteilTabelle::LageAnpassen()
{
  FFest->setGeometry(verticalHeader()->width() + frameWidth(), frameWidth(), FesteBreite(),
                     viewport()->height() + horizontalHeader()->height());
}

void TUrteilTabelle::resizeEvent(QResizeEvent* Ereignis)
{
  QTableView::resizeEvent(Ereignis);
  LageAnpassen();
}

void TUrteilTabelle::updateGeometries()
{
  QTableView::updateGeometries();
  LageAnpassen();
}

QModelIndex TUrteilTabelle::moveCursor(CursorAction Aktion, Qt::KeyboardModifiers Tasten)
{
  const QModelIndex Neu = QTableView::moveCursor(Aktion, Tasten);
  // Nach links unter die festen Spalten: so weit zurueckschieben, dass die Zelle daneben steht.
  if (Aktion == MoveLeft && Neu.isValid() && !IstFest(Neu.column()) && visualRect(Neu).left() < FesteBreite())
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() + visualRect(Neu).left() - FesteBreite());
  return Neu;
}

void TUrteilTabelle::scrollTo(const QModelIndex& Index, ScrollHint Hinweis)
{
  // Eine feste Spalte ist immer zu sehen; seitlich zu schieben waere falsch.
  if (!Index.isValid() || !IstFest(Index.column())) {
    QTableView::scrollTo(Index, Hinweis);
    return;
  }
  const int Seitlich = horizontalScrollBar()->value();
  QTableView::scrollTo(Index, Hinweis);
  horizontalScrollBar()->setValue(Seitlich);
}
