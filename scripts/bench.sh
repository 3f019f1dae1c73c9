#!/usr/bin/env bash
# Builds and runs the report benchmark: the worked imperial example and the worst case.
set -euo pipefail
build=${1:-build}
cmake --build "$build" --target kesta_bench -j2
exec "$build/bench/kesta_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
