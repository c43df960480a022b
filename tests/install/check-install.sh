#!/bin/sh
# Installs the build into a temporary prefix and checks what a user gets:
# the executable, the data, a valid desktop entry and the icon; then starts
# the installed program with a fresh home and checks that it seeds the user
# folder from the installed data and never overwrites the user's own files.
#   check-install.sh SOURCE_DIR BUILD_DIR
set -eu
# Shipped file names may hold blanks: lists split at line ends only.
IFS='
'
source_dir=$1
build_dir=$2
tmp=$(mktemp -d)
pid=
cleanup() {
    if [ -n "$pid" ]; then kill -KILL "$pid" 2>/dev/null || true; fi
    rm -rf "$tmp"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# A blank in the prefix: the desktop entry must quote the program's path.
prefix="$tmp/install prefix"
cmake --install "$build_dir" --prefix "$prefix" >/dev/null

[ -x "$prefix/bin/vornic" ] || fail "no executable in bin/"
data=$prefix/share/pellam-vornic
shipped=$(cd "$source_dir/data" && find . -type f ! -name '.*' | sort)
[ -n "$shipped" ] || fail "data/ holds no files"
for f in $shipped; do
    [ -f "$data/$f" ] || fail "data file $f not installed"
done

entry=$prefix/share/applications/pellam-vornic.desktop
[ -f "$entry" ] || fail "no desktop entry"
desktop-file-validate "$entry" || fail "desktop entry is not valid"
for type in text/x-java text/html text/css application/xml application/x-perl application/x-php text/plain; do
    grep -q "^MimeType=.*$type;" "$entry" || fail "desktop entry lacks $type"
done
# The installed program by its full path: the desktop session's PATH need
# not hold the prefix's bin/.
grep -qxF "Exec=\"$prefix/bin/vornic\" %f" "$entry" || fail "desktop entry does not start $prefix/bin/vornic with the file"
grep -qxF "TryExec=$prefix/bin/vornic" "$entry" || fail "desktop entry does not try $prefix/bin/vornic"
icon=$prefix/share/icons/hicolor/scalable/apps/pellam-vornic.svg
[ -f "$icon" ] || fail "no icon"
grep -q '<svg' "$icon" || fail "icon is not SVG"

# Starts the installed program with a fresh home until its settings file
# exists, then ends it as logout would (SIGTERM), which must be a clean exit.
home=$tmp/home
mkdir -p "$home"
user=$home/.config/pellam-vornic
run_once() {
    env -u VORNIC_HOME -u XDG_CONFIG_HOME HOME="$home" QT_QPA_PLATFORM=offscreen "$prefix/bin/vornic" &
    pid=$!
    i=0
    while [ ! -f "$user/Vornic.ini" ] || [ ! -f "$user/$1" ]; do
        i=$((i + 1))
        [ $i -le 600 ] || fail "the installed program did not make $user/Vornic.ini"
        kill -0 "$pid" 2>/dev/null || fail "the installed program ended by itself"
        sleep 0.1
    done
    # The frame window is up once the start has run its course.
    sleep 1
    kill -TERM "$pid"
    status=0
    wait "$pid" || status=$?
    pid=
    [ "$status" -eq 0 ] || fail "the program ended with status $status on SIGTERM"
}
first=$(echo "$shipped" | head -n 1 | sed 's|^\./||')
run_once "$first"
for f in $shipped; do
    [ -f "$user/$f" ] || fail "user folder not seeded with $f"
done

# The user's own changes and deletions survive the next start.
echo "the user's own" > "$user/$first"
last=$(echo "$shipped" | tail -n 1 | sed 's|^\./||')
if [ "$last" != "$first" ]; then rm "$user/$last"; fi
run_once "$first"
[ "$(cat "$user/$first")" = "the user's own" ] || fail "a start overwrote the user's $first"
if [ "$last" != "$first" ]; then
    [ ! -e "$user/$last" ] || fail "a start brought back $last, which the user deleted"
fi
[ ! -e "$data/Vornic.ini" ] || fail "the program wrote into the installed data"
echo "install tree and user folder: ok"
