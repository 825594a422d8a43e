// Tandrix Sammlung ohne Bildschirm: oeffnen, einfuegen, sortieren, filtern, Vorschlag
// uebernehmen, Pruefzeile, speichern und wieder lesen, Namen und Tabulatorfolge.
// Echte Anschriften aus tests/daten/anschriften.csv (Quelle je Zeile dort und im Kommentar).

#include "sammlung/sammelfenster.h"
#include "auswertung/liste.h"
#include "sammlung/blattdialog.h"
#include "sammlung/detailformular.h"
#include "sammlung/speichern.h"
#include "sammlung/urteildelegat.h"
#include "sammlung/urteiltabelle.h"
#include "tests/hilfen/ausgabepruefung.h"
#include "zeichen/zeichensatz.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCryptographicHash>
#include <QDialog>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextDocumentFragment>
#include <QtTest>

#include <atomic>
#include <cmath>

#ifndef _WIN32
#  include <sys/stat.h>
#  include <unistd.h>
#endif

// Warten ohne eigene Frist: wie lange es dauern darf, sagt ctest (TIMEOUT), nicht die Uhr des
// Tests; unter den Sanitizern dauert alles ein Vielfaches.
#define WARTEN_BIS(Bedingung) QTRY_VERIFY_WITH_TIMEOUT(Bedingung, 24 * 3600 * 1000)

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

// Beantwortet die naechste Frage (modale Meldung) mit dem Knopf dieses Namens; Text bekommt,
// was sie sagte.
void Antworten(QObject* Kontext, const QString& Knopf, QString* Text)
{
  QTimer::singleShot(0, Kontext, [=] {
    auto* Box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    QVERIFY(Box);
    if (Text)
      *Text = Box->text();
    for (QAbstractButton* Taste : Box->buttons())
      if (Taste->text().remove(u'&') == Knopf)
        Taste->click();
  });
}

// Mehrere Fragen nacheinander, je mit dem naechsten Knopf; Texte bekommt, was sie sagten.
void Nacheinander(QObject* Kontext, QStringList Knoepfe, QStringList* Texte)
{
  if (Knoepfe.isEmpty())
    return;
  QTimer::singleShot(0, Kontext, [=] {
    auto* Box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    QVERIFY(Box);
    *Texte << Box->text();
    Nacheinander(Kontext, Knoepfe.mid(1), Texte);
    for (QAbstractButton* Taste : Box->buttons())
      if (Taste->text().remove(u'&') == Knoepfe.front())
        Taste->click();
  });
}

QString Zusammenfassung(TSammelfenster& Fenster)
{
  // Die Zahlen sind Verweise (Rich Text); gelesen wird, was der Benutzer sieht.
  const auto* Label = Fenster.findChild<QLabel*>(QStringLiteral("Zusammenfassung"));
  return Label ? QTextDocumentFragment::fromHtml(Label->text()).toPlainText() : QString();
}

// Der Titel, wie Qt ihn zeigt: "[*]" wird zum Stern, solange die Liste geaendert ist.
QString Titel(const TSammelfenster& Fenster)
{
  QString Text = Fenster.windowTitle();
  return Text.replace(QStringLiteral("[*]"), Fenster.isWindowModified() ? QStringLiteral("*") : QString());
}

QPushButton* Knopf(TSammelfenster& Fenster, const QString& Name)
{
  for (QPushButton* Taste : Fenster.findChildren<QPushButton*>())
    if (Taste->accessibleName() == Name)
      return Taste;
  return nullptr;
}

QByteArray Pruefsumme(const QString& Datei)
{
  QFile Eingabe(Datei);
  if (!Eingabe.open(QIODevice::ReadOnly))
    return {};
  return QCryptographicHash::hash(Eingabe.readAll(), QCryptographicHash::Sha256).toHex();
}

int Ungeprueft(const TListenModell& Modell)
{
  int Anzahl = 0;
  for (int Zeile = 0; Zeile < Modell.rowCount(); ++Zeile)
    Anzahl += Modell.Zeile(Zeile).Art == TUrteilArt::Offen;
  return Anzahl;
}

