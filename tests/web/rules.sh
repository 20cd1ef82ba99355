#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Torrentix developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The number rules in WebAssembly against the native build: what they make of CASES generated
# inputs and of every file of the fuzzers' corpus, byte for byte the same.
#   rules.sh NATIVE NODE WASM_JS CASES CORPUS_DIR
set -euo pipefail
native=$1 node=$2 wasm=$3 cases=$4 corpus=$5
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
files=("$corpus"/*/*)
"$native" "$cases" "${files[@]}" >"$out/native"
"$node" "$wasm" "$cases" "${files[@]}" >"$out/wasm"
if ! cmp -s "$out/native" "$out/wasm"; then
    echo "WebAssembly reads, shows or computes differently (< native, > WebAssembly):"
    diff "$out/native" "$out/wasm" | head -n 20
    exit 1
fi
echo "$(wc -l <"$out/native") results from $cases generated cases and ${#files[@]} corpus files," \
    "the same in WebAssembly as natively"
