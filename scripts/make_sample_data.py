#!/usr/bin/env python3
# -*- coding: utf-8 -*-
"""Writes the sample databases, their lookup lists and their pictures below data/.

    python3 scripts/make_sample_data.py            write everything, then check it
    python3 scripts/make_sample_data.py --check    only check what is there
    python3 scripts/make_sample_data.py --no-pictures
                                                   write the text files only

Every text file is ISO 8859-1 with CR LF after every line (the last one too).
The output depends on nothing but this file: a fixed random seed drives the
few generated values (serial numbers, some dates), so two runs give the same
bytes.  The pictures are drawn with ImageMagick's `convert`.

Four editions, three languages (dk, no, en):

    Tovik   (home contents)  data/db/DemoDBStd/TovikStdDemoDatabase.<lang>.db
    Pellin  (images)         data/db/DemoDBFilm/FilmDB.<lang>.db
    Ostrel  (coins)          data/db/DemoDBCoins/DemoDBCoins.<lang>.txt
    Brevane (inventory)      data/db/DemoBrevane/DemoBrevane.<lang>.db

Below each folder: groups/, location/, supplier/, fields/ with one list file
per language, billeder/ with the pictures the items link to and dokumenter/
with their documents (one-page PDFs written here, no tool needed).  The home
contents groups and rooms are also written to data/group/ and data/location/,
the lists the program falls back on in its working directory.
"""

import argparse
import datetime
import os
import random
import re
import shutil
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DATA = os.path.join(ROOT, "data")
LANGS = ("dk", "no", "en")
SEED = 18750527

MAX_TEXT = 199
MAX_PICTURE_BYTES = 40 * 1024
MAX_DATA_BYTES = 1536 * 1024

HEADERS = {
    "TVK": "#2.5.5 (TVK)- Format: group;name;product;price;priceToday;date;supplier;serialno;"
           "description;address;photolink;number_of_items;location;www;receipt;document;producttype;",
    "BRV": "#2.5.5 (BRV)- Format: type;name;product;price;priceToday;date;supplier;serialno;"
           "description;address;photolink;number_of_items;location;www;receipt;document;producttype;",
    "OSR": "#2.5.5 (OSR)- Format: type;year;mat;price;priceToday;date;catalog;catalogNo;"
           "description;quality;picture1;count;crown;www;picture2;document;producttype;",
    "PLN": "#2.5.4 (PLN)- Format: type;name;model;price;priceToday;date;supplier;serialno;"
           "description;address;photolink;number_of_items;location;www;receipt;document;;",
}

# Folder (relative to data/), database file name pattern, header tag.
EDITIONS = {
    "Tovik": ("db/DemoDBStd", "TovikStdDemoDatabase.%s.db", "TVK"),
    "Pellin": ("db/DemoDBFilm", "FilmDB.%s.db", "PLN"),
    "Ostrel": ("db/DemoDBCoins", "DemoDBCoins.%s.txt", "OSR"),
    "Brevane": ("db/DemoBrevane", "DemoBrevane.%s.db", "BRV"),
}


# ---------------------------------------------------------------------------
# Small helpers
# ---------------------------------------------------------------------------

def L(dk, no=None, en=None):
    """A text in the three languages; a missing one repeats the Danish text."""
    return {"dk": dk, "no": dk if no is None else no, "en": dk if en is None else en}


def pick(value, lang):
    if isinstance(value, dict):
        return value[lang]
    return value


def write_text_file(path, lines):
    """One entry a line, ISO 8859-1, CR LF after every line."""
    data = "".join(line + "\r\n" for line in lines).encode("latin-1")
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def fmt_price(value):
    return "%.6f" % value


# Rough exchange rates from Danish kroner; shop prices are rounded the way
# shops in each country price things, valuations to a sensible step.
NOK_PER_DKK = 1.5
GBP_PER_DKK = 0.115


def shop_price(dkk, lang):
    if lang == "dk" or dkk == 0:
        return float(dkk)
    if lang == "no":
        x = dkk * NOK_PER_DKK
        if x < 20:
            return float(round(x))
        if x < 100:
            return float(round(x / 10.0) * 10 - 1)
        if x < 1000:
            return float(round(x / 10.0) * 10 - 1)
        return float(round(x / 100.0) * 100 - 10)
    x = dkk * GBP_PER_DKK
    if x < 1:
        return round(x, 2)
    if x < 100:
        return round(max(1, round(x)) - 0.01, 2)
    if x < 1000:
        return float(round(x / 10.0) * 10 - 1)
    return float(round(x / 50.0) * 50 - 1)


def value_price(dkk, lang):
    if lang == "dk" or dkk == 0:
        return float(dkk)
    x = dkk * (NOK_PER_DKK if lang == "no" else GBP_PER_DKK)
    if lang == "no":
        step = 1 if x < 100 else 10 if x < 1000 else 100 if x < 10000 else 500
    else:
        step = 0.5 if x < 10 else 1 if x < 100 else 5 if x < 1000 else 50
    v = round(x / step) * step
    if v == 0:
        v = step
    return float(round(v, 2))


def cost_price(dkk, lang):
    """Wholesale cost prices keep their decimals."""
    if lang == "dk":
        return float(dkk)
    if lang == "no":
        return round(dkk * NOK_PER_DKK * 2) / 2.0
    return round(dkk * GBP_PER_DKK, 2)


def money(value, lang, kind):
    """value: Danish kroner (converted), or an explicit L(...) per language."""
    if isinstance(value, dict):
        return float(value[lang])
    if kind == "shop":
        return shop_price(value, lang)
    if kind == "value":
        return value_price(value, lang)
    return cost_price(value, lang)


def make_serial(rng, pattern):
    """'#' a digit, 'A' an upper-case letter, '?' a digit or letter, anything else as it is."""
    out = []
    for ch in pattern:
        if ch == "#":
            out.append(rng.choice("0123456789"))
        elif ch == "A":
            out.append(rng.choice("ABCDEFGHJKLMNPRSTUVWXYZ"))
        elif ch == "?":
            out.append(rng.choice("0123456789ABCDEFGHJKLMNPRSTUVWXYZ"))
        else:
            out.append(ch)
    return "".join(out)


class Rec:
    """One item line: the 17 stored fields in file order."""
    FIELDS = ("group", "name", "product", "price", "priceToday", "date", "supplier", "serialno",
              "description", "address", "photolink", "number_of_items", "location", "www",
              "receipt", "document", "producttype")

    def __init__(self, **kw):
        self.group = 0
        self.name = ""
        self.product = ""
        self.price = 0.0
        self.priceToday = 0.0
        self.date = ""
        self.supplier = ""
        self.serialno = ""
        self.description = ""
        self.address = ""
        self.photolink = ""
        self.number_of_items = 1
        self.location = 0
        self.www = ""
        self.receipt = ""
        self.document = ""
        self.producttype = ""
        for k, v in kw.items():
            if k not in self.FIELDS:
                raise KeyError(k)
            setattr(self, k, v)

    def line(self):
        parts = []
        for name in self.FIELDS:
            v = getattr(self, name)
            if name in ("price", "priceToday"):
                parts.append(fmt_price(v))
            elif name in ("group", "number_of_items", "location"):
                parts.append("%d" % v)
            else:
                if v is None:
                    v = ""
                if ";" in v or "\r" in v or "\n" in v:
                    raise ValueError("forbidden character in %s: %r" % (name, v))
                if len(v) > MAX_TEXT:
                    raise ValueError("%s longer than %d characters: %r" % (name, MAX_TEXT, v))
                v.encode("latin-1")
                parts.append(v)
        return "".join(p + ";" for p in parts)


def write_database(edition, lang, records, groups, locations):
    folder, pattern, tag = EDITIONS[edition]
    for r in records:
        if not 0 <= r.group < len(groups):
            raise ValueError("%s/%s: group %d outside the list (%s)" % (edition, lang, r.group, r.name))
        if not 0 <= r.location < len(locations):
            raise ValueError("%s/%s: location %d outside the list (%s)" % (edition, lang, r.location, r.name))
    ordered = sorted(records, key=lambda r: r.group)  # stable
    lines = [HEADERS[tag]] + [r.line() for r in ordered]
    write_text_file(os.path.join(DATA, folder, pattern % lang), lines)


def write_lists(edition, lang, groups, locations, suppliers, fields):
    folder = os.path.join(DATA, EDITIONS[edition][0])
    for name, entries, lo, hi in (("groups/groups", groups, 8, 14),
                                  ("location/location", locations, 8, 12),
                                  ("supplier/supplier", suppliers, 10, 15),
                                  ("fields/fields", fields, 17, 17)):
        if not lo <= len(entries) <= hi:
            raise ValueError("%s %s.%s: %d entries" % (edition, name, lang, len(entries)))
        if len(set(entries)) != len(entries):
            raise ValueError("%s %s.%s: duplicate entries" % (edition, name, lang))
        write_text_file(os.path.join(folder, "%s.%s.txt" % (name, lang)), entries)


def picture_path(edition, file_name):
    """Path stored in the database: relative to the installation directory."""
    return "%s/billeder/%s" % (EDITIONS[edition][0], file_name)


def check_fields(edition, lang, fields):
    if len(fields) != 17:
        raise ValueError("%s fields.%s: %d captions" % (edition, lang, len(fields)))
    marked = [c for f in fields for c in re.findall(r"&(.)", f)]
    if len(marked) != len(set(x.lower() for x in marked)):
        raise ValueError("%s fields.%s: a shortcut letter is used twice" % (edition, lang))
    if "COLUMN" in fields[15].upper() or "#" in fields[15] or "FIELD" in fields[16].upper():
        raise ValueError("%s fields.%s: captions 15/16 not allowed" % (edition, lang))
    for f in fields:
        n = len(f.replace("&", ""))
        if not 3 <= n <= 16:
            raise ValueError("%s fields.%s: caption length %r" % (edition, lang, f))


# ---------------------------------------------------------------------------
# Tovik: the contents of a home (Danish home near Copenhagen, Norwegian home
# in Bærum, British home in Kingston upon Thames)
# ---------------------------------------------------------------------------

TOVIK_GROUPS = {
    "dk": ["Møbler", "Hvidevarer", "Elektronik", "Computer og mobil", "Smykker og ure",
           "Kunst og design", "Tøj og tasker", "Sport og fritid", "Værktøj og have",
           "Bøger og musik", "Køkkenudstyr", "Diverse"],
    "no": ["Møbler", "Hvitevarer", "Elektronikk", "Data og mobil", "Smykker og klokker",
           "Kunst og design", "Klær og vesker", "Sport og fritid", "Verktøy og hage",
           "Bøker og musikk", "Kjøkkenutstyr", "Diverse"],
    "en": ["Furniture", "Appliances", "Electronics", "Computers and phones", "Jewellery and watches",
           "Art and design", "Clothes and bags", "Sport and leisure", "Tools and garden",
           "Books and music", "Kitchenware", "Miscellaneous"],
}

TOVIK_ROOMS = {
    "dk": ["Stue", "Køkken", "Soveværelse", "Børneværelse", "Badeværelse", "Entré", "Kontor",
           "Kælder", "Garage", "Have", "Bryggers"],
    "no": ["Stue", "Kjøkken", "Soverom", "Barnerom", "Bad", "Gang", "Kontor",
           "Kjeller", "Garasje", "Hage", "Vaskerom"],
    "en": ["Living room", "Kitchen", "Bedroom", "Children's room", "Bathroom", "Hall", "Study",
           "Cellar", "Garage", "Garden", "Utility room"],
}

# key: (name dk, no, en), (address dk, no, en)
TOVIK_SHOPS = [
    ("elec1", ("Elgiganten", "Elkjøp", "Currys"),
     ("Lyngby Storcenter, 2800 Kgs. Lyngby", "Sandvika Storsenter, 1338 Sandvika", "Eden Walk, Kingston upon Thames")),
    ("elec2", ("Power", "Power", "Argos"),
     ("Field's, 2300 København S", "Storo Storsenter, 0485 Oslo", "High Street, Sutton")),
    ("ikea", ("IKEA", "IKEA", "IKEA"),
     ("Gentofte, 2820 Gentofte", "Slependen, 1396 Billingstad", "Valley Park, Croydon")),
    ("dept1", ("Illum", "Steen & Strøm", "John Lewis"),
     ("Østergade 52, 1100 København K", "Nedre Slottsgate 8, 0157 Oslo", "Wood Street, Kingston upon Thames")),
    ("dept2", ("Magasin", "Glasmagasinet", "Selfridges"),
     ("Kongens Nytorv 13, 1095 København K", "Stortorvet 9, 0155 Oslo", "400 Oxford Street, London")),
    ("hyper", ("Bilka", "Obs", "Tesco"),
     ("Ishøj Storcenter, 2635 Ishøj", "Lillestrøm, 2000 Lillestrøm", "Burlington Road, New Malden")),
    ("super", ("Føtex", "Coop Mega", "Marks & Spencer"),
     ("Lyngby Hovedgade, 2800 Kgs. Lyngby", "Bekkestua, 1357 Bekkestua", "Clarence Street, Kingston upon Thames")),
    ("tools", ("Harald Nyborg", "Jula", "Screwfix"),
     ("Glostrup, 2600 Glostrup", "Lørenskog, 1470 Lørenskog", "Sutton, Surrey")),
    ("diy", ("Bauhaus", "Maxbo", "B&Q"),
     ("Gladsaxe, 2860 Søborg", "Sandvika, 1337 Sandvika", "New Malden, Surrey")),
    ("kitchen", ("Imerco", "Tilbords", "Lakeland"),
     ("Lyngby Storcenter, 2800 Kgs. Lyngby", "Sandvika Storsenter, 1338 Sandvika", "Bentall Centre, Kingston upon Thames")),
    ("hifi", ("Hifi Klubben", "Hifiklubben", "Richer Sounds"),
     ("Lyngby Hovedgade, 2800 Kgs. Lyngby", "Storgata, 0184 Oslo", "Fife Road, Kingston upon Thames")),
    ("sport", ("Sportmaster", "XXL", "Decathlon"),
     ("Lyngby Storcenter, 2800 Kgs. Lyngby", "Sandvika, 1337 Sandvika", "Surrey Quays, London")),
    ("books", ("Bog & idé", "Norli", "Waterstones"),
     ("Lyngby Storcenter, 2800 Kgs. Lyngby", "Sandvika Storsenter, 1338 Sandvika", "Thames Street, Kingston upon Thames")),
    ("furn", ("ILVA", "Skeidar", "Furniture Village"),
     ("Glostrup, 2600 Glostrup", "Sandvika, 1337 Sandvika", "Kingston upon Thames")),
    ("apple", ("Humac", "Eplehuset", "Apple Store"),
     ("Lyngby Storcenter, 2800 Kgs. Lyngby", "Oslo City, 0181 Oslo", "Bentall Centre, Kingston upon Thames")),
]
TOVIK_SHOP = {key: (names, addrs) for key, names, addrs in TOVIK_SHOPS}

TOVIK_FIELDS = {
    "dk": ["Gruppe", "&Navn", "Fabrikat", "Antal", "Pris", "Vurd.", "Billede", "Dato", "Rum",
           "Beskrivelse", "Leverandør", "Adresse", "Serie no.", "Www", "Kvitt.", "Dok.", "Produkt model"],
    "no": ["Gruppe", "&Navn", "Fabrikat", "Antall", "Pris", "Verdi", "Bilde", "Dato", "Rom",
           "Beskrivelse", "Leverandør", "Adresse", "Serienr.", "Www", "Kvittering", "Dok.", "Produktmodell"],
    "en": ["Group", "&Name", "Make", "Qty", "Price", "Value", "Picture", "Date", "Room",
           "Description", "Supplier", "Address", "Serial no.", "Web", "Receipt", "Doc.", "Model"],
}

MIELE = L("https://www.miele.dk", "https://www.miele.no", "https://www.miele.co.uk")
APPLE = L("https://www.apple.com/dk/", "https://www.apple.com/no/", "https://www.apple.com/uk/")


def T(group, room, name, make, model, price, today, date, sup, serial=None, desc=None,
      count=1, www="", photo="", receipt=""):
    return dict(group=group, room=room, name=name, make=make, model=model, price=price,
                today=today, date=date, sup=sup, serial=serial, desc=desc, count=count,
                www=www, photo=photo, receipt=receipt)


