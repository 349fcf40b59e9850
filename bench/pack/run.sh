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
#   bench/pack/run.sh                 configures and builds build-bench (Release)
#                                     when needed, then measures
#   RUNS=15 bench/pack/run.sh         more timed rounds (default 9)
#   BUILD=DIR bench/pack/run.sh       another Release build folder
#   SCRIPTED=0 bench/pack/run.sh      leave the (slow) shell script out
#   BASELINE=FILE bench/pack/run.sh   time another modstower-cli (an older build,
#                                     say) as the contender "baseline", in the
#                                     same rounds, to compare before and after
#
# Every run is timed by bench_pack_time, which takes the wall clock around the
# run and the CPU time (user and system, children included) and peak resident
# set from wait4, all at microsecond resolution. The contenders take turns
# within each round after one untimed warm-up, so the page cache is warm for
# all, and each round starts with the next contender in turn, so none always
# runs just after the same other one. Every output is deleted before each run.
# The ratios and verdicts are taken on the medians: on a machine shared with
# other work the median of many rounds is what a single run cannot give.
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
RUNS=${RUNS:-9}
SCRIPTED=${SCRIPTED:-1}
BASELINE=${BASELINE:-}
SCRIPT=$ROOT/bench/pack/run.sh

# Targets for the pack run.
FLOOR_RATIO_LIMIT=1.2     # pack time at most 1.2 x the floor, wall and CPU
SCRIPTED_RATIO_LIMIT=0.25 # and at most a quarter of the script
GROWTH_LIMIT=1.0          # time per input byte at 60 s no more than at 3 s
RSS_SLACK_KB=$((32 * 1024))

install_missing() {
    local missing=()
    if ((SCRIPTED)); then
        command -v djpeg > /dev/null || missing+=(libjpeg-turbo-progs)
        command -v sox > /dev/null || missing+=(sox)
    fi
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
    cmake --build "$BUILD" -j2 --target modstower-cli modstower_mkdemomod bench_pack_floor bench_pack_time > /dev/null
}

# The command line of a contender on a folder, in REPLY_COMMAND.
command_of() {
    local contender=$1 folder=$2
    case $contender in
        floor) REPLY_COMMAND=("$BUILD/bench/bench_pack_floor" "$folder" "$WORK/floor.out") ;;
        scripted) REPLY_COMMAND=(bash "$SCRIPT" --scripted "$folder" "$WORK/scripted.out" "$WORK/scratch") ;;
        pack) REPLY_COMMAND=("$BUILD/app/modstower-cli" pack "$folder" -o "$WORK/packed.tdm") ;;
        baseline) REPLY_COMMAND=("$BASELINE" pack "$folder" -o "$WORK/baseline.tdm") ;;
    esac
}

# What has to be done before a run and is not part of it: no output of any
# earlier run is left, so every run writes its file afresh.
prepare() {
    rm -f "$WORK/floor.out" "$WORK/scripted.out" "$WORK/packed.tdm" "$WORK/baseline.tdm"
    rm -rf "$WORK/scratch" && mkdir "$WORK/scratch"
}

# "best median" of the numbers given
best_and_median() {
    printf '%s\n' "$@" | sort -n | awk '{v[NR] = $1}
        END {print v[1], (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2)}'
}
largest() { printf '%s\n' "$@" | sort -n | tail -1; }

