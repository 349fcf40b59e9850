#!/usr/bin/env bash
# Pack benchmark: how long `modstower-cli pack` takes on a full mod folder, and how
# much memory it holds, measured against
#   - the floor: bench_pack_floor, one process that reads every file whole,
#     decodes every image once with libjpeg, byte-swaps every WAVE's frames into
#     AIFF order in memory and writes all of it into one file;
#   - the script a user would otherwise write: djpeg of every image to /dev/null,
#     sox of every WAVE to AIFF, cat of everything into one file.
# Two folders made by modstower_mkdemomod: all 59 images, 46 mono WAVE samples and
# a 1 MiB Demo.tds, once with 3-second and once with 60-second samples.
#
#   bench/pack/run.sh            configures and builds build-bench (Release) when
#                                needed, then measures
#   RUNS=9 bench/pack/run.sh     more timed rounds (default 5)
#   BUILD=DIR bench/pack/run.sh  another Release build folder
#
# Times are wall clock, best and median of the rounds; the contenders take turns
# within each round after one untimed warm-up, so the page cache is warm for all.
# Peak memory is the maximum resident set size reported by /usr/bin/time -v.
set -euo pipefail

# The user's script, run as its own process so that it is timed like the others.
if [[ ${1:-} == --scripted ]]; then
    folder=$2 output=$3 scratch=$4
    for image in "$folder"/*.jpg; do
        djpeg -outfile /dev/null "$image"
    done
    for wave in "$folder"/*.wav; do
        name=${wave##*/}
        sox "$wave" "$scratch/${name%.*}.aif"
    done
    cat "$folder"/*.jpg "$scratch"/*.aif "$folder"/Demo.tds "$folder"/*.txt > "$output"
    exit 0
fi

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
BUILD=${BUILD:-$ROOT/build-bench}
RUNS=${RUNS:-5}
SCRIPT=$ROOT/bench/pack/run.sh

# Targets for the pack run.
FLOOR_RATIO_LIMIT=1.5     # pack time at most 1.5 x the floor
SCRIPTED_RATIO_LIMIT=0.25 # and at most a quarter of the script
GROWTH_SLACK=1.25         # time per input byte at 60 s at most 1.25 x that at 3 s
RSS_SLACK_KB=$((32 * 1024))

install_missing() {
    local missing=()
    command -v djpeg > /dev/null || missing+=(libjpeg-turbo-progs)
    command -v sox > /dev/null || missing+=(sox)
    [[ -x /usr/bin/time ]] || missing+=(time)
    if ((${#missing[@]})); then
        echo "Installing ${missing[*]}..." >&2
        apt-get update -qq > /dev/null
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" > /dev/null
    fi
}

build() {
    if [[ ! -f $BUILD/CMakeCache.txt ]]; then
        cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMODSTOWER_BENCH=ON \
            -DMODSTOWER_TESTS=OFF > /dev/null
    fi
    local type
    type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$BUILD/CMakeCache.txt")
    if [[ $type != Release ]]; then
        echo "run.sh: $BUILD is a '$type' build; the benchmark wants Release" >&2
        exit 1
    fi
    cmake --build "$BUILD" -j2 --target modstower-cli modstower_mkdemomod bench_pack_floor > /dev/null
}

# Runs a contender once, output discarded.
run_floor() { "$BUILD/bench/bench_pack_floor" "$1" "$WORK/floor.out"; }
run_scripted() { bash "$SCRIPT" --scripted "$1" "$WORK/scripted.out" "$WORK/scratch"; }
run_pack() { "$BUILD/app/modstower-cli" pack "$1" -o "$WORK/packed.tdm"; }
# What has to be done before a run and is not part of it.
prepare() {
    rm -f "$WORK/floor.out" "$WORK/scripted.out" "$WORK/packed.tdm"
    rm -rf "$WORK/scratch" && mkdir "$WORK/scratch"
}

# REPLY = milliseconds of a time as `times` prints it ("1m2.345s").
milliseconds_of() {
    local minutes=${1%%m*} seconds=${1#*m}
    seconds=${seconds%s}
    REPLY=$((minutes * 60000 + 10#${seconds%.*} * 1000 + 10#${seconds#*.}))
}

# REPLY = CPU time (user and system) of this shell's finished children, in
# microseconds. `times` is a builtin, and only builtins run here: any process
# started now would count as a child itself.
children_cpu_us() {
    local own user system
    times > "$WORK/times"
    { read -r own; read -r user system; } < "$WORK/times"
    milliseconds_of "$user"
    user=$REPLY
    milliseconds_of "$system"
    REPLY=$(((user + REPLY) * 1000))
}

# Runs a contender once and prints its wall-clock and CPU time in microseconds;
# fails the benchmark when the contender fails.
time_once() {
    local start end cpu_before
    prepare
    children_cpu_us
    cpu_before=$REPLY
    start=${EPOCHREALTIME/./}
    "$@" > /dev/null 2>&1 || { echo "run.sh: '$*' failed" >&2; exit 1; }
    end=${EPOCHREALTIME/./}
    children_cpu_us
    echo "$((end - start)) $((REPLY - cpu_before))"
}

peak_rss_kb() {
    /usr/bin/time -v "$@" 2>&1 > /dev/null | sed -n 's/.*Maximum resident set size (kbytes): //p'
}

# "best median" of the numbers given
best_and_median() {
    printf '%s\n' "$@" | sort -n | awk '{v[NR] = $1}
        END {print v[1], (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2)}'
}

ms() { awk -v us="$1" 'BEGIN {printf "%.1f", us / 1000}'; }
mib() { awk -v kb="$1" 'BEGIN {printf "%.1f", kb / 1024}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }
larger() { awk -v a="$1" -v b="$2" 'BEGIN {print (a > b ? a : b)}'; }
verdict() { awk -v v="$1" -v limit="$2" 'BEGIN {print (v <= limit ? "met" : "MISSED")}'; }

install_missing
build
WORK=$(mktemp -d "${TMPDIR:-/tmp}/modstower-pack-bench.XXXXXX")
trap 'rm -rf "$WORK"' EXIT

CONTENDERS=(floor scripted pack)
LENGTHS=(3 60)
# Keys are "contender,seconds"; wall and CPU times in microseconds, RSS in KiB.
declare -A WALL_BEST WALL_MEDIAN CPU_BEST CPU_MEDIAN RSS INPUT LARGEST
for seconds in "${LENGTHS[@]}"; do
    folder=$WORK/mod-${seconds}s
    "$BUILD/tools/modstower_mkdemomod" "$folder" --seconds "$seconds" --wave-only --song-bytes 1048576
    INPUT[$seconds]=$(find "$folder" -type f -printf '%s\n' | awk '{s += $1} END {print s}')
    LARGEST[$seconds]=$(find "$folder" -type f -printf '%s\n' | sort -n | tail -1)

    # The pack run must take every component, or its time means nothing. This
    # first round of each contender is the untimed warm-up.
    prepare
    log=$(run_pack "$folder")
    added=$(grep -c '^Adding: ' <<< "$log" || true)
    if [[ $added != 106 ]] || ! grep -qx 'Done... close window to exit application' <<< "$log"; then
        echo "run.sh: pack added $added of 106 components:" >&2
        echo "$log" >&2
        exit 1
    fi
    prepare
    run_floor "$folder" > /dev/null
    prepare
    run_scripted "$folder"

    declare -A walls=() cpus=()
    for ((round = 0; round < RUNS; round++)); do
        for contender in "${CONTENDERS[@]}"; do
            read -r wall cpu < <(time_once "run_$contender" "$folder")
            walls[$contender]+=" $wall"
            cpus[$contender]+=" $cpu"
        done
    done
    for contender in "${CONTENDERS[@]}"; do
        key=$contender,$seconds
        read -r WALL_BEST[$key] WALL_MEDIAN[$key] < <(best_and_median ${walls[$contender]})
        read -r CPU_BEST[$key] CPU_MEDIAN[$key] < <(best_and_median ${cpus[$contender]})
    done
    prepare
    RSS[floor,$seconds]=$(peak_rss_kb "$BUILD/bench/bench_pack_floor" "$folder" "$WORK/floor.out")
    prepare
    RSS[scripted,$seconds]=$(peak_rss_kb bash "$SCRIPT" --scripted "$folder" "$WORK/scripted.out" "$WORK/scratch")
    prepare
    RSS[pack,$seconds]=$(peak_rss_kb "$BUILD/app/modstower-cli" pack "$folder" -o "$WORK/packed.tdm")
    unset walls cpus
done

echo
echo "Pack benchmark: 59 images, 46 mono 16-bit WAVE samples, 1 MiB Demo.tds; best and median of $RUNS rounds"
echo "$(nproc) cores, $(uname -srm); CPU = user + system time of the process and its children"
echo
row() { printf '%-8s %-9s %10s %10s %10s %10s %10s\n' "$@"; }
row samples contender "wall best" "wall med" "CPU best" "CPU med" "peak RSS"
row "" "" ms ms ms ms MiB
for seconds in "${LENGTHS[@]}"; do
    for contender in "${CONTENDERS[@]}"; do
        key=$contender,$seconds
        row "$seconds s" "$contender" "$(ms "${WALL_BEST[$key]}")" "$(ms "${WALL_MEDIAN[$key]}")" \
            "$(ms "${CPU_BEST[$key]}")" "$(ms "${CPU_MEDIAN[$key]}")" "$(mib "${RSS[$key]}")"
    done
    printf '%-8s %-9s %s MiB in %d files\n' "" "input" "$(mib $((INPUT[$seconds] / 1024)))" \
        "$(find "$WORK/mod-${seconds}s" -type f | wc -l)"
done

echo
check() { printf '%-38s %8s %8s %9s %8s\n' "$@"; }
check measure "3 s" "60 s" target verdict
# ratio_check NAME TARGET A3 B3 A60 B60: the ratios A/B at both lengths against TARGET
ratio_check() {
    local r3 r60
    r3=$(ratio "$3" "$4")
    r60=$(ratio "$5" "$6")
    check "$1" "$r3" "$r60" "<= $2" "$(verdict "$(larger "$r3" "$r60")" "$2")"
}
for clock in wall CPU; do
    declare -n best=${clock^^}_BEST
    ratio_check "pack / floor, best $clock" $FLOOR_RATIO_LIMIT \
        "${best[pack,3]}" "${best[floor,3]}" "${best[pack,60]}" "${best[floor,60]}"
    ratio_check "pack / scripted, best $clock" $SCRIPTED_RATIO_LIMIT \
        "${best[pack,3]}" "${best[scripted,3]}" "${best[pack,60]}" "${best[scripted,60]}"
    unset -n best
done
bound3=$((3 * LARGEST[3] / 1024 + RSS_SLACK_KB))
bound60=$((3 * LARGEST[60] / 1024 + RSS_SLACK_KB))
ratio_check "pack RSS / (3 x largest file + 32 MiB)" 1 "${RSS[pack,3]}" $bound3 "${RSS[pack,60]}" $bound60
check "  (bound, MiB)" "$(mib $bound3)" "$(mib $bound60)"

echo
echo "Growth 3 s -> 60 s, best times (input grows $(ratio "${INPUT[60]}" "${INPUT[3]}")x):"
for contender in "${CONTENDERS[@]}"; do
    printf '  %-9s wall %6sx   CPU %6sx\n' "$contender" "$(ratio "${WALL_BEST[$contender,60]}" "${WALL_BEST[$contender,3]}")" \
        "$(ratio "${CPU_BEST[$contender,60]}" "${CPU_BEST[$contender,3]}")"
done
# Linear: a long sample costs the pack run no more per input byte than a short one.
per_byte() {
    awk -v t60="$1" -v t3="$2" -v b60="${INPUT[60]}" -v b3="${INPUT[3]}" 'BEGIN {printf "%.2f", (t60 / b60) / (t3 / b3)}'
}
wall_per_byte=$(per_byte "${WALL_BEST[pack,60]}" "${WALL_BEST[pack,3]}")
cpu_per_byte=$(per_byte "${CPU_BEST[pack,60]}" "${CPU_BEST[pack,3]}")
printf 'pack time per input byte at 60 s / at 3 s: wall %s, CPU %s (target <= %s): %s\n' "$wall_per_byte" \
    "$cpu_per_byte" "$GROWTH_SLACK" "$(verdict "$(larger "$wall_per_byte" "$cpu_per_byte")" $GROWTH_SLACK)"