TOVIK_ITEMS = [
    # 0 furniture
    T(0, 0, L("3-personers sofa", "Tremannssofa", "Three-seater sofa"),
      L("Eilersen", "Ekornes", "Parker Knoll"), L("Streamline", "Stressless Emily", "Hampton"),
      L(18995, 29990, 1899), L(9000, 15000, 950), "14.03.2019", "furn",
      desc=L("Grå uld, chaiselong i venstre side", "Grå ull, sjeselong på venstre side",
             "Grey wool, chaise end on the left"),
      photo="sofa.jpg", receipt="sofa"),
    T(0, 1, L("Spisebordsstol", "Spisestol", "Dining chair"),
      "Fritz Hansen", L("Syveren 3107", "Syveren 3107", "Series 7 3107"),
      3495, 2200, "02.11.2008", "dept1", count=6,
      desc=L("Sort bøgefiner, sæt med 6 stole", "Svart bøkefinér, sett med 6 stoler",
             "Black beech veneer, set of six"),
      www="https://www.fritzhansen.com"),
    T(0, 0, L("Lænestol", "Lenestol", "Armchair"),
      "Fritz Hansen", L("Svanen", "Svanen", "The Swan"),
      29995, 21000, "24.12.2015", "dept2",
      desc=L("Cognac læder, julegave til os selv", "Konjakkfarget skinn, julegave til oss selv",
             "Cognac leather, a Christmas present to ourselves"),
      www="https://www.fritzhansen.com"),
    T(0, 2, L("Dobbeltseng 180x200", "Dobbeltseng 180x200", "King-size bed"),
      L("Dunlopillo", "Jensen", "Hypnos"), L("Boxmadras Premium", "Supreme Ambassador", "Orthos Pillow Top"),
      L(24995, 34990, 2799), L(16000, 22000, 1800), "10.06.2021", "furn",
      desc=L("Med topmadras i latex", "Med overmadrass i lateks", "With latex topper")),
    T(0, 2, L("Kommode", "Kommode", "Chest of drawers"),
      "IKEA", L("MALM, 6 skuffer", "MALM, 6 skuffer", "MALM, 6 drawers"),
      1199, 400, "05.08.2012", "ikea",
      desc=L("Hvidbejdset egetræsfiner", "Hvitbeiset eikefinér", "White stained oak veneer")),
    T(0, 3, L("Køjeseng", "Køyeseng", "Bunk bed"), "IKEA", "MYDAL", 1499, 500, "17.01.2017", "ikea"),
    T(0, 6, L("Hæve-sænkebord", "Hev-senk-pult", "Sit-stand desk"), "IKEA", "BEKANT 160x80",
      4195, 2200, "23.03.2020", "ikea",
      desc=L("Købt da vi begyndte at arbejde hjemme", "Kjøpt da vi begynte å jobbe hjemmefra",
             "Bought when we started working from home")),
    T(0, 9, L("Havestol", "Hagestol", "Garden chair"), "Cane-line", "Drop",
      1295, 700, "29.05.2018", "diy", count=4,
      desc=L("Stables, står i skuret om vinteren", "Stables, står i boden om vinteren",
             "Stackable, kept in the shed over winter")),
    # 1 appliances
    T(1, 1, L("Opvaskemaskine", "Oppvaskmaskin", "Dishwasher"), "Miele", "G 7150 SCVi",
      11999, 8000, "17.09.2022", "elec1", serial="###/########",
      desc=L("Fuldt integreret, 5 års garanti", "Fullintegrert, 5 års garanti",
             "Fully integrated, five-year guarantee"),
      www=MIELE),
    T(1, 1, L("Køleskab med fryser", "Kjøleskap med fryser", "Fridge freezer"), "Bosch", "KGN39VLEB",
      7495, 3500, "08.05.2018", "elec2", serial="FD #### ######"),
    T(1, 10, L("Vaskemaskine", "Vaskemaskin", "Washing machine"), "Miele", "WCR870 WPS",
      12995, 8500, "02.02.2021", "elec1", serial="###/########", www=MIELE),
    T(1, 7, L("Fryseskab", "Fryseskap", "Upright freezer"),
      L("Gram", "Electrolux", "Beko"), L("FS 3186-60", "LUT5NF28W1", "FFG4545W"),
      L(4995, 7490, 399), L(1500, 2200, 120), "11.11.2011", "hyper"),
    T(1, 5, L("Ledningsfri støvsuger", "Ledningsfri støvsuger", "Cordless vacuum cleaner"),
      "Dyson", "V15 Detect Absolute", 5999, 3800, "24.11.2023", "elec2", serial="AA#-EU-AAA####A",
      desc=L("Købt på Black Friday, hænger i entréskabet", "Kjøpt på Black Friday, henger i gangskapet",
             "Bought on Black Friday, kept in the hall cupboard")),
    # 2 electronics
    T(2, 0, L('OLED-fjernsyn 65"', 'OLED-TV 65"', 'OLED television 65"'), "Samsung", "QE65S95C",
      19995, 12000, "27.10.2023", "elec1", serial="0A#AA#AR#####A",
      desc=L("Vægmonteret, 5 års udvidet garanti", "Veggmontert, 5 års utvidet garanti",
             "Wall-mounted, five-year extended warranty"),
      www="https://www.samsung.com", photo="fjernsyn.jpg", receipt="fjernsyn"),
    T(2, 0, L("Højttaler", "Høyttaler", "Loudspeaker"), "Bang & Olufsen", "BeoLab 18",
      24995, 14000, "15.06.2014", "dept2", serial="#########", count=2,
      desc=L("Trådløse, lameller i valnød", "Trådløse, lameller i valnøtt", "Wireless, walnut lamellas"),
      www="https://www.bang-olufsen.com"),
    T(2, 0, L("Pladespiller", "Platespiller", "Record player"), "Pro-Ject", "Debut Carbon EVO",
      3999, 2800, "19.08.2022", "hifi"),
    T(2, 1, "Radio", L("Tivoli Audio", "Tivoli Audio", "Roberts"), L("Model One BT", "Model One BT", "Revival RD60"),
      L(1499, 2290, 199), L(600, 900, 80), "03.04.2010", "elec2"),
    T(2, 3, L("Spillekonsol", "Spillkonsoll", "Games console"), "Sony", "PlayStation 5",
      3999, 2500, "19.11.2021", "elec1", serial="AJ#########",
      desc=L("Med to controllere", "Med to kontrollere", "With two controllers")),
    T(2, 6, L("Systemkamera", "Systemkamera", "Mirrorless camera"), "Canon", "EOS R6 + RF 24-105 mm",
      21995, 12000, "12.07.2021", "elec1", serial="############",
      www=L("https://www.canon.dk", "https://www.canon.no", "https://www.canon.co.uk")),
    T(2, 4, L("Hårtørrer", "Hårføner", "Hair dryer"), "Dyson", "Supersonic HD07",
      3299, 2000, "14.02.2022", "dept2",
      desc=L("Valentinsgave", "Valentinsgave", "Valentine's present")),
    # 3 computers and phones
    T(3, 6, L("Bærbar computer", "Bærbar PC", "Laptop"), "Apple", 'MacBook Air 13" M2',
      10999, 6000, "22.07.2022", "apple", serial="AAAA?#?AAA", www=APPLE),
    T(3, 2, L("Mobiltelefon", "Mobiltelefon", "Mobile phone"), "Apple", "iPhone 15 Pro 256 GB",
      10299, 6000, "22.09.2023", "apple", serial="35#############",
      desc=L("IMEI-nummeret står som serienummer", "IMEI-nummeret står som serienummer",
             "The IMEI number is given as serial number"),
      www=APPLE),
    T(3, 3, L("Tablet", "Nettbrett", "Tablet"), "Samsung", "Galaxy Tab S9",
      6499, 3500, "05.12.2023", "elec2",
      desc=L("Julegave til børnene", "Julegave til barna", "Christmas present for the children")),
    T(3, 6, L("Printer", "Skriver", "Printer"), "HP", "OfficeJet Pro 9010",
      1799, 400, "30.04.2019", "elec1", serial="CN##A#####"),
    # 4 jewellery and watches
    T(4, 2, L("Armbåndsur", "Armbåndsur", "Wristwatch"), "Omega", "Speedmaster Professional",
      32500, 28000, "12.05.2015", "dept1", serial="########",
      desc=L("Herreur i stål, med certifikat og æske", "Herreur i stål, med sertifikat og eske",
             "Gentleman's steel watch, with papers and box"),
      www="https://www.omegawatches.com", photo="ur.jpg", receipt="ur"),
    T(4, 2, L("Vielsesring", "Giftering", "Wedding ring"), "Georg Jensen",
      L("Fusion, 18 kt. guld", "Fusion, 18 k gull", "Fusion, 18ct gold"),
      7995, 5000, "20.06.2009", "dept1", count=2,
      desc=L("Indgraveret med bryllupsdatoen", "Gravert med bryllupsdatoen", "Engraved with our wedding date"),
      www="https://www.georgjensen.com"),
    T(4, 2, L("Halskæde", "Halskjede", "Necklace"), "Georg Jensen",
      L("Daisy, sølv og emalje", "Daisy, sølv og emalje", "Daisy, silver and enamel"),
      2999, 2000, "14.05.2016", "dept2"),
    T(4, 2, L("Broche", "Brosje", "Brooch"),
      L("Anton Michelsen", "David-Andersen", "Charles Horner"),
      L("Sølv med emalje", "Sølv med emalje", "Silver and enamel"),
      0, L(6500, 9000, 650), "", "",
      desc=L("Arvet efter mormor, vurderet 2024", "Arvet etter mormor, taksert 2024",
             "Inherited from Grandma, valued in 2024")),
    # 5 art and design
    T(5, 0, L("Oliemaleri, strand i solnedgang", "Oljemaleri, strand i solnedgang", "Oil painting, beach at sunset"),
      L("Karen Holm", "Kari Lunde", "Margaret Hale"),
      L("Olie på lærred, 80x60 cm", "Olje på lerret, 80x60 cm", "Oil on canvas, 80x60 cm"),
      L(12000, 16000, 1200), L(9000, 13000, 900), "18.07.2004", "",
      desc=L("Købt af kunstneren på en udstilling i Skagen",
             "Kjøpt av kunstneren på en utstilling i Henningsvær",
             "Bought from the artist at an exhibition in St Ives"),
      photo="maleri.jpg"),
    T(5, 1, L("Pendel", "Taklampe", "Pendant lamp"), "Louis Poulsen", "PH 5",
      6995, 4500, "09.03.2012", "dept1",
      desc=L("Hænger over spisebordet", "Henger over spisebordet", "Hangs over the dining table"),
      www="https://www.louispoulsen.com"),
    T(5, 5, "Vase", L("Kähler", "Hadeland Glassverk", "Moorcroft"),
      L("Hammershøi, 25 cm", "Munnblåst, 25 cm", "Anemone, 25 cm"),
      L(599, 899, 295), L(400, 600, 200), "01.12.2017", "kitchen"),
    T(5, 3, L("Træabe", "Apekatt i tre", "Wooden monkey"), "Kay Bojesen",
      L("Abe, mellem", "Ape, medium", "Monkey, medium"),
      899, 700, "04.10.2014", "kitchen",
      desc=L("Dåbsgave", "Dåpsgave", "Christening present")),
    # 6 clothes and bags
    T(6, 5, L("Vinterjakke", "Vinterjakke", "Winter coat"),
      L("Canada Goose", "Norrøna", "Barbour"), L("Expedition Parka", "Lofoten Gore-Tex Pro", "Beaufort wax jacket"),
      L(9995, 7999, 299), L(4000, 3500, 120), "26.10.2018", L("dept2", "sport", "dept1")),
    T(6, 2, L("Håndtaske", "Håndveske", "Handbag"), "Louis Vuitton", "Speedy 30",
      8900, 6500, "18.08.2017", "dept1", serial="SP####"),
    T(6, 2, L("Strikket sweater", "Strikkegenser", "Knitted jumper"),
      L("Dale of Norway", "Dale of Norway", "Jamieson's of Shetland"),
      L("Cortina, uld", "Cortina, ull", "Fair Isle, wool"),
      L(2200, 2999, 149), L(800, 1200, 60), "05.02.2015", L("dept2", "dept1", "dept1")),
    # 7 sport and leisure
    T(7, 8, L("Cykel", "Sykkel", "Bicycle"), L("Kildemoes", "DBS", "Raleigh"),
      L("City Zone, 7 gear", "Intega, 7 gir", "Pioneer, 7-speed"),
      L(6999, 8990, 649), L(2500, 3500, 250), "12.04.2019", "sport", serial="WBK#######",
      desc=L("Stelnummeret står som serienummer", "Rammenummeret står som serienummer",
             "The frame number is given as serial number"),
      photo="cykel.jpg"),
    T(7, 7, L("Telt", "Telt", "Tent"), "Fjällräven", "Abisko Lite 2", 4999, 2500, "23.06.2016", "sport"),
    T(7, 7, L("Slalomski", "Langrennsski", "Downhill skis"), L("Atomic", "Madshus", "Atomic"),
      L("Redster X9", "Race Speed Skate", "Redster X9"),
      L(4499, 4999, 449), L(1500, 1800, 150), "01.02.2017", "sport",
      desc=L("Med bindinger, 170 cm", "Med bindinger, 187 cm", "With bindings, 170 cm")),
    T(7, 9, L("Trampolin", "Trampoline", "Trampoline"), "Berg",
      L("Champion 380 med sikkerhedsnet", "Champion 380 med sikkerhetsnett", "Champion 380 with safety net"),
      3999, 1500, "15.05.2019", L("hyper", "hyper", "elec2")),
    # 8 tools and garden
    T(8, 8, L("Akku-boremaskine", "Batteridrill", "Cordless drill"), "Bosch", "GSR 18V-55 Professional",
      1899, 900, "28.08.2020", "tools", serial="#########"),
    T(8, 9, L("Robotplæneklipper", "Robotgressklipper", "Robot lawnmower"), "Husqvarna", "Automower 305",
      9999, 5000, "20.04.2020", "diy", serial="#########",
      www=L("https://www.husqvarna.com/dk/", "https://www.husqvarna.com/no/", "https://www.husqvarna.com/uk/")),
    T(8, 9, L("Gasgrill", "Gassgrill", "Gas barbecue"), "Weber", "Genesis II E-315",
      8999, 4500, "31.05.2019", "diy", serial="##########", www="https://www.weber.com"),
    # 9 books and music
    T(9, 6, L("Leksikon", "Leksikon", "Encyclopaedia"),
      L("Gyldendal", "Kunnskapsforlaget", "Encyclopaedia Britannica"),
      L("Den Store Danske, 20 bind", "Store norske leksikon, 16 bind", "15th edition, 32 volumes"),
      L(450, 600, 40), L(50, 60, 5), "15.10.1998", "books", count=L(20, 16, 32)),
    T(9, 0, L("Klaver", "Piano", "Upright piano"), "Yamaha", "U1",
      L(42000, 59000, 4200), L(30000, 42000, 3000), "06.09.2006",
      L("=Brugt via DBA", "=Brukt via Finn.no", "=Second-hand via Gumtree"),
      desc=L("Stemmes hvert år i september", "Stemmes hvert år i september", "Tuned every September")),
    T(9, 0, L("LP-plader", "LP-plater", "Vinyl records"), L("Diverse", "Diverse", "Various"), "",
      L(120, 170, 12), L(100, 150, 10), "", "", count=150,
      desc=L("Jazz og rock fra 60'erne og 70'erne, fortegnelse i mappen",
             "Jazz og rock fra 60- og 70-tallet, liste i permen",
             "Jazz and rock from the sixties and seventies, list in the folder")),
    T(9, 3, L("Børnebøger", "Barnebøker", "Children's books"), L("Diverse", "Diverse", "Various"), "",
      L(150, 229, 8.99), L(40, 60, 3), "01.06.2016", "books", count=40),
    # 10 kitchenware
    T(10, 1, L("Middagstallerken", "Middagstallerken", "Dinner plate"),
      L("Royal Copenhagen", "Porsgrund", "Wedgwood"),
      L("Musselmalet Riflet, 27 cm", "Farsund, 27 cm", "Jasper Conran White, 27 cm"),
      L(549, 449, 40), L(350, 300, 25), "20.06.2009", L("dept1", "kitchen", "dept1"), count=12,
      desc=L("Bryllupsgave, suppleret løbende", "Bryllupsgave, supplert etter hvert",
             "Wedding present, added to over the years")),
    T(10, 1, L("Kaffemaskine", "Kaffetrakter", "Espresso machine"),
      L("Moccamaster", "Moccamaster", "Sage"), L("KBG Select", "KBG Select", "Barista Express"),
      L(1999, 2999, 599), L(1200, 1800, 350), "13.03.2021", "kitchen"),
    T(10, 1, L("Køkkenmaskine", "Kjøkkenmaskin", "Stand mixer"), "KitchenAid", "Artisan 5KSM175",
      4999, 2500, "21.12.2015", "kitchen", serial="W#########"),
    T(10, 1, L("Grydesæt", "Kjelesett", "Cast-iron casserole"), L("Scanpan", "Scanpan", "Le Creuset"),
      L("CTX, 5 dele", "CTX, 5 deler", "Signature, 26 cm"),
      L(2999, 3999, 289), L(1800, 2400, 180), "15.11.2019", "kitchen"),
    T(10, 1, L("Termokande", "Termokanne", "Vacuum jug"), "Stelton", "EM77",
      499, 300, "02.03.2013", "kitchen"),
    # 11 miscellaneous
    T(11, 7, L("Barnevogn", "Barnevogn", "Pram"), "Emmaljunga", "NXT90",
      6999, 1500, "10.01.2014", L("hyper", "hyper", "dept1"),
      desc=L("Gemt i kælderen til næste generation", "Oppbevares i kjelleren til neste generasjon",
             "Kept in the cellar for the next generation")),
    T(11, 4, L("Elektrisk tandbørste", "Elektrisk tannbørste", "Electric toothbrush"), "Oral-B", "iO Series 9",
      1999, 800, "07.01.2024", "super"),
    T(11, 7, L("Julepynt", "Julepynt", "Christmas decorations"), L("Diverse", "Diverse", "Various"),
      L("Flyttekasser", "Flytteesker", "Storage boxes"),
      300, 100, "", "", count=5,
      desc=L("Inkl. juletræsfod og lyskæder", "Inkl. juletrefot og lysslynger",
             "Including the tree stand and the fairy lights")),
]


def tovik_receipt_name(key, lang):
    return "kvittering-%s-%s.png" % (key, lang)


def build_tovik(rng):
    """Returns {lang: records} and the receipts to draw."""
    serials = []
    addr_flags = []
    for item in TOVIK_ITEMS:
        serials.append(make_serial(rng, item["serial"]) if item["serial"] else "")
        addr_flags.append(rng.random() < 0.6)
    out = {}
    receipts = []
    for lang in LANGS:
        li = LANGS.index(lang)
        recs = []
        for item, serial, with_addr in zip(TOVIK_ITEMS, serials, addr_flags):
            sup = pick(item["sup"], lang)
            address = ""
            if sup.startswith("="):
                supplier = sup[1:]
            elif sup:
                names, addrs = TOVIK_SHOP[sup]
                supplier = names[li]
                if with_addr or item["receipt"]:
                    address = addrs[li]
            else:
                supplier = ""
            rec = Rec(group=item["group"], name=pick(item["name"], lang), product=pick(item["make"], lang),
                      price=money(item["price"], lang, "shop"), priceToday=money(item["today"], lang, "value"),
                      date=item["date"], supplier=supplier, serialno=serial,
                      description=pick(item["desc"], lang) or "", address=address,
                      number_of_items=pick(item["count"], lang), location=item["room"],
                      www=pick(item["www"], lang), producttype=pick(item["model"], lang))
            if item["photo"]:
                rec.photolink = picture_path("Tovik", item["photo"])
            if item["receipt"]:
                file_name = tovik_receipt_name(item["receipt"], lang)
                rec.receipt = picture_path("Tovik", file_name)
                receipts.append((file_name, lang, rec))
            recs.append(rec)
        out[lang] = recs
    return out, receipts


