#!/usr/bin/env bash
# scripts/check-layers on small source trees: it passes a tree that keeps the layers and fails,
# naming the file, one where the core reaches up, uses Qt or closes a cycle between its folders.
set -euo pipefail
check="$1/scripts/check-layers"
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT

make_tree() {
  rm -rf "$tree/src" && mkdir -p "$tree"/src/core/{util,stats,archive,app} "$tree/src/gui/stats"
  echo '#pragma once' > "$tree/src/core/util/text.h"
  printf '#include "core/util/text.h"\n' > "$tree/src/core/archive/draws.h"
  printf '#include "core/archive/draws.h"\n' > "$tree/src/core/stats/table.h"
  printf '#include "core/stats/table.h"\n' > "$tree/src/core/app/workspace.h"
  printf '#include <QWidget>\n#include "core/app/workspace.h"\n' > "$tree/src/gui/stats/page.h"
}

expect_failure() {  # file, line to add, text the report must hold
  make_tree
  echo "$2" >> "$tree/src/$1"
  if out=$("$check" "$tree/src" 2>&1); then
    echo "not refused: $2 in $1"; exit 1
  fi
  grep -qF "$3" <<<"$out" || { echo "unexpected report for $1: $out"; exit 1; }
}

make_tree
"$check" "$tree/src" >/dev/null || { echo "a tree that keeps the layers was refused"; exit 1; }
expect_failure core/stats/table.h '#include "core/app/workspace.h"' "src/core/stats/table.h"
expect_failure core/util/text.h '#include "core/archive/draws.h"' "'util' lies below 'archive'"
expect_failure core/stats/table.h '#include <QString>' "does not use Qt"
expect_failure core/archive/draws.h '#include "core/stats/table.h"' "cycle"
expect_failure core/app/workspace.h '#include "gui/stats/page.h"' "does not include a program"
echo "check-layers: every case as expected"
