#pragma once

// Auszuege aus daten/Wagen.ebb und daten/Kennzeichen.ebb (UTF-8; der Leser setzt um): so
// haengen die Tests der Anschrift, der Triebfahrzeuge und der Vorschlaege nicht am Umfang der
// ausgelieferten Daten, nur an ihren Regeln.

#include "kennzeichen/kennzeichen.h"
#include "nummer/stammdaten.h"

inline constexpr const char* KleineWagenEbb = R"([Version]
Version=klein
[Wagentyp]
0=G
1=G
2=G
3=G
4=G
5=R
6=R
7=R
8=G
9=T
[Austausch]
21=TEN/COTIF, Einzelradsätze, feste Spurweite; bis 2005: RIV, Bahnwagen
31=TEN/COTIF, Drehgestelle, feste Spurweite; bis 2005: RIV, Bahnwagen
37=TEN/COTIF, Drehgestelle, feste Spurweite
50=Reisezugwagen, nur Inland (international nach Vereinbarung)
90=Triebfahrzeug: sonstiges (z. B. Dampflok)
91=Triebfahrzeug: Elektrolokomotive
92=Triebfahrzeug: Diesellokomotive
93=Triebfahrzeug: elektrischer Hochgeschwindigkeitstriebzug
94=Triebfahrzeug: elektrischer Triebzug oder Triebwagen
99=Sonderfahrzeug (z. B. Bahndienstfahrzeug)
[Bahnen]
51=Polen (PKP)
54=Tschechien (bis 2005: Staatsbahn der Tschechoslowakei bzw. Tschechiens)
74=Schweden (bis 2005: SJ)
80=Deutschland (bis 2005: Deutsche Bundesbahn / DB AG)
81=Österreich (bis 2005: ÖBB)
83=Italien (bis 2005: FS)
85=Schweiz (bis 2005: SBB)
[Wagengattung]
20=2. Klasse (B)
02=Post- oder Privatwagen
82=2. Klasse mit Gepäckraum (BD)
181x=Gabs – gedeckter Wagen, Regelbauart; vierachsig, Großraum, bis 100 km/h
3523=Rnoos – Drehgestell-Flachwagen, Regelbauart; höhere Lastgrenze, hohe feste Stirnwände, bis 100 km/h
533x=Eaos – offener Wagen, Regelbauart (kippbarer Hochbordwagen); vierachsig, nicht stirnkippbar, bis 100 km/h
5376=Eanos – offener Wagen, Regelbauart (kippbarer Hochbordwagen); vierachsig, höhere Lastgrenze, bis 100 km/h
5377=Eanos – offener Wagen, Regelbauart (kippbarer Hochbordwagen); vierachsig, höhere Lastgrenze, bis 100 km/h
665x=Fals – offener Wagen, Sonderbauart (Schüttgut, Selbstentladung); vierachsig, hoch, bis 100 km/h
7830=Zacns – Kesselwagen; vierachsig, Druckentleerung, höhere Lastgrenze, bis 100 km/h
7931=Zacens – Kesselwagen; vierachsig, Druckentleerung, mit Heizung, höhere Lastgrenze, bis 100 km/h
9960=Uaai – Sonderwagen; sechs oder mehr Radsätze, Tieflader für Übermaß
)";

inline constexpr const char* KleineKennzeichenEbb = R"([Version]
Version=ERA-Halterliste 168 vom 6. März 2024
[Laender]
51=PL;Polen
54=CZ;Tschechien
74=S;Schweden
80=D;Deutschland
81=A;Österreich
83=I;Italien
85=CH;Schweiz
[Austausch]
21=ja;Einzelradsaetze;
31=ja;Drehgestelle;
37=ja;Drehgestelle;
50=ja;;
51=ja;;
90=ja;;sonstiges (z. B. Dampflok)
91=ja;;Elektrolokomotive
92=ja;;Diesellokomotive
93=ja;;elektrischer Hochgeschwindigkeitstriebzug
94=ja;;elektrischer Triebzug oder Triebwagen
99=ja;;
[Kategorie]
0=T;Wagen mit öffnungsfähigem Dach;hoch
1=G;gedeckter Wagen in Regelbauart;hoch
35=R;Drehgestell-Flachwagen in Regelbauart;hoch
5=E;offener Wagen in Regelbauart;hoch
6=F;offener Wagen in Sonderbauart;hoch
7=Z;Kesselwagen;hoch
9=U;Sonderwagen;hoch
[Gattungszeichen]
1814=Gabs
3523=Rnoos
5330=Eaos
5376=Eanos
5377=Eanos
6652=Fals
7830=Zacns
7931=Zacens
9960=Uaai
[Triebfahrzeuge]
80-90=2;6-8;Baureihe;hoch
80-91=6;6-8;Baureihe;hoch
80-92=1;6-8;Baureihe;hoch
80-9x=;5-8;Baureihe;mittel
81-9x=;5-8;Reihe;mittel
85-91=4;6-8;Baureihe;hoch
85-94=;6-8;Baureihe;mittel
54-92=2;6-8;Baureihe;hoch
54-94=1;6-8;Baureihe;hoch
83-9x=;6-8;Gruppo;hoch
74-9x=;;;niedrig
[Nationale Nummern]
80-1-6=91
81-1-7=91
85-4-6=91
54-4-6=94
54-7-6=92
[Baureihennamen]
85-91-460=Re 460
85-94-511=RABe 511
80-91-446=446;0
[Reisezugwagen]
20=B
29=B
59=Bc
82=BD
[Radsaetze]
E=Einzelradsaetze;Drehgestelle
F=Einzelradsaetze;Drehgestelle
R=Drehgestelle;Drehgestelle
[Halter]
CD=CZ;Ceské dráhy, a.s.;in Gebrauch;CD
DB=D;Deutsche Bahn / DB AG;in Gebrauch;DB
DISPO=D;Beacon Rail Capital Europe GmbH;in Gebrauch;DISPO
FGL=I;FAGIOLI S.p.A;in Gebrauch;FGL
GBXEU=NL;GREENBRIER Leasing Europe B.V.;in Gebrauch;GBXEU
MIR=I;Mercitalia Rail S.r.l.;in Gebrauch;MIR
OBB=A;Österreichische Bundesbahnen;in Gebrauch;ÖBB
PKPC=PL;PKP CARGO Spólka Akcyjna;in Gebrauch;PKPC
RCW=A;Rail Cargo Austria AG;in Gebrauch;RCW
VTGCH=CH;VTG Schweiz GmbH;in Gebrauch;VTGCH
[Haeufigkeit]
Gesamt=10
12/31=8
12/37=1
58/5377=5
)";

inline const TStammdaten& KleineStammdaten()
{
  static const TStammdaten Stammdaten = LadeStammdatenAusText(KleineWagenEbb).Stammdaten;
  return Stammdaten;
}

inline const TKennzeichen& KleineKennzeichen()
{
  static const TKennzeichen Kennzeichen = LadeKennzeichenAusText(KleineKennzeichenEbb);
  return Kennzeichen;
}
