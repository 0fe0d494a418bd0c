#!/usr/bin/env bash
# Compare perft node counts and speed of Talvex against Stockfish.
#
# Usage: tools/perft_compare.sh [TALVEX_PERFT] [STOCKFISH]
#   TALVEX_PERFT defaults to build/talvex-perft under the repo root,
#   STOCKFISH defaults to /usr/games/stockfish. Nothing is built here.
#
# Timing: each engine runs each position 3 times, alternating Talvex and
# Stockfish. Talvex is timed by wall clock around the whole talvex-perft
# process. Stockfish is timed from the moment "go perft N" is written to its
# stdin until the "Nodes searched" line is read back, so its start-up (and
# the "uci"/"isready" handshake) is not counted. Stockfish uses its default
# of 1 thread. The table shows medians of the 3 runs; ratio = Talvex Mnps /
# Stockfish Mnps (above 1 means Talvex is faster).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
talvex=${1:-$root/build/talvex-perft}
stockfish=${2:-/usr/games/stockfish}
runs=3
[[ -x $talvex ]] || { echo "not executable: $talvex" >&2; exit 1; }
[[ -x $stockfish ]] || { echo "not executable: $stockfish" >&2; exit 1; }

now() { date +%s.%N; }

# talvex_run DEPTH FEN -> "NODES SECONDS"
talvex_run() {
  local t0 out t1
  t0=$(now)
  out=$("$talvex" "$1" "$2" 2>/dev/null)
  t1=$(now)
  echo "$(awk '$1 == "nodes" { print $2 }' <<<"$out") $(echo "$t1 - $t0" | bc -l)"
}

# stockfish_run DEPTH FEN -> "NODES SECONDS"
stockfish_run() {
  local line t0 t1 nodes
  coproc SF { "$stockfish"; }
  echo "uci" >&"${SF[1]}"
  echo "isready" >&"${SF[1]}"
  while read -r line <&"${SF[0]}"; do [[ $line == readyok ]] && break; done
  echo "position fen $2" >&"${SF[1]}"
  t0=$(now)
  echo "go perft $1" >&"${SF[1]}"
  while read -r line <&"${SF[0]}"; do
    [[ $line == "Nodes searched:"* ]] && { t1=$(now); nodes=${line##* }; break; }
  done
  echo "quit" >&"${SF[1]}"
  wait "$SF_PID" 2>/dev/null || true
  echo "$nodes $(echo "$t1 - $t0" | bc -l)"
}

median() { printf '%s\n' "$@" | sort -g | sed -n "$(( ($# + 1) / 2 ))p"; }

startpos="rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1"
kiwipete="r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1"

fmt="%-9s %5s %11s %11s %5s %8s %8s %8s %8s %6s\n"
printf "$fmt" position depth talvex_nodes sf_nodes agree tv_s sf_s tv_Mnps sf_Mnps ratio
for job in "startpos 6 $startpos" "kiwipete 5 $kiwipete"; do
  read -r name depth fen <<<"$job"
  tv_s=() sf_s=() tv_n="" sf_n=""
  for ((i = 0; i < runs; i++)); do
    read -r n s < <(talvex_run "$depth" "$fen"); tv_n=$n; tv_s+=("$s")
    read -r n s < <(stockfish_run "$depth" "$fen"); sf_n=$n; sf_s+=("$s")
  done
  tv=$(median "${tv_s[@]}") sf=$(median "${sf_s[@]}")
  agree=$([[ $tv_n == "$sf_n" ]] && echo yes || echo NO)
  tv_m=$(echo "$tv_n / $tv / 1000000" | bc -l) sf_m=$(echo "$sf_n / $sf / 1000000" | bc -l)
  printf "$fmt" "$name" "$depth" "$tv_n" "$sf_n" "$agree" \
    "$(printf %.3f "$tv")" "$(printf %.3f "$sf")" \
    "$(printf %.1f "$tv_m")" "$(printf %.1f "$sf_m")" "$(printf %.2f "$(echo "$tv_m / $sf_m" | bc -l)")"
done
