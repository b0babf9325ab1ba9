#!/usr/bin/env python3
"""Validates the SARIF output of "veridane-cli verify" against the published
SARIF 2.1.0 schema (fetched from its npm package into the build directory),
and checks that the log says what the JSON output says.

Exit status: 0 valid, 1 invalid, 77 skipped (only when the schema is absent
and the network cannot be reached to fetch it; said loudly).
"""
import argparse
import copy
import json
import os
import socket
import subprocess
import sys

import jsonschema

SAUTE = 77


def reseau_joignable():
    try:
        socket.create_connection(("registry.npmjs.org", 443), timeout=5).close()
        return True
    except OSError:
        return False


def schema_present(chemin, script):
    if os.path.isfile(chemin):
        return True
    subprocess.run(["bash", script, os.path.dirname(chemin)], check=False)
    return os.path.isfile(chemin)


def sortie(cli, base, format_):
    resultat = subprocess.run([cli, "verify", base, "--format", format_, "--fail-on", "none"],
                              capture_output=True, check=False)
    if resultat.returncode != 0:
        raise SystemExit(f"FAILED: verify {base} exited {resultat.returncode}: {resultat.stderr.decode()}")
    return json.loads(resultat.stdout.decode("utf-8"))


def erreurs(validateur, log):
    return sorted(validateur.iter_errors(log), key=lambda e: list(e.path))


def verifie_base(cli, base, validateur):
    log = sortie(cli, base, "sarif")
    fautes = erreurs(validateur, log)
    for faute in fautes:
        print(f"{base}: {'/'.join(map(str, faute.path))}: {faute.message}")
    run = log["runs"][0]
    driver = run["tool"]["driver"]
    assert driver["name"] == "veridane-cli", driver["name"]
    ids = [regle["id"] for regle in driver["rules"]]
    constats = sortie(cli, base, "json")
    assert [r["ruleId"] for r in run["results"]] == [c["id"] for c in constats], base
    for resultat, constat in zip(run["results"], constats):
        assert ids[resultat["ruleIndex"]] == resultat["ruleId"], resultat
        assert resultat["level"] == constat["level"] and resultat["message"]["text"] == constat["message"]
        lieu = resultat["locations"][0]["physicalLocation"]
        assert ("region" in lieu) == (constat["rule"] is not None), resultat
    print(f"{base}: {len(run['results'])} results, valid" if not fautes else f"{base}: INVALID")
    return log, not fautes


def main():
    arguments = argparse.ArgumentParser()
    arguments.add_argument("--cli", required=True)
    arguments.add_argument("--schema", required=True)
    arguments.add_argument("--fetch", required=True, help="the script that fetches the schema")
    arguments.add_argument("bases", nargs="+")
    options = arguments.parse_args()

    if not schema_present(options.schema, options.fetch):
        if not reseau_joignable():
            bandeau = "#" * 72
            print(f"{bandeau}\n# SKIPPED: the SARIF schema is not in the build directory and the\n"
                  f"# network is unreachable, so it cannot be fetched. The SARIF output\n"
                  f"# was NOT validated.\n{bandeau}", file=sys.stderr)
            print("SKIPPED: SARIF output not validated (no schema, no network)")
            return SAUTE
        print(f"FAILED: the network is up but the schema could not be fetched into {options.schema}")
        return 1

    with open(options.schema, encoding="utf-8") as fichier:
        schema = json.load(fichier)
    classe = jsonschema.validators.validator_for(schema)
    classe.check_schema(schema)
    validateur = classe(schema)

    tout_valide = True
    dernier = None
    for base in options.bases:
        log, valide = verifie_base(options.cli, base, validateur)
        tout_valide &= valide
        dernier = log
    # The validation itself is not vacuous: a level SARIF does not know is refused.
    faux = copy.deepcopy(dernier)
    faux["runs"][0]["results"][0]["level"] = "fatal"
    if not erreurs(validateur, faux):
        print("FAILED: the schema accepted a result of level 'fatal'")
        return 1
    return 0 if tout_valide else 1


if __name__ == "__main__":
    sys.exit(main())