# ---------------------------------------------------------------------------
# Pellin: a family's photographs and films
# ---------------------------------------------------------------------------

PELLIN_GROUPS = {
    "dk": ["Landskab", "Portræt", "Familie", "Rejser", "Natur og dyr", "Arkitektur",
           "Begivenheder", "Sort/hvid", "Film/video"],
    "no": ["Landskap", "Portrett", "Familie", "Reiser", "Natur og dyr", "Arkitektur",
           "Begivenheter", "Svart-hvitt", "Film/video"],
    "en": ["Landscape", "Portrait", "Family", "Travel", "Nature and wildlife", "Architecture",
           "Events", "Black and white", "Film/video"],
}

PELLIN_ARCHIVES = {
    "dk": ["Album 1 (1970-1989)", "Album 2 (1990-2004)", "Diaskasse", "Negativmappe",
           "Harddisk - Fotos", "Netværksdrev (NAS)", "Indrammet i stuen", "Videokassetter",
           "DVD-arkiv", "Skyen (iCloud)"],
    "no": ["Album 1 (1970-1989)", "Album 2 (1990-2004)", "Lysbildeeske", "Negativperm",
           "Harddisk - Bilder", "Nettverksdisk (NAS)", "Innrammet i stua", "Videokassetter",
           "DVD-arkiv", "Skyen (iCloud)"],
    "en": ["Album 1 (1970-1989)", "Album 2 (1990-2004)", "Slide box", "Negative folder",
           "Hard disk - Photos", "Network drive (NAS)", "Framed in the lounge", "Video cassettes",
           "DVD archive", "Cloud (iCloud)"],
}

PELLIN_SOURCES = {
    "dk": ["Egne billeder", "Far (Jens)", "Mor (Birgit)", "Morfar (Aksel)", "Farmor (Inger)",
           "Onkel Henrik", "Skolefotografen", "Bryllupsfotograf Lise Holm", "Fotoklubben",
           "Fotohandleren (fremkaldt)", "Scannet fra dias", "Rejsekammerat Mette"],
    "no": ["Egne bilder", "Far (Jon)", "Mor (Kari)", "Morfar (Olav)", "Farmor (Ingrid)",
           "Onkel Arne", "Skolefotografen", "Bryllupsfotograf Silje Lie", "Fotoklubben",
           "Fotobutikken (fremkalt)", "Skannet fra lysbilder", "Reisevenninne Sigrid"],
    "en": ["Own photos", "Dad (John)", "Mum (Susan)", "Grandad (Arthur)", "Gran (Joan)",
           "Uncle Peter", "School photographer", "Wedding photographer Kate Hill", "Camera club",
           "Photo lab (developed)", "Scanned from slides", "Travel friend Emma"],
}

PELLIN_FIELDS = {
    "dk": ["Kategori", "&Titel", "Kamera", "Antal", "Anslået pris", "Salgspris", "Billede",
           "Optaget", "Sted/arkiv", "Beskrivelse", "Fotograf", "Ekstra info", "Reg. nr.", "Www",
           "Billede 2", "Dokument", "Objektiv"],
    "no": ["Kategori", "&Tittel", "Kamera", "Antall", "Anslått pris", "Salgspris", "Bilde",
           "Fotodato", "Sted/arkiv", "Beskrivelse", "Fotograf", "Ekstra info", "Reg.nr.", "Www",
           "Bilde 2", "Dokument", "Objektiv"],
    "en": ["Category", "&Title", "Camera", "Number", "Est. price", "Sales price", "Picture",
           "Date taken", "Archive", "Description", "Photographer", "Extra info", "Reg. no.", "Web",
           "Picture 2", "Document", "Lens"],
}


def P(cat, title, camera, est, sale, date, source, archive, extra="", desc=None, photo="", photo2="", www=""):
    return dict(cat=cat, title=title, camera=camera, est=est, sale=sale, date=date, source=source,
                archive=archive, extra=extra, desc=desc, photo=photo, photo2=photo2, www=www)


PELLIN_ITEMS = [
    # 0 landscape
    P(0, L("Solnedgang over Skagen Strand", "Solnedgang over Jærstrendene", "Sunset over Porthmeor Beach, St Ives"),
      "Nikon D750", 1500, 2500, "14.07.2018", 0, 6, "24-70 mm, f/11, 1/125 s, ISO 100",
      L("Printet 60x40 cm på lærred, nr. 2 er taget ti minutter senere",
        "Skrevet ut 60x40 cm på lerret, nr. 2 er tatt ti minutter senere",
        "Printed 60x40 cm on canvas, no. 2 was taken ten minutes later"),
      photo="solnedgang.jpg", photo2="solnedgang-2.jpg"),
    P(0, L("Jotunheimen set fra Besseggen", "Besseggen mot Gjende", "Snowdon from Llyn Llydaw"),
      "Canon EOS 5D Mark II", 1200, 1800, "03.08.2012", 0, 4, "17-40 mm, f/8, polarisationsfilter",
      photo="fjeld.jpg"),
    P(0, L("Bøgeskov i maj, Rold Skov", "Bjørkeskog i mai, Nordmarka", "Bluebell wood in May, Ashridge"),
      "Fujifilm X-T3", 800, 1200, "12.05.2021", 0, 9, "XF 16-55 mm, f/5.6",
      L("2. præmie i fotoklubbens forårskonkurrence", "2. premie i fotoklubbens vårkonkurranse",
        "Second prize in the camera club's spring competition"),
      photo="skov.jpg"),
    P(0, L("Vinter ved Furesøen", "Vinter ved Mjøsa", "Winter on the Norfolk Broads"),
      "Olympus OM-1", 300, 0, "02.02.1985", 1, 2, "Kodachrome 64, dias"),
    # 1 portrait
    P(1, L("Mormor, 80 år", "Mormor, 80 år", "Gran at eighty"),
      "Hasselblad 500C/M", 2000, 3500, "22.09.1998", 3, 6, "Ilford FP4, 6x6 cm",
      L("Forstørret 30x30 cm, hænger i stuen", "Forstørret 30x30 cm, henger i stua",
        "Enlarged to 30x30 cm, hangs in the lounge"),
      photo="portraet.jpg"),
    P(1, L("Skolefoto, 3. klasse", "Skolefoto, 3. klasse", "School photo, year four"),
      "Mamiya RB67", 0, 0, "15.09.1996", 6, 1, "Farvepapir 13x18", www=""),
    P(1, L("Studenterbillede", "Russebilde", "Graduation portrait"),
      "Canon EOS 5D Mark IV", 600, 0, "20.06.2016", 6, 4, "85 mm, f/2"),
    # 2 family
    P(2, L("Familien på stranden i Blokhus", "Familien på stranda på Sola", "The family on the beach at Woolacombe"),
      "Canon PowerShot G7 X", 400, 0, "28.07.2019", 2, 9, "",
      L("Selvudløser på stativ, alle fem med", "Selvutløser på stativ, alle fem er med",
        "Self-timer on a tripod, all five of us"),
      photo="familie.jpg"),
    P(2, L("Jul hos farmor", "Jul hos farmor", "Christmas at Gran's"),
      "Pentax K1000", 200, 0, "24.12.1988", 4, 0, "Kodacolor VR 200, 10x15 papirbilleder"),
    P(2, L("Barnedåb i Lyngby Kirke", "Barnedåp i Haslum kirke", "Christening at All Saints"),
      "iPhone 5s", 150, 0, "18.05.2014", 0, 4, "Live-billeder"),
    # 3 travel
    P(3, L("Eiffeltårnet i aftenlys", "Eiffeltårnet i kveldslys", "The Eiffel Tower at dusk"),
      "Canon EOS 450D", 500, 900, "17.04.2009", 0, 4, "18-55 mm, 1/30 s, ISO 800"),
    P(3, L("Brooklyn Bridge, New York", "Brooklyn Bridge, New York", "Brooklyn Bridge, New York"),
      "Sony RX100 III", 500, 800, "09.10.2015", 0, 5, ""),
    P(3, L("Interrail, Colosseum i Rom", "Interrail, Colosseum i Roma", "Interrailing, the Colosseum in Rome"),
      "Olympus Mju-1", 200, 0, "21.07.1991", 11, 1, "Fuji Superia 200"),
    P(3, L("Safari i Masai Mara", "Safari i Masai Mara", "Safari in the Masai Mara"),
      "Canon EOS 350D", 900, 1500, "11.02.2006", 0, 4, "70-300 mm"),
    # 4 nature and wildlife
    P(4, L("Isfugl ved Mølleåen", "Isfugl ved Akerselva", "Kingfisher on the Hogsmill"),
      "Nikon D500", 2500, 4000, "06.10.2020", 0, 5, "200-500 mm, 1/2000 s",
      L("Solgt som print til Naturfotografernes udstilling",
        "Solgt som print på Naturfotografenes utstilling",
        "Sold as a print at the nature photographers' exhibition"),
      www="https://www.flickr.com"),
    P(4, L("Kronhjorte i Dyrehaven", "Elg i Nordmarka", "Red deer in Richmond Park"),
      "Nikon D750", 1500, 2200, "02.10.2017", 0, 5, "300 mm f/4"),
    P(4, L("Hunden Bamse som hvalp", "Hunden Bamse som valp", "Biscuit the dog as a puppy"),
      "iPhone 4S", 0, 0, "14.03.2011", 2, 9, ""),
    # 5 architecture
    P(5, L("Københavns havnefront ved skumring", "Bjørvika og Operaen i skumringen",
           "The Thames at Kingston at dusk"),
      "Canon EOS R6", 1800, 3000, "21.11.2022", 0, 9, "RF 24-105 mm, stativ, 1/4 s",
      L("Nr. 2 er samme motiv efter mørkets frembrud", "Nr. 2 er samme motiv etter mørkets frembrudd",
        "No. 2 is the same view after dark"),
      photo="by.jpg", photo2="by-nat.jpg"),
    P(5, L("Isbjerget, Aarhus Ø", "Heddal stavkirke", "Salisbury Cathedral"),
      "Fujifilm X-T3", 700, 1000, "30.08.2019", 0, 5, ""),
    # 6 events
    P(6, L("Vores bryllup", "Bryllupet vårt", "Our wedding"),
      "Canon EOS 5D Mark II", 15000, 0, "20.06.2009", 7, 8, "420 billeder, 40 retoucherede",
      L("Album og DVD fra fotografen", "Album og DVD fra fotografen", "Album and DVD from the photographer")),
    P(6, L("Mor og fars sølvbryllup", "Mor og fars sølvbryllup", "Mum and Dad's silver wedding"),
      "Minolta Dynax 5xi", 300, 0, "12.08.1995", 5, 1, "Kodak Gold 200"),
    P(6, L("Konfirmation", "Konfirmasjon", "Eighteenth birthday party"),
      "iPhone 8", 0, 0, "28.04.2018", 0, 9, ""),
    # 7 black and white
    P(7, L("Havnen i Gilleleje", "Havna i Kragerø", "The harbour at Whitby"),
      "Leica M3", 1200, 2000, "16.07.1962", 3, 3, "Kodak Tri-X 400, 35 mm negativer"),
    P(7, L("Gadeliv på Strøget", "Gateliv på Karl Johan", "Street life on Oxford Street"),
      "Leica M3", 1000, 1500, "05.05.1974", 3, 3, "Ilford HP5"),
    P(7, L("Grundtvigs Kirke", "Ishavskatedralen i Tromsø", "St Paul's Cathedral"),
      "Nikon FM2", 600, 900, "19.03.1994", 8, 3, "Ilford Delta 100, gult filter"),
    # 8 film and video
    P(8, L("Sommerferie på Fanø (Super 8)", "Sommerferie i Lofoten (Super 8)", "Summer holiday in Devon (Super 8)"),
      "Canon 514XL", 500, 0, "08.07.1978", 1, 8, "3 ruller Super 8, digitaliseret 2010",
      L("Uden lyd, ca. 9 minutter", "Uten lyd, ca. 9 minutter", "Silent, about nine minutes"),
      photo="filmstrimmel.jpg"),
    P(8, L("Brylluppet på video", "Bryllupet på video", "The wedding on video"),
      "Panasonic NV-M40", 300, 0, "15.08.1992", 5, 7, "VHS, 2 timer"),
    P(8, L("Første skoledag", "Første skoledag", "First day at school"),
      "Sony DCR-HC30", 200, 0, "11.08.2004", 0, 8, "MiniDV, overført til DVD"),
    P(8, L("Ferie i Norge (4K)", "Ferie i Danmark (4K)", "Holiday in Scotland (4K)"),
      "GoPro HERO11", 300, 0, "14.07.2023", 0, 9, "4K 60p, redigeret i iMovie"),
    P(8, L("Juleaften 2025", "Julaften 2025", "Christmas Eve 2025"),
      "iPhone 15 Pro", 0, 0, "24.12.2025", 0, 9, "Video, 12 minutter"),
]

# The "extra info" texts above are written in Danish; these are the other two languages.
PELLIN_EXTRA = {
    "17-40 mm, f/8, polarisationsfilter": ("17-40 mm, f/8, polarisasjonsfilter", "17-40 mm, f/8, polarising filter"),
    "Kodachrome 64, dias": ("Kodachrome 64, lysbilde", "Kodachrome 64, slide"),
    "Farvepapir 13x18": ("Fargepapir 13x18", "Colour print, 5x7 inch"),
    "Kodacolor VR 200, 10x15 papirbilleder": ("Kodacolor VR 200, 10x15 papirbilder", "Kodacolor VR 200, 6x4 inch prints"),
    "Live-billeder": ("Live-bilder", "Live Photos"),
    "RF 24-105 mm, stativ, 1/4 s": ("RF 24-105 mm, stativ, 1/4 s", "RF 24-105 mm, tripod, 1/4 s"),
    "420 billeder, 40 retoucherede": ("420 bilder, 40 retusjerte", "420 pictures, 40 retouched"),
    "Kodak Tri-X 400, 35 mm negativer": ("Kodak Tri-X 400, 35 mm negativer", "Kodak Tri-X 400, 35 mm negatives"),
    "Ilford Delta 100, gult filter": ("Ilford Delta 100, gult filter", "Ilford Delta 100, yellow filter"),
    "3 ruller Super 8, digitaliseret 2010": ("3 ruller Super 8, digitalisert 2010", "3 reels of Super 8, digitised in 2010"),
    "VHS, 2 timer": ("VHS, 2 timer", "VHS, 2 hours"),
    "MiniDV, overført til DVD": ("MiniDV, overført til DVD", "MiniDV, copied to DVD"),
    "4K 60p, redigeret i iMovie": ("4K 60p, redigert i iMovie", "4K 60p, edited in iMovie"),
    "Video, 12 minutter": ("Video, 12 minutter", "Video, 12 minutes"),
}


def build_pellin():
    out = {}
    for lang in LANGS:
        recs = []
        seq = {}
        for item in PELLIN_ITEMS:
            year = item["date"][-4:]
            seq[year] = seq.get(year, 0) + 1
            extra = item["extra"]
            if lang != "dk" and extra in PELLIN_EXTRA:
                extra = PELLIN_EXTRA[extra][LANGS.index(lang) - 1]
            rec = Rec(group=item["cat"], name=pick(item["title"], lang), product=item["camera"],
                      price=money(item["est"], lang, "value"), priceToday=money(item["sale"], lang, "value"),
                      date=item["date"], supplier=PELLIN_SOURCES[lang][item["source"]],
                      serialno="%s-%03d" % (year, seq[year]), description=pick(item["desc"], lang) or "",
                      address=extra, number_of_items=0, location=item["archive"], www=item["www"],
                      producttype="")
            if item["photo"]:
                rec.photolink = picture_path("Pellin", item["photo"])
            if item["photo2"]:
                rec.receipt = picture_path("Pellin", item["photo2"])
            recs.append(rec)
        out[lang] = recs
    return out


# ---------------------------------------------------------------------------
# Ostrel: coin collections (a Danish, a Norwegian and a British collector)
# ---------------------------------------------------------------------------

OSTREL_GROUPS = {
    "dk": ["Danmark - Christian IX", "Danmark - Frederik VIII", "Danmark - Christian X",
           "Danmark - Frederik IX", "Danmark - Margrethe II", "Erindringsmønter", "Guldmønter",
           "Norge", "Sverige", "Krigsmønter 1941-45"],
    "no": ["Norge - Oscar II", "Norge - Haakon VII", "Norge - Olav V", "Norge - Harald V",
           "Minnemynter", "Gullmynter", "Krigsmynter 1940-45", "Danmark", "Sverige"],
    "en": ["Victoria", "Edward VII", "George V", "George VI", "Elizabeth II pre-decimal",
           "Elizabeth II decimal", "Commemorative crowns", "Gold sovereigns", "Ireland"],
}

OSTREL_DENOMINATIONS = {
    "dk": ["1 øre", "2 øre", "5 øre", "10 øre", "25 øre", "½ krone", "1 krone", "2 kroner",
           "5 kroner", "10 kroner", "20 kroner", "200 kroner"],
    "no": ["1 øre", "2 øre", "5 øre", "10 øre", "25 øre", "50 øre", "1 krone", "2 kroner",
           "5 kroner", "10 kroner", "20 kroner", "25 kroner"],
    "en": ["Farthing", "Halfpenny", "Penny", "Threepence", "Sixpence", "Shilling", "Florin",
           "Half crown", "Crown", "50 pence", "One pound", "Sovereign"],
}

