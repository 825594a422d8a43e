#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Geordnete Liste von Zeilen "Name=Wert" in Dateireihenfolge, wie sie der Leser von Wagen.ebb
// fuellt. Wert sucht den Namen ohne Beachtung der Gross-/Kleinschreibung; der erste passt.
class TWerteListe {
public:
  struct TEintrag {
    std::string_view Name;
    std::string_view Wert;
  };

  TWerteListe() = default;
  // Name und Wert jedes Eintrags liegen in Text; die Liste haelt ihn am Leben, Kopien teilen ihn.
  TWerteListe(std::shared_ptr<const std::string> Text, std::vector<TEintrag> Eintraege);

  // Wert des ersten passenden Namens; leer, wenn es keinen gibt.
  std::string Wert(std::string_view Name) const;

  // Die Zeilen als Text; ein doppelter Name steht mit dem Wert seines ersten Auftretens da,
  // so wie die Profilfunktion jeden gelisteten Namen nachschlaegt.
  std::vector<std::string> Zeilen() const;
  // Dieselben Zeilen ohne Kopie; die Verweise gelten, solange die Liste lebt.
  const std::vector<TEintrag>& Eintraege() const { return FEintraege; }
  std::size_t Anzahl() const { return FEintraege.size(); }

private:
  std::shared_ptr<const std::string> FText;
  std::vector<TEintrag> FEintraege;  // Dateireihenfolge
  // Name -> Index seines ersten Auftretens in FEintraege, ohne Beachtung der Gross-/
  // Kleinschreibung: offen adressiert in einem Stueck (Index + 1, 0 heisst frei; hoechstens halb
  // voll). Eine Streutabelle mit Knoten kostete beim Laden der Seite im Browser je Name eine
  // Speicheranforderung. Der Streuwert beginnt je Prozess mit einem zufaelligen Wert: Namen, die
  // eine Datei so waehlt, dass sie alle auf einen Platz fallen, lassen sich nicht vorausberechnen.
  std::vector<std::size_t> FPlaetze;
  // Der Platz des Namens, oder der freie, an dem er stuende.
  std::size_t Platz(std::string_view Name) const;
};
