#!/usr/bin/python3
"""Writes the isql-fb script that creates the demo practice database.

A synthetic family practice: 25 providers, a year of archived transactions around 2010,
Medicaid and other carriers, visits billed under a supervising physician and rendered by
another provider. The figures are fixed by the seed, so every demo shows the same grid; the
default range (1 Oct 2010 to 31 Dec 2010) shows shares below 20 %, from 20 to 30 % and above.

Usage: demo-database.py DATABASE_PATH > script.sql
"""
import datetime
import random
import sys

VISIT_CODES = ["99201", "99202", "99203", "99204", "99205", "99212", "99213", "99214", "99215",
               "99381", "99382", "99383", "99384", "99385", "99391", "99392", "99393", "99394", "99395"]
OTHER_CODES = ["99206", "99207", "99208", "99209", "99210", "99211", "99396", "90658", "36415",
               "85025", "93000", "81002"]

# (addr_id, name, typeprovider, Medicaid share of the provider's patients, weight of visits,
#  addr_id who bills the visits of this provider, or None for the provider itself)
PROVIDERS = [
    (101, "Alvarez, Maria MD", 1, 0.42, 10, None),
    (102, "O'Brien, Kathleen MD", 1, 0.12, 9, None),
    (103, "Nguyen, Thanh DO", 1, 0.27, 9, None),
    (104, "Zoë Ümlaut, PA-C", 1, 0.35, 6, 101),
    (105, "Washington, Denise NP", 1, 0.24, 6, 103),
    (106, "Kowalski, Peter MD", 1, 0.08, 8, None),
    (107, "Haddad, Samir MD", 1, 0.31, 7, None),
    (108, "Fitzgerald, Anne MD", 1, 0.18, 7, None),
    (109, "Okafor, Chinedu MD", 1, 0.22, 8, None),
    (110, "Lindqvist, Erik DO", 1, 0.05, 5, None),
    (111, "Moreau, Céline NP", 1, 0.38, 5, 107),
    (112, "Patel, Anjali MD", 1, 0.29, 8, None),
    (113, "Schmidt, Jürgen MD", 1, 0.15, 6, None),
    (114, "Yamamoto, Kenji MD", 1, 0.20, 6, None),
    (115, "Brennan, Siobhan PA-C", 1, 0.45, 4, 109),
    (116, "Delgado, Rosa MD", 2, 0.33, 7, None),
    (117, "Ivanova, Natalia MD", 1, 0.11, 5, None),
    (118, "Thompson, James MD (supervising)", 1, 0.25, 0, None),
    (119, "Castillo, Luis NP", 1, 0.21, 3, 118),
    (120, "Adeyemi, Funmi MD", 1, 0.26, 6, None),
    (121, "Billing Office", 0, 0.0, 0, None),
    (122, "Lab Services", 0, 0.30, 3, None),
    (123, "Former Provider, Retired", -1, 0.40, 2, None),
    (124, "Locum Tenens (unassigned)", None, 0.30, 2, None),
    (125, "Reyes, Carmen MD", 1, 0.02, 1, None),
]

CARRIERS = [("MCD", "MC"), ("MCDHMO", "MC"), ("CHIP", "MC"), ("MCR", "MB"), ("BCBS", "BL"),
            ("AETNA", "CI"), ("UHC", "CI"), ("SELF", "09")]
MEDICAID = ["MCD", "MCDHMO", "CHIP"]
OTHERS = ["MCR", "BCBS", "AETNA", "UHC", "SELF"]


def sql_text(text):
    return "NULL" if text is None else "'" + text.replace("'", "''") + "'"


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    rng = random.Random(2010)
    out = sys.stdout
    out.write("SET SQL DIALECT 3;\nSET NAMES UTF8;\n")
    out.write("CREATE DATABASE %s PAGE_SIZE 8192 DEFAULT CHARACTER SET WIN1252;\n" % sql_text(sys.argv[1]))
    out.write("CREATE TABLE drlabel (addr_id INTEGER NOT NULL PRIMARY KEY, signame VARCHAR(40), typeprovider SMALLINT);\n")
    out.write("CREATE TABLE ins_carrier (ins_carrier_code VARCHAR(10) NOT NULL PRIMARY KEY, claim_filing_code CHAR(2));\n")
    out.write("CREATE TABLE archive_transactions (transaction_id INTEGER NOT NULL PRIMARY KEY, cptcode VARCHAR(10), "
              "date1 DATE, p_addr_id INTEGER, rend_addr_id INTEGER, ins_carrier_code VARCHAR(10), "
              "ins_carrier_code_other VARCHAR(10));\n")
    out.write("COMMIT;\n")
    for addr_id, name, kind, _, _, _ in PROVIDERS:
        out.write("INSERT INTO drlabel VALUES (%d, %s, %s);\n" % (addr_id, sql_text(name), "NULL" if kind is None else kind))
    for code, filing in CARRIERS:
        out.write("INSERT INTO ins_carrier VALUES (%s, %s);\n" % (sql_text(code), sql_text(filing)))

    renderers = [p for p in PROVIDERS if p[4] > 0]
    weights = [p[4] for p in renderers]
    start = datetime.date(2010, 1, 1)
    transaction_id = 0
    for day in range(0, 396):  # January 2010 to January 2011
        date = start + datetime.timedelta(days=day)
        if date.weekday() >= 5:
            continue
        for _ in range(rng.randint(30, 50)):
            addr_id, _, _, rate, _, billed_by = rng.choices(renderers, weights)[0]
            billing = billed_by or addr_id
            code = rng.choice(VISIT_CODES) if rng.random() < 0.78 else rng.choice(OTHER_CODES)
            primary, other = rng.choice(OTHERS), None
            if rng.random() < rate:
                if rng.random() < 0.15:  # dual eligible: Medicare first, Medicaid second
                    primary, other = "MCR", rng.choice(MEDICAID)
                else:
                    primary = rng.choice(MEDICAID)
                    other = rng.choice(MEDICAID) if rng.random() < 0.05 else None
            elif rng.random() < 0.1:
                other = rng.choice(OTHERS)
            if rng.random() < 0.01:
                primary = None
            transaction_id += 1
            out.write("INSERT INTO archive_transactions VALUES (%d, '%s', '%s', %d, %d, %s, %s);\n" % (
                transaction_id, code, date.isoformat(), billing, addr_id, sql_text(primary), sql_text(other)))
        if day % 20 == 0:
            out.write("COMMIT;\n")
    out.write("COMMIT;\nQUIT;\n")


if __name__ == "__main__":
    main()
