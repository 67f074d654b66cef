#!/usr/bin/env python3
"""Writes the example data Velno ships in data/esempi/ (run from anywhere, same output each time):

  Velno-azioni-esempio          a portfolio of 16 Italian shares bought from 1997 to 1999, with
                                36 monthly quotation columns from 31/01/97 to 31/12/99 (lire up to
                                31/12/98, euro from 04/01/99), notes, dividends and plan notes
  Velno-bilancio-esempio-1999   the shares sold in 1999, in lire, as the balance window keeps them
  Velno-totali- 1996 .. 1998    the totals of three earlier years, for the multi-year panel

The files are in the layout Velno reads and writes: Windows-1252, CR LF, texts in double quotes.
"""

import calendar
import datetime
import math
import os
import random
import sys

CAMBIO = 1936.27
ULTIMO_LIRE = datetime.date(1998, 12, 31)


# ---- The comma-separated layout ------------------------------------------------------------

def testo(t):
    t = t.replace("\r\n", "\n").replace("\r", "\n").replace("\n", "\r\n")
    return '"' + t.replace('"', '""') + '"'


def cella(t):
    """A cell the user typed: quoted; one never typed: nothing between the commas."""
    return testo(t) if t != "" else ""


def numero(n):
    """A bare number as Velno writes one (15 significant digits, ".5" for a half)."""
    s = repr(float(n)) if not float(n).is_integer() else str(int(n))
    if s.startswith("0."):
        s = s[1:]
    elif s.startswith("-0."):
        s = "-" + s[2:]
    return s


def riga(*campi):
    return ",".join(campi) + "\r\n"


def scrivi(cartella, nome, righe):
    dati = "".join(righe).encode("cp1252")
    with open(os.path.join(cartella, nome), "wb") as f:
        f.write(dati)


# ---- Numbers as the balance keeps them ------------------------------------------------------

def testonumero(v):
    """A number as the balance stores it: "." decimal, no grouping, no trailing zeros."""
    t = "%.10f" % v
    if "." in t:
        t = t.rstrip("0").rstrip(".")
    return "0" if t == "-0" else t


def testopercento(p):
    return testonumero(p).replace(".", ",")


def scala(v):
    return float("%.15g" % (v * 10000)) / 10000


def percentuale(realizzato, pagato):
    return math.floor(100 * (100 * realizzato / pagato) + 0.5) / 100


def gg(d):
    return d.strftime("%d/%m/%y")


# ---- Quotation dates --------------------------------------------------------------------------

def ultimoferiale(anno, mese):
    d = datetime.date(anno, mese, calendar.monthrange(anno, mese)[1])
    while d.weekday() >= 5:
        d -= datetime.timedelta(days=1)
    return d


def datecolonne():
    date = []
    for anno in (1997, 1998, 1999):
        for mese in range(1, 13):
            if (anno, mese) == (1999, 1):
                # The first day of the euro: the ranking converts the lire of 31/12/98 there.
                date.append(datetime.date(1999, 1, 4))
            elif (anno, mese) == (1998, 12):
                date.append(ULTIMO_LIRE)
            else:
                date.append(ultimoferiale(anno, mese))
    return date


# ---- The holdings -------------------------------------------------------------------------

# name, quantity, purchase date, price in lire at the end of January 1997, monthly drift in
# 1997-98, monthly drift in 1999, notes, ex-dividend date, last dividend (lire).
TITOLI = [
    ("Eni", 1000, "14/01/97", 8300, 0.012, 0.008,
     "Titolo difensivo, da tenere nel lungo periodo.\r\nDividendo costante.", "24/05/99", "520"),
    ("Fiat", 1500, "22/01/97", 5600, -0.004, -0.025,
     "Mercato dell'auto debole: ridurre la posizione.", "21/06/99", "130"),
    ("Telecom Italia", 2000, "18/02/97", 5900, 0.030, 0.030,
     "Privatizzata nel 1997, OPA Olivetti nel 1999: molto volatile.", "21/06/99", "250"),
    ("Mediobanca", 500, "11/03/97", 8600, 0.022, -0.015,
     "", "22/11/99", "250"),
    ("Unicredito Italiano", 3000, "07/04/97", 4200, 0.028, 0.003,
     "Fusione Credito Italiano - Rolo: seguire le sinergie.", "", ""),
    ("Mediaset", 1500, "21/05/97", 6900, 0.020, 0.045,
     "Pubblicità in crescita; vendere a tranche sopra 8 euro.", "", ""),
    ("Alleanza Assicurazioni", 400, "16/07/97", 15200, 0.018, -0.004,
     "", "24/05/99", "180"),
    ("Pirelli e C.", 2500, "24/10/97", 5300, -0.002, -0.015,
     "Cavi e pneumatici: attendere il piano industriale.", "", ""),
    ("Autostrade", 1200, "12/02/98", 10600, 0.012, -0.002,
     "Concessionaria, flussi di cassa stabili.", "21/06/99", "220"),
    ("Bulgari", 800, "19/05/98", 8300, 0.010, 0.030,
     "", "", ""),
    ("Parmalat", 4000, "09/09/98", 3300, -0.010, -0.020,
     "Debiti in aumento: vendere metà se scende sotto 0,80 euro.", "", ""),
    ("Generali Ass.", 200, "14/09/98", 31500, 0.020, 0.004,
     "Assicurativo di riferimento. Acquistato dopo la semestrale.", "24/05/99", "330"),
    ("Luxottica Group", 300, "18/02/99", 23400, 0.020, 0.025,
     "Occhiali, forte presenza negli Stati Uniti.", "24/05/99", "140"),
    ("Italcementi", 600, "06/05/99", 26000, 0.010, -0.018,
     "", "", ""),
    ("Mediolanum", 1000, "17/06/99", 9200, 0.024, 0.030,
     "Risparmio gestito in forte crescita.", "", ""),
    ("Enel", 2000, "02/11/99", 8200, 0.0, 0.004,
     "Comprato al collocamento a 4,30 euro.", "", ""),
]