OSTREL_CATALOGUES = {
    "dk": ["Sieg", "Hobel", "Krause", "Hede", "Schou", "Bruun", "Galster", "Ahlström",
           "Sieg Norden", "NM", "Spink"],
    "no": ["NM", "Sieg", "Krause", "Skaare", "Hede", "Schou", "Ahlström", "Hobel",
           "Sieg Norden", "Spink"],
    "en": ["Spink", "Krause", "ESC", "Freeman", "Peck", "Davies", "Marsh", "Bull", "Rayner",
           "Coincraft"],
}

OSTREL_FIELDS = {
    "dk": ["Type", "Årstal", "Metal", "Antal", "Købspris", "Værdi", "Forside", "Købsdato", "Valør",
           "Beskrivelse", "Katalog", "&Kvalitet", "Katalog nr.", "Www", "Bagside", "Dokument",
           "Møntmærke"],
    "no": ["Type", "Årstall", "Metall", "Antall", "Innkjøpspris", "Verdi", "Forside", "Kjøpsdato",
           "Valør", "Beskrivelse", "Katalog", "&Kvalitet", "Katalognr.", "Www", "Bakside", "Dokument",
           "Myntmerke"],
    "en": ["Series", "Year", "Metal", "Count", "Price paid", "Value", "Obverse", "Date bought",
           "Denomination", "Description", "Catalogue", "&Grade", "Cat. no.", "Web", "Reverse",
           "Document", "Variety"],
}

# Front and back picture names by language.
OSTREL_SIDES = {"dk": ("forside", "bagside"), "no": ("forside", "bakside"), "en": ("obverse", "reverse")}


def C(group, year, metal, denom, catalogue, catno, quality, price, today, desc="", variety="",
      picture="", date=None, count=1):
    return dict(group=group, year=year, metal=metal, denom=denom, catalogue=catalogue, catno=catno,
                quality=quality, price=price, today=today, desc=desc, variety=variety,
                picture=picture, date=date, count=count)


OSTREL_ITEMS = {
    "dk": [
        C(0, "1875", "Sølv", 7, "Sieg", "14.1", "1", 350, 450, "Første årgang af 2-kronen", "(h) CS",
          "2kr-1875", "14.03.2003"),
        C(0, "1876", "Sølv", 6, "Sieg", "15.2", "1+", 250, 300, "", "(h) CS"),
        C(0, "1874", "Sølv", 3, "Hobel", "H 57", "1", 60, 80),
        C(0, "1882", "Bronze", 0, "Sieg", "21.6", "2", 15, 20, count=3),
        C(0, "1902", "Bronze", 1, "Sieg", "20.12", "1", 40, 45, "", "(h) VBP"),
        C(0, "1874", "Bronze", 2, "Sieg", "19.1", "1-", 45, 50),
        C(1, "1907", "Sølv", 6, "Sieg", "4.1", "1+", 150, 180, "", "(h) VBP GJ"),
        C(1, "1908", "Sølv", 7, "Sieg", "3.1", "1", 200, 220),
        C(1, "1907", "Sølv", 4, "Sieg", "5.1", "1", 70, 75),
        C(1, "1912", "Bronze", 0, "Sieg", "8.4", "1+", 30, 35),
        C(2, "1915", "Sølv", 7, "Sieg", "4.1", "1+", 300, 350, "Sølv 800/1000"),
        C(2, "1916", "Sølv", 6, "Sieg", "5.2", "1", 150, 160),
        C(2, "1925", "Al-Bronze", 6, "Sieg", "13.2", "1", 35, 40, "", "(h) HCN GJ", "1kr-1925"),
        C(2, "1939", "Al-Bronze", 5, "Sieg", "14.12", "1+", 25, 30, "", "(h) N GJ"),
        C(2, "1919", "Sølv", 4, "Sieg", "17.6", "1", 40, 45),
        C(2, "1924", "Kobbernikkel", 3, "Sieg", "19.1", "1+", 30, 35, "Første årgang med hul", "(h) HCN GJ",
          "10ore-1924"),
        C(3, "1960", "Kobbernikkel", 8, "Sieg", "12.1", "01", 25, 30),
        C(3, "1948", "Kobbernikkel", 3, "Sieg", "18.2", "0", 15, 20),
        C(3, "1950", "Al-Bronze", 6, "Sieg", "14.3", "1+", 15, 15),
        C(3, "1958", "Al-Bronze", 7, "Sieg", "13.9", "1", 30, 30),
        C(4, "1973", "Kobbernikkel", 6, "Sieg", "9.1", "0", 10, 10),
        C(4, "1990", "Kobbernikkel", 8, "Sieg", "7.1", "0", 15, 15, "Den nye 5-krone med hul"),
        C(4, "1990", "Al-Bronze", 10, "Sieg", "8.1", "0", 40, 35, "Første årgang af 20-kronen"),
        C(4, "2008", "Al-Bronze", 10, "Sieg", "8.21", "0", 30, 30, "Fyrtårnsserien: Rubjerg Knude"),
        C(5, "1888", "Sølv", 7, "Sieg", "24", "1+", 400, 450, "Christian IX's 25 års regeringsjubilæum"),
        C(5, "1892", "Sølv", 7, "Sieg", "25", "1", 250, 250, "Kongeparrets guldbryllup"),
        C(5, "1923", "Sølv", 7, "Sieg", "21", "1+", 300, 350, "Kongeparrets sølvbryllup"),
        C(5, "1937", "Sølv", 7, "Sieg", "23", "01", 300, 325, "Christian X's 25 års regeringsjubilæum"),
        C(5, "1960", "Sølv", 8, "Sieg", "25", "0", 150, 150, "Kongeparrets sølvbryllup"),
        C(5, "1967", "Sølv", 9, "Sieg", "26", "0", 150, 150, "Tronfølgerens bryllup"),
        C(5, "1972", "Sølv", 9, "Sieg", "27", "0", 150, 140, "Tronskiftet 1972"),
        C(5, "1990", "Sølv", 11, "Sieg", "28", "0", 350, 300, "Dronningens 50 års fødselsdag, proof i etui"),
        C(6, "1873", "Guld", 10, "Sieg", "11.1", "1+", 2800, 7500, "8,06 g fint guld", "(h) CS",
          "20kr-1873", "21.09.2009"),
        C(6, "1900", "Guld", 9, "Sieg", "12.6", "1", 1800, 3900, "", "(h) VBP", date="02.05.2011"),
        C(6, "1913", "Guld", 10, "Sieg", "1.1", "01", 3200, 7600, "", "(h) AH GJ", date="17.11.2012"),
        C(6, "1909", "Guld", 9, "Sieg", "1.2", "1+", 2000, 3900, "", "(h) VBP GJ", date="08.06.2014"),
        C(7, "1914", "Sølv", 7, "Sieg Norden", "N 30", "1", 250, 275, "Grundlovens 100 års jubilæum"),
        C(7, "1964", "Sølv", 9, "Sieg Norden", "N 42", "0", 120, 120, "Grundloven 150 år"),
        C(8, "1890", "Sølv", 7, "Ahlström", "Ahl 15", "1", 300, 300, "Oscar II, 2 kronor"),
        C(8, "1942", "Sølv", 6, "Krause", "KM 814", "1+", 50, 55, "Gustaf V, 1 krona"),
        C(9, "1941", "Aluminium", 2, "Sieg", "25.1", "1", 20, 25),
        C(9, "1942", "Zink", 0, "Sieg", "21.2", "1", 10, 10, count=2),
        C(9, "1944", "Zink", 4, "Sieg", "19.3", "1-", 15, 15),
        C(0, "1898", "Sølv", 6, "Sieg", "15.9", "1", 0, 0, "Arvet efter morfar, ikke vurderet endnu",
          date="14.09.2026"),
    ],
    "no": [
        C(0, "1875", "Sølv", 6, "NM", "34", "1", 800, 900),
        C(0, "1878", "Sølv", 7, "NM", "29", "1-", 900, 1000),
        C(0, "1904", "Sølv", 7, "NM", "32", "01", 1200, 1400),
        C(0, "1899", "Sølv", 3, "NM", "57", "1", 150, 180),
        C(0, "1898", "Sølv", 4, "NM", "49", "1", 350, 400),
        C(0, "1897", "Sølv", 5, "NM", "42", "1", 400, 450),
        C(0, "1876", "Bronse", 2, "NM", "74", "1-", 200, 220),
        C(0, "1902", "Bronse", 0, "NM", "96", "1+", 90, 100),
        C(1, "1908", "Sølv", 6, "NM", "13", "1+", 500, 550, "", "Stor 0"),
        C(1, "1913", "Sølv", 7, "NM", "9", "1", 450, 500),
        C(1, "1917", "Sølv", 7, "NM", "10", "1", 450, 500),
        C(1, "1926", "Kobbernikkel", 6, "NM", "19", "1+", 60, 70, "", "Med hull", "1kr-1926"),
        C(1, "1947", "Kobbernikkel", 5, "NM", "30", "01", 40, 45),
        C(1, "1952", "Kobbernikkel", 4, "NM", "41", "0", 30, 30),
        C(1, "1953", "Kobbernikkel", 6, "NM", "21", "0", 35, 35),
        C(2, "1958", "Kobbernikkel", 6, "NM", "10", "0", 25, 25),
        C(2, "1961", "Kobbernikkel", 5, "NM", "19", "0", 15, 15),
        C(2, "1964", "Kobbernikkel", 8, "NM", "6", "0", 40, 40),
        C(2, "1974", "Kobbernikkel", 5, "NM", "18", "0", 10, 10),
        C(2, "1983", "Nikkel-messing", 9, "NM", "4", "0", 30, 30, "Første årgang av 10-kronen"),
        C(3, "1994", "Nikkel-messing", 10, "NM", "1", "0", 30, 30, "Første årgang av 20-kronen"),
        C(3, "1997", "Kobbernikkel", 6, "NM", "8", "0", 5, 5, "", "Med hull"),
        C(3, "1999", "Kobbernikkel", 8, "NM", "5", "0", 10, 10),
        C(3, "2001", "Nikkel-messing", 9, "NM", "4", "0", 15, 15),
        C(4, "1914", "Sølv", 7, "NM", "12", "1+", 700, 800, "Grunnlovens 100-årsjubileum", "", "2kr-1914"),
        C(4, "1964", "Sølv", 9, "NM", "8", "0", 200, 200, "Grunnloven 150 år"),
        C(4, "1970", "Sølv", 11, "NM", "2", "0", 250, 250, "Frigjøringen 25 år"),
        C(4, "1975", "Kobbernikkel", 8, "NM", "7", "0", 40, 45, "Kronemyntens 100-årsjubileum"),
        C(4, "2014", "Nikkel-messing", 10, "NM", "12", "0", 50, 50, "Grunnloven 200 år"),
        C(5, "1874", "Gull", 10, "NM", "3", "1+", 4500, 11500, "8,06 g fint gull", "", "20kr-1874",
          "12.10.2010"),
        C(5, "1902", "Gull", 9, "NM", "5", "01", 3000, 5800, "", "", date="03.04.2012"),
        C(5, "1910", "Gull", 10, "NM", "1", "01", 8000, 13000, "Haakon VII", "", date="19.06.2015"),
        C(6, "1942", "Jern", 0, "NM", "6", "1", 15, 20, "Okkupasjonsmynt i jern", "", "1ore-1942"),
        C(6, "1943", "Sink", 5, "NM", "8", "1-", 20, 25),
        C(6, "1944", "Sink", 3, "NM", "7", "1+", 15, 20, count=2),
        C(7, "1875", "Sølv", 7, "Sieg", "14.1", "1", 500, 600, "Christian IX"),
        C(7, "1924", "Al-bronse", 7, "Sieg", "12.1", "1", 80, 90, "Christian X"),
        C(7, "1937", "Sølv", 7, "Sieg", "23", "01", 450, 500, "Christian X, regjeringsjubileet"),
        C(8, "1890", "Sølv", 7, "Ahlström", "Ahl 15", "1", 450, 450, "Oscar II, 2 kronor"),
        C(8, "1952", "Sølv", 6, "Krause", "KM 826", "1+", 60, 60, "Gustaf VI Adolf, 1 krona"),
        C(0, "1898", "Sølv", 6, "NM", "24", "1", 0, 0, "Arvet etter morfar, ikke vurdert ennå",
          date="14.09.2026"),
    ],
    "en": [
        C(0, "1860", "Bronze", 2, "Freeman", "F 10", "F", 12, 15, "Beaded border", "Bun head", "penny-1860"),
        C(0, "1887", "Silver", 5, "Spink", "S 3926", "VF", 15, 20, "", "Jubilee head"),
        C(0, "1890", "Silver", 6, "ESC", "ESC 873", "VF", 25, 30, "", "Jubilee head"),
        C(0, "1896", "Bronze", 1, "Freeman", "F 370", "EF", 20, 25, "", "Old head"),
        C(0, "1899", "Bronze", 0, "Freeman", "F 578", "EF", 12, 12, "", "Old head"),
        C(0, "1893", "Silver", 4, "Spink", "S 3940", "GVF", 18, 22, "", "Old head"),
        C(0, "1887", "Silver", 7, "ESC", "ESC 719", "VF", 30, 35, "", "Jubilee head"),
        C(1, "1902", "Bronze", 2, "Freeman", "F 156", "VF", 5, 6),
        C(1, "1902", "Silver", 7, "Spink", "S 3980", "F", 25, 28),
        C(1, "1907", "Silver", 4, "Spink", "S 3983", "VF", 12, 14),
        C(1, "1906", "Silver", 6, "Spink", "S 3981", "F", 18, 20),
        C(2, "1915", "Bronze", 2, "Freeman", "F 176", "EF", 8, 10),
        C(2, "1920", "Silver", 5, "Spink", "S 4013", "VF", 6, 8, "First year of 50 per cent silver"),
        C(2, "1932", "Silver", 3, "Spink", "S 4017", "EF", 10, 12, "Oak sprigs reverse"),
        C(2, "1933", "Silver", 7, "Spink", "S 4037", "EF", 14, 18),
        C(2, "1936", "Bronze", 0, "Freeman", "F 601", "UNC", 4, 5, count=4),
        C(3, "1937", "Nickel-brass", 3, "Spink", "S 4111", "EF", 2, 3, "Twelve-sided threepence"),
        C(3, "1941", "Bronze", 1, "Freeman", "F 422", "VF", 1, 1.5),
        C(3, "1947", "Cupro-nickel", 5, "Spink", "S 4113", "EF", 2, 2.5, "", "English shield"),
        C(3, "1951", "Cupro-nickel", 6, "Spink", "S 4103", "UNC", 5, 6),
        C(4, "1953", "Bronze", 2, "Freeman", "F 242", "BU", 8, 10, "From a Coronation year set"),
        C(4, "1967", "Bronze", 2, "Freeman", "F 269", "UNC", 0.5, 0.5, count=10),
        C(4, "1966", "Cupro-nickel", 4, "Spink", "S 4148", "UNC", 0.5, 1),
        C(4, "1967", "Bronze", 1, "Freeman", "F 440", "UNC", 0.25, 0.5),
        C(4, "1953", "Cupro-nickel", 7, "Spink", "S 4136", "EF", 3, 4),
        C(5, "1969", "Cupro-nickel", 9, "Spink", "S 4224", "UNC", 2, 3, "The first seven-sided coin", "",
          "50p-1969"),
        C(5, "1983", "Nickel-brass", 10, "Spink", "S 4221", "UNC", 2, 2, "First year of the pound coin",
          "Royal Arms"),
        C(5, "2009", "Cupro-nickel", 9, "Spink", "S H7", "aUNC", 65, 90, "Only 210,000 struck", "Kew Gardens",
          date="30.03.2011"),
        C(5, "2011", "Cupro-nickel", 9, "Spink", "S H6", "BU", 1, 2, "London 2012 Olympics", "Aquatics"),
        C(6, "1887", "Silver", 8, "ESC", "ESC 296", "VF", 35, 45, "Golden Jubilee of Queen Victoria"),
        C(6, "1935", "Silver", 8, "ESC", "ESC 368", "EF", 18, 22, "Silver Jubilee of George V",
          "Rocking horse", "crown-1935"),
        C(6, "1937", "Silver", 8, "ESC", "ESC 391", "EF", 20, 25, "Coronation of George VI"),
        C(6, "1951", "Cupro-nickel", 8, "ESC", "ESC 393", "UNC", 4, 5, "Festival of Britain, in its box"),
        C(6, "1953", "Cupro-nickel", 8, "ESC", "ESC 394", "UNC", 3, 4, "Coronation of Elizabeth II"),
        C(6, "1965", "Cupro-nickel", 8, "Spink", "S 4147", "UNC", 1, 1, "Sir Winston Churchill"),
        C(6, "1977", "Cupro-nickel", 8, "Spink", "S 4226", "BU", 1, 1, "Silver Jubilee, 25 pence"),
        C(6, "1981", "Cupro-nickel", 8, "Spink", "S 4229", "BU", 1, 1, "Royal Wedding, 25 pence"),
        C(7, "1892", "Gold", 11, "Marsh", "Marsh 131", "VF", 180, 640, "7.32 g fine gold", "Jubilee head",
          "sovereign-1892", "05.11.2008"),
        C(7, "1902", "Gold", 11, "Marsh", "Marsh 178", "EF", 190, 645, "", "", date="14.02.2009"),
        C(7, "1911", "Gold", 11, "Marsh", "Marsh 214", "EF", 230, 650, "", "", date="22.07.2010"),
        C(7, "1958", "Gold", 11, "Marsh", "Marsh 297", "UNC", 310, 655, "", "", date="09.09.2013"),
        C(8, "1928", "Silver", 7, "Krause", "KM 8", "VF", 20, 25, "Irish Free State, horse reverse"),
        C(8, "1940", "Bronze", 2, "Krause", "KM 11", "F", 2, 2, "Eire, hen and chicks"),
        C(1, "1902", "Silver", 8, "ESC", "ESC 361", "GF", 0, 0, "Inherited from Grandad, not yet valued",
          date="14.09.2026"),
    ],
}

