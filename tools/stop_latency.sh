#!/usr/bin/env bash
# Time from "stop" to "bestmove" during "go infinite", over several tries.
#   tools/stop_latency.sh [TRIES] [SEARCH_SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
tries=${1:-7}
think=${2:-1}
engine=${ENGINE:-build/talvex}
positions=("position startpos"
           "position fen r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1"
           "position fen 8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1")
times=()
for ((i = 0; i < tries; i++)); do
  coproc ENGINE_PROC { "$engine"; }
  printf 'uci\nisready\n%s\ngo infinite\n' "${positions[i % ${#positions[@]}]}" >&"${ENGINE_PROC[1]}"
  sleep "$think"
  start=$(date +%s%N)
  printf 'stop\n' >&"${ENGINE_PROC[1]}"
  while IFS= read -r line <&"${ENGINE_PROC[0]}"; do
    [[ $line == bestmove* ]] && break
  done
  end=$(date +%s%N)
  printf 'quit\n' >&"${ENGINE_PROC[1]}"
  wait "$ENGINE_PROC_PID" 2>/dev/null || true
  times+=($(( (end - start) / 1000 )))
done
printf '%s\n' "${times[@]}" | sort -n | awk '{ a[NR] = $1 } END { printf "stop to bestmove, %d tries: median %.2f ms, min %.2f ms, max %.2f ms\n", NR, a[int((NR + 1) / 2)] / 1000, a[1] / 1000, a[NR] / 1000 }'
