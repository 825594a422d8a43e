#include "fenster/wgn_haupt.h"

#include "fenster/kontakt.h"
#include "nummer/pruefziffer.h"
#include "nummer/wageninfo.h"
#include "oberflaeche/einpassen.h"
#include "oberflaeche/umwandlung.h"
#include "ui_wgn_haupt.h"

#include <QDesktopServices>
#include <QFontMetricsF>
#include <QMouseEvent>
#include <QScreen>
#include <QUrl>

namespace {

constexpr QPoint Fensterposition(211, 179);
constexpr int Arbeitsflaechenhoehe = 406;  // Mittelteil 387 und Statusleiste 19

// Labels ohne feste Groesse passen sich wie im Formular an ihren Text an.
void SetzeText(QLabel* Label, const QString& Text)
{
  if (Label->text() == Text)
    return;  // Groesse stimmt schon
  Label->setText(Text);
  if (!Label->wordWrap())
    Label->adjustSize();
}

}  // namespace

TForm1::TForm1(const std::optional<std::filesystem::path>& Datei, QWidget* Eltern)
    : QMainWindow(Eltern), ui(std::make_unique<Ui::Form1>())
{
  ui->setupUi(this);
  TexteErgaenzen();
  LabelsEinrichten();
  EingabenVerbinden();
  resize(width(), menuBar()->sizeHint().height() + Arbeitsflaechenhoehe);
  move(Fensterposition);
  ui->Personennummer->setFocus();
  FormCreate(Datei);
}

// Was das Formular nicht ausdruecken kann: Anschriften in den Texten und die Statuszeile.
void TForm1::TexteErgaenzen()
{
  ui->Label10->setText(ui->Label10->text().arg(Kontakt::EMail));
  ui->Label17->setText(ui->Label17->text().arg(Kontakt::EMail));
  ui->Webseitebesuchen1->setText(ui->Webseitebesuchen1->text().arg(Kontakt::WebName));

  auto* Statuszeile = new QLabel(
      QStringLiteral(
          "Neuigkeiten und neue Datenst\u00e4nde gibt es auf %1 \u2013 Doppelklick hier \u00f6ffnet die Seite.")
          .arg(Kontakt::WebName),
      ui->StatusBar1);
  Statuszeile->setObjectName(QStringLiteral("Statuszeile"));
  Statuszeile->setTextFormat(Qt::PlainText);
  // Der Text darf abgeschnitten werden: er bestimmt nicht, wie schmal das Fenster werden kann.
  Statuszeile->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  ui->StatusBar1->addWidget(Statuszeile, 1);
}

// Groessen nach dem Text, der Link ueber der Anschrift, Farben und Schrift des Hinweises.
void TForm1::LabelsEinrichten()
{
  for (QLabel* Label : ui->centralwidget->findChildren<QLabel*>())
    if (!Label->wordWrap())
      Label->adjustSize();
  // Der Link liegt genau ueber der Anschrift im Satz von Label10 und deckt sie ab.
  const QString Satz = ui->Label10->text();
  const qreal Versatz = QFontMetricsF(ui->Label10->font()).horizontalAdvance(Satz.left(Satz.indexOf(Kontakt::EMail)));
  ui->Label17->move(ui->Label10->x() + qRound(Versatz), ui->Label10->y());
  ui->Label17->setAutoFillBackground(true);
  // Die Hervorhebungsfarbe des Systems als Schriftfarbe: eine Systemrolle kann das Formular
  // nicht ausdruecken (seine Paletten halten feste Farben).
  for (QLabel* Label : {ui->Label17, ui->Eigentumsverwaltung}) {
    QPalette Farben = Label->palette();
    Farben.setColor(QPalette::WindowText, Farben.color(QPalette::Highlight));
    Label->setPalette(Farben);
  }
  // "Arial" gibt es unter Linux meist nur als Ersatzname: die massgleiche Liberation Sans vorn
  // erspart die Ersatzsuche in fontconfig beim ersten Zeichnen. Unter Windows Arial wie im
  // Formular, unter Wine (ohne Arial) Liberation Sans.
  QFont Hinweisschrift = ui->Label7->font();
#ifdef Q_OS_WIN
  Hinweisschrift.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
#else
  Hinweisschrift.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
#endif
  ui->Label7->setFont(Hinweisschrift);
}

void TForm1::EingabenVerbinden()
{
  for (QLineEdit* Feld : {ui->Personennummer, ui->Personenkontr, ui->Gueternummer1, ui->Gueternummer2,
                          ui->Gueternummer3, ui->Gueterkontr})
    Feld->setValidator(new TCp1252Pruefer(Feld));
  connect(ui->Personennummer, &QLineEdit::textChanged, this, &TForm1::PersonennummerChange);
  connect(ui->Gueternummer1, &QLineEdit::textChanged, this, &TForm1::Gueternummer1Change);
  connect(ui->Gueternummer2, &QLineEdit::textChanged, this, &TForm1::Gueternummer2Change);
  connect(ui->Gueternummer3, &QLineEdit::textChanged, this, &TForm1::Gueternummer3Change);
  connect(ui->Webseitebesuchen1, &QAction::triggered, this, &TForm1::Webseitebesuchen1Click);
  ui->Label17->installEventFilter(this);
  ui->StatusBar1->installEventFilter(this);
}