def mercato(d):
    """The whole market's mood: the fall of summer 1998 and the recovery after it."""
    if d < datetime.date(1998, 7, 15):
        return 1.0
    if d < datetime.date(1998, 10, 15):
        giorni = (d - datetime.date(1998, 7, 15)).days
        return 1.0 - 0.25 * min(giorni, 70) / 70
    giorni = (d - datetime.date(1998, 10, 15)).days
    return 0.75 + 0.22 * min(giorni, 120) / 120


def arrotondalire(v):
    passo = 5 if v < 10000 else 10
    return int(math.floor(v / passo + 0.5)) * passo


def arrotondaeuro(v):
    return round(v, 3) if v < 10 else round(v, 2)


def testoeuro(v):
    cifre = 3 if v < 10 else 2
    return ("%.*f" % (cifre, v)).rstrip("0").rstrip(".")


def serie(caso, base, crescita97, crescita99, date):
    """The quotation of one holding at every column, in lire (rounded later)."""
    livello = float(base)
    valori = []
    for d in date:
        valori.append(livello * mercato(d))
        crescita = crescita99 if d.year >= 1999 else crescita97
        livello *= 1 + crescita + caso.uniform(-0.045, 0.045)
    return valori


def portafoglio(date):
    caso = random.Random(1936)
    titoli = []
    for (nome, quantita, acquisto, base, c97, c99, note, stacco, dividendo) in TITOLI:
        giorno = datetime.datetime.strptime(acquisto, "%d/%m/%y").date()
        valori = serie(caso, base, c97, c99, date)
        quotazioni = []
        for d, v in zip(date, valori):
            if d < giorno:
                quotazioni.append("")
            elif d <= ULTIMO_LIRE:
                quotazioni.append(str(arrotondalire(v)))
            else:
                quotazioni.append(testoeuro(arrotondaeuro(v / CAMBIO)))
        # Bought near the first column after the purchase, a little cheaper or dearer.
        k = next(i for i, d in enumerate(date) if d >= giorno)
        prezzo = valori[k] * (1 + caso.uniform(-0.03, 0.03))
        if nome == "Enel":
            testoprezzo = "4.3"
        elif giorno <= ULTIMO_LIRE:
            testoprezzo = str(arrotondalire(prezzo))
        else:
            testoprezzo = testoeuro(arrotondaeuro(prezzo / CAMBIO))
        titoli.append(dict(nome=nome, quantita=str(quantita), prezzo=testoprezzo, acquisto=acquisto,
                           note=note, stacco=stacco, dividendo=dividendo, quotazioni=quotazioni))
    return titoli


STRATEGIA = "Esempio: azioni italiane dal 1997. Nessun titolo oltre il 15%; liquidità per le occasioni."

PIANO = [
    "Anno 1999: arriva l'euro. Ridurre auto e alimentari, aumentare telecomunicazioni e media; "
    "realizzare una parte dei guadagni del 1997-98 senza scendere sotto i 15 titoli.",
    "Dal 4 gennaio le quotazioni sono in euro: controllare la conversione delle prime colonne.",
    "Alleggerire Fiat dopo i conti dell'anno; tenere le Generali.",
    "Vendere una parte delle Mediaset se il rialzo continua.",
    "Valutare l'offerta Olivetti su Telecom Italia prima di decidere.",
    "Incassare i dividendi di maggio (Eni, Generali, Alleanza) e reinvestirli.",
    "Parmalat continua a scendere: vendere metà della posizione. Entrare in Mediolanum.",
    "Liquidare le azioni gratuite Generali ricevute nel 1998.",
    "Borsa fiacca: alleggerire Mediobanca se resta sotto i 6 euro.",
    "Prendere profitto su Unicredito dopo il rialzo estivo.",
    "Pirelli non riparte: vendere 1000 azioni e attendere il piano industriale.",
    "Collocamento Enel: prenotare 2000 azioni. Vendere altre 500 Mediaset.",
    "Bilancio dell'anno, totali nel bilancio pluriennale e piano per il 2000.",
]


