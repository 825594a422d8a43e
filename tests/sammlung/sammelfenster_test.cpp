// Tandrix Sammlung ohne Bildschirm: oeffnen, einfuegen, sortieren, filtern, Vorschlag
// uebernehmen, Pruefzeile, speichern und wieder lesen, Namen und Tabulatorfolge.
// Echte Anschriften aus tests/daten/anschriften.csv (Quelle je Zeile dort und im Kommentar).

#include "sammlung/sammelfenster.h"
#include "fuzz/ausgabepruefung.h"
#include "nummer/liste.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString Daten = QStringLiteral(TANDRIX_DATEN);
const QString Anschriften = QStringLiteral(TANDRIX_DATEN "/../tests/daten/anschriften.csv");

// Roco 67193, Pruefziffer laut Formel falsch (waere 4): http://modellbahninfo.org/?p=8287
const QString Roco = QStringLiteral("31 51 537 6 204-3 PL-PKPC Eanos");
// Eanos-x: https://tt-board.de/forum/threads/gueterwagen-wie-wo-was.6918/page-6
const QString Eanos = QStringLiteral("31 80 537 7 614-8");

int SpalteNamens(const TListenModell& Modell, const QString& Name)
{
  for (int Spalte = 0; Spalte < Modell.columnCount(); ++Spalte)
    if (Modell.headerData(Spalte, Qt::Horizontal, Qt::DisplayRole).toString() == Name)
      return Spalte;
  return -1;
}

int ZeileMit(const TListenModell& Modell, const QString& Nummer)
{
  for (int Zeile = 0; Zeile < Modell.rowCount(); ++Zeile)
    if (Modell.Nummerntext(Zeile) == Nummer)
      return Zeile;
  return -1;
}

QString Urteil(const TListenModell& Modell, int Zeile)
{
  return Modell.Text(Zeile, SpalteNamens(Modell, QStringLiteral("Urteil")));
}

// Eine Sammlung von 1.000 Zeilen, wie sie aus einer Tabellenkalkulation kommt: Kopf, eigene
// Spalten, 992 gueltige Nummern der Reihe des Eanos-x (Ordnungsnummern 000..999 ohne die echte
// 614, wie ein Verein sie fuer eine Umnummerung vergibt), zwei Doppelte, drei echte Fehldrucke,
// zwei Zeilen mit "?".
QString TausendZeilen()
{
  QString Text = QStringLiteral("Hersteller\tNummer\tBemerkung\r\n");
  TFreiAuftrag Auftrag;
  FreiAuftragLesen("31 80 5377", Auftrag);
  Auftrag.Anzahl = 992;
  int I = 0;
  for (const std::string& Nummer : FreieNummern(Auftrag, {"318053776148"}))
    Text += QStringLiteral("Verein\t%1\tNr. %2\r\n").arg(QString::fromStdString(NummerGegliedert(Nummer))).arg(++I);
  // zweimal derselbe Wagen, einmal anders geschrieben
  Text += QStringLiteral("Eigenbau\t%1\t\"Foto, \"\"Eanos-x\"\"\"\r\n").arg(Eanos);
  Text += QStringLiteral("Eigenbau\t318053776148\tzweimal\r\n");
  // Fehldrucke: Roco 67193 (s. o.); Dampflok mit Pruefziffer laut Formel falsch (waere 2),
  // https://www.eisenbahn-museumsfahrzeuge.de/index.php/deutschland/staatsbahnfahrzeuge/dampflokomotiven/baureihe-91-65/91-6580;
  // die dritte: dieselben 11 Ziffern wie Roco mit der richtigen Pruefziffer 4 als Doppelte.
  Text += QStringLiteral("Roco 67193\t%1\tSet\r\n").arg(Roco);
  Text += QStringLiteral("Museum\t95 80 0091 980-7 D-BWARN\tDampflok\r\n");
  Text += QStringLiteral("Roco 67193\t31 51 5376 204-1\tZweitdruck\r\n");
  Text += QStringLiteral("Roco 67193\t31 51 5376 204-4\tso waere es richtig\r\n");
  // unleserliche Ziffern in echten Nummern (Eanos-x oben; Kesselwagen Zs,
  // https://www.landeseisenbahn-lippe.de/vehicles/kesselwagen-zs/)
  Text += QStringLiteral("Foto\t31 80 537 7 61?-8\tunscharf\r\n");
  Text += QStringLiteral("Foto\t23 80 73-74 58?-9\tunscharf\r\n");
  return Text;
}

}  // namespace

