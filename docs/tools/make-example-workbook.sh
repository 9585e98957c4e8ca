#!/bin/sh
# SPDX-License-Identifier: MIT
# Remakes docs/examples/fold-limbs.xlsx from the example text files.
# Usage: docs/tools/make-example-workbook.sh   (from the repository's root)
set -eu
tool=$(mktemp)
trap 'rm -f "$tool"' EXIT
c++ -std=c++20 -O1 docs/tools/example_workbook.cpp -o "$tool" $(pkg-config --cflags --libs xlsxwriter)
"$tool" docs/examples
