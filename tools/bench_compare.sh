#!/usr/bin/env bash
# Search speed of Talvex's bench beside Toga II on the same positions.
#   tools/bench_compare.sh [DEPTH] [MOVETIME_MS]
# Talvex: talvex-bench DEPTH, (nodes + qnodes) per second.
# Toga II: "go movetime MOVETIME_MS" on every bench position, its total nodes
# over its total reported time. Each engine runs alone, one after the other.
set -euo pipefail
cd "$(dirname "$0")/.."
depth=${1:-10}
movetime=${2:-2000}
toga=${TOGA:-/usr/games/toga2}
build=${BUILD:-build}

if [ ! -x "$toga" ]; then
  apt-get update >/dev/null && apt-get install -y toga2 >/dev/null
fi
[ -x "$build/talvex-bench" ] || { cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null && cmake --build "$build" -j2 >/dev/null; }

talvex_line=$("$build/talvex-bench" "$depth" | tail -1)
echo "talvex: $talvex_line"

total_nodes=0
total_ms=0
while IFS= read -r position; do
  out=$( { printf 'uci\nsetoption name Hash value 16\nisready\nucinewgame\n%s\ngo movetime %s\n' "$position" "$movetime"
           sleep $(( movetime / 1000 + 2 )); printf 'quit\n'; } | "$toga" )
  last=$(printf '%s\n' "$out" | grep -E '^info .*nodes [0-9]+' | grep -E ' time [0-9]+' | tail -1 || true)
  [ -n "$last" ] || continue
  nodes=$(sed -E 's/.* nodes ([0-9]+).*/\1/' <<<"$last")
  ms=$(sed -E 's/.* time ([0-9]+).*/\1/' <<<"$last")
  total_nodes=$((total_nodes + nodes))
  total_ms=$((total_ms + ms))
done < <("$build/talvex-bench" --positions)

toga_nps=$(( total_ms > 0 ? total_nodes * 1000 / total_ms : 0 ))
talvex_nps=$(sed -E 's/.* nps ([0-9]+).*/\1/' <<<"$talvex_line")
echo "toga2: nodes $total_nodes ms $total_ms nps $toga_nps"
awk -v t="$talvex_nps" -v g="$toga_nps" 'BEGIN { if (g > 0) printf "ratio talvex/toga2: %.2f\n", t / g }'
