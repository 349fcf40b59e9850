#!/usr/bin/env bash
# The desktop program end to end, as a user meets it: the real binary on a
# virtual display with a small window manager, driven by synthetic keys and the
# window manager's own requests.
#
#   tests/e2e/desktop.sh [--build DIR] [--program FILE] [--cli FILE] [--screenshot FILE.png]
#
#   --build DIR        the build tree with app/modstower and app/modstower-cli (default: build)
#   --program FILE     the desktop program to test (default: DIR/app/modstower)
#   --cli FILE         the terminal program to compare with (default: DIR/app/modstower-cli)
#   --screenshot FILE  keep the picture of the log window after a pack there
#                      (the README's picture is docs/log-window.png)
#
# Every wait polls for what it waits for, with a deadline; nothing waits a fixed
# time. The script runs itself again inside xvfb-run, starts openbox there and
# leaves its scratch folder behind, with pictures of the screen, when a check fails.
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(cd "$here/../.." && pwd)
build=build
program=""
cli=""
screenshot=""
while [ $# -gt 0 ]; do
    case "$1" in
    --build) build=$2; shift 2 ;;
    --program) program=$2; shift 2 ;;
    --cli) cli=$2; shift 2 ;;
    --screenshot) screenshot=$2; shift 2 ;;
    --inside) inside=$2; shift 2 ;;
    *) echo "usage: $0 [--build DIR] [--program FILE] [--cli FILE] [--screenshot FILE.png]" >&2; exit 2 ;;
    esac
