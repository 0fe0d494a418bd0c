#!/usr/bin/env bash
# Plays complete games between Talvex and an engine from Debian's packages
# through xboard (headless, under Xvfb), with Talvex run as a UCI engine through
# polyglot, then checks the games and Talvex's own output for faults.
#
# Usage: tools/play_games.sh [-n GAMES] [-o OPPONENT] [-e ENGINE_PATH] [-t TIME_CONTROL] [-w WORK_DIR]
#   -n GAMES         games to play, colours alternating, Talvex White first (default 4)
#   -o OPPONENT      fairymax (default), phalanx or stockfish, all from /usr/games
#   -e ENGINE_PATH   the UCI engine to test (default: $TALVEX_ENGINE, else build/talvex,
#                    built with CMake when missing)
#   -t TIME_CONTROL  MIN[:SEC][+INC] for a base time plus an increment per move, e.g.
#                    1+1 or 0:30+1; MOVES/MIN[:SEC] for MOVES moves in MIN, repeating,
#                    e.g. 40/1 (default 0:30+1)
#   -w WORK_DIR      where the PGN, xboard's debug file and the engine logs go
#                    (default: a new directory under ${TMPDIR:-/tmp})
#
# Exit status 0 when every game was completed and no fault was seen; 1 on a fault
# (illegal move by Talvex, Talvex crashed or hung, Talvex lost on time, a line of
# Talvex's output with "ERROR" or "white test_", fewer games than asked for);
# 2 on a usage or set-up error.
#
# Talvex always plays as xboard's first engine and is named "Talvex" in the PGN
# whatever its "id name" says. Its standard output is read from polyglot's log (every
# "Engine->Adapter:" line); its standard error goes to talvex.stderr in the work dir.
# Polyglot hands the engine whole seconds of increment only: a fractional increment
# still reaches the clocks, but the engine is told less than it gets.
set -uo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
games=4
opponent=fairymax
engine=${TALVEX_ENGINE:-}
tc_spec=0:30+1
work=""

usage() { sed -n '6,18s/^# \{0,1\}//p' "$0" >&2; exit 2; }
die() { echo "play_games: $*" >&2; exit 2; }

while getopts "n:o:e:t:w:h" opt; do
  case $opt in
    n) games=$OPTARG ;;
    o) opponent=$OPTARG ;;
    e) engine=$OPTARG ;;
    t) tc_spec=$OPTARG ;;
    w) work=$OPTARG ;;
    *) usage ;;
  esac