# What the coin pictures show: metal, shape, front (kind, legend), back (big text, small text).
COIN_PICTURES = {
    "2kr-1875": dict(metal="silver", front=("head", "CHRISTIAN IX"), back=("2", "KRONER")),
    "20kr-1873": dict(metal="gold", front=("head", "CHRISTIAN IX"), back=("20", "KRONER")),
    "1kr-1925": dict(metal="albronze", front=("mono", "CXR"), back=("1", "KRONE")),
    "10ore-1924": dict(metal="cuni", hole=True, front=("mono", "CXR"), back=("10", "ØRE")),
    "2kr-1914": dict(metal="silver", front=("head", "HAAKON VII"), back=("2", "KRONER")),
    "20kr-1874": dict(metal="gold", front=("head", "OSCAR II"), back=("20", "KRONER")),
    "1kr-1926": dict(metal="cuni", hole=True, front=("mono", "H7"), back=("1", "KRONE")),
    "1ore-1942": dict(metal="iron", front=("shield", "NORGE"), back=("1", "ØRE")),
    "penny-1860": dict(metal="bronze", front=("head", "VICTORIA"), back=("ONE", "PENNY")),
    "crown-1935": dict(metal="silver", front=("head", "GEORGIVS V"), back=("shield", "CROWN")),
    "50p-1969": dict(metal="cuni", shape="hept", front=("head", "ELIZABETH II"), back=("50", "NEW PENCE")),
    "sovereign-1892": dict(metal="gold", front=("head", "VICTORIA"), back=("shield", "SOVEREIGN")),
}


def random_date(rng, first_year, last_year, last=None):
    start = datetime.date(first_year, 1, 1).toordinal()
    end = (last or datetime.date(last_year, 12, 31)).toordinal()
    return datetime.date.fromordinal(rng.randint(start, end)).strftime("%d.%m.%Y")


def build_ostrel(rng):
    out = {}
    pictures = []
    for lang in LANGS:
        recs = []
        front_word, back_word = OSTREL_SIDES[lang]
        for coin in OSTREL_ITEMS[lang]:
            date = coin["date"] or random_date(rng, max(1996, int(coin["year"]) + 1), 2025)
            if coin["catalogue"] not in OSTREL_CATALOGUES[lang]:
                raise ValueError("catalogue %s not in the %s list" % (coin["catalogue"], lang))
            rec = Rec(group=coin["group"], name=coin["year"], product=coin["metal"],
                      price=float(coin["price"]), priceToday=float(coin["today"]), date=date,
                      supplier=coin["catalogue"], serialno=coin["catno"], description=coin["desc"],
                      address=coin["quality"], number_of_items=coin["count"], location=coin["denom"],
                      producttype=coin["variety"])
            if coin["picture"]:
                base = coin["picture"]
                front = "%s-%s.jpg" % (base, front_word)
                back = "%s-%s.jpg" % (base, back_word)
                rec.photolink = picture_path("Ostrel", front)
                rec.receipt = picture_path("Ostrel", back)
                pictures.append((base, coin["year"], front, back))
            recs.append(rec)
        out[lang] = recs
    return out, pictures


# ---------------------------------------------------------------------------
# Brevane: the stock of a small electrical shop with a workshop.  The group
# list holds the storage locations, the location list the item types; the
# serial number is the stock number.
# ---------------------------------------------------------------------------

BREVANE_STORAGE = {
    "dk": ["Lager 1 - reol A", "Lager 1 - reol B", "Lager 1 - reol C", "Lager 2 - pallereol",
           "Butik - disk", "Butik - vindue", "Butik - væghylde", "Værksted", "Kontor",
           "Servicevogn 1", "Servicevogn 2"],
    "no": ["Lager 1 - reol A", "Lager 1 - reol B", "Lager 1 - reol C", "Lager 2 - pallereol",
           "Butikk - disk", "Butikk - vindu", "Butikk - vegghylle", "Verksted", "Kontor",
           "Servicebil 1", "Servicebil 2"],
    "en": ["Store 1 - rack A", "Store 1 - rack B", "Store 1 - rack C", "Store 2 - pallet rack",
           "Shop - counter", "Shop - window", "Shop - wall shelf", "Workshop", "Office",
           "Van 1", "Van 2"],
}

BREVANE_TYPES = {
    "dk": ["El-materiel", "Belysning", "Kabler og ledninger", "Elektronik", "Værktøj",
           "Måleinstrumenter", "Befæstigelse", "Kontorartikler", "Værnemidler", "Rengøring",
           "Reservedele"],
    "no": ["Elektromateriell", "Belysning", "Kabler og ledninger", "Elektronikk", "Verktøy",
           "Måleinstrumenter", "Festemidler", "Kontorrekvisita", "Verneutstyr", "Renhold",
           "Reservedeler"],
    "en": ["Electrical fittings", "Lighting", "Cables and wires", "Electronics", "Tools",
           "Test equipment", "Fixings", "Office supplies", "Safety wear", "Cleaning",
           "Spare parts"],
}

# Wholesalers; the same position has the same role in each country.
BREVANE_SUPPLIERS = {
    "dk": ["Lemvigh-Müller", "Solar", "Würth", "Ahlsell", "AO Johansen", "Carl Ras", "Sanistål",
           "Stark", "Lyreco", "Elfa Distrelec", "Bauhaus"],
    "no": ["Elektroskandia", "Onninen", "Würth", "Ahlsell", "Brødrene Dahl", "Berner", "Solar",
           "Optimera", "Lyreco", "Elfa Distrelec", "Clas Ohlson"],
    "en": ["CEF", "Edmundson Electrical", "Würth UK", "Rexel", "Wolseley", "Screwfix", "Toolstation",
           "Travis Perkins", "Viking", "RS Components", "B&Q"],
}

BREVANE_FIELDS = {
    "dk": ["Lagerplads", "&Navn", "Fabrikat", "Antal", "Kostpris", "Salgspris", "Billede", "Dato",
           "Varetype", "Beskrivelse", "Leverandør", "Ekstra info", "Varenr.", "Www", "Faktura",
           "Datablad", "Model"],
    "no": ["Lagerplass", "&Navn", "Fabrikat", "Antall", "Innkjøpspris", "Salgspris", "Bilde", "Dato",
           "Varetype", "Beskrivelse", "Leverandør", "Ekstra info", "Varenr.", "Www", "Faktura",
           "Datablad", "Modell"],
    "en": ["Stock location", "&Name", "Make", "Qty", "Cost price", "Sales price", "Picture", "Date",
           "Item type", "Description", "Supplier", "Extra info", "Stock no.", "Web", "Invoice",
           "Data sheet", "Model"],
}

BREVANE_REORDER = {"dk": "Genbestil ved %d stk.", "no": "Bestill nye ved %d stk.", "en": "Reorder level %d"}
FIRST_STOCK_NUMBER = 1001


def B(kind, storage, name, make, model, cost, sale, count, supplier, reorder=None, desc=None,
      www="", photo=""):
    return dict(kind=kind, storage=storage, name=name, make=make, model=model, cost=cost, sale=sale,
                count=count, supplier=supplier, reorder=reorder, desc=desc, www=www, photo=photo)


OWN_USE = L("Til eget brug", "Til eget bruk", "For our own use")

BREVANE_ITEMS = [
    B(0, 0, L("Stikkontakt, 1-fag, hvid", "Stikkontakt, 1-veis, hvit", "Socket, single, 13 A, white"),
      L("LK", "Elko", "MK"), L("Fuga Soft 1 modul", "Plus 1-veis jordet", "Logic Plus K2757"),
      38, 69, 120, 0, 40),
    B(0, 0, L("Afbryder, 1-pol", "Bryter, 1-pol", "Light switch, 1-gang"),
      L("LK", "Elko", "MK"), L("Fuga Soft 1 modul", "Plus 1-pol", "Logic Plus K4871"),
      42, 79, 85, 0, 30),
    B(0, 0, L("Forgreningsdåse", "Koblingsboks", "Junction box"), "Wiska", "Combi 407",
      18, 35, 140, 1, 50),
    B(2, 3, L("Installationskabel 3G1,5 mm², 100 m", "Installasjonskabel 3G1,5 mm², 100 m",
              "Twin and earth cable 1.5 mm², 100 m"),
      L("Nexans", "Nexans", "Prysmian"), L("PVIC-YM", "PFSP", "6242Y"),
      420, 699, 14, 0, 5),
    B(2, 3, L("Kabel 5G2,5 mm², 50 m", "Kabel 5G2,5 mm², 50 m", "Armoured cable 3-core 2.5 mm², 50 m"),
      L("Nexans", "Nexans", "Prysmian"), L("NOIKLX", "PFSP", "6943X"),
      690, 1095, 6, 1, 3),
    B(1, 6, L("LED-pære E27, 9 W, 2700 K", "LED-pære E27, 9 W, 2700 K", "LED bulb E27, 9 W, 2700 K"),
      "Philips", "CorePro LEDbulb", 22, 49, 150, 3, 60),
    B(1, 6, L("LED-downlight, 8 W", "LED-downlight, 8 W", "LED downlight, 8 W"),
      L("Nordlux", "Nordlux", "Aurora"), L("Carina", "Carina", "Enlite E8"),
      85, 179, 40, 1, 20),
    B(1, 3, L("LED-armatur til vådrum, 120 cm", "LED-armatur for våtrom, 120 cm", "LED batten, IP65, 4 ft"),
      "Ledvance", "Damp Proof Gen 2", 210, 399, 12, 3, 4),
    B(1, 5, L("Havelampe", "Hagelampe", "Garden light"), "Louis Poulsen", "Flindt Garden",
      1800, 2995, 2, 3,
      desc=L("Udstillingsmodel i vinduet", "Utstillingsmodell i vinduet", "Display model in the window")),
    B(5, 4, "Multimeter", "Fluke", "117", 1650, 2495, 4, 0, 2,
      www="https://www.fluke.com", photo="multimeter.jpg"),
    B(5, 9, L("Spændingstester", "Spenningstester", "Voltage tester"), "Fluke", "T6-1000",
      1450, 2195, 3, 0),
    B(5, 7, L("Isolationstester", "Isolasjonstester", "Insulation tester"), "Megger", "MIT420/2",
      9500, 12995, 1, 3,
      desc=L("Værkstedets eget, kalibreres hvert år", "Verkstedets eget, kalibreres hvert år",
             "The workshop's own, calibrated every year")),
    B(4, 5, L("Akku-boremaskine 18 V", "Batteridrill 18 V", "Cordless drill 18 V"),
      "Bosch", "GSR 18V-55 Professional", 1290, 1999, 5, 5, 2,
      www="https://www.bosch-professional.com", photo="boremaskine.jpg"),
    B(4, 10, L("Slagskruetrækker 18 V", "Slagtrekker 18 V", "Impact driver 18 V"), "Makita", "DTD153Z",
      950, 1495, 3, 5),
    B(4, 7, L("Skruetrækkersæt VDE, 6 dele", "Skrutrekkersett VDE, 6 deler", "VDE screwdriver set, 6 pieces"),
      "Wera", "Kraftform Plus 160 i/6", 299, 449, 10, 5, 4),
    B(4, 7, L("Afisoleringstang", "Avisoleringstang", "Wire strippers"), "Knipex", "13 72 8",
      260, 399, 8, 6, 3),
    B(4, 7, L("Kabelsaks", "Kabelsaks", "Cable shears"), "Knipex", "95 11 165", 210, 329, 6, 6, 3),
    B(3, 4, L("Batterier AA, 24 stk.", "Batterier AA, 24 stk.", "AA batteries, pack of 24"),
      "Duracell", "Plus AA", 95, 179, 60, 3, 20),
    B(3, 4, L("Batteri 9 V", "Batteri 9 V", "9 V battery"), "Varta", "Longlife Power", 18, 39, 30, 3, 10),
    B(3, 6, L("USB-C-oplader 20 W", "USB-C-lader 20 W", "USB-C charger 20 W"), "Anker", "Nano 20W",
      89, 179, 25, 9, 10),
    B(3, 6, L("HDMI-kabel, 2 m", "HDMI-kabel, 2 m", "HDMI cable, 2 m"), "Deltaco", "HDMI-1020",
      45, 99, 18, 9, 10),
    B(0, 6, L("Røgalarm", "Røykvarsler", "Smoke alarm"), L("Housegard", "Housegard", "FireAngel"),
      L("Origin", "Origin", "ST-622"), 79, 149, 35, 3, 10),
    B(6, 1, L("Skruer 4,0x40 mm, 200 stk.", "Skruer 4,0x40 mm, 200 stk.", "Wood screws 4.0x40 mm, box of 200"),
      "Würth", "ASSY 3.0", 89, 149, 48, 2, 15),
    B(6, 1, L("Dyvler 6x30 mm, 100 stk.", "Plugger 6x30 mm, 100 stk.", "Wall plugs 6x30 mm, box of 100"),
      "Fischer", "SX 6x30", 59, 99, 70, 2, 20),
    B(6, 1, L("Kabelbindere 200 mm, 100 stk.", "Buntebånd 200 mm, 100 stk.", "Cable ties 200 mm, pack of 100"),
      "HellermannTyton", "T50R", 35, 69, 90, 2, 25),
    B(0, 0, L("Isoleringstape, sort", "Isolasjonstape, svart", "Insulating tape, black"), "3M", "Temflex 1500",
      12, 29, 100, 0, 30),
    B(8, 2, L("Arbejdshandsker, str. 10", "Arbeidshansker, str. 10", "Work gloves, size 10"),
      "Ejendals", "Tegera 515", 39, 79, 40, 5, 12),
    B(8, 2, L("Sikkerhedsbriller", "Vernebriller", "Safety glasses"), "3M", "SecureFit 400",
      45, 89, 25, 5, 8),
    B(8, 2, L("Høreværn", "Hørselvern", "Ear defenders"), "3M", "Peltor Optime II", 179, 299, 12, 5, 4),
    B(8, 2, L("Sikkerhedssko S3, str. 43", "Vernesko S3, str. 43", "Safety boots S3, size 9"),
      "Jalas", "1848 Exalter", 699, 1099, 0, 6, 2,
      desc=L("Udsolgt, er bestilt hjem", "Utsolgt, er bestilt", "Out of stock, on order")),
    B(7, 8, L("Kopipapir A4, 500 ark", "Kopipapir A4, 500 ark", "Copier paper A4, 500 sheets"),
      "Lyreco", "Budget 80 g", 32, 32, 30, 8, 10, desc=OWN_USE),
    B(7, 8, L("Kuglepenne, 50 stk.", "Kulepenner, 50 stk.", "Ballpoint pens, box of 50"), "BIC", "Cristal",
      95, 95, 4, 8, 1, desc=OWN_USE),
    B(7, 8, L("Ringbind A4", "Ringperm A4", "Lever arch file A4"), "Esselte", "No. 1 Power",
      25, 25, 15, 8, desc=OWN_USE),
    B(7, 8, L("Etiketter til labelprinter", "Etiketter til etikettskriver", "Labels for the label printer"),
      "Brother", "DK-11209", 65, 65, 20, 8, 5,
      desc=L("Til stregkodeetiketterne på hylderne", "Til strekkodeetikettene på hyllene",
             "For the barcode labels on the shelves")),
    B(7, 8, L("Labelprinter", "Etikettskriver", "Label printer"), "Brother", "QL-820NWB",
      1250, 1250, 1, 9, desc=OWN_USE),
    B(9, 7, L("Kontaktrens, spray", "Kontaktrens, spray", "Contact cleaner spray"), "CRC",
      "Contact Cleaner 400 ml", 59, 109, 24, 2, 6),
    B(9, 7, L("Håndrens, 3 l", "Håndrens, 3 l", "Hand cleaner, 3 litres"), L("Würth", "Würth", "Swarfega"),
      "Orange", 89, 149, 10, 2, 3),
    B(10, 7, L("Sikring D02, 10 A, 10 stk.", "Sikring D02, 10 A, 10 stk.", "Fuse D02, 10 A, pack of 10"),
      "ABB", "D02 gG 10A", 45, 85, 30, 3, 10),
    B(10, 7, L("Relæ 24 V DC", "Rele 24 V DC", "Relay 24 V DC"), "Finder", "40.52.9.024", 49, 95, 22, 9, 5),
    B(10, 9, L("Kul til vinkelsliber", "Kullbørster til vinkelsliper", "Carbon brushes for angle grinder"),
      "Bosch", "1 607 014 171", 35, 69, 8, 5, 2),
]


def build_brevane(rng):
    last = datetime.date(2026, 11, 30)
    dates = [random_date(rng, 2024, 2026, last) for _ in BREVANE_ITEMS]
    out = {}
    for lang in LANGS:
        recs = []
        for i, item in enumerate(BREVANE_ITEMS):
            rec = Rec(group=item["storage"], name=pick(item["name"], lang), product=pick(item["make"], lang),
                      price=money(item["cost"], lang, "cost"),
                      priceToday=money(item["sale"], lang, "cost" if item["sale"] == item["cost"] else "shop"),
                      date=dates[i], supplier=BREVANE_SUPPLIERS[lang][item["supplier"]],
                      serialno="%d" % (FIRST_STOCK_NUMBER + i), description=pick(item["desc"], lang) or "",
                      address=(BREVANE_REORDER[lang] % item["reorder"]) if item["reorder"] else "",
                      number_of_items=item["count"], location=item["kind"], www=item["www"],
                      producttype=pick(item["model"], lang))
            if item["photo"]:
                rec.photolink = picture_path("Brevane", item["photo"])
            recs.append(rec)
        out[lang] = recs
    return out