TForm1::~TForm1() = default;

void TForm1::FormCreate(const std::optional<std::filesystem::path>& Datei)
{
  auto [Geladen, Version] = Datei ? LadeStammdaten(*Datei) : LadeStammdaten();
  Stammdaten = std::move(Geladen);
  SetzeText(ui->Label8, ui->Label8->text() + AusCp1252(Version));
}

bool TForm1::eventFilter(QObject* Objekt, QEvent* Ereignis)
{
  if (Objekt == ui->Label17 && Ereignis->type() == QEvent::MouseButtonRelease) {
    const auto* Maus = static_cast<QMouseEvent*>(Ereignis);
    if (Maus->button() == Qt::LeftButton && ui->Label17->rect().contains(Maus->position().toPoint())) {
      Label17Click();
      return true;
    }
  }
  if (Objekt == ui->StatusBar1 && Ereignis->type() == QEvent::MouseButtonDblClick) {
    Webseitebesuchen1Click();
    return true;
  }
  return QMainWindow::eventFilter(Objekt, Ereignis);
}

void TForm1::PersonennummerChange()
{
  if (ui->Personennummer->text().size() != 11)
    return;
  ui->Gueternummer1->clear();
  ui->Gueternummer2->clear();
  ui->Gueternummer3->clear();
  ui->Gueterkontr->clear();
  ui->Gueterkontr->setToolTip({});
  PersonenPruefen();
}

void TForm1::Gueternummer1Change()
{
  Gueternummer3Change();
  if (ui->Gueternummer1->text().size() == 2)
    FokusNach(ui->Gueternummer2);
}

void TForm1::Gueternummer2Change()
{
  Gueternummer3Change();
  if (ui->Gueternummer2->text().size() == 2)
    FokusNach(ui->Gueternummer3);
}

void TForm1::Gueternummer3Change()
{
  if (ui->Gueternummer3->text().size() != 7 || ui->Gueternummer2->text().size() != 2 ||
      ui->Gueternummer1->text().size() != 2)
    return;
  ui->Personennummer->clear();
  ui->Personenkontr->clear();
  ui->Personenkontr->setToolTip({});
  GueterPruefen();
}

void TForm1::PersonenPruefen() { Pruefen(NachCp1252(ui->Personennummer->text()), ui->Personenkontr); }

void TForm1::GueterPruefen()
{
  Pruefen(NachCp1252(ui->Gueternummer1->text() + ui->Gueternummer2->text() + ui->Gueternummer3->text()),
          ui->Gueterkontr);
}

void TForm1::Pruefen(const std::string& Nummer, QLineEdit* Kontrolle)
{
  const TAnzeige Anzeige = WagenInfo(Stammdaten, Nummer);
  SetzeText(ui->Eigentumsmerkmal, AusCp1252(Anzeige.Eigentumsmerkmal));
  SetzeText(ui->Austauschverfahren, AusCp1252(Anzeige.Austauschverfahren));
  SetzeText(ui->Eigentumsverwaltung, AusCp1252(Anzeige.Eigentumsverwaltung));
  SetzeText(ui->Wagengattung, AusCp1252(Anzeige.Wagengattung));
  SetzeText(ui->Geschwindigkeit, AusCp1252(Anzeige.Geschwindigkeit));
  Kontrolle->setText(AusCp1252(Pruefziffer(Nummer)));
  // Rechenweg als Tooltip; <pre> fuer die Spalten, der Text selbst bleibt maskiert.
  Kontrolle->setToolTip(QStringLiteral("<pre>%1</pre>").arg(AusCp1252(Erklaerung(Nummer)).trimmed().toHtmlEscaped()));
}

// Wie ein Feld, das per Tab betreten wird: der Inhalt ist markiert, Tippen ersetzt ihn.
void TForm1::FokusNach(QLineEdit* Feld)
{
  Feld->setFocus();
  Feld->selectAll();
}

void TForm1::Label17Click()
{
  QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:%1?subject=%2").arg(Kontakt::EMail, Kontakt::MailBetreff)));
}

// Die Lage aus dem Entwurf passt auf kleine oder hoch skalierte Bildschirme nicht immer (bei
// 144 dpi auf 1280x800 laege die Statusleiste ausserhalb). Erst hier sind der Bildschirm und der
// Rahmen des Systems bekannt; das Fenster ist noch nicht zu sehen, es springt also nicht.
void TForm1::showEvent(QShowEvent* Ereignis)
{
  QMainWindow::showEvent(Ereignis);
  if (FEingepasst || !screen())
    return;
  FEingepasst = true;
  const QRect Rahmen = frameGeometry();
  const QRect Neu = Einpassen(Rahmen, screen()->availableGeometry());
  if (Neu == Rahmen)
    return;
  resize(size() - (Rahmen.size() - Neu.size()));
  move(Neu.topLeft());
}

void TForm1::Webseitebesuchen1Click() { QDesktopServices::openUrl(QUrl(Kontakt::Webadresse)); }