done
absolute() { case "$1" in /*) echo "$1" ;; *) echo "$PWD/$1" ;; esac; }
program=$(absolute "${program:-$build/app/modstower}")
cli=$(absolute "${cli:-$build/app/modstower-cli}")
[ -z "$screenshot" ] || screenshot=$(absolute "$screenshot")

# ---------------------------------------------------------------------------
# Outside: a scratch folder and a private X server around the real run.

if [ -z "${inside:-}" ]; then
    for tool in xvfb-run Xvfb xauth openbox xdotool wmctrl import; do
        command -v "$tool" >/dev/null || { echo "$0: $tool is missing (scripts/install-deps.sh installs it)" >&2; exit 2; }
    done
    for file in "$program" "$cli"; do
        [ -x "$file" ] || { echo "$0: $file is not an executable" >&2; exit 2; }
    done
    work=$(mktemp -d "${TMPDIR:-/tmp}/modstower-e2e.XXXXXX")
    args=(--program "$program" --cli "$cli" --inside "$work")
    [ -z "$screenshot" ] || args+=(--screenshot "$screenshot")
    xvfb-run --auto-servernum --auth-file "$work/Xauthority" --error-file "$work/xvfb.log" \
        --server-args "-screen 0 1024x768x24" "$0" "${args[@]}"
    status=$?
    if [ $status -eq 0 ]; then
        rm -rf "$work"
    else
        echo "the scratch folder with logs and pictures stays: $work" >&2
    fi
    exit $status
fi

# ---------------------------------------------------------------------------
# Inside: the display is ours.

work=$inside
passed=0
failed=0
program_pid=""
wm_pid=""

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

# poll SECONDS COMMAND...: runs COMMAND until it succeeds; false when the time is up.
poll() {
    local deadline=$(( $(now_ms) + $1 * 1000 ))
    shift
    until "$@"; do
        [ "$(now_ms)" -lt "$deadline" ] || return 1
        sleep 0.02
    done
}

# find_window TITLE: sets $found to a visible window titled exactly TITLE.
regex_quote() { printf '%s' "$1" | sed 's/[][\.*^$+?(){}|]/\\&/g'; }
find_window() {
    found=$(xdotool search --onlyvisible --name "^$(regex_quote "$1")\$" 2>/dev/null | head -n 1)
    [ -n "$found" ]
}

# find_alert: sets $found to an alert box. Alerts carry the application's name
# as their title; the splash picture (240 pixels high) may as well, and is taller.
find_alert() {
    local id height
    for id in $(xdotool search --onlyvisible --name '^ModStower$' 2>/dev/null); do
        height=$(xdotool getwindowgeometry --shell "$id" 2>/dev/null | sed -n 's/^HEIGHT=//p')
        if [ -n "$height" ] && [ "$height" -lt 240 ]; then
            found=$id
            return 0
        fi
    done
    return 1
}

is_running() { [ -n "$1" ] && [ -d "/proc/$1" ] && ! grep -q '^State:[[:space:]]*Z' "/proc/$1/status" 2>/dev/null; }
has_ended() { ! is_running "$1"; }

# start_program NAME ARGS...: starts the desktop program in the scratch folder,
# its output in NAME.out; sets $program_pid.
start_program() {
    local name=$1
    shift
    (cd "$work" && exec "$program" "$@") >"$work/$name.out" 2>&1 &
    program_pid=$!
}

# await_end SECONDS: waits for the program to end and sets $status to its exit
# status, or to "running" (and stops it) when it does not end in time. (Not in
# a command substitution: only this shell can collect its child's status.)
await_end() {
    if poll "$1" has_ended "$program_pid"; then
        wait "$program_pid"
        status=$?
    else
        kill "$program_pid" 2>/dev/null
        wait "$program_pid" 2>/dev/null
        status=running
    fi
    program_pid=""
}

# Gives the keyboard to a window; the window manager decides, so ask and check.
activate() {
    timeout 10 xdotool windowactivate --sync "$1" >/dev/null 2>&1
    poll 5 is_active "$1"
}
is_active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }

# Types a path into the save dialog's file name box, replacing what it proposes.
answer_save_dialog() {
    xdotool key --clearmodifiers ctrl+a && xdotool type --delay 2 "$1" && xdotool key Return
}

# stable_picture WINDOW FILE: a picture of the window with its frame, taken when
# two pictures in a row agree, so no repaint is half done.
stable_picture() {
    local previous="$work/picture-a.png" current="$work/picture-b.png"
    local deadline=$(( $(now_ms) + 10000 ))
    import -silent -frame -window "$1" -strip -define png:exclude-chunks=date,time "$previous" 2>/dev/null || return 1
    while [ "$(now_ms)" -lt "$deadline" ]; do
        sleep 0.1
        import -silent -frame -window "$1" -strip -define png:exclude-chunks=date,time "$current" 2>/dev/null || return 1
        if cmp -s "$previous" "$current"; then
            mv "$current" "$2"
            return 0
        fi
        mv "$current" "$previous"
    done
    return 1
}

# expect_clean_end WHAT: the program ends by itself, with status 0.
expect_clean_end() {
    await_end 15
    if [ "$status" = 0 ]; then pass "$1"; else fail "$1 (got $status)"; fi
}

# save_dialog_opens WHAT: the save dialog appears and takes the keyboard; $found is it.
save_dialog_opens() {
    poll 30 find_window "Save mod as:" || { fail "the save dialog opens $1"; return 1; }
    activate "$found" || { fail "the save dialog takes the keyboard"; return 1; }
}

# quit_stop_alert WHAT: the STOP alert appears; Return presses its default and
# only button, Quit.
quit_stop_alert() {
    poll 60 find_alert || { fail "$1 brings the STOP alert"; return 1; }
    activate "$found" || { fail "the alert takes the keyboard"; return 1; }
    xdotool key Return
}

step=0
pass() { passed=$((passed + 1)); echo "ok - $1"; }
fail() {
    failed=$((failed + 1))
    step=$((step + 1))
    import -silent -window root "$work/failure-$step.png" 2>/dev/null
    echo "not ok - $1 (screen: failure-$step.png)"
    return 1
}

cleanup() {
    if is_running "$program_pid"; then kill "$program_pid" 2>/dev/null; fi
    if is_running "$wm_pid"; then kill "$wm_pid" 2>/dev/null; fi
}
trap cleanup EXIT

# The program keeps its settings and the dialog its history in the scratch folder.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/runtime"
export QT_QPA_PLATFORM=xcb
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$work/out"
mkdir -m 700 "$XDG_RUNTIME_DIR"

openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm_pid=$!
wm_ready() { wmctrl -m 2>/dev/null | grep -q '^Name: Openbox$'; }
if ! poll 20 wm_ready; then
    fail "openbox manages the display" || true
    echo "0 passed, 1 failed"
    exit 1
fi

# --- A pack from start to close --------------------------------------------------

pack_and_close() {
    local source="$work/demo mod" target="$work/out/demo from desktop.tdm"
    cp -r "$source_dir/examples/demo-mod" "$source"
    start_program pack "$source"
    save_dialog_opens "for a folder named with a blank" || return
    find_window "ModStower log" || { fail "the log window is open behind the save dialog"; return; }
    local log=$found

    local asked answered
    asked=$(now_ms)
    answer_save_dialog "$target"
    poll 60 find_window "demo from desktop.tdm packed" || { fail "the log window's title says the mod is packed"; return; }
    answered=$(now_ms)
    [ "$found" = "$log" ] || { fail "the packed title is the log window's"; return; }
    pass "the desktop program packs the folder it was started on"

    local cli_start cli_end
    cli_start=$(now_ms)
    "$cli" pack "$source" -o "$work/out/demo from cli.tdm" >"$work/cli.out" 2>&1
    cli_end=$(now_ms)
    if cmp -s "$target" "$work/out/demo from cli.tdm"; then
        pass "the mod is byte for byte what modstower-cli packs"
    else
        fail "the mod is byte for byte what modstower-cli packs"
    fi
    echo "# from the dialog's answer to the packed title: $((answered - asked)) ms; modstower-cli pack: $((cli_end - cli_start)) ms"

    if stable_picture "$log" "$work/log-window.png"; then
        [ -z "$screenshot" ] || cp "$work/log-window.png" "$screenshot"
        pass "a steady picture of the log window"
    else
        fail "a steady picture of the log window"
    fi

    wmctrl -i -c "$log"
    expect_clean_end "closing the log window ends the program with status 0"
}

# --- A cancelled save dialog -----------------------------------------------------

cancel_dialog() {
    local source="$work/cancelled"
    cp -r "$source_dir/examples/demo-mod" "$source"
    start_program cancel "$source"
    save_dialog_opens "to be cancelled" || return
    xdotool key Escape
    expect_clean_end "cancelling the save dialog ends the program with status 0"
    if compgen -G "$work/*.tdm" >/dev/null || compgen -G "$source/*.tdm" >/dev/null; then
        fail "a cancelled dialog writes no mod file"
    fi
}

# --- Nothing to open -------------------------------------------------------------

no_arguments() {
    start_program empty
    quit_stop_alert "starting without a folder" || return
    expect_clean_end "the STOP alert's Quit ends the program started without a folder"
}

# --- A folder without a mod name -------------------------------------------------

missing_mod_name() {
    local source="$work/no name" target="$work/out/no name.tdm"
    cp -r "$source_dir/examples/demo-mod" "$source"
    rm "$source/ModName.txt"
    start_program unnamed "$source"
    save_dialog_opens "for a folder without a mod name" || return
    answer_save_dialog "$target"
    quit_stop_alert "a folder without ModName.txt" || return
    expect_clean_end "after the STOP alert of a run without a mod name the program ends with status 0"
    if [ -e "$target" ] && "$cli" list "$target" >/dev/null 2>&1; then
        fail "an abandoned run leaves no mod file that reads as complete"
    fi
}

pack_and_close
cancel_dialog
no_arguments
missing_mod_name

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