# ---------------------------------------------------------------------------
# Documents, invoices and web addresses that the builders above leave out:
# a warranty and a valuation (Tovik), the wedding photographer's agreement
# (Pellin), dealers' certificates and the mints' pages (Ostrel), data sheets
# and supplier invoices (Brevane).  Every document is a one-page PDF in the
# sample's language, below dokumenter/.
# ---------------------------------------------------------------------------

def document_path(edition, file_name):
    return "%s/dokumenter/%s" % (EDITIONS[edition][0], file_name)


def pdf_bytes(title, lines):
    """One A4 page of Helvetica text; WinAnsiEncoding holds every Latin-1 letter at its Latin-1 code."""
    def esc(s):
        return s.replace("\\", "\\\\").replace("(", "\\(").replace(")", "\\)")
    content = ["BT", "/F2 16 Tf", "18 TL", "56 770 Td", "(%s) Tj" % esc(title), "/F1 11 Tf", "T* T*"]
    for line in lines:
        content.append("(%s) '" % esc(line) if line else "T*")
    content.append("ET")
    stream = "\n".join(content).encode("latin-1")
    objects = [
        b"<< /Type /Catalog /Pages 2 0 R >>",
        b"<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
        b"<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] "
        b"/Resources << /Font << /F1 4 0 R /F2 5 0 R >> >> /Contents 6 0 R >>",
        b"<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>",
        b"<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica-Bold /Encoding /WinAnsiEncoding >>",
        b"<< /Length %d >>\nstream\n" % len(stream) + stream + b"\nendstream",
    ]
    out = b"%PDF-1.4\n%\xe2\xe3\xcf\xd3\n"
    offsets = []
    for number, body in enumerate(objects, 1):
        offsets.append(len(out))
        out += b"%d 0 obj\n" % number + body + b"\nendobj\n"
    xref = len(out)
    out += b"xref\n0 %d\n0000000000 65535 f \n" % (len(objects) + 1)
    for offset in offsets:
        out += b"%010d 00000 n \n" % offset
    out += b"trailer\n<< /Size %d /Root 1 0 R >>\nstartxref\n%d\n%%%%EOF\n" % (len(objects) + 1, xref)
    return out


def write_documents(documents):
    for edition in EDITIONS:
        folder = os.path.join(DATA, EDITIONS[edition][0], "dokumenter")
        if os.path.isdir(folder):
            shutil.rmtree(folder)
    for rel, title, lines in documents:
        path = os.path.join(DATA, rel)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(pdf_bytes(title, lines))


def amount(value, lang):
    if lang == "en":
        return "£" + money_text(value, lang)
    return money_text(value, lang) + (" kr." if lang == "dk" else " kr")


def the_one(recs, what, **fields):
    found = [r for r in recs if all(getattr(r, k) == v for k, v in fields.items())]
    if len(found) != 1:
        raise ValueError("%d records for %s" % (len(found), what))
    return found[0]


VALUERS = {"dk": "Lyngby Guld & Sølv, autoriseret vurderingsmand",
           "no": "Bekkestua Gull og Sølv, sertifisert takstmann",
           "en": "Kingston Jewellers, registered valuer"}
COIN_DEALERS = {"dk": "Frederiksberg Mønthandel", "no": "Majorstuen Mynthandel", "en": "Richmond Coins Ltd"}
MINTS = {"dk": "https://www.nationalbanken.dk", "no": "https://www.norges-bank.no", "en": "https://www.royalmint.com"}
# Ostrel groups whose coins the country's central bank or mint still describes.
MINT_GROUPS = {"dk": (4,), "no": (3, 4), "en": (5,)}
SHOP_NAMES = {"dk": "Nørre Elektro ApS", "no": "Bekkestua Elektro AS", "en": "Kingston Electrical Ltd"}

DATA_SHEET_SPECS = {
    "117": L(["True-RMS, 600 V AC/DC, 10 A", "Berøringsfri spændingsmåling (VoltAlert)", "Måleklasse CAT III 600 V"],
             ["True-RMS, 600 V AC/DC, 10 A", "Berøringsfri spenningsmåling (VoltAlert)", "Måleklasse CAT III 600 V"],
             ["True-RMS, 600 V AC/DC, 10 A", "Non-contact voltage detection (VoltAlert)",
              "Measurement category CAT III 600 V"]),
    "MIT420/2": L(["Isolationsmåling 50 V til 1000 V, op til 20 GOhm", "Kontinuitet med 200 mA",
                   "Kalibreres én gang om året"],
                  ["Isolasjonsmåling 50 V til 1000 V, opptil 20 GOhm", "Kontinuitet med 200 mA",
                   "Kalibreres én gang i året"],
                  ["Insulation test 50 V to 1000 V, up to 20 GOhm", "Continuity at 200 mA",
                   "Calibrate once a year"]),
    "smoke": L(["Optisk røgalarm efter EN 14604", "Indbygget lithiumbatteri, holder 10 år", "Testknap og lydsignal 85 dB"],
               ["Optisk røykvarsler etter EN 14604", "Innebygd litiumbatteri, varer i 10 år",
                "Testknapp og lydsignal 85 dB"],
               ["Optical smoke alarm to BS EN 14604", "Sealed lithium battery, lasts ten years",
                "Test button, 85 dB sounder"]),
}


def add_extras(tovik, pellin, ostrel, brevane):
    """Fills documents, invoices and web addresses in; returns the documents and the invoices to draw."""
    documents = []
    invoices = []
    for lang in LANGS:
        # Tovik: the television's extended warranty and the inherited brooch's valuation.
        tv = the_one(tovik[lang], "television", producttype="QE65S95C")
        name = "garanti-fjernsyn-%s.pdf" % lang
        tv.document = document_path("Tovik", name)
        documents.append((tv.document, pick(L("Garantibevis - udvidet garanti", "Garantibevis - utvidet garanti",
                                              "Extended warranty certificate"), lang),
                          [tv.supplier + (", " + tv.address if tv.address else ""), "",
                           pick(L("Produkt", "Produkt", "Product"), lang) + ": %s %s" % (tv.product, tv.producttype),
                           pick(L("Serienummer", "Serienummer", "Serial number"), lang) + ": " + tv.serialno,
                           pick(L("Købsdato", "Kjøpsdato", "Date of purchase"), lang) + ": " + tv.date,
                           pick(L("Pris", "Pris", "Price"), lang) + ": " + amount(tv.price, lang), "",
                           pick(L("Garantien gælder i 5 år fra købsdatoen og dækker fejl i materialer og fremstilling.",
                                  "Garantien gjelder i 5 år fra kjøpsdatoen og dekker feil i materialer og produksjon.",
                                  "The warranty runs for five years from the date of purchase and covers faults in"),
                                lang),
                           pick(L("Gem beviset sammen med kvitteringen.", "Ta vare på beviset sammen med kvitteringen.",
                                  "materials and workmanship. Keep this certificate with your receipt."), lang)]))
        brooch = the_one(tovik[lang], "brooch", group=4, price=0.0)
        brooch.document = document_path("Tovik", "vurdering-broche-%s.pdf" % lang)
        documents.append((brooch.document, pick(L("Vurderingsattest", "Takstbrev", "Valuation certificate"), lang),
                          [VALUERS[lang], "",
                           pick(L("Genstand", "Gjenstand", "Item"), lang) + ": %s, %s, %s" % (
                               brooch.name, brooch.product, brooch.producttype.lower()),
                           pick(L("Vurderet til", "Taksert til", "Valued at"), lang) + ": " +
                           amount(brooch.priceToday, lang),
                           pick(L("Dato", "Dato", "Date"), lang) + ": 12.03.2024", "",
                           pick(L("Vurderingen er genhandelsværdien til forsikringsbrug.",
                                  "Taksten er gjenanskaffelsesverdien til forsikringsbruk.",
                                  "The valuation is the replacement value for insurance."), lang)]))
        # Pellin: the wedding photographer's agreement.
        wedding = the_one(pellin[lang], "wedding", date="20.06.2009", group=6)
        wedding.document = document_path("Pellin", "aftale-bryllupsfotograf-%s.pdf" % lang)
        documents.append((wedding.document, pick(L("Aftale om bryllupsfotografering", "Avtale om bryllupsfotografering",
                                                   "Wedding photography agreement"), lang),
                          [wedding.supplier, "",
                           pick(L("Dato", "Dato", "Date"), lang) + ": " + wedding.date,
                           pick(L("Leveres: 420 billeder, heraf 40 retoucherede, album og DVD",
                                  "Leveres: 420 bilder, av dem 40 retusjerte, album og DVD",
                                  "Delivered: 420 pictures, 40 of them retouched, an album and a DVD"), lang),
                           pick(L("Pris", "Pris", "Price"), lang) + ": " + amount(wedding.price, lang), "",
                           pick(L("Billederne må bruges privat. Fotografen har ophavsretten.",
                                  "Bildene kan brukes privat. Fotografen har opphavsretten.",
                                  "The pictures are for private use. The photographer keeps the copyright."), lang)]))
        # Ostrel: the dealer's certificate of every gold coin with pictures, and the mint's page.
        for coin in ostrel[lang]:
            if coin.group in MINT_GROUPS[lang]:
                coin.www = MINTS[lang]
        for coin in ostrel[lang]:
            if coin.photolink and coin.product in ("Guld", "Gull", "Gold"):
                base = os.path.basename(coin.photolink).rsplit("-", 1)[0]
                coin.document = document_path("Ostrel", "certifikat-%s-%s.pdf" % (base, lang))
                documents.append((coin.document, pick(L("Ægthedscertifikat", "Ekthetssertifikat",
                                                        "Certificate of authenticity"), lang),
                                  [COIN_DEALERS[lang], "",
                                   pick(L("Mønt", "Mynt", "Coin"), lang) + ": %s %s, %s" % (
                                       OSTREL_DENOMINATIONS[lang][coin.location], coin.name, coin.product.lower()),
                                   pick(L("Katalog", "Katalog", "Catalogue"), lang) + ": " + (
                                       coin.serialno if coin.serialno.startswith(coin.supplier)
                                       else "%s %s" % (coin.supplier, coin.serialno)),
                                   pick(L("Kvalitet", "Kvalitet", "Grade"), lang) + ": " + coin.address,
                                   pick(L("Købt", "Kjøpt", "Bought"), lang) + ": %s, %s" % (
                                       coin.date, amount(coin.price, lang)), "",
                                   pick(L("Mønten er undersøgt og er ægte.", "Mynten er undersøkt og er ekte.",
                                          "The coin has been examined and is genuine."), lang)]))
        # Brevane: data sheets of the instruments and the smoke alarm, invoices of the dearest goods.
        for model, key in (("117", "117"), ("MIT420/2", "MIT420/2"), (pick(L("Origin", "Origin", "ST-622"), lang),
                                                                       "smoke")):
            rec = the_one(brevane[lang], model, producttype=model)
            slug = re.sub(r"[^a-z0-9]+", "-", ("%s %s" % (rec.product, rec.producttype)).lower()).strip("-")
            rec.document = document_path("Brevane", "datablad-%s-%s.pdf" % (slug, lang))
            documents.append((rec.document, pick(L("Datablad", "Datablad", "Data sheet"), lang) +
                              ": %s %s" % (rec.product, rec.producttype),
                              [rec.name, ""] + pick(DATA_SHEET_SPECS[key], lang)))
        for model in ("MIT420/2", "Flindt Garden", "QL-820NWB"):
            rec = the_one(brevane[lang], model, producttype=model)
            file_name = "faktura-%s-%s.png" % (re.sub(r"[^a-z0-9]+", "-", model.lower()).strip("-"), lang)
            rec.receipt = picture_path("Brevane", file_name)
            invoices.append((file_name, lang, rec))
    return documents, invoices


INVOICE_WORDS = {
    "dk": dict(title="FAKTURA", number="Fakturanr.", date="Dato", to="Til", total="I alt DKK",
               vat="Heraf moms 25%", vat_part=0.2, due="Betales senest 30 dage netto"),
    "no": dict(title="FAKTURA", number="Fakturanr.", date="Dato", to="Til", total="Totalt NOK",
               vat="Herav mva 25%", vat_part=0.2, due="Forfall 30 dager netto"),
    "en": dict(title="INVOICE", number="Invoice no.", date="Date", to="To", total="Total GBP",
               vat="incl. VAT 20%", vat_part=1.0 / 6, due="Payment due within 30 days"),
}


def pic_invoice(path, lang, rec, rng):
    w = INVOICE_WORDS[lang]
    total = rec.price * 1.25 if lang != "en" else rec.price * 1.2
    a = ["-size", "240x340", "xc:#9aa1a8"]
    a += draw("#ffffff", "rectangle 12,8 228,332")
    a += draw("#2f5d8a", "rectangle 12,8 228,40")
    a += text(rec.supplier, 0, 16, 14, "#ffffff", FONT_BOLD, "North")
    a += text(w["title"], 24, 52, 13, "#2f5d8a", FONT_BOLD, "NorthWest")
    lines = [
        "%s %d" % (w["number"], rng.randint(100000, 999999)),
        "%s %s" % (w["date"], rec.date),
        "%s: %s" % (w["to"], SHOP_NAMES[lang]),
        "",
        "1 x %s" % rec.name[:28],
        "    %s %s" % (rec.product, rec.producttype),
        "",
        "%s  %s" % (w["total"], money_text(total, lang)),
        "%s  %s" % (w["vat"], money_text(total * w["vat_part"], lang)),
        "",
        w["due"],
    ]
    y = 76
    for line in lines:
        if line:
            bold = line.startswith(w["total"])
            a += text(line, 24, y, 9, "#111111", FONT_MONO_BOLD if bold else FONT_MONO, "NorthWest")
        y += 16
    a += draw("none", "line 24,%d 216,%d" % (76 + 16 * 7 - 4, 76 + 16 * 7 - 4), "#555555", 1)
    a += ["+dither", "-colors", "16"]
    convert(a, path)


# ---------------------------------------------------------------------------
# Pictures (ImageMagick `convert`)
# ---------------------------------------------------------------------------

FONT = "DejaVu-Sans"
FONT_BOLD = "DejaVu-Sans-Bold"
FONT_MONO = "DejaVu-Sans-Mono"
FONT_MONO_BOLD = "DejaVu-Sans-Mono-Bold"
FONT_SERIF_BOLD = "DejaVu-Serif-Bold"


def convert(args, out_path):
    os.makedirs(os.path.dirname(out_path), exist_ok=True)
    if out_path.endswith(".png"):
        tail = ["-strip", "-define", "png:exclude-chunks=date,time", "-define", "png:compression-level=9"]
    else:
        tail = ["-strip", "-interlace", "none", "-sampling-factor", "2x2", "-quality", "82"]
    subprocess.run(["convert"] + args + tail + [out_path], check=True)
    size = os.path.getsize(out_path)
    if size > MAX_PICTURE_BYTES:
        raise ValueError("%s is %d bytes" % (out_path, size))


def draw(fill, primitive, stroke="none", width=1):
    return ["-fill", fill, "-stroke", stroke, "-strokewidth", str(width), "-draw", primitive]


def text(s, x, y, size, fill="black", font=FONT_BOLD, gravity="center"):
    return ["-stroke", "none", "-font", font, "-pointsize", str(size), "-fill", fill, "-gravity", gravity,
            "-annotate", "%+d%+d" % (x, y), s, "-gravity", "NorthWest"]


def pts(points):
    return " ".join("%d,%d" % (round(x), round(y)) for x, y in points)


def circle(cx, cy, r):
    return "circle %d,%d %d,%d" % (cx, cy, cx + r, cy)


def ring(cx, cy, r, n, dot):
    import math
    return " ".join(circle(cx + r * math.cos(2 * math.pi * i / n), cy + r * math.sin(2 * math.pi * i / n), dot)
                    for i in range(n))


# --- home contents -----------------------------------------------------------

def pic_sofa(path):
    a = ["-size", "320x240", "gradient:#f1e9da-#d8c9ad"]
    a += draw("#c9b48f", "rectangle 0,186 320,190")
    a += draw("#8b5a2b", "rectangle 0,190 320,240")
    a += draw("#7a4e24", "line 0,212 320,212 line 0,228 320,228", "#7a4e24", 1)
    a += draw("#3b2a1a", "rectangle 58,176 66,196 rectangle 254,176 262,196")
    a += draw("#5f6f82", "roundrectangle 28,98 72,182 14,14 roundrectangle 248,98 292,182 14,14")
    a += draw("#6f8093", "roundrectangle 56,60 264,130 16,16")
    a += draw("#7f90a3", "roundrectangle 66,70 130,124 10,10 roundrectangle 128,70 192,124 10,10 "
                         "roundrectangle 190,70 254,124 10,10", "#5a6a7c", 2)
    a += draw("#6a7b8e", "roundrectangle 44,124 276,180 12,12")
    a += draw("#8797aa", "roundrectangle 68,118 130,150 8,8 roundrectangle 129,118 191,150 8,8 "
                         "roundrectangle 190,118 252,150 8,8", "#5a6a7c", 2)
    a += draw("#e0b050", "roundrectangle 80,84 116,116 6,6", "#b8862a", 2)
    # picture on the wall
    a += draw("#ffffff", "rectangle 130,14 190,50", "#4a3a2a", 3)
    a += draw("#7fb0d8", "rectangle 136,20 184,44")
    a += draw("#4f8a3c", "polygon 136,44 150,30 162,40 172,28 184,44")
    convert(a, path)


