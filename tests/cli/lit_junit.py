# Reads a JUnit report as CI tools do (python3-junitparser) and prints what
# they would show: per suite its counts, per failed test its message.
import sys

from junitparser import Failure, JUnitXml

for suite in JUnitXml.fromfile(sys.argv[1]):
    print(f"suite {suite.name} tests={suite.tests} failures={suite.failures} errors={suite.errors}")
    for case in suite:
        for resultat in case.result:
            if isinstance(resultat, Failure):
                print(f"{case.name}: {resultat.message}")
