#!/usr/bin/env bash
# Runs the fuzz harnesses built in BUILD (see fuzz/CMakeLists.txt).
#   fuzz.sh BUILD run SECONDS   fuzz each harness for SECONDS, growing its corpus in
#                               BUILD/fuzz/corpus/NAME; a failing input lands in
#                               BUILD/fuzz/artifacts (keep it in fuzz/corpus/NAME once fixed)
#   fuzz.sh BUILD replay        run every seed and corpus input once, no fuzzing (CI)
# FUZZ_TARGETS="ini layout" selects harnesses; by default all run, one after the other.
set -euo pipefail
build=$1
mode=$2
seconds=${3:-60}
out=$(cd "$build" && pwd)/fuzz # absolute: a harness may change its working folder
targets=${FUZZ_TARGETS:-$(cat "$out/targets.txt")}
mkdir -p "$out/artifacts"

for name in $targets; do
  bin=$out/fuzz_$name
  [ -x "$bin" ] || { echo "no harness $name in $out" >&2; exit 1; }
  # The seeds, files and folders alike, gathered in one folder (libFuzzer takes folders).
  seeds=$out/seeds/$name
  rm -rf "$seeds"
  mkdir -p "$seeds" "$out/corpus/$name"
  n=0
  while IFS= read -r seed; do
    [ -z "$seed" ] && continue
    [ -e "$seed" ] || continue
    while IFS= read -r -d '' file; do
      n=$((n + 1))
      cp "$file" "$seeds/$n-$(basename "$file")"
    done < <(find "$seed" -type f -print0)
  done < "$out/$name.seeds"
  options=(-timeout=10 -rss_limit_mb=2048 -artifact_prefix="$out/artifacts/$name-")
  case $mode in
    run) args=(-max_total_time="$seconds" -print_final_stats=1) ;;
    replay) args=(-runs=0) ;;
    *)
      echo "usage: $0 BUILD run SECONDS | BUILD replay" >&2
      exit 2
      ;;
  esac
  log=$out/$name.log
  status=0
  "$bin" "${options[@]}" "${args[@]}" "$out/corpus/$name" "$seeds" >"$log" 2>&1 || status=$?
  inputs=$(find "$out/corpus/$name" "$seeds" -type f | wc -l)
  if [ "$mode" = run ]; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "$name: ${runs:-?} runs in ${seconds} s, corpus and seeds ${inputs} inputs"
  else
    echo "$name: ${inputs} inputs replayed"
  fi
  if [ "$status" -ne 0 ]; then
    grep -E "FUZZ_CHECK|ERROR|SUMMARY|Test unit written" "$log" >&2 || tail -n 20 "$log" >&2
    echo "$name: failed, see $log" >&2
    exit 1
  fi
done
