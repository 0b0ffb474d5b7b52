#!/usr/bin/env bash
# A bounded fuzz campaign on one target:  bash fuzz/campaign.sh TARGET [SECONDS]
# Builds the fuzz preset, then fuzzes fuzz_TARGET for SECONDS (300 unless given) with one job,
# starting from fuzz/corpus/TARGET, in a fresh scratch folder that holds everything the campaign
# makes: the inputs it finds (corpus/), the inputs that found a fault (artifacts/) and its log.
# The target makes its runs in a scratch folder of its own. Exits with the fuzzer's status:
# 0 when nothing was found.
set -euo pipefail
target=${1:?"usage: bash fuzz/campaign.sh TARGET [SECONDS], TARGET one of: $(ls "$(dirname "$0")/corpus")"}
seconds=${2:-300}
root=$(cd "$(dirname "$0")/.." && pwd)
[ -d "$root/fuzz/corpus/$target" ] || { echo "campaign.sh: no corpus fuzz/corpus/$target" >&2; exit 2; }
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target "fuzz_$target"
scratch=$(mktemp -d "${TMPDIR:-/tmp}/ne-campaign-$target-XXXXXX")
mkdir "$scratch/corpus" "$scratch/artifacts"
cd "$scratch"
status=0
"$root/build/fuzz/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -max_len=16384 -close_fd_mask=3 -print_final_stats=1 -artifact_prefix="$scratch/artifacts/" \
    "$scratch/corpus" "$root/fuzz/corpus/$target" 2>&1 | tee "$scratch/fuzz.log" || status=$?
echo "campaign.sh: log, new inputs and faults in $scratch"
echo "campaign.sh: to keep the new inputs that reach new code:"
echo "  $root/build/fuzz/fuzz/fuzz_$target -merge=1 -close_fd_mask=3 $root/fuzz/corpus/$target $scratch/corpus"
exit "$status"