QAction* Aktion(TSammelfenster& Fenster, const QString& Text)
{
  for (QAction* Eintrag : Fenster.findChildren<QAction*>())
    if (Eintrag->text() == Text)
      return Eintrag;
  return nullptr;
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
    QCOMPARE(Unscharf.Vorschlaege.front().Ziffern, "318053776148");
    QVERIFY(Fenster.IstGeaendert());
    // "[*]" im Titel: Qt zeigt dort den Stern, solange die Liste geaendert ist.
    QVERIFY(Fenster.windowTitle().contains(QStringLiteral("[*]")));

    // Sortieren nach Urteil, dann filtern: es bleibt das Auffaellige.
    Fenster.Tabelle().sortByColumn(SpalteNamens(Modell, "Urteil"), Qt::AscendingOrder);
    const QModelIndex Erste = Fenster.Filter().index(0, SpalteNamens(Modell, "Urteil"));
    QCOMPARE(Erste.data().toString(), QStringLiteral("falsch"));
    // Symbol und Toenung zeichnet der Delegat nach dem Urteil der Zeile.
    QStyleOptionViewItem Darstellung;
    Darstellung.palette = Fenster.Tabelle().palette();
    Fenster.Delegat().initStyleOption(&Darstellung, Erste);
    QVERIFY(!Darstellung.icon.isNull());
    QVERIFY(Darstellung.backgroundBrush.color().isValid());
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
    const std::vector<TVorschlagEintrag> Vorschlaege = Fenster.Modell().Auswertung(0).Vorschlaege;
    const auto Gesucht = std::find_if(Vorschlaege.begin(), Vorschlaege.end(),
                                      [](const TVorschlagEintrag& V) { return V.Ziffern == "315153762044"; });
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
    QCOMPARE(Inhalt.startsWith("ï»¿"_cp1252), Utf8);
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
    // Ohne Trenner ist jede ganze Zeile die Zelle; die Nummer findet der Leser auch zwischen
    // Quelle und Anmerkung (31 80 537 7 614-8).
    Trenner->setCurrentIndex(Trenner->findText(QStringLiteral("keiner (eine Spalte)")));
    QTRY_VERIFY(Fenster.IstFertig());
    QCOMPARE(Fenster.Modell().Benutzerspalten(), 1);
    QCOMPARE(Urteil(Fenster.Modell(), 0), QStringLiteral("korrekt"));
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
      QVERIFY(Titel(Fenster).endsWith(QStringLiteral("keine Liste")));
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

  // Ein volles Laufwerk (scripts/test haengt als root ein tmpfs von 64 KiB ein): die alte Datei
  // bleibt Byte fuer Byte, die Meldung nennt den Grund, die Liste bleibt "(geändert)" und
  // Schliessen fragt weiter.
  void VollesLaufwerk_data()
  {
    QTest::addColumn<int>("Format");
    QTest::addColumn<QString>("Name");
    QTest::newRow("CSV Windows-1252") << static_cast<int>(TFormat::CsvWindows1252) << QStringLiteral("liste.csv");
    QTest::newRow("CSV UTF-8") << static_cast<int>(TFormat::CsvUtf8) << QStringLiteral("liste.csv");
    QTest::newRow("XLSX") << static_cast<int>(TFormat::Xlsx) << QStringLiteral("liste.xlsx");
  }
  void VollesLaufwerk()
  {
    QFETCH(int, Format);
    QFETCH(QString, Name);
    const QString Laufwerk = qEnvironmentVariable("TANDRIX_KLEINES_LAUFWERK");
#ifdef _WIN32
    // Das kleine Laufwerk ist ein tmpfs unter Linux; unter Wine meldet Windows es anders.
    QSKIP("volles Laufwerk nur unter Linux geprueft");
#endif
    if (Laufwerk.isEmpty())
      QSKIP("kein kleines Laufwerk (TANDRIX_KLEINES_LAUFWERK; scripts/test haengt es als root ein)");
    if (Format == static_cast<int>(TFormat::Xlsx) && !XlsxVorhanden())
      QSKIP("ohne libxlsxwriter gebaut");
    const QDir Ordner(Laufwerk);
    const QString Alt = Ordner.filePath(Name);
    const QString Fuellung = Ordner.filePath(QStringLiteral("fuellung"));
    // Reste eines abgebrochenen Laufs zuerst weg.
    for (const QString& Rest : Ordner.entryList(QDir::Files))
      QFile::remove(Ordner.filePath(Rest));
    {
      QFile Datei(Alt);
      QVERIFY(Datei.open(QIODevice::WriteOnly));
      for (int I = 0; I < 40; ++I)
        QVERIFY(Datei.write("Hersteller;Nummer\r\nalt;31 80 5377 614-8\r\n") > 0);
      // Bis auf 8 KiB voll: die Liste von 1.000 Zeilen braucht ein Vielfaches.
      QFile Voll(Fuellung);
      QVERIFY(Voll.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
      const QByteArray Block(4096, 'x');
      while (Voll.write(Block) == Block.size()) {
      }
      QVERIFY(Voll.resize(std::max<qint64>(Voll.size() - 8192, 0)));
    }
    const QByteArray Vorher = Pruefsumme(Alt);
    QVERIFY(!Vorher.isEmpty());
    TSammelfenster Fenster(Daten);
    Fenster.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Fenster));
    Fenster.TextEinfuegen(TausendZeilen());
    WARTEN_BIS(Fenster.IstFertig());
    const QString Fehler = Fenster.SpeichernNach(Alt, static_cast<TFormat>(Format));
    QVERIFY2(Fehler.contains(QStringLiteral("Laufwerk voll")), qPrintable(Fehler));
    QVERIFY(Fehler.contains(QStringLiteral("unverändert")));
    QCOMPARE(Pruefsumme(Alt), Vorher);
    QVERIFY(Fenster.IstGeaendert());
    QVERIFY(Fenster.isWindowModified() && Fenster.windowTitle().contains(QStringLiteral("[*]")));
    // Keine halbe Datei daneben (QSaveFile raeumt seine weg).
    QCOMPARE(Ordner.entryList(QDir::Files).size(), 2);
    QString Frage;
    Antworten(&Fenster, QStringLiteral("Abbrechen"), &Frage);
    QVERIFY(!Fenster.close());
    QVERIFY(Frage.contains(QStringLiteral("ungespeicherte Änderungen")));
    QVERIFY(QFile::remove(Fuellung) && QFile::remove(Alt));
  }

  // Nur gewoehnliche Dateien, ohne Warten, bis 64 MB; jeder Fehler sagt sich in einer Meldung.
  void OeffnenNurGewoehnliches_data()
  {
    QTest::addColumn<QString>("Art");
    QTest::addColumn<QString>("Grund");  // leer: wird gelesen
    QTest::newRow("FIFO") << "fifo" << QStringLiteral("keine gewöhnliche Datei");
    QTest::newRow("FIFO ins Fenster gezogen") << "fifo-abgelegt" << QStringLiteral("keine gewöhnliche Datei");
    QTest::newRow("Ordner ins Fenster gezogen") << "ordner-abgelegt" << QStringLiteral("ist ein Ordner");
    QTest::newRow("Verknüpfung auf /dev/zero") << "null" << QStringLiteral("keine gewöhnliche Datei");
    QTest::newRow("Ordner") << "ordner" << QStringLiteral("ist ein Ordner");
    QTest::newRow("fehlt") << "fehlt" << QStringLiteral("gibt es nicht");
    QTest::newRow("über 64 MB") << "gross" << QStringLiteral("bis 64 MB");
    QTest::newRow("nicht lesbar") << "rechte" << QStringLiteral("fehlende Rechte");
    QTest::newRow("Verknüpfung auf eine Liste") << "verknuepfung" << QString();
  }
  void OeffnenNurGewoehnliches()
  {
    QFETCH(QString, Art);
    QFETCH(QString, Grund);
#ifdef _WIN32
    QSKIP("FIFO, Verknuepfungen und Rechte wie unter POSIX");
#else
    const bool Abgelegt = Art.endsWith(QStringLiteral("-abgelegt"));
    const QString Datei = FOrdner.filePath(QStringLiteral("oeffnen-%1.csv").arg(Art));
    Art = Art.section(u'-', 0, 0);
    if (Art == QStringLiteral("fifo"))
      QCOMPARE(::mkfifo(QFile::encodeName(Datei).constData(), 0600), 0);
    else if (Art == QStringLiteral("null"))
      QVERIFY(QFile::link(QStringLiteral("/dev/zero"), Datei));
    else if (Art == QStringLiteral("ordner"))
      QVERIFY(QDir().mkpath(Datei));
    else if (Art == QStringLiteral("verknuepfung"))
      QVERIFY(QFile::link(Anschriften, Datei));
    if (Art == QStringLiteral("gross") || Art == QStringLiteral("rechte")) {
      QFile Neu(Datei);
      QVERIFY(Neu.open(QIODevice::WriteOnly) && Neu.write("31 80 5377 614-8\n") > 0);
      if (Art == QStringLiteral("gross"))
        QVERIFY(Neu.resize(65LL * 1024 * 1024));
      else
        QVERIFY(Neu.setPermissions(QFileDevice::WriteOwner));
    }
    if (Art == QStringLiteral("rechte") && ::geteuid() == 0)
      QSKIP("als root ist jede Datei lesbar");
    TSammelfenster Fenster(Daten);
    QString Meldung;
    if (!Grund.isEmpty())
      Antworten(&Fenster, QStringLiteral("OK"), &Meldung);
    if (Abgelegt) {
      QMimeData Zug;
      Zug.setUrls({QUrl::fromLocalFile(Datei)});
      QDragEnterEvent Betreten(QPoint(10, 10), Qt::CopyAction, &Zug, Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(&Fenster, &Betreten);
      QVERIFY(Betreten.isAccepted());
      QDropEvent Ablegen(QPointF(10, 10), Qt::CopyAction, &Zug, Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(&Fenster, &Ablegen);
    } else {
      QCOMPARE(Fenster.OeffnenUndMelden(Datei), Grund.isEmpty());
    }
    WARTEN_BIS(Fenster.IstFertig());
    if (Grund.isEmpty()) {
      QCOMPARE(Fenster.Modell().rowCount(), 183);
      // Verknuepfung oder Original: beides ist die geoeffnete Datei und fragt vor dem Ueberschreiben.
      QVERIFY(Fenster.IstOriginal(Datei));
      QVERIFY(Fenster.IstOriginal(Anschriften));
      QVERIFY(!Fenster.IstOriginal(FOrdner.filePath(QStringLiteral("andere.csv"))));
      return;
    }
    QVERIFY2(Meldung.contains(Grund), qPrintable(Meldung + u' ' + Zusammenfassung(Fenster)));
    QVERIFY(Zusammenfassung(Fenster).contains(Grund));
    QCOMPARE(Fenster.Modell().rowCount(), 0);
    QVERIFY(Titel(Fenster).endsWith(QStringLiteral("keine Liste")));
#endif
  }

  // Eine riesige Zelle: gezeigt wird ein Anfang, im Modell und in der Datei steht alles.
  void RiesigeZelle_data()
  {
    QTest::addColumn<int>("Spalte");
    QTest::addColumn<int>("Megabyte");
    QTest::addColumn<bool>("AusDatei");
    QTest::newRow("10 MB in der Bemerkung") << 1 << 10 << false;
    QTest::newRow("10 MB in der Nummernspalte") << 0 << 10 << false;
    QTest::newRow("Zeile von 50 MB in einer Datei") << 1 << 50 << true;
  }
  void RiesigeZelle()
  {
    QFETCH(int, Spalte);
    QFETCH(int, Megabyte);
    QFETCH(bool, AusDatei);
    TSammelfenster Fenster(Daten);
    Fenster.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Fenster));
    const QString Riesig = QString(Megabyte * 1024 * 1024, u'x');
    QString Text = QStringLiteral("Nummer\tBemerkung\r\n%1\tkurz\r\n").arg(Eanos);
    Text += Spalte == 0 ? Riesig + QStringLiteral("\tkurz\r\n") : Eanos + QStringLiteral("\t") + Riesig + u'\n';
    if (AusDatei) {
      const QString Datei = FOrdner.filePath(QStringLiteral("riesig.txt"));
      QFile Neu(Datei);
      QVERIFY(Neu.open(QIODevice::WriteOnly) && Neu.write(Text.toUtf8()) > 0);
      Neu.close();
      QCOMPARE(Fenster.Oeffnen(Datei), QString());
    } else {
      Fenster.TextEinfuegen(Text);
    }
    WARTEN_BIS(Fenster.IstFertig());
    QCOMPARE(Fenster.Modell().rowCount(), 2);
    QCOMPARE(Fenster.Modell().Text(1, Spalte).size(), Riesig.size());
    const QModelIndex Zelle = Fenster.Modell().index(1, Spalte);
    QVERIFY(Zelle.data(Qt::DisplayRole).toString().size() <= 301);
    QVERIFY(Zelle.data(Qt::ToolTipRole).toString().size() <= 2001);
    Fenster.Tabelle().selectRow(1);
    Fenster.Tabelle().viewport()->repaint();
    const QString Ziel = FOrdner.filePath(QStringLiteral("riesig.csv"));
    QCOMPARE(Fenster.SpeichernNach(Ziel, TFormat::CsvUtf8), QString());
    QVERIFY(QFileInfo(Ziel).size() > Riesig.size());
    // .xlsx haelt es nicht: das sagt es, statt die Zelle leer zu schreiben.
    const QString Xlsx = FOrdner.filePath(QStringLiteral("riesig.xlsx"));
    QVERIFY(Fenster.SpeichernNach(Xlsx, TFormat::Xlsx).contains(QStringLiteral("mehr als 32767 Zeichen")));
    QVERIFY(!QFileInfo::exists(Xlsx));
  }

  // Strg+V gleich nach dem Start fuegt in die Liste ein, wie das leere Fenster es sagt.
  void StrgVNachDemStart_data()
  {
    QTest::addColumn<bool>("InDiePruefzeile");
    QTest::newRow("gleich nach dem Start") << false;
    QTest::newRow("in der Prüfzeile") << true;
  }
  void StrgVNachDemStart()
  {
    QFETCH(bool, InDiePruefzeile);
    TSammelfenster Fenster(Daten);
    Fenster.show();
    QVERIFY(QTest::qWaitForWindowActive(&Fenster));
    auto* Pruefzeile = Fenster.findChild<QLineEdit*>();
    if (InDiePruefzeile)
      Pruefzeile->setFocus();
    QApplication::clipboard()->setText(Eanos + QStringLiteral("\n") + Roco);
    QTest::keySequence(QApplication::focusWidget(), QKeySequence::Paste);
    WARTEN_BIS(Fenster.IstFertig());
    QCOMPARE(Fenster.Modell().rowCount(), InDiePruefzeile ? 0 : 2);
    QCOMPARE(Pruefzeile->text().isEmpty(), !InDiePruefzeile);
  }

  // Nach "abbrechen" bleibt stehen, wie viele nicht geprueft sind, was auch danach kommt; die
  // Zahlen ergeben zusammen immer alle Zeilen.
  void AbbruchBleibtGezaehlt_data()
  {
    QTest::addColumn<QString>("Danach");
    QTest::newRow("einfügen") << "einfuegen";
    QTest::newRow("Prüfzeile") << "pruefzeile";
    QTest::newRow("speichern") << "speichern";
    QTest::newRow("fortsetzen") << "fortsetzen";
  }
  void AbbruchBleibtGezaehlt()
  {
    QFETCH(QString, Danach);
    TSammelfenster Fenster(Daten);
    QString Viel;
    for (int I = 0; I < 20; ++I)
      Viel += TausendZeilen();
    // Abgebrochen nach dem ersten Schritt der Pruefung, bevor der naechste kommt.
    QPushButton* Abbrechen = Knopf(Fenster, QStringLiteral("Prüfung abbrechen"));
    QMetaObject::Connection Verbindung;
    Verbindung = connect(&Fenster.Modell(), &QAbstractItemModel::dataChanged, &Fenster, [&] {
      QTimer::singleShot(0, Abbrechen, &QPushButton::click);
      disconnect(Verbindung);
    });
    Fenster.TextEinfuegen(Viel);
    WARTEN_BIS(Fenster.IstFertig());
    const int Offen = Ungeprueft(Fenster.Modell());
    QVERIFY(Offen > 0);
    const QString Abgebrochen = QStringLiteral("Prüfung abgebrochen, %1 Zeilen nicht geprüft").arg(Offen);
    QVERIFY2(Zusammenfassung(Fenster).contains(Abgebrochen), qPrintable(Zusammenfassung(Fenster)));
    if (Danach == QStringLiteral("einfuegen")) {
      Fenster.TextEinfuegen(Eanos + QStringLiteral("\n") + Roco);
    } else if (Danach == QStringLiteral("pruefzeile")) {
      auto* Pruefzeile = Fenster.findChild<QLineEdit*>();
      Pruefzeile->setText(Eanos);
      QTest::keyClick(Pruefzeile, Qt::Key_Return);
    } else if (Danach == QStringLiteral("fortsetzen")) {
      Aktion(Fenster, QStringLiteral("Prüfung fort&setzen"))->trigger();
      QVERIFY(!Fenster.IstFertig());
      WARTEN_BIS(Fenster.IstFertig());
      QCOMPARE(Ungeprueft(Fenster.Modell()), 0);
      QVERIFY(!Zusammenfassung(Fenster).contains(QStringLiteral("nicht geprüft")));
      QCOMPARE(Zusammenfassung(Fenster).section(u' ', 0, 0), QString::number(Fenster.Modell().rowCount()));
      return;
    } else {
      const QString Ziel = FOrdner.filePath(QStringLiteral("abgebrochen.csv"));
      QCOMPARE(Fenster.SpeichernNach(Ziel, TFormat::CsvUtf8), QString());
      QFile Datei(Ziel);
      QVERIFY(Datei.open(QIODevice::ReadOnly));
      QCOMPARE(ListeLesen(Datei.readAll().toStdString()).Tabelle.Zeilen.size(),
               static_cast<std::size_t>(Fenster.Modell().rowCount()));
    }
    WARTEN_BIS(Fenster.IstFertig());
    QCOMPARE(Ungeprueft(Fenster.Modell()), Offen);
    const QString Text = Zusammenfassung(Fenster);
    QVERIFY2(Text.contains(Abgebrochen), qPrintable(Text));
    // "N Zeilen: a korrekt, b berechnet, c falsch, d unvollständig, e unbrauchbar, f doppelt; ... g nicht geprüft"
    QList<int> Zahlen;
    for (const QRegularExpressionMatch& Zahl : QRegularExpression(QStringLiteral("\\d+")).globalMatch(Text))
      Zahlen << Zahl.captured().toInt();
    QCOMPARE(Zahlen.size(), 8);
    QCOMPARE(Zahlen[0], Fenster.Modell().rowCount());
    QCOMPARE(Zahlen[1] + Zahlen[2] + Zahlen[3] + Zahlen[4] + Zahlen[5] + Zahlen[7], Zahlen[0]);
  }

  // Jeder Alt-Buchstabe fuehrt an genau eine Stelle.
  void TastenkuerzelEindeutig()
  {
    TSammelfenster Fenster(Daten);
    QStringList Texte;
    for (QLabel* Label : Fenster.findChildren<QLabel*>())
      if (Label->buddy())
        Texte << Label->text();
    for (QAbstractButton* Taste : Fenster.findChildren<QAbstractButton*>())
      Texte << Taste->text();
    for (QAction* Eintrag : Fenster.menuBar()->actions())
      Texte << Eintrag->text();
    QMap<QChar, QStringList> Kuerzel;
    for (const QString& Text : Texte)
      if (const qsizetype Stelle = Text.indexOf(u'&'); Stelle >= 0 && Stelle + 1 < Text.size())
        Kuerzel[Text[Stelle + 1].toLower()] << Text;
    QVERIFY(Kuerzel.size() >= 10);
    for (auto Eintrag = Kuerzel.cbegin(); Eintrag != Kuerzel.cend(); ++Eintrag)
      QVERIFY2(Eintrag.value().size() == 1, qPrintable(Eintrag.value().join(QStringLiteral(" / "))));
  }

  // Die getippte Endung entscheidet das Format; nur ohne sie kommt die des Filters dazu.
  void ZielNachEndung_data()
  {
    QTest::addColumn<QString>("Getippt");
    QTest::addColumn<int>("Filter");
    QTest::addColumn<QString>("Datei");
    QTest::addColumn<int>("Format");
    const int Csv = static_cast<int>(TFormat::CsvWindows1252);
    const int Utf8 = static_cast<int>(TFormat::CsvUtf8);
    const int Xlsx = static_cast<int>(TFormat::Xlsx);
    QTest::newRow("x.xlsx mit CSV-Filter") << "x.xlsx" << Csv << "x.xlsx" << Xlsx;
    QTest::newRow("X.XLSX mit UTF-8-Filter") << "X.XLSX" << Utf8 << "X.XLSX" << Xlsx;
    QTest::newRow("x.csv mit Mappen-Filter") << "x.csv" << Xlsx << "x.csv" << Csv;
    QTest::newRow("x.csv mit UTF-8-Filter") << "x.csv" << Utf8 << "x.csv" << Utf8;
    QTest::newRow("ohne Endung, Mappe") << "x" << Xlsx << "x.xlsx" << Xlsx;
    QTest::newRow("ohne Endung, CSV") << "liste.txt" << Csv << "liste.txt.csv" << Csv;
  }
  void ZielNachEndung()
  {
    QFETCH(QString, Getippt);
    QFETCH(int, Filter);
    QFETCH(QString, Datei);
    QFETCH(int, Format);
    const auto [Name, Art] = ZielNach(Getippt, static_cast<TFormat>(Filter));
    QCOMPARE(Name, Datei);
    QCOMPARE(static_cast<int>(Art), Format);
  }

  // Vor dem Speichern sagt es, was das Format nicht halten kann, und bietet eines an, das es kann.
  void FormatFragtVorDemSpeichern_data()
  {
    QTest::addColumn<int>("Format");
    QTest::addColumn<QString>("Zelle");
    QTest::addColumn<QString>("Antwort");
    QTest::addColumn<QString>("Frage");  // leer: keine Frage
    QTest::addColumn<QString>("Datei");  // was danach dasteht (leer: nichts Neues)
    QTest::addColumn<bool>("Utf8");
    const int Csv = static_cast<int>(TFormat::CsvWindows1252);
    const int Xlsx = static_cast<int>(TFormat::Xlsx);
    const QString Polnisch = QStringLiteral("ČD Cargo Łódź");
    QTest::newRow("Windows-1252 passt") << Csv << QStringLiteral("Müller €") << QString() << QString()
                                        << QStringLiteral("ziel.csv") << false;
    QTest::newRow("Windows-1252, als UTF-8") << Csv << Polnisch << QStringLiteral("Als UTF-8 speichern")
                                             << QStringLiteral("ČŁź") << QStringLiteral("ziel.csv") << true;
    QTest::newRow("Windows-1252 trotzdem") << Csv << Polnisch << QStringLiteral("Trotzdem Windows-1252")
                                           << QStringLiteral("ČŁź") << QStringLiteral("ziel.csv") << false;
    QTest::newRow("Windows-1252 abgebrochen")
        << Csv << Polnisch << QStringLiteral("Abbrechen") << QStringLiteral("ČŁź") << QString() << false;
    QTest::newRow("Mappe, lange Zelle als CSV") << Xlsx << QString(40000, u'z') << QStringLiteral("Als CSV speichern")
                                                << QStringLiteral("32767") << QStringLiteral("ziel.csv") << true;
    QTest::newRow("Mappe, lange Zelle abgebrochen")
        << Xlsx << QString(40000, u'z') << QStringLiteral("Abbrechen") << QStringLiteral("32767") << QString() << false;
  }
  void FormatFragtVorDemSpeichern()
  {
    QFETCH(int, Format);
    QFETCH(QString, Zelle);
    QFETCH(QString, Antwort);
    QFETCH(QString, Frage);
    QFETCH(QString, Datei);
    QFETCH(bool, Utf8);
    if (Format == static_cast<int>(TFormat::Xlsx) && !XlsxVorhanden())
      QSKIP("ohne libxlsxwriter gebaut");
    QTemporaryDir Ordner;
    const QString Erst = Ordner.filePath(Format == static_cast<int>(TFormat::Xlsx) ? "ziel.xlsx" : "ziel.csv");
    TSammelfenster Fenster(Daten);
    Fenster.FortschrittNach(0);
    Fenster.TextEinfuegen(QStringLiteral("Nummer\tBetreiber\r\n%1\tDB\r\n").arg(Eanos));
    WARTEN_BIS(Fenster.IstFertig());
    QCOMPARE(Fenster.SpeichernNach(Erst, static_cast<TFormat>(Format)), QString());
    const QByteArray Vorher = Pruefsumme(Erst);
    Fenster.TextEinfuegen(QStringLiteral("%1\t%2\r\n").arg(Roco, Zelle));
    WARTEN_BIS(Fenster.IstFertig());
    QString Gefragt;
    if (!Frage.isEmpty())
      Antworten(&Fenster, Antwort, &Gefragt);
    Aktion(Fenster, QStringLiteral("&Speichern"))->trigger();
    QVERIFY2(Gefragt.contains(Frage), qPrintable(Gefragt));
    const bool Mappe = Format == static_cast<int>(TFormat::Xlsx);
    if (Datei.isEmpty()) {
      QVERIFY(Fenster.IstGeaendert());
      QCOMPARE(Pruefsumme(Erst), Vorher);
      QCOMPARE(QFileInfo::exists(Ordner.filePath(QStringLiteral("ziel.csv"))), !Mappe);
      return;
    }
    QVERIFY(!Fenster.IstGeaendert());
    QFile Gespeichert(Ordner.filePath(Datei));
    QVERIFY(Gespeichert.open(QIODevice::ReadOnly));
    const QByteArray Inhalt = Gespeichert.readAll();
    QCOMPARE(Inhalt.startsWith("\xEF\xBB\xBF"), Utf8);
    if (Utf8)
      QVERIFY(Inhalt.contains(Zelle.toUtf8()));
    // Die Mappe von vorher bleibt, wie sie war; die CSV steht daneben.
    if (Mappe)
      QCOMPARE(Pruefsumme(Erst), Vorher);
  }

  // Was das Lesen bemerkt, steht in der Statuszeile und in einer Meldung nach dem Oeffnen.
  void LeseBefundeGezeigt_data()
  {
    QTest::addColumn<QString>("Erst");
    QTest::addColumn<QString>("Dann");  // angehaengt; leer: nichts
    QTest::addColumn<QString>("Befund");
    QTest::newRow("Anführungszeichen ohne Ende")
        << QStringLiteral("Nummer\tText\r\n%1\t\"offen\r\n%2\tx\r\n").arg(Eanos, Roco) << QString()
        << QStringLiteral("Zeile 2");
    QTest::newRow("mehr Zellen als Spalten")
        << QStringLiteral("Nummer\tText\r\n%1\tx\r\n").arg(Eanos) << QStringLiteral("%1\ta\tb\tc\r\n").arg(Roco)
        << QStringLiteral("passten in keine Spalte");
  }
  void LeseBefundeGezeigt()
  {
    QFETCH(QString, Erst);
    QFETCH(QString, Dann);
    QFETCH(QString, Befund);
    if (Dann.isEmpty() && ListeLesen(Erst.toStdString()).Tabelle.Befunde.empty())
      QSKIP("der Leser meldet dies (noch) nicht");
    TSammelfenster Fenster(Daten);
    Fenster.TextEinfuegen(Erst);
    WARTEN_BIS(Fenster.IstFertig());
    if (!Dann.isEmpty()) {
      Fenster.TextEinfuegen(Dann);
      WARTEN_BIS(Fenster.IstFertig());
      QCOMPARE(Fenster.Modell().rowCount(), 2);
    }
    QVERIFY2(Fenster.LeseBefunde().join(u'\n').contains(Befund), qPrintable(Fenster.LeseBefunde().join(u'\n')));
    bool Gemeldet = false;
    for (QMessageBox* Box : Fenster.findChildren<QMessageBox*>())
      if (Box->isVisible() && Box->text().contains(Befund)) {
        Gemeldet = true;
        Box->close();
      }
    QVERIFY(Gemeldet);
    bool InDerStatuszeile = false;
    for (QLabel* Label : Fenster.statusBar()->findChildren<QLabel*>())
      InDerStatuszeile = InDerStatuszeile ||
                         (Label->isVisibleTo(&Fenster) && Label->text().contains(QStringLiteral("Auffälligkeiten")));
    QVERIFY(InDerStatuszeile);
  }

  // Eingefuegte Zeilen liest es im Hintergrund und prueft sie in Schritten; die Liste bleibt
  // dabei stehen, "abbrechen" laesst sie, wie sie war.
  void AnhaengenImHintergrund_data()
  {
    QTest::addColumn<QString>("Was");
    QTest::addColumn<int>("Zeilen");  // danach in der Liste
    QTest::newRow("abbrechen") << "abbrechen" << 2;
    QTest::newRow("speichern wartet") << "speichern" << 2 + 3000;
    QTest::newRow("fertig") << "fertig" << 2 + 3000;
  }
  void AnhaengenImHintergrund()
  {
    QFETCH(QString, Was);
    QFETCH(int, Zeilen);
    TSammelfenster Fenster(Daten);
    Fenster.TextEinfuegen(QStringLiteral("Hersteller\tNummer\tBemerkung\r\nx\t%1\ty\r\nz\t%2\tw\r\n").arg(Eanos, Roco));
    WARTEN_BIS(Fenster.IstFertig());
    const QString Vorher = Fenster.windowTitle();
    const QString Tausend = TausendZeilen().section(u'\n', 1);
    Fenster.TextEinfuegen(Tausend + Tausend + Tausend);
    QVERIFY(!Fenster.IstFertig());
    QCOMPARE(Fenster.Modell().rowCount(), 2);
    if (Was == QStringLiteral("abbrechen")) {
      Knopf(Fenster, QStringLiteral("Prüfung abbrechen"))->click();
      QVERIFY(Fenster.IstFertig());
      QCOMPARE(Fenster.windowTitle(), Vorher);
    } else if (Was == QStringLiteral("speichern")) {
      const QString Ziel = FOrdner.filePath(QStringLiteral("angehaengt.csv"));
      QCOMPARE(Fenster.SpeichernNach(Ziel, TFormat::CsvUtf8), QString());
      QFile Datei(Ziel);
      QVERIFY(Datei.open(QIODevice::ReadOnly));
      QCOMPARE(ListeLesen(Datei.readAll().toStdString()).Tabelle.Zeilen.size(), static_cast<std::size_t>(Zeilen));
    }
    WARTEN_BIS(Fenster.IstFertig());
    QCOMPARE(Fenster.Modell().rowCount(), Zeilen);
    QCOMPARE(Ungeprueft(Fenster.Modell()), 0);
    // Die Doppelten sind dieselben, die eine Suche ueber die ganze Liste findet.
    std::vector<std::pair<TDoppelArt, std::uint32_t>> Stueckweise, Ganz;
    for (int Zeile = 0; Zeile < Zeilen; ++Zeile)
      Stueckweise.emplace_back(Fenster.Modell().Zeile(Zeile).DoppelArt, Fenster.Modell().Zeile(Zeile).DoppelAndere);
    Fenster.Modell().DoppelteSuchen();
    for (int Zeile = 0; Zeile < Zeilen; ++Zeile)
      Ganz.emplace_back(Fenster.Modell().Zeile(Zeile).DoppelArt, Fenster.Modell().Zeile(Zeile).DoppelAndere);
    QVERIFY(Stueckweise == Ganz);
    QCOMPARE(Zusammenfassung(Fenster).section(u' ', 0, 0), QString::number(Zeilen));
  }

  // Speichern zeigt seinen Fortschritt und laesst sich abbrechen; die alte Datei bleibt dann.
  void SpeichernAbbrechen_data()
  {
    QTest::addColumn<int>("Format");
    QTest::addColumn<bool>("WaehrendDerPruefung");
    QTest::newRow("CSV") << static_cast<int>(TFormat::CsvUtf8) << false;
    QTest::newRow("XLSX") << static_cast<int>(TFormat::Xlsx) << false;
    QTest::newRow("CSV während der Prüfung") << static_cast<int>(TFormat::CsvWindows1252) << true;
  }
  void SpeichernAbbrechen()
  {
    QFETCH(int, Format);
    QFETCH(bool, WaehrendDerPruefung);
    if (Format == static_cast<int>(TFormat::Xlsx) && !XlsxVorhanden())
      QSKIP("ohne libxlsxwriter gebaut");
    QTemporaryDir Ordner;
    const QString Ziel = Ordner.filePath(QStringLiteral("alt"));
    {
      QFile Alt(Ziel);
      QVERIFY(Alt.open(QIODevice::WriteOnly) && Alt.write("alte Liste\r\n") > 0);
    }
    TSammelfenster Fenster(Daten);
    Fenster.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Fenster));
    Fenster.FortschrittNach(0);
    QString Viel;
    for (int I = 0; I < 20; ++I)
      Viel += TausendZeilen();
    Fenster.TextEinfuegen(Viel);
    if (!WaehrendDerPruefung)
      WARTEN_BIS(Fenster.IstFertig());
    bool Gesehen = false;
    QTimer::singleShot(0, &Fenster, [&] {
      auto* Fortschritt = Fenster.findChild<QProgressDialog*>();
      Gesehen = Fortschritt && Fortschritt->isVisible();
      if (Fortschritt)
        Fortschritt->cancel();
    });
    const QString Fehler = Fenster.SpeichernNach(Ziel, static_cast<TFormat>(Format));
    QVERIFY(Gesehen);
    QVERIFY2(Fehler.contains(QStringLiteral("abgebrochen")), qPrintable(Fehler));
    QVERIFY(Fenster.IstGeaendert());
    QFile Alt(Ziel);
    QVERIFY(Alt.open(QIODevice::ReadOnly));
    QCOMPARE(Alt.readAll(), QByteArray("alte Liste\r\n"));
    QCOMPARE(QDir(Ordner.path()).entryList(QDir::Files), QStringList{QStringLiteral("alt")});
    // Eine abgebrochene Pruefung vor dem Speichern geht danach weiter.
    WARTEN_BIS(Fenster.IstFertig());
    QCOMPARE(Ungeprueft(Fenster.Modell()), 0);
  }

  // Freie Nummern einer Reihe (Strg+R) kommen als gepruefte Zeilen in die Liste.
  void FreieNummernInDieListe_data()
  {
    QTest::addColumn<QString>("Reihe");
    QTest::addColumn<int>("Anzahl");
    QTest::addColumn<int>("Zeilen");
    QTest::newRow("drei aus der Reihe des Eanos-x") << QStringLiteral("31 80 5377") << 3 << 3;
    QTest::newRow("Reihe zu kurz") << QStringLiteral("31 80") << 3 << 0;
  }
  void FreieNummernInDieListe()
  {
    QFETCH(QString, Reihe);
    QFETCH(int, Anzahl);
    QFETCH(int, Zeilen);
    TSammelfenster Fenster(Daten);
    Fenster.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Fenster));
    QString Ergebnis;
    QTimer::singleShot(0, &Fenster, [&] {
      auto* Dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      QVERIFY(Dialog);
      for (QLineEdit* Feld : Dialog->findChildren<QLineEdit*>())
        if (Feld->accessibleName() == QStringLiteral("Reihe, die ersten 8 Ziffern"))
          Feld->setText(Reihe);
      for (QSpinBox* Feld : Dialog->findChildren<QSpinBox*>())
        if (Feld->accessibleName() == QStringLiteral("Anzahl"))
          Feld->setValue(Anzahl);
      QMap<QString, QPushButton*> Tasten;
      for (QPushButton* Taste : Dialog->findChildren<QPushButton*>())
        Tasten[Taste->text().remove(u'&')] = Taste;
      Tasten.value(QStringLiteral("Suchen"))->click();
      Ergebnis = Dialog->findChild<QPlainTextEdit*>()->toPlainText();
      QPushButton* Dazu = Tasten.value(QStringLiteral("Zur Liste hinzufügen"));
      (Dazu->isEnabled() ? Dazu : Tasten.value(QStringLiteral("Schließen")))->click();
    });
    Aktion(Fenster, QStringLiteral("&Freie Nummern einer Reihe …"))->trigger();
    WARTEN_BIS(Fenster.IstFertig());
    QCOMPARE(Fenster.Modell().rowCount(), Zeilen);
    QCOMPARE(Ergebnis.split(u'\n').size(), Zeilen > 0 ? Zeilen : 1);
    for (int Zeile = 0; Zeile < Zeilen; ++Zeile) {
      QCOMPARE(Urteil(Fenster.Modell(), Zeile), QStringLiteral("korrekt"));
      QVERIFY(Fenster.Modell().Nummerntext(Zeile).startsWith(QStringLiteral("31 80 5377")));
    }
    QCOMPARE(Fenster.IstGeaendert(), Zeilen > 0);
  }

  // Der Speicherdialog wie ein Benutzer: die getippte Endung entscheidet, eine angehaengte
  // Endung fragt vor dem Ersetzen, eine Verknuepfung auf das Original fragt wie das Original.
  void SpeichernUnterWieGetippt_data()
  {
    QTest::addColumn<QString>("Getippt");
    QTest::addColumn<QStringList>("Antworten");  // auf die Fragen danach, der Reihe nach
    QTest::addColumn<QString>("Frage");          // Teil der letzten Frage
    QTest::addColumn<QString>("Datei");          // was danach neu dasteht; leer: nichts
    QTest::newRow("x.xlsx mit dem CSV-Filter") << "x.xlsx" << QStringList() << QString() << "x.xlsx";
    QTest::newRow("ohne Endung, vorhanden, ersetzen")
        << "da" << QStringList{"Ersetzen"} << QStringLiteral("gibt es schon") << "da.csv";
    QTest::newRow("ohne Endung, vorhanden, abbrechen")
        << "da" << QStringList{"Abbrechen"} << QStringLiteral("gibt es schon") << QString();
    // Erst fragt der Dialog selbst (vorhandene Datei), dann die Sammlung nach dem Original.
    QTest::newRow("Verknüpfung auf das Original")
        << "original-link.csv" << QStringList{"Yes", "Abbrechen"} << QStringLiteral("Originaldatei") << QString();
  }
  void SpeichernUnterWieGetippt()
  {
    QFETCH(QString, Getippt);
    QFETCH(QStringList, Antworten);
    QFETCH(QString, Frage);
    QFETCH(QString, Datei);
    if (Getippt.endsWith(QStringLiteral(".xlsx")) && !XlsxVorhanden())
      QSKIP("ohne libxlsxwriter gebaut");
    QTemporaryDir Ordner;
    const QDir Hier(Ordner.path());
    const QByteArray Alt = "Nummer\r\n31 80 5377 614-8\r\n";
    for (const QString& Name : {QStringLiteral("da.csv"), QStringLiteral("original.csv")}) {
      QFile Vorhanden(Hier.filePath(Name));
      QVERIFY(Vorhanden.open(QIODevice::WriteOnly) && Vorhanden.write(Alt) == Alt.size());
    }
#ifdef _WIN32
    // Verknuepfungen heissen unter Windows *.lnk und sind keine Dateien des Dateisystems.
    if (Getippt.contains(QStringLiteral("-link")))
      QSKIP("Verknuepfungen wie unter POSIX");
    const bool MitVerknuepfung = false;
#else
    const bool MitVerknuepfung = true;
    QVERIFY(
        QFile::link(Hier.filePath(QStringLiteral("original.csv")), Hier.filePath(QStringLiteral("original-link.csv"))));
#endif
    TSammelfenster Fenster(Daten);
    QCOMPARE(Fenster.Oeffnen(Hier.filePath(QStringLiteral("original.csv"))), QString());
    WARTEN_BIS(Fenster.IstFertig());
    Fenster.TextEinfuegen(Roco);
    WARTEN_BIS(Fenster.IstFertig());
    QStringList Fragen;
    QTimer::singleShot(0, &Fenster, [&] {
      auto* Dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      QVERIFY(Dialog);
      Dialog->selectFile(Hier.filePath(Getippt));
      Nacheinander(&Fenster, Antworten, &Fragen);
      static_cast<QDialog*>(Dialog)->accept();  // wie der Knopf "Speichern"
    });
    Aktion(Fenster, QStringLiteral("Speichern &unter …"))->trigger();
    QCOMPARE(Fragen.size(), Antworten.size());
    if (!Frage.isEmpty())
      QVERIFY2(Fragen.back().contains(Frage), qPrintable(Fragen.join(u'|')));
    QStringList Dateien = Hier.entryList(QDir::Files);
    Dateien.sort();
    QStringList Erwartet{QStringLiteral("da.csv"), QStringLiteral("original.csv")};
    if (MitVerknuepfung)
      Erwartet << QStringLiteral("original-link.csv");
    if (!Datei.isEmpty() && !Erwartet.contains(Datei))
      Erwartet << Datei;
    Erwartet.sort();
    QCOMPARE(Dateien, Erwartet);
    QCOMPARE(Fenster.IstGeaendert(), Datei.isEmpty());
    for (const QString& Name : {QStringLiteral("da.csv"), QStringLiteral("original.csv")})
      if (Name != Datei) {
        QFile Unveraendert(Hier.filePath(Name));
        QVERIFY(Unveraendert.open(QIODevice::ReadOnly));
        QCOMPARE(Unveraendert.readAll(), Alt);
      }
    if (Datei.endsWith(QStringLiteral(".xlsx"))) {
      QFile Mappe(Hier.filePath(Datei));
      QVERIFY(Mappe.open(QIODevice::ReadOnly) && Mappe.read(2) == "PK");
    }
  }

  // Die Zahlen der Statuszeile sind Verweise: jeder zeigt nur die Zeilen seines Urteils, "alle
  // zeigen" wieder alle. Gezaehlt wie in EinfuegenPrueftAlles.
  void VerweiseFiltern_data()
  {
    QTest::addColumn<QString>("Verweis");
    QTest::addColumn<int>("Zeilen");
    QTest::newRow("korrekt") << QStringLiteral("korrekt") << 995;
    QTest::newRow("falsch") << QStringLiteral("falsch") << 3;
    QTest::newRow("unvollständig") << QStringLiteral("unvollstaendig") << 2;
    QTest::newRow("unbrauchbar") << QStringLiteral("unbrauchbar") << 0;
    QTest::newRow("doppelt") << QStringLiteral("doppelt") << 5;
  }
  void VerweiseFiltern()
  {
    QFETCH(QString, Verweis);
    QFETCH(int, Zeilen);
    TSammelfenster Fenster(Daten);
    Fenster.TextEinfuegen(TausendZeilen());
    WARTEN_BIS(Fenster.IstFertig());
    auto* Label = Fenster.findChild<QLabel*>(QStringLiteral("Zusammenfassung"));
    QVERIFY(Label->text().contains(QStringLiteral("href=\"%1\"").arg(Verweis)));
    emit Label->linkActivated(Verweis);
    QCOMPARE(Fenster.Filter().rowCount(), Zeilen);
    for (int Zeile = 0; Zeile < Fenster.Filter().rowCount(); ++Zeile)
      if (Verweis != QStringLiteral("doppelt"))
        QCOMPARE(Fenster.Filter().index(Zeile, 0).data(TListenModell::ArtRolle).toInt(),
                 Fenster.Filter().index(0, 0).data(TListenModell::ArtRolle).toInt());
    QVERIFY(Label->text().contains(QStringLiteral("href=\"alle\"")));
    emit Label->linkActivated(QStringLiteral("alle"));
    QCOMPARE(Fenster.Filter().rowCount(), 1000);
    QVERIFY(!Label->text().contains(QStringLiteral("href=\"alle\"")));
  }

  // Nummer und Urteil stehen vorn und in der festen Ansicht, die beim seitlichen Blaettern bleibt.
  void UrteilVornUndFest()
  {
    TSammelfenster Fenster(Daten);
    Fenster.resize(700, 400);
    Fenster.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Fenster));
    Fenster.TextEinfuegen(QStringLiteral("A\tB\tC\tD\tNummer\tE\tF\tG\r\n1\t2\t3\t4\t%1\t5\t6\t7\r\n").arg(Roco));
    WARTEN_BIS(Fenster.IstFertig());
    const TListenModell& Modell = Fenster.Modell();
    QHeaderView* Kopf = Fenster.Tabelle().horizontalHeader();
    QCOMPARE(Kopf->logicalIndex(0), 4);
    QCOMPARE(Kopf->logicalIndex(1), SpalteNamens(Modell, QStringLiteral("Urteil")));
    QTableView& Fest = static_cast<TUrteilTabelle&>(Fenster.Tabelle()).Fest();
    QVERIFY(Fest.isVisible());
    QVERIFY(!Fest.isColumnHidden(SpalteNamens(Modell, QStringLiteral("Urteil"))));
    QVERIFY(Fest.isColumnHidden(0));
    Fenster.Tabelle().horizontalScrollBar()->setValue(Fenster.Tabelle().horizontalScrollBar()->maximum());
    QVERIFY(Fenster.Tabelle().horizontalScrollBar()->value() > 0);
    QCOMPARE(Fest.horizontalScrollBar()->value(), 0);
    QCOMPARE(Fest.geometry().width(), static_cast<TUrteilTabelle&>(Fenster.Tabelle()).FesteBreite());
  }

  // Ein Fehldruck im Formular: Urteil, Angaben, Rechenweg als Raster, Vorschlag per Knopf.
  void FormularZeigtFehldruck()
  {
    TSammelfenster Fenster(Daten);
    Fenster.TextEinfuegen(QStringLiteral("Hersteller\tNummer\r\nRoco 67193\t%1\r\n").arg(Roco));
    WARTEN_BIS(Fenster.IstFertig());
    Fenster.Tabelle().selectRow(0);
    auto* Formular = Fenster.findChild<TDetailFormular*>();
    QVERIFY(Formular);
    QCOMPARE(Formular->UrteilText(), QStringLiteral("falsch"));
    QVERIFY(Formular->Feld(QStringLiteral("Eigentumsverwaltung")).contains(QStringLiteral("Polen")));
    QVERIFY(Formular->Feld(QStringLiteral("Halter")).contains(QStringLiteral("PKP")));
    // 31 51 5376 204: von rechts mal 2, 1, 2, …; Quersummen 6+1+1+1+1+3+5+6+4+0+8 = 36 -> 4
    QCOMPARE(Formular->Rechenzeile(0),
             QStringList({"Ziffer", "3", "1", "5", "1", "5", "3", "7", "6", "2", "0", "4", "Prüfziffer 4"}));
    QCOMPARE(Formular->Rechenzeile(1).mid(1, 11), QStringList({"2", "1", "2", "1", "2", "1", "2", "1", "2", "1", "2"}));
    QCOMPARE(Formular->Rechenzeile(3).back(), QStringLiteral("Summe 36"));
    // Keine Konsolentexte im Fenster
    QVERIFY(Fenster.findChildren<QPlainTextEdit*>().isEmpty());
    const std::string Erster = Fenster.Modell().Auswertung(0).Vorschlaege.front().Ziffern;
    Knopf(Fenster, QStringLiteral("Vorschlag in die Zeile übernehmen"))->click();
    QCOMPARE(Fenster.Modell().Nummerntext(0), QString::fromStdString(NummerGegliedert(Erster)));
    QVERIFY(Fenster.IstGeaendert());
  }

  // Befunde als Liste mit Symbol: die Abweichung der Anschrift steht da, wie die Auswertung sie nennt.
  void FormularNenntBefunde()
  {
    TSammelfenster Fenster(Daten);
    Fenster.TextEinfuegen(QStringLiteral("Nummer\r\n31 80 5330 000-6 A-ÖBB Eanos\r\n"));
    WARTEN_BIS(Fenster.IstFertig());
    Fenster.Tabelle().selectRow(0);
    const QStringList Befunde = Fenster.findChild<TDetailFormular*>()->Befunde();
    QVERIFY2(std::any_of(Befunde.begin(), Befunde.end(),
                         [](const QString& B) { return B.contains(QStringLiteral("„Eanos“")); }),
             qPrintable(Befunde.join(u'\n')));
  }

  // Das PDF: Kopf, Zeilen, Urteil, Zusammenfassung, Seitenzahlen, Zeichen ueber Windows-1252 hinaus.
  void PdfMitListe_data()
  {
    QTest::addColumn<int>("Wiederholt");
    QTest::addColumn<bool>("Mehrere");
    QTest::newRow("eine Seite") << 1 << false;
    QTest::newRow("mehrere Seiten") << 60 << true;
  }
  void PdfMitListe()
  {
    QFETCH(int, Wiederholt);
    QFETCH(bool, Mehrere);
    const QString Pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (Pdftotext.isEmpty())
      QSKIP("pdftotext (poppler-utils) fehlt");
    TSammelfenster Fenster(Daten);
    QString Text = QStringLiteral("Hersteller\tNummer\tBemerkung\r\n");
    for (int I = 0; I < Wiederholt; ++I)
      Text += QStringLiteral(
                  "Roco 67193\t%1\tHalter PKP Cargo Spółka Akcyjna\r\n"
                  "Atlas\tCZ-ČD 50 54 80-30 002-7 Bfhpvee295\tSteuerwagen\r\n")
                  .arg(Roco);
    Fenster.TextEinfuegen(Text);
    WARTEN_BIS(Fenster.IstFertig());
    const QString Ziel = FOrdner.filePath(QStringLiteral("liste %1.pdf").arg(Wiederholt));
    QCOMPARE(Fenster.PdfNach(Ziel), QString());
    QVERIFY(QFileInfo(Ziel).size() > 1000);
    QProcess Lauf;
    Lauf.start(Pdftotext, {QStringLiteral("-layout"), Ziel, QStringLiteral("-")});
    QVERIFY(Lauf.waitForFinished(-1));
    const QString Inhalt = QString::fromUtf8(Lauf.readAllStandardOutput());
    for (const QString& Gesucht :
         {QStringLiteral("Spółka"), QStringLiteral("CZ-ČD"), QStringLiteral("falsch"), QStringLiteral("korrekt"),
          QStringLiteral("Nummer gelesen"), QStringLiteral("Zusammenfassung: %1 Zeilen").arg(2 * Wiederholt),
          QStringLiteral("%1 falsch").arg(Wiederholt)})
      QVERIFY2(Inhalt.contains(Gesucht), qPrintable(Gesucht + QStringLiteral(" fehlt in:\n") + Inhalt.left(3000)));
    // Jede Seite nennt sich und die Zahl aller: "Seite 1 von 3" … "Seite 3 von 3".
    QList<int> Nummern;
    QSet<int> Gesamt;
    for (const QRegularExpressionMatch& Treffer :
         QRegularExpression(QStringLiteral("Seite (\\d+) von (\\d+)")).globalMatch(Inhalt)) {
      Nummern << Treffer.captured(1).toInt();
      Gesamt << Treffer.captured(2).toInt();
    }
    QCOMPARE(Gesamt.size(), 1);
    QCOMPARE(Nummern.size(), *Gesamt.begin());
    for (int Seite = 0; Seite < Nummern.size(); ++Seite)
      QCOMPARE(Nummern[Seite], Seite + 1);
    QCOMPARE(Nummern.size() > 1, Mehrere);
  }

  // Eine Arbeitsmappe mit mehreren Blaettern: die Sammlung fragt, vorgewaehlt ist das mit Nummern.
  void ArbeitsmappeFragtNachBlatt_data()
  {
    QTest::addColumn<bool>("Oeffnen");
    QTest::newRow("öffnen") << true;
    QTest::newRow("abbrechen") << false;
  }
  void ArbeitsmappeFragtNachBlatt()
  {
    QFETCH(bool, Oeffnen);
    TSammelfenster Fenster(Daten);
    TMappe Mappe;
    Mappe.Art = TMappenArt::Xlsx;
    Mappe.Blaetter.push_back({"Notizen", {{{"gekauft 2023", false}}}});
    Mappe.Blaetter.push_back({"Wagen",
                              {{{"Hersteller", false}, {"Nummer", false}},
                               {{"Roco", false}, {Roco.toStdString(), false}},
                               {{"Eigenbau", false}, {Eanos.toStdString(), false}}}});
    int Vorgewaehlt = -1, Blaetter = 0;
    QTimer::singleShot(0, &Fenster, [&] {
      auto* Dialog = qobject_cast<TBlattDialog*>(QApplication::activeModalWidget());
      QVERIFY(Dialog);
      Vorgewaehlt = Dialog->Gewaehlt();
      Blaetter = Dialog->Liste().count();
      Oeffnen ? Dialog->accept() : Dialog->reject();
    });
    QCOMPARE(Fenster.MappeUebernehmen(Mappe), Oeffnen);
    QCOMPARE(Vorgewaehlt, 1);
    QCOMPARE(Blaetter, 2);
    WARTEN_BIS(Fenster.IstFertig());
    QCOMPARE(Fenster.Modell().rowCount(), Oeffnen ? 2 : 0);
    if (Oeffnen) {
      QCOMPARE(Fenster.Modell().Kopf(), QStringList({"Hersteller", "Nummer"}));
      QCOMPARE(Urteil(Fenster.Modell(), 0), QStringLiteral("falsch"));
    }
  }

  // Echte Mappen anderer Programme (tests/daten/mappen/README.md): jedes Format ergibt dieselben
  // Urteile; die Nummer, der die Tabellenkalkulation die fuehrende Null nahm, sagt es, und die
  // Gattungszeichen der Bezeichnung kommen als Anschrift dazu.
  void EchteMappen_data()
  {
    QTest::addColumn<QString>("Datei");
    for (const char* Datei : {"sammlung.xlsx", "sammlung-libreoffice.xlsx", "sammlung.ods"
#ifdef TANDRIX_MIT_XLS
                              ,
                              "sammlung.xls"
#endif
         })
      QTest::newRow(Datei) << QStringLiteral(TANDRIX_MAPPEN "/") + QString::fromLatin1(Datei);
  }
  void EchteMappen()
  {
    QFETCH(QString, Datei);
    TSammelfenster Fenster(Daten);
    QTimer Antwort;  // die Frage nach dem Blatt: das vorgewaehlte nehmen
    QObject::connect(&Antwort, &QTimer::timeout, [] {
      if (auto* Dialog = qobject_cast<TBlattDialog*>(QApplication::activeModalWidget()))
        Dialog->accept();
    });
    Antwort.start(10);
    QCOMPARE(Fenster.Oeffnen(Datei), QString());
    WARTEN_BIS(Fenster.IstFertig());
    const TListenModell& Modell = Fenster.Modell();
    QCOMPARE(Modell.Kopf().value(3), QStringLiteral("Wagennummer"));
    QStringList Urteile, Befunde;
    for (int Zeile = 0; Zeile < Modell.rowCount(); ++Zeile) {
      Urteile << Urteil(Modell, Zeile);
      Befunde << Modell.Text(Zeile, SpalteNamens(Modell, QStringLiteral("Befunde")));
    }
    const int Ohne = static_cast<int>(Urteile.indexOf(QStringLiteral("berechnet")));
    QVERIFY2(Ohne >= 0, qPrintable(Urteile.join(u',')));
    QVERIFY2(Befunde[Ohne].contains(QStringLiteral("führende Null fehlt vermutlich")), qPrintable(Befunde[Ohne]));
    QCOMPARE(Urteile.count(QStringLiteral("korrekt")), Urteile.size() - 1 - (Datei.endsWith(u"xls") ? 1 : 0));
    const TErgebnis Eanos = Modell.Auswertung(0);
    QVERIFY(std::any_of(Eanos.AusDerZeile.begin(), Eanos.AusDerZeile.end(),
                        [](const TKontextFund& Fund) { return Fund.Spalte == "Bezeichnung"; }));
  }

  // Ein Blatt allein fragt nicht; eine unlesbare Mappe sagt den Grund.
  void ArbeitsmappeOhneFrage()
  {
    TSammelfenster Fenster(Daten);
    TMappe Mappe;
    Mappe.Blaetter.push_back({"Tabelle1", {{{Eanos.toStdString(), false}}}});
    QVERIFY(Fenster.MappeUebernehmen(Mappe));
    WARTEN_BIS(Fenster.IstFertig());
    QCOMPARE(Fenster.Modell().rowCount(), 1);
    TMappe Kaputt;
    Kaputt.Fehler = "Die Datei ist verschlüsselt."_cp1252;
    QString Meldung;
    Antworten(&Fenster, QStringLiteral("OK"), &Meldung);
    QVERIFY(!Fenster.MappeUebernehmen(Kaputt));
    QCOMPARE(Meldung, QStringLiteral("Die Datei ist verschlüsselt."));
  }

  // Eine geaenderte Liste und eine neue Datei: genau eine Frage, danach ist die neue offen und
  // Schliessen fragt nicht mehr.
  void VerwerfenFragtEinmal()
  {
    TSammelfenster Fenster(Daten);
    Fenster.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Fenster));
    Fenster.TextEinfuegen(Eanos);
    WARTEN_BIS(Fenster.IstFertig());
    QVERIFY(Fenster.IstGeaendert());
    const QString Neu = FOrdner.filePath(QStringLiteral("neu.csv"));
    {
      QFile Datei(Neu);
      QVERIFY(Datei.open(QIODevice::WriteOnly));
      Datei.write(QStringLiteral("Nummer\n%1\n%2\n").arg(Roco, Eanos).toUtf8());
    }
    QStringList Fragen;
    Nacheinander(&Fenster, {QStringLiteral("Nicht speichern")}, &Fragen);
    QMimeData Zug;
    Zug.setUrls({QUrl::fromLocalFile(Neu)});
    QDragEnterEvent Betreten(QPoint(10, 10), Qt::CopyAction, &Zug, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&Fenster, &Betreten);
    QDropEvent Ablegen(QPointF(10, 10), Qt::CopyAction, &Zug, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&Fenster, &Ablegen);
    WARTEN_BIS(Fenster.IstFertig());
    QCOMPARE(Fragen.size(), 1);
    QVERIFY(Fragen.front().contains(QStringLiteral("ungespeicherte Änderungen")));
    QCOMPARE(Fenster.Modell().rowCount(), 2);
    QVERIFY(!Fenster.IstGeaendert());
    QVERIFY(Fenster.close());
    QCOMPARE(Fragen.size(), 1);
  }

  // Eine Arbeitsmappe erkennt die Sammlung am Inhalt, nicht am Namen: eine kaputte Mappe namens
  // .csv wird nicht als Text gelesen, sondern ihr Grund gemeldet.
  void ArbeitsmappeAmInhalt_data()
  {
    QTest::addColumn<QByteArray>("Anfang");
    QTest::newRow("xlsx (ZIP)") << QByteArray("PK\x03\x04\x14\x00\x00\x00kaputt", 14);
    QTest::newRow("xls (OLE2)") << QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1kaputt", 14);
  }
  void ArbeitsmappeAmInhalt()
  {
    QFETCH(QByteArray, Anfang);
    const QString Pfad = FOrdner.filePath(QStringLiteral("mappe.csv"));
    {
      QFile Datei(Pfad);
      QVERIFY(Datei.open(QIODevice::WriteOnly));
      Datei.write(Anfang);
    }
    TSammelfenster Fenster(Daten);
    QString Meldung;
    bool Gefragt = false;
    QTimer Wache;
    connect(&Wache, &QTimer::timeout, &Fenster, [&] {
      if (auto* Box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        Gefragt = true;
        Meldung = Box->text();
        Box->accept();
      }
    });
    Wache.start(10);
    QCOMPARE(Fenster.Oeffnen(Pfad), QString());
    WARTEN_BIS(Gefragt && Fenster.IstFertig());
    QVERIFY(!Meldung.isEmpty());
    QCOMPARE(Fenster.Modell().rowCount(), 0);
  }

  // Eine Liste aus einer Arbeitsmappe speichert Strg+S als neue Mappe neben dem Original; die Frage
  // sagt, dass die uebrigen Blaetter nur im Original stehen, und das Original bleibt Byte fuer Byte.
  void MappeNebenDemOriginal()
  {
    if (!XlsxVorhanden())
      QSKIP("ohne libxlsxwriter");
    const QString Original = FOrdner.filePath(QStringLiteral("bestand.csv"));
    {
      QFile Datei(Original);
      QVERIFY(Datei.open(QIODevice::WriteOnly));
      Datei.write(QStringLiteral("Nummer\n%1\n").arg(Eanos).toUtf8());
    }
    const QByteArray Vorher = Pruefsumme(Original);
    TSammelfenster Fenster(Daten);
    QCOMPARE(Fenster.Oeffnen(Original), QString());
    WARTEN_BIS(Fenster.IstFertig());
    TMappe Mappe;
    Mappe.Blaetter.push_back({"Notizen", {{{"nichts", false}}}});
    Mappe.Blaetter.push_back({"Wagen", {{{"Nummer", false}}, {{Roco.toStdString(), false}}}});
    QTimer::singleShot(0, &Fenster, [] { qobject_cast<QDialog*>(QApplication::activeModalWidget())->accept(); });
    QVERIFY(Fenster.MappeUebernehmen(Mappe));
    WARTEN_BIS(Fenster.IstFertig());
    QStringList Fragen;
    Nacheinander(&Fenster, {QStringLiteral("Neue Datei speichern")}, &Fragen);
    Aktion(Fenster, QStringLiteral("&Speichern"))->trigger();
    QCOMPARE(Fragen.size(), 1);
    QVERIFY2(Fragen.front().contains(QStringLiteral("2 Blätter")), qPrintable(Fragen.front()));
    QVERIFY(Fragen.front().contains(QStringLiteral("Originaldatei")));
    const QString Neu = FOrdner.filePath(QStringLiteral("bestand (geprüft).xlsx"));
    QVERIFY(QFileInfo(Neu).size() > 0);
    QCOMPARE(Pruefsumme(Original), Vorher);
    QVERIFY(!Fenster.IstGeaendert());
  }

  // Die Toenung laesst Text lesbar: Kontrast zum Text der Palette mindestens 4,5 : 1 (WCAG AA),
  // im hellen wie im dunklen Schema, fuer jedes Urteil.
  void ToenungLesbar_data()
  {
    QTest::addColumn<bool>("Dunkel");
    QTest::addColumn<int>("Art");
    for (const bool Dunkel : {false, true})
      for (int Art = 1; Art <= 5; ++Art)
        QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(Dunkel ? "dunkel" : "hell").arg(Art))) << Dunkel << Art;
  }
  void ToenungLesbar()
  {
    QFETCH(bool, Dunkel);
    QFETCH(int, Art);
    QPalette Palette;
    Palette.setColor(QPalette::Base, Dunkel ? QColor(0x1e, 0x1e, 0x1e) : QColor(Qt::white));
    Palette.setColor(QPalette::Text, Dunkel ? QColor(0xe8, 0xe8, 0xe8) : QColor(Qt::black));
    const QColor Grund = UrteilToenung(static_cast<TUrteilArt>(Art), Palette);
    QVERIFY(Grund.isValid());
    QVERIFY(Grund != Palette.color(QPalette::Base));  // sichtbar getoent
    const auto Leuchte = [](const QColor& Farbe) {
      const auto Kanal = [](double C) { return C <= 0.03928 ? C / 12.92 : std::pow((C + 0.055) / 1.055, 2.4); };
      return 0.2126 * Kanal(Farbe.redF()) + 0.7152 * Kanal(Farbe.greenF()) + 0.0722 * Kanal(Farbe.blueF());
    };
    const double A = Leuchte(Grund), B = Leuchte(Palette.color(QPalette::Text));
    const double Kontrast = (std::max(A, B) + 0.05) / (std::min(A, B) + 0.05);
    QVERIFY2(Kontrast >= 4.5, qPrintable(QString::number(Kontrast)));
    QVERIFY(UrteilToenung(TUrteilArt::Offen, Palette).isValid() == false);
  }

  // Ein Blatt kommt Zelle fuer Zelle an, auch mit Tabulator, Anfuehrungszeichen, Zeilenumbruch und
  // Zeichen ueber Windows-1252 hinaus; die Nummernspalte wird erkannt wie bei Text.
  void BlattZelleFuerZelle_data()
  {
    QTest::addColumn<QString>("Zelle");
    QTest::newRow("Tabulator") << QStringLiteral("Kiste\t3");
    QTest::newRow("Anführungszeichen") << QStringLiteral("sagt \"neu\"");
    QTest::newRow("Zeilenumbruch") << QStringLiteral("oben\nunten");
    QTest::newRow("Ł und Č") << QStringLiteral("Spółka, ČD");
    QTest::newRow("leer") << QString();
  }
  void BlattZelleFuerZelle()
  {
    QFETCH(QString, Zelle);
    TBlatt Blatt{"Wagen",
                 {{{"Bemerkung", false}, {"Nummer", false}},
                  {{Zelle.toStdString(), false}, {Eanos.toStdString(), false}},
                  {{"zweite", false}, {Roco.toStdString(), false}}}};
    const std::atomic<bool> Nie = false;
    const TTextListe Liste = BlattAlsText(Blatt, {}, Nie);
    QCOMPARE(Liste.Kopf, QStringList({"Bemerkung", "Nummer"}));
    QCOMPARE(Liste.Nummernspalte, 1);
    QCOMPARE(Liste.Zeilen.size(), std::size_t{2});
    QCOMPARE(Liste.Zeilen[0].value(0), Zelle);
    QCOMPARE(Liste.Zeilen[0].value(1), Eanos);
    QCOMPARE(Liste.Trenner, '\0');
  }

  // Vorgewaehlt ist das Blatt mit den meisten Nummern, bei Gleichstand das erste.
  void BlattMitNummern_data()
  {
    QTest::addColumn<QList<int>>("NummernJeBlatt");
    QTest::addColumn<int>("Erwartet");
    QTest::newRow("zweites") << QList<int>({0, 2}) << 1;
    QTest::newRow("erstes") << QList<int>({3, 1, 0}) << 0;
    QTest::newRow("Gleichstand") << QList<int>({2, 2}) << 0;
    QTest::newRow("keines") << QList<int>({0, 0}) << 0;
  }
  void BlattMitNummern()
  {
    QFETCH(QList<int>, NummernJeBlatt);
    QFETCH(int, Erwartet);
    TMappe Mappe;
    for (const int Nummern : NummernJeBlatt) {
      TBlatt Blatt{"Blatt", {{{"Kopf", false}}}};
      for (int I = 0; I < Nummern; ++I)
        Blatt.Zeilen.push_back({{Eanos.toStdString(), false}});
      Blatt.Zeilen.push_back({{"Notiz ohne Nummer", false}});
      Mappe.Blaetter.push_back(std::move(Blatt));
    }
    QCOMPARE(BlattMitNummernIndex(Mappe), Erwartet);
  }

private:
  QTemporaryDir FOrdner;
};

QTEST_MAIN(TSammelfensterTest)
#include "sammelfenster_test.moc"
