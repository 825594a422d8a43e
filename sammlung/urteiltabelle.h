#pragma once

#include <QList>
#include <QTableView>

#include <functional>

// Die Tabelle der Sammlung: die Spalten, die das Urteil tragen, stehen vorn und bleiben beim
// seitlichen Blaettern stehen. Wie Qts Beispiel "Frozen Column": eine zweite Ansicht desselben
// Modells und derselben Auswahl liegt ueber dem linken Rand und zeigt nur diese Spalten; die
// Tabelle darunter schiebt sich unter ihr durch.
class TUrteilTabelle : public QTableView {
  Q_OBJECT
public:
  explicit TUrteilTabelle(QWidget* Eltern = nullptr);
  void setModel(QAbstractItemModel* Modell) override;
  void setItemDelegate(QAbstractItemDelegate* Delegat);
  // Welche Spalten (Index des Modells, in dieser Folge) vorn feststehen; gefragt nach jedem
  // Neuaufbau des Modells, denn die Zahl der Benutzerspalten wechselt mit der Liste.
  void FesteSpalten(std::function<QList<int>()> Welche);
  // Die ueberlagerte Ansicht (fuer Tests und Bilder).
  QTableView& Fest() const { return *FFest; }
  // Breite der feststehenden Spalten in Pixeln.
  int FesteBreite() const;

protected:
  void resizeEvent(QResizeEvent* Ereignis) override;
  QModelIndex moveCursor(CursorAction Aktion, Qt::KeyboardModifiers Tasten) override;
  void scrollTo(const QModelIndex& Index, ScrollHint Hinweis = EnsureVisible) override;
  void updateGeometries() override;

private:
  void SpaltenAnordnen();
  void LageAnpassen();
  bool IstFest(int Spalte) const { return FSpalten.contains(Spalte); }

  QTableView* FFest = nullptr;
  std::function<QList<int>()> FWelche;
  QList<int> FSpalten;
};
