#!/bin/bash
# Fetches the published SARIF 2.1.0 JSON schema from its npm package into a
# directory of the build (never into the source tree), for the test that
# validates the SARIF output of "veridane-cli verify".
#   scripts/fetch-sarif-schema.sh DIR      writes DIR/sarif-2.1.0-rtm.5.json
# Does nothing when the schema is already there; fails when npm cannot fetch.
set -euo pipefail

dir=${1:?usage: $0 DIR}
package=@microsoft/jest-sarif@1.0.0-beta.0
member=package/lib/schemas/sarif-2.1.0-rtm.5.json
target=$dir/sarif-2.1.0-rtm.5.json

[ -s "$target" ] && exit 0
mkdir -p "$dir"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && npm pack --silent "$package" > npm-pack.out)
tar -xzf "$work/$(tail -n 1 "$work/npm-pack.out")" -C "$work" "$member"
mv "$work/$member" "$target"
echo "SARIF schema: $target (from $package)"
