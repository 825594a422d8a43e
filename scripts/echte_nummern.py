"""Zwoelfstellige Nummern in echten Anschriften finden, fuer scripts/rangfolge und
scripts/haeufigkeiten: unabhaengig vom Leser des Programms, damit sie ihn messen koennen."""
import re

# Zifferngruppen, getrennt durch Leerzeichen, Punkt, Binde- oder Halbgeviertstrich
GRUPPE = re.compile(r"(?<![\w])\d+(?:(?:\s*[-\u2013.]\s*|\s+)\d+)*(?![\w])")


def pruefziffer(elf):
    summe = 0
    for i, z in enumerate(reversed(elf)):
        p = int(z) * (2 if i % 2 == 0 else 1)
        summe += p // 10 + p % 10
    return str((10 - summe % 10) % 10)


def gueltige_nummern(text):
    """Jede Folge von 12 Ziffern in einer Zifferngruppe des Texts, deren Pruefziffer stimmt."""
    for m in GRUPPE.finditer(text):
        ziffern = re.sub(r"\D", "", m.group())
        for anfang in range(len(ziffern) - 11):
            teil = ziffern[anfang:anfang + 12]
            if pruefziffer(teil[:11]) == teil[11]:
                yield teil