ms() { awk -v us="$1" 'BEGIN {printf "%.1f", us / 1000}'; }
mib() { awk -v kb="$1" 'BEGIN {printf "%.1f", kb / 1024}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }
larger() { awk -v a="$1" -v b="$2" 'BEGIN {print (a > b ? a : b)}'; }
verdict() { awk -v v="$1" -v limit="$2" 'BEGIN {print (v <= limit ? "met" : "MISSED")}'; }

# A pack run must take every component, or its time means nothing.
check_complete() {
    local name=$1 log
    shift
    prepare
    log=$("$@")
    added=$(grep -c '^Adding: ' <<< "$log" || true)
    if [[ $added != 106 ]] || ! grep -qx 'Done... close window to exit application' <<< "$log"; then
        echo "run.sh: $name added $added of 106 components:" >&2
        echo "$log" >&2
        exit 1
    fi
}

install_missing
build
TIMER=$BUILD/bench/bench_pack_time
WORK=$(mktemp -d "${TMPDIR:-/tmp}/modstower-pack-bench.XXXXXX")
trap 'rm -rf "$WORK"' EXIT

CONTENDERS=(floor pack)
[[ -n $BASELINE ]] && CONTENDERS+=(baseline)
((SCRIPTED)) && CONTENDERS+=(scripted)
LENGTHS=(3 60)
# Keys are "contender,seconds"; wall and CPU times in microseconds, RSS in KiB.
declare -A WALL_BEST WALL_MEDIAN CPU_BEST CPU_MEDIAN RSS INPUT LARGEST
for seconds in "${LENGTHS[@]}"; do
    folder=$WORK/mod-${seconds}s
    "$BUILD/tools/modstower_mkdemomod" "$folder" --seconds "$seconds" --wave-only --song-bytes 1048576
    INPUT[$seconds]=$(find "$folder" -type f -printf '%s\n' | awk '{s += $1} END {print s}')
    LARGEST[$seconds]=$(find "$folder" -type f -printf '%s\n' | sort -n | tail -1)

    # The untimed warm-up round, which also proves the pack runs complete.
    for contender in "${CONTENDERS[@]}"; do
        command_of "$contender" "$folder"
        case $contender in
            pack | baseline) check_complete "$contender" "${REPLY_COMMAND[@]}" ;;
            *) prepare && "${REPLY_COMMAND[@]}" > /dev/null ;;
        esac
    done
    # Compared with an older build, pack must still make the same bytes.
    if [[ -n $BASELINE ]]; then
        prepare
        "$BUILD/app/modstower-cli" pack "$folder" -o "$WORK/packed.tdm" > /dev/null
        "$BASELINE" pack "$folder" -o "$WORK/baseline.tdm" > /dev/null
        if ! cmp -s "$WORK/packed.tdm" "$WORK/baseline.tdm"; then
            echo "run.sh: pack and the baseline make different mod files" >&2
            exit 1
        fi
    fi

    declare -A walls=() cpus=() rsss=()
    for ((round = 0; round < RUNS; round++)); do
        for ((turn = 0; turn < ${#CONTENDERS[@]}; turn++)); do
            contender=${CONTENDERS[(round + turn) % ${#CONTENDERS[@]}]}
            command_of "$contender" "$folder"
            prepare
            timed=$("$TIMER" "${REPLY_COMMAND[@]}") || exit 1
            read -r wall cpu rss <<< "$timed"
            walls[$contender]+=" $wall"
            cpus[$contender]+=" $cpu"
            rsss[$contender]+=" $rss"
        done
    done
    for contender in "${CONTENDERS[@]}"; do
        key=$contender,$seconds
        read -r WALL_BEST[$key] WALL_MEDIAN[$key] < <(best_and_median ${walls[$contender]})
        read -r CPU_BEST[$key] CPU_MEDIAN[$key] < <(best_and_median ${cpus[$contender]})
        RSS[$key]=$(largest ${rsss[$contender]})
    done
    unset walls cpus rsss
done

echo
echo "Pack benchmark: 59 images, 46 mono 16-bit WAVE samples, 1 MiB Demo.tds; best and median of $RUNS rounds"
echo "$(nproc) cores, $(uname -srm); CPU = user + system time of the process and its children (wait4)"
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
check() { printf '%-40s %8s %8s %9s %8s\n' "$@"; }
check "measure (medians)" "3 s" "60 s" target verdict
# ratio_check NAME TARGET A3 B3 A60 B60: the ratios A/B at both lengths against TARGET
ratio_check() {
    local r3 r60
    r3=$(ratio "$3" "$4")
    r60=$(ratio "$5" "$6")
    check "$1" "$r3" "$r60" "<= $2" "$(verdict "$(larger "$r3" "$r60")" "$2")"
}
for clock in wall CPU; do
    declare -n median=${clock^^}_MEDIAN
    ratio_check "pack / floor, $clock" $FLOOR_RATIO_LIMIT \
        "${median[pack,3]}" "${median[floor,3]}" "${median[pack,60]}" "${median[floor,60]}"
    if [[ -n $BASELINE ]]; then
        check "baseline / floor, $clock" "$(ratio "${median[baseline,3]}" "${median[floor,3]}")" \
            "$(ratio "${median[baseline,60]}" "${median[floor,60]}")"
    fi
    if ((SCRIPTED)); then
        ratio_check "pack / scripted, $clock" $SCRIPTED_RATIO_LIMIT \
            "${median[pack,3]}" "${median[scripted,3]}" "${median[pack,60]}" "${median[scripted,60]}"
    fi
    unset -n median
done
bound3=$((3 * LARGEST[3] / 1024 + RSS_SLACK_KB))
bound60=$((3 * LARGEST[60] / 1024 + RSS_SLACK_KB))
ratio_check "pack RSS / (3 x largest file + 32 MiB)" 1 "${RSS[pack,3]}" $bound3 "${RSS[pack,60]}" $bound60
check "  (bound, MiB)" "$(mib $bound3)" "$(mib $bound60)"

echo
echo "Growth 3 s -> 60 s, median times (input grows $(ratio "${INPUT[60]}" "${INPUT[3]}")x):"
for contender in "${CONTENDERS[@]}"; do
    printf '  %-9s wall %6sx   CPU %6sx\n' "$contender" \
        "$(ratio "${WALL_MEDIAN[$contender,60]}" "${WALL_MEDIAN[$contender,3]}")" \
        "$(ratio "${CPU_MEDIAN[$contender,60]}" "${CPU_MEDIAN[$contender,3]}")"
done
# Linear: a long sample costs the pack run no more per input byte than a short one.
per_byte() {
    awk -v t60="$1" -v t3="$2" -v b60="${INPUT[60]}" -v b3="${INPUT[3]}" 'BEGIN {printf "%.2f", (t60 / b60) / (t3 / b3)}'
}
wall_per_byte=$(per_byte "${WALL_MEDIAN[pack,60]}" "${WALL_MEDIAN[pack,3]}")
cpu_per_byte=$(per_byte "${CPU_MEDIAN[pack,60]}" "${CPU_MEDIAN[pack,3]}")
printf 'pack time per input byte at 60 s / at 3 s: wall %s, CPU %s (target <= %s): %s\n' "$wall_per_byte" \
    "$cpu_per_byte" "$GROWTH_LIMIT" "$(verdict "$(larger "$wall_per_byte" "$cpu_per_byte")" $GROWTH_LIMIT)"