def pic_watch(path):
    import math
    a = ["-size", "320x240", "gradient:#1d2c48-#0a1222"]
    a += draw("#6b4322", "roundrectangle 134,-10 186,250 10,10", "#4a2c14", 2)
    a += draw("none", "line 140,0 140,240 line 180,0 180,240", "#c9a878", 1)
    a += draw("#b8bcc4", "rectangle 228,110 242,130", "#7d828a", 2)
    a += draw("#c9cdd4", circle(160, 120, 74), "#858b94", 4)
    a += draw("#151515", circle(160, 120, 64), "#9aa0a8", 2)
    ticks = []
    for i in range(60):
        ang = 2 * math.pi * i / 60
        r1 = 50 if i % 5 == 0 else 55
        ticks.append("line %d,%d %d,%d" % (160 + r1 * math.sin(ang), 120 - r1 * math.cos(ang),
                                          160 + 59 * math.sin(ang), 120 - 59 * math.cos(ang)))
    a += draw("none", " ".join(ticks), "#f0f0f0", 1)
    a += draw("#232323", circle(160, 95, 13) + " " + circle(138, 128, 13) + " " + circle(182, 128, 13),
              "#8a8a8a", 1)
    a += draw("none", "line 160,120 160,68 line 160,120 196,134", "#f4f4f4", 4)
    a += draw("none", "line 160,120 118,150", "#e04030", 2)
    a += draw("#c9cdd4", circle(160, 120, 5))
    a += text("SPEEDMASTER", 0, 32, 8, "#dddddd", FONT)
    convert(a, path)


def pic_tv(path):
    a = ["-size", "320x240", "gradient:#ece7de-#cbc3b5"]
    a += draw("#7a5230", "rectangle 20,200 300,236")
    a += draw("#6a4526", "line 160,204 160,232", "#5a3a1e", 2)
    a += draw("#1a1a1a", "rectangle 152,182 168,200")
    a += draw("#111111", "roundrectangle 22,28 298,186 6,6")
    a += draw("#5fb2e8", "rectangle 30,36 290,176")
    a += draw("#9fd3f5", "rectangle 30,36 290,80")
    a += draw("#ffe27a", circle(230, 70, 16))
    a += draw("#3f8f45", "polygon 30,176 30,130 90,108 150,132 210,104 290,126 290,176")
    a += draw("#2f7335", "polygon 30,176 30,150 120,138 200,156 290,146 290,176")
    a += text("4K", 120, -64, 12, "#ffffff", FONT_BOLD)
    convert(a, path)


def pic_painting(path):
    a = ["-size", "320x240", "gradient:#ebe3d1-#d2c7ae"]
    a += draw("#b8902f", "rectangle 40,24 280,206", "#7a5c14", 3)
    a += draw("#d8b050", "rectangle 50,34 270,196", "#8a6a1a", 1)
    a += ["-size", "206x148", "gradient:#6a4c8c-#f7a24e", "-geometry", "+57+41", "-composite"]
    a += draw("#ffd56a", circle(196, 128, 20))
    a += draw("#35597e", "rectangle 57,130 262,160")
    a += draw("none", "line 176,136 216,136 line 182,142 210,142 line 188,148 204,148", "#ffce70", 2)
    a += draw("#e0c48a", "polygon 57,188 57,156 130,150 262,162 262,188")
    a += draw("#8aa050", "polygon 57,170 80,150 100,166 120,154 140,170 57,176")
    convert(a, path)


def pic_bicycle(path):
    import math
    a = ["-size", "320x240", "gradient:#dbe8f2-#ffffff"]
    a += draw("#b9c2c9", "rectangle 0,212 320,240")
    spokes = []
    for cx in (86, 234):
        for i in range(12):
            ang = math.pi * i / 6
            spokes.append("line %d,%d %d,%d" % (cx, 160, cx + 48 * math.cos(ang), 160 + 48 * math.sin(ang)))
    a += draw("none", " ".join(spokes), "#9aa3aa", 1)
    a += draw("none", circle(86, 160, 50) + " " + circle(234, 160, 50), "#222222", 7)
    a += draw("none", "line 86,160 152,162 line 86,160 136,92 line 136,92 152,162 "
                      "line 136,92 212,96 line 152,162 214,112 line 212,90 234,160", "#1f6e8c", 6)
    a += draw("none", "line 136,92 132,80 line 212,96 208,70 line 208,70 236,66", "#333333", 4)
    a += draw("#222222", "roundrectangle 114,72 150,82 4,4")
    a += draw("none", "line 152,162 166,178 line 152,162 140,146", "#444444", 4)
    a += draw("#c0c0c0", circle(152, 162, 7) + " " + circle(86, 160, 5) + " " + circle(234, 160, 5))
    a += draw("#8a5a2a", "rectangle 232,70 270,90", "#5a3a1a", 2)
    convert(a, path)


def money_text(value, lang):
    if lang == "en":
        return "{:,.2f}".format(value)
    s = "{:,.2f}".format(value)
    return s.replace(",", "X").replace(".", ",").replace("X", "." if lang == "dk" else " ")


RECEIPT_WORDS = {
    "dk": dict(till="Kasse 3", total="I ALT DKK", vat="Heraf moms 25%", vat_part=0.2,
               paid="Betalt med Dankort", thanks="Tak for besøget!", keep="Gem bonen som garantibevis"),
    "no": dict(till="Kasse 2", total="TOTALT NOK", vat="Herav mva 25%", vat_part=0.2,
               paid="Betalt med BankAxept", thanks="Takk for handelen!", keep="Ta vare på kvitteringen"),
    "en": dict(till="Till 4", total="TOTAL GBP", vat="incl. VAT 20%", vat_part=1.0 / 6,
               paid="Paid by Visa debit", thanks="Thank you for shopping", keep="Please keep your receipt"),
}


def pic_receipt(path, lang, rec, rng):
    w = RECEIPT_WORDS[lang]
    width = 30

    def lr(left, right):
        return left + " " * max(1, width - len(left) - len(right)) + right

    total = rec.price * rec.number_of_items
    shop_line = rec.supplier.upper()
    addr = [x.strip() for x in rec.address.split(",")] if rec.address else []
    time = "%02d:%02d" % (rng.randint(10, 19), rng.randint(0, 59))
    item = ("%s %s" % (rec.product, rec.producttype))[:width]
    lines = [
        ("", "-"), (lr(rec.date + "  " + time, w["till"]), "l"), ("-" * width, "l"),
        (item, "l"),
        (lr("  %d x %s" % (rec.number_of_items, money_text(rec.price, lang)), money_text(total, lang)), "l"),
        ("-" * width, "l"),
        (lr(w["total"], money_text(total, lang)), "b"),
        (lr(w["vat"], money_text(total * w["vat_part"], lang)), "l"),
        ("", "-"), (w["paid"], "l"), ("XXXX XXXX XXXX %04d" % rng.randint(1000, 9999), "l"),
        ("", "-"), (w["thanks"], "c"), (w["keep"], "c"),
    ]
    height = 360
    a = ["-size", "240x%d" % height, "xc:#8f969c"]
    zig = [(20, 10), (220, 10), (220, 330)]
    x = 220
    while x > 20:
        zig += [(x - 5, 338), (x - 10, 330)]
        x -= 10
    a += draw("#fcfcf8", "polygon " + pts(zig))
    a += text(shop_line, 0, 20, 15, "#111111", FONT_MONO_BOLD, "North")
    y = 42
    for piece in addr:
        a += text(piece, 0, y, 9, "#222222", FONT_MONO, "North")
        y += 13
    y += 8
    for s, style in lines:
        if style == "-":
            y += 6
            continue
        if style == "c":
            a += text(s, 0, y, 10, "#222222", FONT_MONO, "North")
        elif style == "b":
            a += text(s, 28, y, 10, "#000000", FONT_MONO_BOLD, "NorthWest")
        else:
            a += text(s, 28, y, 10, "#222222", FONT_MONO, "NorthWest")
        y += 15
    # a bar code at the foot of the slip
    bars = []
    bx = 40
    while bx < 196:
        bw = rng.choice((1, 1, 2, 3))
        bars.append("rectangle %d,%d %d,%d" % (bx, y + 8, bx + bw - 1, y + 34))
        bx += bw + rng.choice((1, 2, 2, 3))
    a += draw("#222222", " ".join(bars))
    a += ["+dither", "-colors", "16"]
    convert(a, path)


# --- photographs -------------------------------------------------------------

def pic_sunset(path, late=False):
    if late:
        a = ["-size", "320x240", "gradient:#24163f-#ff5f34"]
        sun_y, sea, refl = 162, "#1b2746", "#ff8a50"
    else:
        a = ["-size", "320x240", "gradient:#4b2f70-#ffb347"]
        sun_y, sea, refl = 132, "#27406b", "#ffd27a"
    a += draw("#ffe9a0", circle(200, sun_y, 24))
    a += draw("#6a3f5f", "polygon 0,158 40,150 70,154 70,160 0,160")
    a += draw(sea, "rectangle 0,158 320,240")
    lines = []
    for i, half in enumerate((30, 24, 20, 15, 12, 9, 6, 4)):
        y = 164 + i * 9
        lines.append("line %d,%d %d,%d" % (200 - half, y, 200 + half, y))
    a += draw("none", " ".join(lines), refl, 3)
    a += draw("#f4d9a0" if not late else "#55324a", "polygon 0,240 0,214 120,226 320,220 320,240")
    convert(a, path)


def pic_mountains(path):
    a = ["-size", "320x240", "gradient:#5fa6e6-#dcefff"]
    a += draw("#8d9bb0", "polygon 0,150 60,70 110,120 170,40 240,110 290,76 320,100 320,170 0,170")
    a += draw("#ffffff", "polygon 52,80 60,70 70,82 64,86 58,82 polygon 158,56 170,40 184,58 176,62 170,56 164,62 "
                         "polygon 282,86 290,76 300,88 292,90")
    a += draw("#5c6b7f", "polygon 0,170 40,120 90,150 140,100 200,160 260,130 320,170 320,180 0,180")
    a += draw("#4e8a3b", "polygon 0,180 0,172 80,160 200,172 320,166 320,240 0,240")
    a += draw("#4a82c2", "ellipse 170,200 110,18 0,360")
    a += draw("#2f5f2a", "polygon 20,240 30,200 40,240 polygon 40,240 52,190 64,240 polygon 276,240 288,196 300,240")
    convert(a, path)


def pic_forest(path):
    a = ["-size", "320x240", "gradient:#e4f2c8-#86b96a"]
    a += draw("#6e8f3e", "rectangle 0,190 320,240")
    trunks = " ".join("rectangle %d,40 %d,205" % (x, x + w) for x, w in
                      ((20, 14), (78, 10), (128, 16), (190, 11), (246, 15), (296, 12)))
    a += draw("#5d4630", trunks)
    canopy = " ".join(circle(x, y, r) for x, y, r in
                      ((10, 30, 40), (60, 20, 42), (120, 28, 45), (175, 16, 40), (230, 30, 44),
                       (290, 18, 42), (95, 60, 24), (210, 62, 26)))
    a += draw("#4f8f34", canopy)
    a += draw("#7ab84f", " ".join(circle(x, y, r) for x, y, r in ((40, 44, 16), (150, 50, 18), (260, 46, 16))))
    dots = " ".join(circle(x, y, 2) for x, y in
                    [(x, 200 + (x * 7) % 36) for x in range(4, 320, 9)])
    a += draw("#7b6fd6", dots)
    a += draw("rgba(255,250,215,0.30)", "polygon 236,0 262,0 238,190 176,190 polygon 276,0 290,0 290,60 258,190 240,190")
    convert(a, path)


def pic_portrait(path):
    a = ["-size", "240x240", "radial-gradient:#8a8a8a-#2a2a2a"]
    a += draw("#262626", "ellipse 120,250 96,66 0,360")
    a += draw("#f2f2f2", "polygon 96,186 120,214 144,186 132,196 120,204 108,196")
    a += draw("#b8b8b8", "rectangle 106,150 134,196")
    a += draw("#e6e6e6", "ellipse 120,96 52,58 0,360")
    a += draw("#c9c9c9", "ellipse 120,112 40,50 0,360")
    a += draw("#dcdcdc", "ellipse 120,70 44,24 0,360")
    a += draw("#3a3a3a", circle(104, 110, 3) + " " + circle(136, 110, 3))
    a += draw("none", "arc 106,128 134,146 20,160", "#5a5a5a", 2)
    a += draw("none", "line 120,112 116,128", "#8a8a8a", 2)
    a += ["-colorspace", "Gray"]
    convert(a, path)