class TSammelfensterTest : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { QVERIFY(FOrdner.isValid()); }

  void OeffnenErkenntListe()
  {
    TSammelfenster Fenster(Daten);
    QCOMPARE(Fenster.Oeffnen(Anschriften), QString());
    QTRY_VERIFY(Fenster.IstFertig());
    const TListenModell& Modell = Fenster.Modell();
    QCOMPARE(Modell.Benutzerspalten(), 5);
    QCOMPARE(Modell.Kopf().front(), QStringLiteral("Anschrift"));
    QCOMPARE(Modell.Nummernspalte(), 0);
    QCOMPARE(Modell.rowCount(), 183);
    QCOMPARE(Urteil(Modell, ZeileMit(Modell, Eanos)), QStringLiteral("korrekt"));
    QCOMPARE(Urteil(Modell, ZeileMit(Modell, Roco)), QStringLiteral("falsch"));
    // nationale Loknummer mit eigener Pruefziffer (http://chriguseisenbahnseiten.ch/re_460.php)
    const int Re460 = ZeileMit(Modell, QStringLiteral("Re 460 077-1"));
    QCOMPARE(Urteil(Modell, Re460), QStringLiteral("korrekt"));
    QCOMPARE(Modell.Text(Re460, SpalteNamens(Modell, QStringLiteral("Nummer gelesen"))), QStringLiteral("460 077-1"));
    // FS-Nummer ohne Pruefziffer (https://www.archivio.ferrovie.info/..., Paar mit 91 83 2464 344-7):
    // die zwoelfstellige ist bis auf Stelle 5 bekannt
    QCOMPARE(Urteil(Modell, ZeileMit(Modell, QStringLiteral("E.464.344"))), QStringLiteral("unvollständig"));
    QVERIFY(!Fenster.IstGeaendert());
  }

  // Die Sammlung ueber die Zwischenablage mit Strg+V, wie aus Excel kopiert.
  void EinfuegenPrueftAlles()
  {
    TSammelfenster Fenster(Daten);
    Fenster.show();
    QVERIFY(QTest::qWaitForWindowActive(&Fenster));
    QApplication::clipboard()->setText(TausendZeilen());
    Fenster.Tabelle().setFocus();
    QTest::keySequence(&Fenster, QKeySequence::Paste);
    QTRY_VERIFY(Fenster.IstFertig());
    const TListenModell& Modell = Fenster.Modell();
    QCOMPARE(Modell.rowCount(), 1000);
    QCOMPARE(Modell.Nummernspalte(), 1);
    QCOMPARE(Modell.Kopf(), QStringList({"Hersteller", "Nummer", "Bemerkung"}));
    QMap<QString, int> Urteile;
    int Doppelte = 0;
    for (int Zeile = 0; Zeile < Modell.rowCount(); ++Zeile) {
      ++Urteile[Urteil(Modell, Zeile)];
      Doppelte += Modell.Zeile(Zeile).DoppelArt != TDoppelArt::Keine;
    }
    QCOMPARE(Urteile.value("korrekt"), 995);
    QCOMPARE(Urteile.value("falsch"), 2 + 1);
    QCOMPARE(Urteile.value("unvollständig"), 2);
    QCOMPARE(Doppelte, 2 + 3);
    const int Zweimal = ZeileMit(Modell, QStringLiteral("318053776148"));
    QCOMPARE(Modell.Zeile(Zweimal).DoppelArt, TDoppelArt::AndersGeschrieben);
    QCOMPARE(Modell.Zeile(Zweimal).DoppelAndere, 993u);
    const int Richtig = ZeileMit(Modell, QStringLiteral("31 51 5376 204-4"));
    QCOMPARE(Modell.Zeile(Richtig).DoppelArt, TDoppelArt::AnderePruefziffer);
    // "?": die einzige gueltige Ergaenzung ist die echte Nummer
    const TErgebnis Unscharf = Modell.Auswertung(ZeileMit(Modell, QStringLiteral("31 80 537 7 61?-8")));
    QCOMPARE(Unscharf.Vorschlaege.size(), std::size_t{1});
    QVERIFY(Unscharf.Vorschlaege.front().starts_with("31 80 5377 614-8"));
    QVERIFY(Fenster.IstGeaendert());
    QVERIFY(Fenster.windowTitle().contains(QStringLiteral("geändert")));

    // Sortieren nach Urteil, dann filtern: es bleibt das Auffaellige.
    Fenster.Tabelle().sortByColumn(SpalteNamens(Modell, "Urteil"), Qt::AscendingOrder);
    const QModelIndex Erste = Fenster.Filter().index(0, SpalteNamens(Modell, "Urteil"));
    QCOMPARE(Erste.data().toString(), QStringLiteral("falsch"));
    QVERIFY(!Erste.data(Qt::DecorationRole).value<QIcon>().isNull());
    Fenster.Filter().NurAuffaelliges(true);
    QCOMPARE(Fenster.Filter().rowCount(), 3 + 2 + 5 - 2);  // zwei Falsche sind zugleich doppelt

    // Kopieren markierter Zeilen, wie eine Tabellenkalkulation es einfuegt.
    Fenster.Tabelle().selectRow(0);
    Fenster.Tabelle().setFocus();
    QTest::keySequence(&Fenster, QKeySequence::Copy);
    const QString Kopiert = QApplication::clipboard()->text();
    QCOMPARE(Kopiert.count(u'\n'), 1);
    QCOMPARE(Kopiert.split(u'\t').size(), Modell.columnCount());
  }

  void VorschlagWirdUebernommen()
  {
    TSammelfenster Fenster(Daten);
    Fenster.TextEinfuegen(QStringLiteral("Hersteller\tNummer\r\nRoco 67193\t%1\r\n").arg(Roco));
    QTRY_VERIFY(Fenster.IstFertig());
    Fenster.Tabelle().selectRow(0);
    QCOMPARE(Urteil(Fenster.Modell(), 0), QStringLiteral("falsch"));
    // Unter den Vorschlaegen (der erste tauscht die aehnliche 3 gegen 8) die berechnete Pruefziffer
    const std::vector<std::string> Vorschlaege = Fenster.Modell().Auswertung(0).Vorschlaege;
    const auto Gesucht = std::find_if(Vorschlaege.begin(), Vorschlaege.end(),
                                      [](const std::string& V) { return V.starts_with("31 51 5376 204-4  "); });
    QVERIFY(Gesucht != Vorschlaege.end());
    QVERIFY(Fenster.VorschlagUebernehmen(static_cast<int>(Gesucht - Vorschlaege.begin())));
    QCOMPARE(Fenster.Modell().Nummerntext(0), QStringLiteral("31 51 5376 204-4"));
    QCOMPARE(Urteil(Fenster.Modell(), 0), QStringLiteral("korrekt"));
    QCOMPARE(Fenster.Modell().Text(0, 0), QStringLiteral("Roco 67193"));

    // Ein anderer Trenner liest neu; die Uebernahme ginge verloren, also fragt die Sammlung.
    auto* Trenner = Fenster.findChild<QComboBox*>();
    QCOMPARE(Trenner->accessibleName(), QStringLiteral("Trenner der Spalten"));
    QTimer::singleShot(0, &Fenster, [] {
      auto* Box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      QVERIFY(Box);
      for (QAbstractButton* Taste : Box->buttons())
        if (Taste->text() == QStringLiteral("Abbrechen"))
          Taste->click();
    });
    Trenner->setCurrentIndex(Trenner->findText(QStringLiteral("Komma ,")));
    QCOMPARE(Trenner->currentText(), QStringLiteral("Tabulator"));
    QCOMPARE(Fenster.Modell().Nummerntext(0), QStringLiteral("31 51 5376 204-4"));
  }

  void PruefzeileZeigtUndFuegtHinzu()
  {
    TSammelfenster Fenster(Daten);
    Fenster.show();
    QVERIFY(QTest::qWaitForWindowActive(&Fenster));
    auto* Zeile = Fenster.findChild<QLineEdit*>();
    QVERIFY(Zeile);
    Zeile->setFocus();
    QTest::keyClicks(Zeile, "31 80 537 7 61?-8");
    const QList<QLabel*> Labels = Fenster.findChildren<QLabel*>();
    const bool Gezeigt = std::any_of(Labels.begin(), Labels.end(), [](QLabel* L) {
      return L->text().contains(QStringLiteral("1 unbekannte Ziffer")) && L->text().contains(QStringLiteral("614-8"));
    });
    QVERIFY(Gezeigt);
    QTest::keyClick(Zeile, Qt::Key_Return);
    QCOMPARE(Fenster.Modell().rowCount(), 1);
    QCOMPARE(Urteil(Fenster.Modell(), 0), QStringLiteral("unvollständig"));
    QVERIFY(Zeile->text().isEmpty());
  }

  void SpeichernUndWiederLesen_data()
  {
    QTest::addColumn<int>("Format");
    QTest::newRow("CSV Windows-1252") << static_cast<int>(TFormat::CsvWindows1252);
    QTest::newRow("CSV UTF-8") << static_cast<int>(TFormat::CsvUtf8);
    QTest::newRow("XLSX") << static_cast<int>(TFormat::Xlsx);
  }
  void SpeichernUndWiederLesen()
  {
    QFETCH(int, Format);
    TSammelfenster Fenster(Daten);
    Fenster.TextEinfuegen(TausendZeilen());
    QTRY_VERIFY(Fenster.IstFertig());
    const bool Xlsx = Format == static_cast<int>(TFormat::Xlsx);
    // XLSX prueft tests/sammlung/xlsx_pruefen.py mit einem zweiten Leser (openpyxl).
    const QString Ziel = Xlsx && qEnvironmentVariableIsSet("TANDRIX_XLSX_AUSGABE")
                             ? qEnvironmentVariable("TANDRIX_XLSX_AUSGABE")
                             : FOrdner.filePath(QStringLiteral("liste%1").arg(Format));
    const QString Fehler = Fenster.SpeichernNach(Ziel, static_cast<TFormat>(Format));
    if (Xlsx && Fehler.contains(QStringLiteral("keine .xlsx")))
      QSKIP("ohne libxlsxwriter gebaut");
    QCOMPARE(Fehler, QString());
    QVERIFY(!Fenster.IstGeaendert());
    QFile Datei(Ziel);
    QVERIFY(Datei.open(QIODevice::ReadOnly));
    const QByteArray Inhalt = Datei.readAll();
    if (Xlsx) {
      QVERIFY(Inhalt.startsWith("PK"));
      return;
    }
    const bool Utf8 = Format == static_cast<int>(TFormat::CsvUtf8);
    QCOMPARE(QString::fromStdString(AusgabeVerstoss(Inhalt.toStdString(), true, Utf8)), QString());
    QCOMPARE(Inhalt.startsWith("\xEF\xBB\xBF"), Utf8);
    const TListe Liste = ListeLesen(Inhalt.toStdString()).Tabelle;
    QCOMPARE(Liste.Trenner, ';');
    QVERIFY(Liste.MitKopf);
    QCOMPARE(Liste.Zeilen.size(), std::size_t{1000});
    QCOMPARE(QString::fromStdString(ZelleText(Liste.Kopf[3], Liste.Kennung)), QStringLiteral("Nummer gelesen"));
    // 12 nackte Ziffern stehen gegliedert da, damit keine Tabellenkalkulation eine Zahl daraus macht.
    QCOMPARE(QString::fromStdString(Liste.Zeilen[993][1]), QStringLiteral("31 80 5377 614-8"));
    QCOMPARE(QString::fromStdString(Liste.Zeilen[992][2]), QStringLiteral("Foto, \"Eanos-x\""));
    QVERIFY(QString::fromStdString(ZelleText(Liste.Zeilen[995][6], Liste.Kennung)).contains(QStringLiteral("falsch")));
  }

  // Eine Datei ins Fenster ziehen; dann Trenner und Spalte von Hand aendern.
  void AblegenUndLesartAendern()
  {
    TSammelfenster Fenster(Daten);
    auto* Zug = new QMimeData;
    Zug->setUrls({QUrl::fromLocalFile(Anschriften)});
    QDragEnterEvent Betreten(QPoint(10, 10), Qt::CopyAction, Zug, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&Fenster, &Betreten);
    QVERIFY(Betreten.isAccepted());
    QDropEvent Ablegen(QPointF(10, 10), Qt::CopyAction, Zug, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&Fenster, &Ablegen);
    QTRY_VERIFY(Fenster.IstFertig());
    QCOMPARE(Fenster.Modell().rowCount(), 183);
    QComboBox* Trenner = nullptr;
    QComboBox* Spalte = nullptr;
    for (QComboBox* Box : Fenster.findChildren<QComboBox*>())
      (Box->accessibleName() == QStringLiteral("Trenner der Spalten") ? Trenner : Spalte) = Box;
    QCOMPARE(Trenner->currentText(), QStringLiteral("Semikolon ;"));
    // Ohne Trenner ist jede ganze Zeile die Zelle; mit Quelle und Anmerkung ist sie keine Nummer.
    Trenner->setCurrentIndex(Trenner->findText(QStringLiteral("keiner (eine Spalte)")));
    QTRY_VERIFY(Fenster.IstFertig());
    QCOMPARE(Fenster.Modell().Benutzerspalten(), 1);
    QCOMPARE(Urteil(Fenster.Modell(), 0), QStringLiteral("unbrauchbar"));
    Trenner->setCurrentIndex(Trenner->findText(QStringLiteral("Semikolon ;")));
    QTRY_VERIFY(Fenster.IstFertig());
    Spalte->setCurrentIndex(Spalte->findText(QStringLiteral("Land")));
    QTRY_VERIFY(Fenster.IstFertig());
    QCOMPARE(Fenster.Modell().Nummernspalte(), 2);
    QCOMPARE(Urteil(Fenster.Modell(), 0), QStringLiteral("unbrauchbar"));
    delete Zug;
  }

  // Sortiert wird nach dem angezeigten Text wie bei einem schlichten QSortFilterProxyModel, auch
  // wenn der Klick auf den Spaltenkopf kam, solange die Liste noch gelesen wurde.
  void SortiertWieAngezeigt_data()
  {
    QTest::addColumn<QString>("Spalte");
    QTest::addColumn<Qt::SortOrder>("Ordnung");
    QTest::addColumn<bool>("WaehrendDesLesens");
    QTest::newRow("Nummer") << QStringLiteral("Nummer") << Qt::AscendingOrder << false;
    QTest::newRow("Nummer gelesen absteigend") << QStringLiteral("Nummer gelesen") << Qt::DescendingOrder << false;
    QTest::newRow("Urteil beim Lesen") << QStringLiteral("Urteil") << Qt::AscendingOrder << true;
    QTest::newRow("Doppelt beim Lesen") << QStringLiteral("Doppelt") << Qt::DescendingOrder << true;
    QTest::newRow("Befunde") << QStringLiteral("Befunde") << Qt::AscendingOrder << false;
  }
  void SortiertWieAngezeigt()
  {
    QFETCH(QString, Spalte);
    QFETCH(Qt::SortOrder, Ordnung);
    QFETCH(bool, WaehrendDesLesens);
    TSammelfenster Fenster(Daten);
    Fenster.TextEinfuegen(TausendZeilen());
    // Die Spalten sind bekannt, bevor die Liste da ist: Hersteller, Nummer, Bemerkung, dann Tandrix.
    const int Index = Spalte == QStringLiteral("Nummer")
                          ? 1
                          : 3 + static_cast<int>(QStringList({"Nummer gelesen", "Prüfziffer", "berechnet", "Urteil",
                                                              "Art", "Land / Verwaltung", "Halter",
                                                              "Gattung / Baureihe", "Doppelt", "Befunde"})
                                                     .indexOf(Spalte));
    if (WaehrendDesLesens) {
      QVERIFY(!Fenster.IstFertig());
      Fenster.Tabelle().sortByColumn(Index, Ordnung);
    }
    QTRY_VERIFY(Fenster.IstFertig());
    QCOMPARE(SpalteNamens(Fenster.Modell(), Spalte), Index);
    if (!WaehrendDesLesens)
      Fenster.Tabelle().sortByColumn(Index, Ordnung);
    QSortFilterProxyModel Schlicht;
    Schlicht.setSourceModel(&Fenster.Modell());
    Schlicht.sort(Index, Ordnung);
    QCOMPARE(Fenster.Filter().rowCount(), Schlicht.rowCount());
    for (int Zeile = 0; Zeile < Schlicht.rowCount(); ++Zeile)
      QCOMPARE(Fenster.Filter().mapToSource(Fenster.Filter().index(Zeile, 0)).row(),
               Schlicht.mapToSource(Schlicht.index(Zeile, 0)).row());
  }

  // Die Doppelten entstehen Stueck fuer Stueck mit der Pruefung; sie muessen dieselben sein, die
  // eine Suche ueber die ganze Liste findet.
  void DoppelteWieGanzeListe_data()
  {
    QTest::addColumn<QString>("Text");
    QFile Datei(Anschriften);
    QVERIFY(Datei.open(QIODevice::ReadOnly));
    const QString Echte = QString::fromUtf8(Datei.readAll());
    QTest::newRow("tausend Zeilen zweimal") << TausendZeilen() + TausendZeilen();
    QTest::newRow("Anschriften dreimal") << Echte + Echte.section(u'\n', 1) + Echte.section(u'\n', 1);
  }
  void DoppelteWieGanzeListe()
  {
    QFETCH(QString, Text);
    TSammelfenster Fenster(Daten);
    Fenster.TextEinfuegen(Text);
    QTRY_VERIFY(Fenster.IstFertig());
    const auto Doppelte = [&] {
      std::vector<std::pair<TDoppelArt, std::uint32_t>> Liste;
      for (int Zeile = 0; Zeile < Fenster.Modell().rowCount(); ++Zeile)
        Liste.emplace_back(Fenster.Modell().Zeile(Zeile).DoppelArt, Fenster.Modell().Zeile(Zeile).DoppelAndere);
      return Liste;
    };
    const auto Stueckweise = Doppelte();
    QVERIFY(std::count_if(Stueckweise.begin(), Stueckweise.end(),
                          [](const auto& D) { return D.first != TDoppelArt::Keine; }) > 100);
    Fenster.Modell().DoppelteSuchen();
    QVERIFY(Stueckweise == Doppelte());
  }

  // Die Liste liest im Hintergrund. Was vorher die ganze Liste braucht, wartet darauf;
  // "abbrechen" laesst keine halbe Liste stehen.
  void WaehrendDesLesens_data()
  {
    QTest::addColumn<QString>("Was");
    QTest::addColumn<int>("Zeilen");
    QTest::newRow("abbrechen") << QStringLiteral("abbrechen") << 0;
    QTest::newRow("anhaengen") << QStringLiteral("anhaengen") << 1001;
    QTest::newRow("speichern") << QStringLiteral("speichern") << 1000;
  }
  void WaehrendDesLesens()
  {
    QFETCH(QString, Was);
    QFETCH(int, Zeilen);
    TSammelfenster Fenster(Daten);
    Fenster.TextEinfuegen(TausendZeilen());
    QVERIFY(!Fenster.IstFertig());
    if (Was == QStringLiteral("abbrechen")) {
      QPushButton* Abbrechen = nullptr;
      for (QPushButton* Knopf : Fenster.findChildren<QPushButton*>())
        if (Knopf->accessibleName() == QStringLiteral("Prüfung abbrechen"))
          Abbrechen = Knopf;
      QVERIFY(Abbrechen && Abbrechen->isVisibleTo(&Fenster));
      Abbrechen->click();
      QVERIFY(Fenster.IstFertig());
      QVERIFY(Fenster.windowTitle().endsWith(QStringLiteral("keine Liste")));
    } else if (Was == QStringLiteral("anhaengen")) {
      Fenster.TextEinfuegen(Eanos);
    } else {
      const QString Ziel = FOrdner.filePath(QStringLiteral("waehrend.csv"));
      QCOMPARE(Fenster.SpeichernNach(Ziel, TFormat::CsvUtf8), QString());
      QFile Datei(Ziel);
      QVERIFY(Datei.open(QIODevice::ReadOnly));
      QCOMPARE(ListeLesen(Datei.readAll().toStdString()).Tabelle.Zeilen.size(), static_cast<std::size_t>(Zeilen));
    }
    QTRY_VERIFY(Fenster.IstFertig());
    QCOMPARE(Fenster.Modell().rowCount(), Zeilen);
    for (int Zeile = 0; Zeile < Zeilen; ++Zeile)
      QVERIFY(Urteil(Fenster.Modell(), Zeile) != QStringLiteral("nicht geprüft"));
    // Danach geht es weiter wie immer.
    Fenster.TextEinfuegen(Roco);
    QTRY_VERIFY(Fenster.IstFertig());
    QCOMPARE(Fenster.Modell().rowCount(), Zeilen + 1);
  }

  // Ungespeicherte Aenderungen: Schliessen fragt; "Abbrechen" laesst das Fenster offen.
  void SchliessenFragt_data()
  {
    QTest::addColumn<QString>("Knopf");
    QTest::addColumn<bool>("Geschlossen");
    QTest::newRow("Abbrechen") << QStringLiteral("Abbrechen") << false;
    QTest::newRow("Nicht speichern") << QStringLiteral("Nicht speichern") << true;
  }
  void SchliessenFragt()
  {
    QFETCH(QString, Knopf);
    QFETCH(bool, Geschlossen);
    TSammelfenster Fenster(Daten);
    Fenster.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Fenster));
    Fenster.TextEinfuegen(Eanos);
    QTRY_VERIFY(Fenster.IstFertig());
    QString Frage;
    QTimer::singleShot(0, &Fenster, [&] {
      auto* Box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      QVERIFY(Box);
      Frage = Box->text();
      for (QAbstractButton* Taste : Box->buttons())
        if (Taste->text() == Knopf)
          Taste->click();
    });
    QCOMPARE(Fenster.close(), Geschlossen);
    QVERIFY(Frage.contains(QStringLiteral("ungespeicherte Änderungen")));
  }

  // Jedes Bedienelement hat einen Namen fuer Bildschirmleser; Tab fuehrt von oben nach unten.
  void NamenUndTabulatorfolge()
  {
    TSammelfenster Fenster(Daten);
    Fenster.TextEinfuegen(Eanos + QStringLiteral("\n") + Roco);
    QTRY_VERIFY(Fenster.IstFertig());
    Fenster.show();
    QVERIFY(QTest::qWaitForWindowActive(&Fenster));
    for (QWidget* Element : Fenster.findChildren<QWidget*>())
      if (Element->isVisible() && Element->focusPolicy() & Qt::TabFocus && !Element->inherits("QAbstractButton"))
        QVERIFY2(!Element->accessibleName().isEmpty(), Element->metaObject()->className());
    auto* Zeile = Fenster.findChild<QLineEdit*>();
    Zeile->setFocus();
    QStringList Folge;
    for (int I = 0; I < 8; ++I) {
      Folge << QApplication::focusWidget()->accessibleName();
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(Folge, QStringList({"Nummer prüfen", "Trenner der Spalten", "Erste Zeile ist Kopfzeile",
                                 "Spalte mit der Nummer", "Nur auffällige Zeilen zeigen", "Liste der Nummern",
                                 "Angaben zur gewählten Zeile", "Vorschläge, die glaubwürdigsten zuerst"}));
  }

private:
  QTemporaryDir FOrdner;
};

QTEST_MAIN(TSammelfensterTest)
#include "sammelfenster_test.moc"
