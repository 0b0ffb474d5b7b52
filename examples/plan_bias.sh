#!/usr/bin/env bash
# What the wrong sampling plan does to the estimate, shown on simulated populations of known
# Ne: every replicate is simulated by driftsim, converted by Pelkin and estimated by Morvast
# twice, under plan 1 (with the true census size N) and under plan 2. The mean all-loci Fs'
# over the replicates is printed for each plan the data were drawn by and each plan they were
# estimated as, beside the drift expected from Ne, 1 - (1 - 1/(2 Ne))^t.
#
# Usage: examples/plan_bias.sh [BUILD_DIR [REPLICATES]]
#   BUILD_DIR holds tools/driftsim, converter/Pelkin and estimator/Morvast (default:
#   build/default beside this folder); REPLICATES per setting and plan (default 200).
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "${1:-$here/../build/default}" && pwd)"
replicates="${2:-200}"
driftsim="$build/tools/driftsim"
pelkin="$build/converter/Pelkin"
morvast="$build/estimator/Morvast"
for program in "$driftsim" "$pelkin" "$morvast"; do
    [ -x "$program" ] || { echo "plan_bias.sh: $program is missing; build first" >&2; exit 2; }
done

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"

ne=200
t=10
sample=50
loci=20
alleles=5

# The all-loci Fs' of a report: the fifth number after "All loci".
all_loci_fs_prime() {
    awk '/^  All loci/ { print $7; exit }' "$1"
}

# One setting: census size N, data drawn by plan P. Prints one row per plan estimated as.
setting() {
    local census="$1" plan="$2" seed
    for ((r = 1; r <= replicates; r++)); do
        seed=$((1000 * census + 100000000 * plan + r))
        "$driftsim" --ne "$ne" --census "$census" --loci "$loci" --alleles "$alleles" \
            --sample "$sample" --generations "0,$t" --plan "$plan" --seed "$seed" \
            --output drift.gen
        # Its summary of each conversion is not wanted here; a failure's lines are shown.
        printf 'drift.gen\n' | "$pelkin" >/dev/null 2>pelkin.err || { cat pelkin.err >&2; exit 1; }
        rm -f plan1.txt plan2.txt
        printf '1\n%d\n' "$census" | "$morvast" pelkin.out plan1.txt >/dev/null
        printf '2\n' | "$morvast" pelkin.out plan2.txt >/dev/null
        all_loci_fs_prime plan1.txt >>"plan1_$census$plan.txt"
        all_loci_fs_prime plan2.txt >>"plan2_$census$plan.txt"
    done
    for as in 1 2; do
        awk -v drawn="$plan" -v as="$as" -v n="$census" -v t="$t" -v ne="$ne" '
            { sum += $1; squares += $1 * $1; count++ }
            END {
                mean = sum / count
                se = sqrt((squares - sum * sum / count) / (count - 1) / count)
                expected = 1 - (1 - 1 / (2 * ne)) ^ t
                printf "%6d   %5d   plan %d   plan %d   %9.5f %8.5f %+9.5f %8.0f\n",
                       n, count, drawn, as, mean, se, mean - expected, t / (2 * mean)
            }' "plan${as}_$census$plan.txt"
    done
}

printf 'Ne %d, t %d generations, samples of %d, %d loci of %d alleles; expected Fs'"'"' %.5f\n' \
    "$ne" "$t" "$sample" "$loci" "$alleles" \
    "$(awk -v ne="$ne" -v t="$t" 'BEGIN { print 1 - (1 - 1 / (2 * ne)) ^ t }')"
printf '%6s   %5s   %-6s   %-6s   %9s %8s %9s %8s\n' "N" "reps" "drawn" "as" "mean Fs'" "SE" \
    "bias" "Ne"
for census in 200 2000; do
    for plan in 1 2; do
        setting "$census" "$plan"
    done
done