def pic_family(path):
    a = ["-size", "320x240", "gradient:#7cc4f2-#e4f5ff"]
    a += draw("#ffe680", circle(270, 38, 18))
    a += draw("#3a8ec6", "rectangle 0,118 320,150")
    a += draw("none", "line 0,128 80,128 line 120,138 230,138", "#8cc6ea", 2)
    a += draw("#ecd6a0", "rectangle 0,150 320,240")
    a += draw("#d84a3a", "polygon 236,120 286,100 276,126")
    a += draw("none", "line 262,112 262,200", "#555555", 3)
    people = ((60, 120, 64, "#2e5fa8"), (105, 116, 68, "#c0392b"), (146, 150, 40, "#f0b429"),
              (178, 156, 34, "#27ae60"), (206, 160, 30, "#e86aa6"))
    for x, top, h, colour in people:
        head = max(8, h // 7)
        a += draw("#f1c27d", circle(x, top, head))
        body_top = top + head + 2
        a += draw(colour, "roundrectangle %d,%d %d,%d 5,5" % (x - head, body_top, x + head, body_top + h // 2))
        a += draw("none", "line %d,%d %d,%d line %d,%d %d,%d" % (
            x - head // 2, body_top + h // 2, x - head // 2, body_top + h,
            x + head // 2, body_top + h // 2, x + head // 2, body_top + h), "#f1c27d", 4)
    convert(a, path)


def pic_city(path, night=False):
    if night:
        a = ["-size", "320x240", "gradient:#070c26-#1b2a5c"]
        a += draw("#f3f0d0", circle(262, 36, 12))
        building, lit, water = "#0d0f1a", "#ffd86b", "#101a36"
    else:
        a = ["-size", "320x240", "gradient:#34477a-#f4a261"]
        building, lit, water = "#2a2a38", "#ffe08a", "#2b3656"
    blocks = ((0, 120, 40), (38, 90, 34), (70, 130, 30), (98, 70, 26), (122, 110, 44), (164, 84, 30),
              (192, 124, 36), (226, 60, 22), (246, 104, 40), (284, 132, 36))
    a += draw(building, " ".join("rectangle %d,%d %d,175" % (x, y, x + w) for x, y, w in blocks))
    a += draw(building, "polygon 98,70 111,46 124,70")
    windows = []
    for x, y, w in blocks:
        for wy in range(y + 8, 168, 12):
            for wx in range(x + 5, x + w - 6, 9):
                if (wx * 7 + wy * 13 + x) % 10 < (6 if night else 2):
                    windows.append("rectangle %d,%d %d,%d" % (wx, wy, wx + 4, wy + 6))
    a += draw(lit, " ".join(windows))
    a += draw(water, "rectangle 0,175 320,240")
    refl = ["line %d,%d %d,%d" % (x, y, x + 14, y) for x in range(10, 310, 26) for y in range(184, 236, 13)
            if (x + y) % 3 == 0]
    a += draw("none", " ".join(refl), lit, 2)
    convert(a, path)


def pic_film(path):
    a = ["-size", "320x240", "gradient:#3a3a3a-#151515"]
    a += draw("#0b0b0b", "rectangle 0,36 320,204")
    holes = " ".join("roundrectangle %d,44 %d,56 2,2 roundrectangle %d,184 %d,196 2,2" % (x, x + 10, x, x + 10)
                     for x in range(8, 320, 22))
    a += draw("#d8d0c0", holes)
    for i, x in enumerate((14, 118, 222)):
        a += draw("#e9a85a" if i != 1 else "#eab86a", "rectangle %d,64 %d,176" % (x, x + 86))
        a += draw("#8cc0e8", "rectangle %d,64 %d,110" % (x, x + 86))
        a += draw("#3d7fb0", "rectangle %d,110 %d,132" % (x, x + 86))
        px = x + 30 + i * 14
        a += draw("#d04a30", "roundrectangle %d,126 %d,154 3,3" % (px - 6, px + 6))
        a += draw("#f0c090", circle(px, 120, 6))
    a += text("KODACHROME 40  SUPER 8", 0, 92, 9, "#f0a030", FONT_BOLD)
    a += ["-modulate", "100,85,100"]
    convert(a, path)


# --- stock --------------------------------------------------------------------

def pic_drill(path):
    a = ["-size", "320x240", "gradient:#f4f5f6-#ccd2d8"]
    a += draw("#9aa2aa", "ellipse 170,226 110,8 0,360")
    a += draw("#1f4e8c", "polygon 146,104 196,104 188,186 138,186", "#163a6a", 2)
    a += draw("#1f4e8c", "roundrectangle 70,56 236,114 22,22", "#163a6a", 2)
    a += draw("#111111", "polygon 146,118 150,150 160,150 158,118")
    a += draw("#d92b2b", "rectangle 150,122 158,144")
    a += draw("#222222", "roundrectangle 116,182 214,218 6,6")
    a += draw("#444444", "rectangle 236,70 262,102")
    a += draw("#666666", "polygon 262,74 276,80 276,94 262,100")
    a += draw("#b8bec4", "rectangle 276,84 310,90")
    a += draw("none", "line 84,66 84,104 line 92,66 92,104 line 100,66 100,104", "#163a6a", 3)
    a += text("18V", -2, 82, 14, "#f5f5f5", FONT_BOLD)
    convert(a, path)


def pic_multimeter(path):
    a = ["-size", "320x240", "gradient:#eef2f5-#c9d3d9"]
    a += draw("none", "path 'M 130,204 C 100,240 60,200 20,236'", "#c0262b", 5)
    a += draw("none", "path 'M 160,204 C 190,250 250,210 300,236'", "#222222", 5)
    a += draw("#f2c200", "roundrectangle 96,10 224,216 18,18", "#c09a00", 2)
    a += draw("#3a3a3a", "roundrectangle 106,22 214,206 10,10")
    a += draw("#b9c6a2", "rectangle 116,32 204,78", "#222222", 2)
    a += text("230.4", 122, 38, 22, "#1b1b1b", FONT_MONO_BOLD, "NorthWest")
    a += text("V~", 182, 62, 10, "#1b1b1b", FONT_BOLD, "NorthWest")
    a += draw("#1c1c1c", circle(160, 136, 30), "#8a8a8a", 3)
    a += draw("none", "line 160,136 182,116", "#f2c200", 5)
    a += draw("#c0262b", circle(130, 194, 6))
    a += draw("#111111", circle(160, 194, 6), "#777777", 1)
    a += draw("#c0262b", circle(190, 194, 6))
    convert(a, path)


# --- coins --------------------------------------------------------------------

METALS = {  # face, shade, highlight, lettering
    "silver": ("#c9ccd1", "#7d828a", "#eef0f3", "#4a4f57"),
    "gold": ("#dab545", "#8c6b12", "#f6e08a", "#5c4508"),
    "albronze": ("#d6bd62", "#8a7426", "#f3e6a4", "#5a4a10"),
    "bronze": ("#a8683a", "#5e3416", "#d39a6a", "#40220c"),
    "cuni": ("#bcbfb9", "#70746e", "#e4e6e1", "#40433f"),
    "iron": ("#6d7074", "#3a3c3f", "#9ca0a5", "#1f2123"),
}


def coin_outline(shape, r):
    import math
    if shape == "hept":
        return "polygon " + pts([(160 + r * math.sin(2 * math.pi * i / 7), 120 - r * math.cos(2 * math.pi * i / 7))
                                 for i in range(7)])
    return circle(160, 120, r)


def crown_shape(cx, top, w):
    h = w * 0.6
    return "polygon " + pts([(cx - w / 2, top + h), (cx - w / 2, top + h * 0.25), (cx - w / 4, top + h * 0.55),
                             (cx, top), (cx + w / 4, top + h * 0.55), (cx + w / 2, top + h * 0.25),
                             (cx + w / 2, top + h)])


def shield_shape(cx, top, w):
    h = w * 1.2
    return "polygon " + pts([(cx - w / 2, top), (cx + w / 2, top), (cx + w / 2, top + h * 0.55),
                             (cx, top + h), (cx - w / 2, top + h * 0.55)])


def pic_coin(path, look, year, side):
    face, shade, light, letters = METALS[look["metal"]]
    shape = look.get("shape", "round")
    hole = look.get("hole", False)
    a = ["-size", "320x240", "radial-gradient:#33456a-#0e1526"]
    a += draw("#05080f", "translate 4,5 " + coin_outline(shape, 101))
    a += draw(face, coin_outline(shape, 100), shade, 5)
    a += draw("none", coin_outline(shape, 88), shade, 1.5)
    if shape == "round":
        a += draw(shade, ring(160, 120, 94, 72, 1))
    a += draw("none", "arc 78,38 242,202 200,250", light, 3)
    if side == "front":
        kind, legend = look["front"]
        if kind == "head":
            a += draw(shade, "ellipse 166,112 30,38 0,360")
            a += draw(shade, "polygon 136,106 128,120 138,124")
            a += draw(shade, "polygon 150,140 182,140 190,164 142,164")
            a += draw(face, "ellipse 164,112 26,34 0,360")
            a += draw(light, "ellipse 172,88 18,12 0,360")
            a += draw(shade, circle(150, 106, 2))
            a += text(legend, 0, -68 if len(legend) < 12 else -66, 15 if len(legend) < 12 else 12,
                      letters, FONT_SERIF_BOLD)
            a += text(year, 0, 72, 16, letters, FONT_SERIF_BOLD)
        elif kind == "mono":
            a += draw(shade, crown_shape(160, 38 if hole else 46, 44), letters, 1)
            if hole:
                a += text(legend, 0, 46, 24, letters, FONT_SERIF_BOLD)
            else:
                a += text(legend, 0, 10, 38, letters, FONT_SERIF_BOLD)
            a += text(year, 0, 72, 16, letters, FONT_SERIF_BOLD)
        else:  # shield
            a += draw(shade, shield_shape(160, 78, 56), letters, 2)
            a += draw("none", "line 160,84 160,138 line 140,104 180,104", light, 3)
            a += text(legend, 0, -66, 17, letters, FONT_SERIF_BOLD)
            a += text(year, 0, 72, 16, letters, FONT_SERIF_BOLD)
    else:
        big, small = look["back"]
        import math
        leaves = []
        for i in list(range(13, 23)) + list(range(31, 41)):  # two sprays of laurel, left and right
            ang = 2 * math.pi * i / 36
            leaves.append(circle(160 + 76 * math.cos(ang), 120 + 76 * math.sin(ang), 4))
        a += draw(shade, " ".join(leaves))
        if big == "shield":
            a += draw(shade, shield_shape(160, 70, 60), letters, 2)
            a += draw("none", "line 160,76 160,136 line 136,98 184,98", light, 4)
            a += text(small, 0, -66, 14, letters, FONT_SERIF_BOLD)
        elif hole:
            a += text(big, 0, -46, 34, letters, FONT_SERIF_BOLD)
            a += text(small, 0, 40, 18, letters, FONT_SERIF_BOLD)
        else:
            a += text(big, 0, -14, 54 if len(big) < 3 else 40, letters, FONT_SERIF_BOLD)
            a += text(small, 0, 34, 17 if len(small) < 8 else 14, letters, FONT_SERIF_BOLD)
        a += text(year, 0, 68, 15, letters, FONT_SERIF_BOLD)
    if hole:
        a += draw("#1a2338", circle(160, 120, 14), shade, 3)
    convert(a, path)


def make_pictures(tovik_receipts, coin_pictures, invoices, rng):
    billeder = {e: os.path.join(DATA, EDITIONS[e][0], "billeder") for e in EDITIONS}
    for folder in billeder.values():
        if os.path.isdir(folder):
            shutil.rmtree(folder)
    t = billeder["Tovik"]
    pic_sofa(os.path.join(t, "sofa.jpg"))
    pic_watch(os.path.join(t, "ur.jpg"))
    pic_tv(os.path.join(t, "fjernsyn.jpg"))
    pic_painting(os.path.join(t, "maleri.jpg"))
    pic_bicycle(os.path.join(t, "cykel.jpg"))
    for file_name, lang, rec in tovik_receipts:
        pic_receipt(os.path.join(t, file_name), lang, rec, rng)
    p = billeder["Pellin"]
    pic_sunset(os.path.join(p, "solnedgang.jpg"))
    pic_sunset(os.path.join(p, "solnedgang-2.jpg"), late=True)
    pic_mountains(os.path.join(p, "fjeld.jpg"))
    pic_forest(os.path.join(p, "skov.jpg"))
    pic_portrait(os.path.join(p, "portraet.jpg"))
    pic_family(os.path.join(p, "familie.jpg"))
    pic_city(os.path.join(p, "by.jpg"))
    pic_city(os.path.join(p, "by-nat.jpg"), night=True)
    pic_film(os.path.join(p, "filmstrimmel.jpg"))
    o = billeder["Ostrel"]
    for base, year, front, back in coin_pictures:
        pic_coin(os.path.join(o, front), COIN_PICTURES[base], year, "front")
        pic_coin(os.path.join(o, back), COIN_PICTURES[base], year, "back")
    b = billeder["Brevane"]
    pic_drill(os.path.join(b, "boremaskine.jpg"))
    pic_multimeter(os.path.join(b, "multimeter.jpg"))
    for file_name, lang, rec in invoices:
        pic_invoice(os.path.join(b, file_name), lang, rec, rng)


# ---------------------------------------------------------------------------
# Check
# ---------------------------------------------------------------------------

PICTURE_WORDS = ("PNG", "BMP", "XBM", "XPM", "PNM", "JPEG", "JPG", "MNG", "GIF")
PRICE_RE = re.compile(r"^-?\d+\.\d{6}$")
INT_RE = re.compile(r"^-?\d+$")


def read_lines(path, problems):
    with open(path, "rb") as f:
        data = f.read()
    rel = os.path.relpath(path, DATA)
    if data.startswith(b"\xef\xbb\xbf") or data.startswith(b"\xff\xfe") or data.startswith(b"\xfe\xff"):
        problems.append("%s: byte-order mark" % rel)
    if not data.endswith(b"\r\n"):
        problems.append("%s: last line does not end in CR LF" % rel)
    bad = [b for b in set(data) if (b < 0x20 and b not in (0x0A, 0x0D)) or 0x7F <= b <= 0x9F]
    if bad:
        problems.append("%s: bytes that are no Latin-1 text: %s" % (rel, sorted(bad)))
    if any(b >= 0x80 for b in data):
        try:
            data.decode("utf-8")
            problems.append("%s: looks like UTF-8, not Latin-1" % rel)
        except UnicodeDecodeError:
            pass
    lines = data.split(b"\r\n")[:-1] if data.endswith(b"\r\n") else data.split(b"\r\n")
    for n, line in enumerate(lines, 1):
        if b"\r" in line or b"\n" in line:
            problems.append("%s:%d: line does not end in CR LF" % (rel, n))
    return [line.decode("latin-1") for line in lines]


def valid_date(text):
    if not re.match(r"^\d\d\.\d\d\.\d{4}$", text):
        return False
    try:
        datetime.date(int(text[6:]), int(text[3:5]), int(text[:2]))
    except ValueError:
        return False
    return True


def check(verbose=True):
    problems = []
    counts = []
    linked = set()
    for edition, (folder, pattern, tag) in EDITIONS.items():
        for lang in LANGS:
            base = os.path.join(DATA, folder)
            lists = {}
            for name, lo, hi in (("groups/groups", 8, 14), ("location/location", 8, 12),
                                 ("supplier/supplier", 10, 15), ("fields/fields", 17, 17)):
                path = os.path.join(base, "%s.%s.txt" % (name, lang))
                if not os.path.isfile(path):
                    problems.append("missing %s" % os.path.relpath(path, DATA))
                    lists[name] = []
                    continue
                entries = read_lines(path, problems)
                lists[name] = entries
                if not lo <= len(entries) <= hi:
                    problems.append("%s: %d entries" % (os.path.relpath(path, DATA), len(entries)))
                if any(not e.strip() for e in entries):
                    problems.append("%s: empty entry" % os.path.relpath(path, DATA))
            fields = lists["fields/fields"]
            if len(fields) == 17:
                try:
                    check_fields(edition, lang, fields)
                except ValueError as e:
                    problems.append(str(e))
            db = os.path.join(base, pattern % lang)
            if not os.path.isfile(db):
                problems.append("missing %s" % os.path.relpath(db, DATA))
                continue
            lines = read_lines(db, problems)
            rel = os.path.relpath(db, DATA)
            if not lines or lines[0] != HEADERS[tag]:
                problems.append("%s: wrong header line" % rel)
            last_group = -1
            serials = set()
            for n, line in enumerate(lines[1:], 2):
                parts = line.split(";")
                where = "%s:%d" % (rel, n)
                if len(parts) != 18 or parts[17] != "":
                    problems.append("%s: %d fields, not 17 each followed by ';'" % (where, len(parts) - 1))
                    continue
                (group, name, product, price, today, date, supplier, serialno, desc, address, photo,
                 count, location, www, receipt, document, producttype) = parts[:17]
                for label, value in (("group", group), ("number_of_items", count), ("location", location)):
                    if not INT_RE.match(value):
                        problems.append("%s: %s %r is no integer" % (where, label, value))
                for label, value in (("price", price), ("priceToday", today)):
                    if not PRICE_RE.match(value):
                        problems.append("%s: %s %r is not written with six decimals" % (where, label, value))
                if date and not valid_date(date):
                    problems.append("%s: bad date %r" % (where, date))
                if INT_RE.match(group):
                    g = int(group)
                    if not 0 <= g < len(lists["groups/groups"]):
                        problems.append("%s: group %d outside the groups list" % (where, g))
                    if g < last_group:
                        problems.append("%s: not sorted by group" % where)
                    last_group = g
                if INT_RE.match(location) and not 0 <= int(location) < len(lists["location/location"]):
                    problems.append("%s: location %s outside the locations list" % (where, location))
                for value in parts[:17]:
                    if len(value) > MAX_TEXT:
                        problems.append("%s: a field is %d characters long" % (where, len(value)))
                for label, value in (("photolink", photo), ("receipt", receipt), ("document", document)):
                    if value:
                        linked.add(value)
                        if "\\" in value or os.path.isabs(value):
                            problems.append("%s: %s %r is not a relative path with /" % (where, label, value))
                        if not os.path.isfile(os.path.join(DATA, value)):
                            problems.append("%s: %s %r does not exist" % (where, label, value))
                        if label != "document" and not any(w in value.upper() for w in PICTURE_WORDS):
                            problems.append("%s: %s %r is not a picture" % (where, label, value))
                if not name:
                    problems.append("%s: empty name" % where)
                if edition == "Pellin" and producttype:
                    problems.append("%s: Pellin stores no product type" % where)
                if edition == "Brevane":
                    if not serialno.isdigit() or serialno in serials:
                        problems.append("%s: stock number %r missing, not numeric or not unique" % (where, serialno))
                    serials.add(serialno)
                    if not 0 <= int(count) <= 150:
                        problems.append("%s: count %s" % (where, count))
            counts.append("%-8s %s: %3d items" % (edition, lang, len(lines) - 1))
    for lang in LANGS:
        for rel, source in (("group/group.%s.txt" % lang, "db/DemoDBStd/groups/groups.%s.txt" % lang),
                            ("location/location.%s.txt" % lang, "db/DemoDBStd/location/location.%s.txt" % lang)):
            path = os.path.join(DATA, rel)
            if not os.path.isfile(path):
                problems.append("missing %s" % rel)
                continue
            read_lines(path, problems)
            with open(path, "rb") as f1, open(os.path.join(DATA, source), "rb") as f2:
                if f1.read() != f2.read():
                    problems.append("%s differs from %s" % (rel, source))
    for edition in EDITIONS:
        for sub in ("billeder", "dokumenter"):
            folder = os.path.join(DATA, EDITIONS[edition][0], sub)
            for f in sorted(os.listdir(folder)) if os.path.isdir(folder) else []:
                rel = "%s/%s/%s" % (EDITIONS[edition][0], sub, f)
                if rel not in linked:
                    problems.append("%s: no item links it" % rel)
    total = 0
    for dirpath, _, files in os.walk(DATA):
        for f in files:
            path = os.path.join(dirpath, f)
            size = os.path.getsize(path)
            total += size
            if os.path.basename(dirpath) == "billeder" and size > MAX_PICTURE_BYTES:
                problems.append("%s: %d bytes" % (os.path.relpath(path, DATA), size))
    if total > MAX_DATA_BYTES:
        problems.append("data/ holds %d bytes" % total)
    if verbose:
        for c in counts:
            print(c)
        print("data/ holds %d bytes" % total)
    for p in problems:
        print("PROBLEM: " + p, file=sys.stderr)
    return not problems


def main():
    parser = argparse.ArgumentParser(description="Write (and check) the sample databases below data/.")
    parser.add_argument("--check", action="store_true", help="only check the files that are there")
    parser.add_argument("--no-pictures", action="store_true", help="do not draw the pictures")
    args = parser.parse_args()
    if args.check:
        ok = check()
        print("check: " + ("ok" if ok else "FAILED"))
        return 0 if ok else 1

    rng = random.Random(SEED)
    tovik, receipts = build_tovik(rng)
    pellin = build_pellin()
    ostrel, coin_pictures = build_ostrel(rng)
    brevane = build_brevane(rng)
    documents, invoices = add_extras(tovik, pellin, ostrel, brevane)
    for lang in LANGS:
        check_fields("Tovik", lang, TOVIK_FIELDS[lang])
        check_fields("Pellin", lang, PELLIN_FIELDS[lang])
        check_fields("Ostrel", lang, OSTREL_FIELDS[lang])
        check_fields("Brevane", lang, BREVANE_FIELDS[lang])
        write_lists("Tovik", lang, TOVIK_GROUPS[lang], TOVIK_ROOMS[lang],
                    [names[LANGS.index(lang)] for _, names, _ in TOVIK_SHOPS], TOVIK_FIELDS[lang])
        write_database("Tovik", lang, tovik[lang], TOVIK_GROUPS[lang], TOVIK_ROOMS[lang])
        write_text_file(os.path.join(DATA, "group", "group.%s.txt" % lang), TOVIK_GROUPS[lang])
        write_text_file(os.path.join(DATA, "location", "location.%s.txt" % lang), TOVIK_ROOMS[lang])
        write_lists("Pellin", lang, PELLIN_GROUPS[lang], PELLIN_ARCHIVES[lang], PELLIN_SOURCES[lang],
                    PELLIN_FIELDS[lang])
        write_database("Pellin", lang, pellin[lang], PELLIN_GROUPS[lang], PELLIN_ARCHIVES[lang])
        write_lists("Ostrel", lang, OSTREL_GROUPS[lang], OSTREL_DENOMINATIONS[lang], OSTREL_CATALOGUES[lang],
                    OSTREL_FIELDS[lang])
        write_database("Ostrel", lang, ostrel[lang], OSTREL_GROUPS[lang], OSTREL_DENOMINATIONS[lang])
        write_lists("Brevane", lang, BREVANE_STORAGE[lang], BREVANE_TYPES[lang], BREVANE_SUPPLIERS[lang],
                    BREVANE_FIELDS[lang])
        write_database("Brevane", lang, brevane[lang], BREVANE_STORAGE[lang], BREVANE_TYPES[lang])
    if not args.no_pictures:
        if not shutil.which("convert"):
            print("ImageMagick's convert is needed for the pictures (or use --no-pictures)", file=sys.stderr)
            return 1
        make_pictures(receipts, coin_pictures, invoices, rng)
    write_documents(documents)
    ok = check()
    print("check: " + ("ok" if ok else "FAILED"))
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