def scriviportafoglio(cartella, date, titoli):
    righe = [riga(numero(len(titoli)), testo(STRATEGIA), numero(len(date)))]
    for t in titoli:
        righe.append(riga(cella(t["nome"]), cella(t["quantita"]), cella(t["prezzo"]), cella(t["acquisto"]),
                          cella(t["note"]), cella(t["stacco"]), cella(t["dividendo"])))
        righe.extend(riga(cella(q)) for q in t["quotazioni"])
    righe.extend(riga(cella(gg(d))) for d in date)
    righe.extend(riga(cella(n)) for n in PIANO)
    scrivi(cartella, "Velno-azioni-esempio", righe)


# ---- The balance of 1999 -----------------------------------------------------------------------

# Name, sale date, shares sold, sale price in lire as typed. The holding's data are copied as
# the balance window copies them when the stock is chosen from its list.
VENDITE = [
    ("Fiat", "12/02/99", "500"),
    ("Mediaset", "23/03/99", "500"),
    ("Telecom Italia", "19/04/99", "1000"),
    ("Generali Ass.", "14/05/99", "50"),
    ("Eni", "28/05/99", "300"),
    ("Parmalat", "10/06/99", "2000"),
    (None, "21/07/99", "40"),   # the free shares, no longer held
    ("Mediobanca", "26/08/99", "200"),
    ("Unicredito Italiano", "20/09/99", "1000"),
    ("Pirelli e C.", "15/10/99", "1000"),
    ("Mediaset", "22/11/99", "500"),
    ("Luxottica Group", "13/12/99", "100"),
]

GRATUITE = dict(nome="Generali Ass. gratuite", acquisto="16/11/98", quantita="40", prezzo0=0.0,
                note="Azioni assegnate gratuitamente agli azionisti Generali.")


def prezzoacquistolire(t):
    prezzo = float(t["prezzo"])
    giorno = datetime.datetime.strptime(t["acquisto"], "%d/%m/%y").date()
    if giorno > ULTIMO_LIRE:
        prezzo = math.floor(prezzo * CAMBIO + 0.5)
    return prezzo


def prezzovendita(t, data, date):
    """The lire price of a sale: the quotation of the nearest earlier column, moved a little."""
    giorno = datetime.datetime.strptime(data, "%d/%m/%y").date()
    k = max(i for i, d in enumerate(date) if d <= giorno)
    q = float(t["quotazioni"][k])
    if date[k] > ULTIMO_LIRE:
        q *= CAMBIO
    return arrotondalire(q * 1.01)


def scrivibilancio(cartella, date, titoli):
    pernome = {t["nome"]: t for t in titoli}
    righe = [riga(numero(len(VENDITE)))]
    totpagato = totguadagno = 0.0
    for nome, data, vendute in VENDITE:
        if nome is None:
            t = GRATUITE
            prezzo0, nacq, note, nome = t["prezzo0"], t["quantita"], t["note"], t["nome"]
            vendita = prezzovendita(pernome["Generali Ass."], data, date)
        else:
            t = pernome[nome]
            prezzo0, nacq, note = prezzoacquistolire(t), t["quantita"], t["note"]
            vendita = prezzovendita(t, data, date)
        n = float(vendute)
        acquisto = scala(prezzo0)
        pagato = scala(acquisto * n)
        realizzato = scala((scala(vendita) - acquisto) * n)
        percento = testopercento(percentuale(realizzato, pagato)) if pagato != 0 and realizzato != 0 else ""
        if acquisto != 0:
            totpagato += scala(acquisto * n)
        totguadagno += scala((scala(vendita) - acquisto) * n)
        righe.append(riga(cella(nome), cella(t["acquisto"]), cella(nacq), numero(prezzo0), cella(data),
                          cella(vendute), cella(str(vendita)), cella(testonumero(pagato)),
                          cella(testonumero(realizzato)), cella(percento), cella(note)))
    scrivi(cartella, "Velno-bilancio-esempio-1999", righe)
    return scala(totpagato), scala(totguadagno)


# ---- The totals of earlier years --------------------------------------------------------------

TOTALI = {1996: (14350000, 912500), 1997: (28740000, 6185000), 1998: (41260000, 7842000)}


def scrivitotali(cartella):
    for anno, (pagato, guadagno) in TOTALI.items():
        media = testopercento(math.floor(guadagno / pagato * 10000 + 0.5) / 100)
        scrivi(cartella, "Velno-totali- %d" % anno,
               [riga(testo(testonumero(pagato)), testo(testonumero(guadagno)), testo(media))])


def main():
    radice = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    cartella = sys.argv[1] if len(sys.argv) > 1 else os.path.join(radice, "data", "esempi")
    os.makedirs(cartella, exist_ok=True)
    date = datecolonne()
    titoli = portafoglio(date)
    scriviportafoglio(cartella, date, titoli)
    pagato, guadagno = scrivibilancio(cartella, date, titoli)
    scrivitotali(cartella)
    print("%s: %d titoli, %d colonne, %d vendite (1999: pagato %s, guadagno %s lire)"
          % (cartella, len(titoli), len(date), len(VENDITE), testonumero(pagato), testonumero(guadagno)))


if __name__ == "__main__":
    main()
