# Sourced by scripts/fuzz-smoke and scripts/fuzz-campaign: where the fuzz
# build lives, which targets it has, and the steps both scripts share.
# The build directory is build-fuzz at the top of the repository unless
# TAVRIK_FUZZ_BUILD names another.

TAVRIK_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
TAVRIK_FUZZ_BUILD=${TAVRIK_FUZZ_BUILD:-$TAVRIK_ROOT/build-fuzz}
TAVRIK_FUZZ_TARGETS=(fuzz_open_capture fuzz_kiss_round_trip)
TAVRIK_FUZZ_DICT=$TAVRIK_ROOT/fuzz/kss.dict

# Configures the clang build with TAVRIK_FUZZ=ON and builds the fuzz
# targets and the seed corpus program.
build_fuzz_targets() {
  CC=clang CXX=clang++ cmake -S "$TAVRIK_ROOT" -B "$TAVRIK_FUZZ_BUILD" -G Ninja \
    -DTAVRIK_FUZZ=ON -DTAVRIK_BUILD_UI=OFF -DTAVRIK_BUILD_BENCHMARKS=OFF >/dev/null
  ninja -C "$TAVRIK_FUZZ_BUILD" -j2 "${TAVRIK_FUZZ_TARGETS[@]}" make_seed_corpus
}

fuzz_target_path() {
  echo "$TAVRIK_FUZZ_BUILD/fuzz/$1"
}

# Writes the seed corpus into the directory $1.
write_seed_corpus() {
  "$TAVRIK_FUZZ_BUILD/fuzz/make_seed_corpus" "$1"
}

# The figures of a finished run from its log $1: executions, then the cov
# and ft of its last status line.
fuzz_run_figures() {
  local executions status
  executions=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$1" | grep -o '[0-9]*$' || true)
  status=$(grep -E '^#[0-9]+.*cov: ' "$1" | tail -n 1 | grep -oE '(cov|ft): [0-9]+' | paste -sd ' ' || true)
  echo "executions: ${executions:-?}  ${status:-no status line}"
}