done
shift $((OPTIND - 1))
[ $# -eq 0 ] || usage
[[ $games =~ ^[1-9][0-9]*$ ]] || die "-n wants a positive number of games, not '$games'"

# --- time control -> xboard options, and the longest a game can take on the clock
to_seconds() {  # MIN[:SEC] -> seconds
  local m=${1%%:*} s=0
  [[ $1 == *:* ]] && s=${1#*:}
  echo $((10#$m * 60 + 10#$s))
}
clock=()
if [[ $tc_spec =~ ^([0-9]+)/([0-9]+(:[0-5][0-9])?)$ ]]; then
  mps=${BASH_REMATCH[1]} base=${BASH_REMATCH[2]}
  [ "$mps" -gt 0 ] || die "-t: moves per session must be positive"
  clock=(-tc "$base" -mps "$mps")
  base_s=$(to_seconds "$base")
  # 250 moves a side is beyond any game the 50-move rule lets last in practice
  side_max=$((base_s * (250 / mps + 1)))
  tc_text="$mps moves in $base_s s"
elif [[ $tc_spec =~ ^([0-9]+(:[0-5][0-9])?)(\+([0-9]+(\.[0-9]+)?))?$ ]]; then
  base=${BASH_REMATCH[1]} inc=${BASH_REMATCH[4]:-0}
  clock=(-tc "$base" -inc "$inc")
  base_s=$(to_seconds "$base")
  side_max=$((base_s + ${inc%%.*} * 250 + 250))
  tc_text="$base_s s + $inc s"
  if [[ $inc == *.* ]]; then
    echo "play_games: note: polyglot tells the engine whole seconds of increment only" >&2
  fi
else
  die "-t wants MIN[:SEC][+INC] or MOVES/MIN[:SEC], not '$tc_spec'"
fi
[ "$base_s" -gt 0 ] || die "-t: the base time must be positive"
match_limit=$((games * (2 * side_max + 30) + 60))

# --- tools: xboard, polyglot and the opponent live in /usr/games
export PATH="$PATH:/usr/games"
case $opponent in
  fairymax | phalanx | stockfish) opp_bin=/usr/games/$opponent ;;
  *) die "-o wants fairymax, phalanx or stockfish, not '$opponent'" ;;
esac
need=()
[ -x /usr/games/xboard ] || need+=(xboard)
[ -x /usr/games/polyglot ] || need+=(polyglot)
command -v xvfb-run >/dev/null || need+=(xvfb)
command -v xauth >/dev/null || need+=(xauth)
[ -x "$opp_bin" ] || need+=("$opponent")
if [ ${#need[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  echo "play_games: installing ${need[*]}" >&2
  $sudo apt-get update >&2 || die "apt-get update failed"
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${need[@]}" >&2 || die "could not install ${need[*]}"
fi

# --- the engine under test
if [ -z "$engine" ]; then
  engine=$root/build/talvex
  if [ ! -x "$engine" ]; then
    echo "play_games: building $engine" >&2
    (cd "$root" && cmake -S . -B build -DCMAKE_BUILD_TYPE=Release && cmake --build build -j2) >&2 ||
      die "the build failed"
  fi
fi
[ -x "$engine" ] || die "not an executable engine: $engine"
engine=$(cd "$(dirname "$engine")" && pwd)/$(basename "$engine")

# --- work directory and the engine's wrapper (keeps its standard error apart)
if [ -z "$work" ]; then
  work=$(mktemp -d "${TMPDIR:-/tmp}/talvex-games.XXXXXX") || die "no work directory"
else
  mkdir -p "$work" || die "cannot make $work"
  work=$(cd "$work" && pwd)
  rm -f "$work"/{games.pgn,xboard.debug,polyglot.log,talvex.stderr,xboard.out,xboard.err,xboardrc}
fi
[[ $work != *[[:space:]\"]* ]] || die "the work directory path must have no blanks or quotes: $work"
pgn=$work/games.pgn debug=$work/xboard.debug plog=$work/polyglot.log errlog=$work/talvex.stderr
wrapper=$work/talvex-engine
printf '#!/bin/sh\nexec "%s" "$@" 2>>"%s"\n' "$engine" "$errlog" >"$wrapper"
chmod +x "$wrapper"
: >"$errlog"

opp_args=(-scp "$opp_bin" -sd "$work" -sn "$opponent")
[ "$opponent" = stockfish ] && opp_args+=(-sUCI)

echo "engine under test: $engine"
echo "opponent: $opponent, $games games at $tc_text, work dir $work"

# xboard keeps its settings and polyglot its ini files under $HOME: point it at the
# work dir so that a run leaves the user's (and /etc's) files alone. The match runs in
# its own process group (job control on) so that a stalled one can be ended whole.
set -m
HOME=$work timeout --kill-after=10 "$match_limit" xvfb-run -a /usr/games/xboard \
  -saveSettingsOnExit false -saveSettingsFile "$work/xboardrc" \
  -mg "$games" "${clock[@]}" -matchPause 500 \
  -fcp "$wrapper" -fd "$work" -fUCI -fn Talvex \
  -adapterCommand "/usr/games/polyglot -noini -log true -lf \"$plog\" -ec \"%fcp\" -ed \"%fd\"" \
  "${opp_args[@]}" \
  -xponder -xanimate -autoCallFlag true -testLegality true \
  -popupExitMessage false -popupMoveErrors false -soundProgram "" \
  -sgf "$pgn" -debug -nameOfDebugFile "$debug" \
  >"$work/xboard.out" 2>"$work/xboard.err" &
match=$!
set +m

# xboard writes every engine line and clock event to its debug file. An engine that
# stops answering mid-match (xboard waits for its "pong" before the next game, with
# no clock running) leaves the file still: end the match once it has been quiet for
# longer than any one move can take.
stall_limit=$((2 * base_s + 60))
stalled=0
started=$(date +%s)
while kill -0 "$match" 2>/dev/null; do
  sleep 2
  last=$(stat -c %Y "$debug" 2>/dev/null || echo "$started")
  if [ $(($(date +%s) - last)) -gt "$stall_limit" ]; then
    stalled=1
    kill -TERM -- "-$match" 2>/dev/null
    sleep 10
    kill -KILL -- "-$match" 2>/dev/null
    break
  fi
done
wait "$match"
xboard_status=$?

# --- the games: one line per game, "ROUND<TAB>WHITE<TAB>BLACK<TAB>RESULT<TAB>REASON",
# REASON being the comment just before the result at the end of the move text.
games_table() {
  [ -f "$pgn" ] || return 0
  awk '
    function flush() {
      if (!seen) return
      text = moves; reason = ""
      sub(/[ \t]+$/, "", text)
      if (match(text, /\{[^{}]*\}[ \t]*(1-0|0-1|1\/2-1\/2|\*)$/)) {
        reason = substr(text, RSTART + 1)
        sub(/\}[^}]*$/, "", reason)
      }
      printf "%s\t%s\t%s\t%s\t%s\n", round, white, black, result, reason
      seen = 0; moves = ""
    }
    function tag(line) { sub(/^\[[A-Za-z]+ "/, "", line); sub(/"\][ \t\r]*$/, "", line); return line }
    /^\[Event / { flush(); seen = 1; round = white = black = result = "" }
    /^\[Round / { round = tag($0) }
    /^\[White / { white = tag($0) }
    /^\[Black / { black = tag($0) }
    /^\[Result / { result = tag($0) }
    /^\[/ { next }
    { sub(/\r$/, ""); moves = moves " " $0 }
    END { flush() }
  ' "$pgn"
}

completed=0 wins=0 draws=0 losses=0
illegal=0 crashed=0 time_lost=0 opp_faults=0
evidence=()
note() { evidence+=("$1"); }

echo
echo "games:"
while IFS=$'\t' read -r round white black result reason; do
  if [ "$white" = Talvex ]; then side=white; mine=1-0; theirs=0-1; opp=$black
  else side=black; mine=0-1; theirs=1-0; opp=$white; fi
  case $result in
    "$mine") score=W; wins=$((wins + 1)) ;;
    "$theirs") score=L; losses=$((losses + 1)) ;;
    1/2-1/2) score=D; draws=$((draws + 1)) ;;
    *) score="not finished" ;;
  esac
  [ "$score" != "not finished" ] && completed=$((completed + 1))
  printf '  %s. %s - %s  %s {%s}  Talvex (%s): %s\n' "$round" "$white" "$black" "$result" "$reason" "$side" "$score"
  lower=${reason,,}
  talvex_lost=0
  [ "$score" = L ] && talvex_lost=1
  if [[ $lower == *illegal* ]]; then
    # polyglot names the side ("illegal engine move by white"); xboard forfeits the mover
    if [[ $lower == *"by $side"* ]] || { [[ $lower != *"by white"* && $lower != *"by black"* ]] && [ $talvex_lost = 1 ]; }; then
      illegal=$((illegal + 1)); note "game $round: $reason"
    else
      opp_faults=$((opp_faults + 1)); note "game $round (opponent): $reason"
    fi
  fi
  if [[ $lower =~ crash|disconnect|"xboard exit"|exited|exits|"error writing"|"error reading"|died ]]; then
    if [ $talvex_lost = 1 ] || [[ $lower == *first* ]]; then
      crashed=$((crashed + 1)); note "game $round: $reason"
    else
      opp_faults=$((opp_faults + 1)); note "game $round (opponent): $reason"
    fi
  fi
  if [[ $lower =~ "on time"|"time forfeit" ]]; then
    if [ $talvex_lost = 1 ]; then
      time_lost=$((time_lost + 1)); note "game $round: $reason"
    else
      opp_faults=$((opp_faults + 1)); note "game $round (opponent lost on time): $reason"
    fi
  fi
done < <(games_table)

# --- the logs. Talvex is xboard's "first" engine; polyglot logs every line it printed.
engine_out() { grep -a -h 'Engine->Adapter:' "$plog" 2>/dev/null | sed 's/^[0-9.]* Engine->Adapter: //'; cat "$errlog"; }

error_lines=$(engine_out | grep -a -c 'ERROR')
board_lines=$(engine_out | grep -a -c 'white test_')
while IFS= read -r line; do note "Talvex said: ${line:0:200}"; done < <(engine_out | grep -a -E 'ERROR|white test_' | head -5)

# an illegal move xboard itself caught from Talvex (polyglot normally catches them first)
xb_illegal=$(grep -a -c -E 'Illegal move .* from first machine|Forfeit due to (illegal|invalid) move' "$debug" 2>/dev/null)
while IFS= read -r line; do note "xboard: ${line:0:200}"; done < <(grep -a -E 'Illegal move .* from first machine|Forfeit due to (illegal|invalid) move' "$debug" 2>/dev/null | head -3)
if [ "$illegal" -eq 0 ] && [ "${xb_illegal:-0}" -gt 0 ]; then illegal=$xb_illegal; fi

# the engine's process ending badly, or xboard losing it
crash_pattern='child exited with status [1-9]|child terminated with signal|Child wouldn.t exit'
crash_pattern+='|first chess program .*exited|Error (writing to|reading from) first chess program'
crash_pattern+='|first *: tellusererror'
crash_reports() {  # the SIGTERM of ending a stalled match is this script's own doing
  cat "$plog" "$debug" "$work/xboard.err" 2>/dev/null | grep -a -E "$crash_pattern" |
    if [ $stalled = 1 ]; then grep -a -v 'terminated with signal 15'; else cat; fi
}
crash_logs=$(crash_reports | wc -l)
while IFS= read -r line; do note "log: ${line:0:200}"; done < <(crash_reports | sort -u | head -4)
if [ "$crashed" -eq 0 ] && [ "${crash_logs:-0}" -gt 0 ]; then crashed=1; fi

bestmoves=$(engine_out | grep -a -c '^bestmove ')
missing=$((games - completed))
[ $missing -lt 0 ] && missing=0

echo
echo "games completed: $completed of $games (Talvex sent $bestmoves bestmoves)"
echo "Talvex: $wins won, $draws drawn, $losses lost"
echo "faults:"
printf '  %-38s %d\n' "illegal moves by Talvex" "$illegal" \
  "Talvex crashed / disconnected" "$crashed" \
  "Talvex lost on time" "$time_lost" \
  "Talvex output lines with ERROR" "$error_lines" \
  "Talvex output lines with white test_" "$board_lines" \
  "games missing" "$missing"
[ "$opp_faults" -gt 0 ] && printf '  %-38s %d (reported, not failed on)\n' "opponent faults" "$opp_faults"
if [ $stalled = 1 ]; then
  printf '  %-38s %s\n' "match stalled (ended)" "nothing happened for $stall_limit s"
  note "xboard's last debug lines: $(tail -n 3 "$debug" 2>/dev/null | tr '\n' '|')"
elif [ "$xboard_status" -eq 124 ] || [ "$xboard_status" -eq 137 ]; then
  printf '  %-38s %s\n' "match timed out" "not finished within $match_limit s"
elif [ "$xboard_status" -ne 0 ]; then
  printf '  %-38s %s\n' "xboard exit status" "$xboard_status"
fi
if [ ${#evidence[@]} -gt 0 ]; then
  echo "evidence:"
  printf '  %s\n' "${evidence[@]}" | awk '!seen[$0]++'
fi
echo "files: $pgn, $debug, $plog, $errlog"

fail=$((illegal + crashed + time_lost + error_lines + board_lines + missing))
[ "$xboard_status" -ne 0 ] || [ $stalled = 1 ] && fail=$((fail + 1))
if [ $fail -gt 0 ]; then
  echo "FAILED"
  exit 1
fi
echo "OK"
