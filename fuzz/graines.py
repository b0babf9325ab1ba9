#!/usr/bin/env python3
"""Seed corpora that know the grammar of the text files.

Writes, under the directory given, one folder per fuzz target of the rules,
dictionary and data base formats, holding statements and files in which
every operator, every keyword (IF, AND, THEN, IN, NOT_IN, the count and
head lines) and every bracket and number form ends a rule, a premise and the
file: each full statement is cut after every one of its tokens, and each cut
is written three ways: as it is (the text ends there), followed by the rest
of the rule after the premise (the premise ends there), and followed by ";"
(the statement ends there).

    python3 fuzz/graines.py build-fuzz/graines
"""
import hashlib
import os
import re
import sys

OPERATEURS = ["=", ">", "<", ">=", "<=", "<>", "IN", "NOT_IN"]

# Values by operator, in every form a reader meets: numbers with "." and
# ",", exponents, signs, malformed numbers, words, sets open and closed.
VALEURS = {
    "=": ["1", "YES", ".5", ",5", "-3", "3A", "1E5"],
    ">": ["38.5", "38,5", "-3", "ABC", "1E-3", "1E"],
    "<": ["0", "1E999"],
    ">=": ["2147483648"],
    "<=": [",5"],
    "<>": ["4.9E-324"],
    "IN": ["{ A, B }", "{A,B}", "{ }", "{ A , B }"],
    "NOT_IN": ["{ A }", "{ A, }"],
}

PRIORITES = ["[0.5]", "[ 0.7 ]", "[1]", "[-1]", "[HIGH]", "[1E999]", "[-0.99999999]"]


def jetons(texte):
    """Words, runs of blanks and single punctuation, as the mutator cuts."""
    return re.findall(r"[ ]+|\r\n|[\r\n]|[;,{}\[\]()#*:]|[^ \r\n;,{}\[\]()#*:]+", texte)


def coupes(texte):
    """The text cut after each of its tokens (the empty text included)."""
    morceaux = jetons(texte)
    return ["".join(morceaux[:i]) for i in range(len(morceaux) + 1)]


def premisses():
    for op in OPERATEURS:
        for valeur in VALEURS[op]:
            yield "X " + op + " " + valeur


def regles():
    """Rule statements: every premise form first, and after an AND."""
    for p in premisses():
        yield "IF " + p + " THEN K = V [0.5]"
        yield "IF A = 1 AND " + p + " THEN K = V [0.5]"
    for p in premisses():
        yield "IF A = 1 THEN " + p + " [0.5]"
    for priorite in PRIORITES:
        yield "If A = 1 Then B = 2 " + priorite
    yield "If TEMPERATURE > 38 And COUGH = YES Then DISEASE = FLU [0.8]"
    yield "IF A IN { X, Y } AND B NOT_IN { Z } THEN C IN { W } [0.5]"
    yield "IFA = 1 ANDB = 2 THENC = 3 [0.5]"


def graines_regle():
    """One rule statement (fuzz_regle puts it after the head and a ';')."""
    for regle in regles():
        for c in coupes(regle):
            yield c
            yield c + ";"
            yield c + " THEN K = V [0.5]"


TETE_REGLES = "#Rules\r\n\r\nNumber of rules: 1;\r\n\r\n# Rule 1\r\n"


def graines_regles():
    """Whole rules files: the head cut, and one rule cut, ending the file,
    its premise and the rule."""
    for c in coupes("#Rules\r\n\r\nNumber of rules: 12;\r\n\r\n"):
        yield c
        yield c + "If A = 1 Then B = 2 [0.5];\r\n"
    for regle in regles():
        for c in coupes(regle.replace(" AND ", "\r\nAND ").replace(" THEN ", "\r\nTHEN ")):
            yield TETE_REGLES + c
            yield TETE_REGLES + c + ";\r\n"
            yield TETE_REGLES + c + "\r\nThen K = V [0.5];\r\n"
    yield TETE_REGLES + "IF X NOT_IN\n%%DIC%%\nX IN\r\n"


def entrees():
    for p in premisses():
        yield p
    yield "COLOR IN{ RED }"
    yield "COLOR =RED"


def graines_entree():
    """One dictionary entry or datum (the targets add the ';')."""
    for e in entrees():
        for c in coupes(e):
            yield c
            yield c + " ;"


def graines_dico():
    for e in entrees():
        for c in coupes(e):
            yield "#Dictionary\r\n\r\nA = 1 ;\r\n\r\n" + c
            yield "#Dictionary\r\n\r\nA = 1 ;\r\n\r\n" + c + ";\r\n"
            yield "#Dictionary\r\n\r\n" + c + "\r\n;\r\nB = 2 ;\r\n"


def graines_base_faits():
    tete = "#Survey\r\n\r\nNumber of data: 2;\r\n\r\n# Observation 1\r\n# Data 1\r\n"
    for c in coupes("#Survey\r\n\r\nNumber of data: 12;\r\n\r\n"):
        yield c
        yield c + "A = 1 ;\r\n"
    for e in entrees():
        for c in coupes(e):
            yield tete + c
            yield tete + c + " ;\r\n"
            yield tete + c + "\r\n**********\r\n# Observation 2\r\nB = 2 ;\r\n"


CIBLES = {
    "regle": graines_regle,
    "regles": graines_regles,
    "entree_dico": graines_entree,
    "fait": graines_entree,
    "dico": graines_dico,
    "base_faits": graines_base_faits,
}


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: graines.py DIRECTORY")
    for cible, graines in CIBLES.items():
        dossier = os.path.join(sys.argv[1], cible)
        os.makedirs(dossier, exist_ok=True)
        vues = set()
        for texte in graines():
            octets = texte.encode("latin-1")
            nom = hashlib.sha1(octets).hexdigest()
            if nom in vues:
                continue
            vues.add(nom)
            with open(os.path.join(dossier, nom), "wb") as f:
                f.write(octets)
        print(f"{cible}: {len(vues)} seeds")


if __name__ == "__main__":
    main()
