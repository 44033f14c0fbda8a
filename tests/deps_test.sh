#!/bin/sh
# Runs scripts/deps.sh against stand-ins for dpkg-query, id, sudo and apt-get, with nothing
# else on the PATH: which packages it finds missing, and what it does about them as root, as a
# user with sudo, as a user whose sudo fails and as a user without sudo.
set -eu
deps="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
bin="$work/bin"
mkdir "$bin"
for tool in grep cat env; do ln -s "$(command -v "$tool")" "$bin/$tool"; done

# dpkg-query -W -f=... NAME: installed unless NAME is in $MISSING.
cat >"$bin/dpkg-query" <<'EOF'
#!/bin/sh
for name in $MISSING; do [ "$name" = "$3" ] && exit 1; done
echo "install ok installed"
EOF
cat >"$bin/id" <<'EOF'
#!/bin/sh
echo "$UID_STUB"
EOF
cat >"$bin/apt-get" <<'EOF'
#!/bin/sh
echo "apt-get $* [DEBIAN_FRONTEND=${DEBIAN_FRONTEND:-}]" >>"$LOG"
EOF
cat >"$bin/sudo" <<'EOF'
#!/bin/sh
echo "sudo" >>"$LOG"
[ "$SUDO_FAILS" = yes ] && exit 1
exec "$@"
EOF
chmod +x "$bin/dpkg-query" "$bin/id" "$bin/apt-get" "$bin/sudo"

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# run NAME UID SUDO(yes/no/fails) MISSING...: runs deps.sh with the profiles in $PROFILES;
# status, output and calls land in $work/NAME.{rc,out,log}.
run() {
  name="$1" uid="$2" sudo="$3"
  shift 3
  if [ "$sudo" = no ]; then rm -f "$bin/sudo.off"; mv "$bin/sudo" "$bin/sudo.off"; fi
  : >"$work/$name.log"
  rc=0
  # shellcheck disable=SC2086 # the profiles are words of their own
  env -i PATH="$bin" LOG="$work/$name.log" UID_STUB="$uid" MISSING="$*" \
    SUDO_FAILS="$([ "$sudo" = fails ] && echo yes || echo no)" \
    /bin/sh "$deps" ${PROFILES:-} >"$work/$name.out" 2>&1 || rc=$?
  echo "$rc" >"$work/$name.rc"
  if [ "$sudo" = no ]; then mv "$bin/sudo.off" "$bin/sudo"; fi
}
rc() { cat "$work/$1.rc"; }

# Everything installed: nothing to do, for a user without sudo too.
run installed 1000 no
[ "$(rc installed)" = 0 ] || fail "installed: exit $(rc installed)"
[ ! -s "$work/installed.log" ] || fail "installed: ran $(cat "$work/installed.log")"
[ ! -s "$work/installed.out" ] || fail "installed: printed $(cat "$work/installed.out")"

# A user without sudo: the exact line to run as root, in the order of the list, and a failure.
run nosudo 1000 no lintian qt6-translations-l10n
[ "$(rc nosudo)" != 0 ] || fail "no sudo: exit 0 with packages missing"
grep -qx '    apt-get install --no-install-recommends qt6-translations-l10n lintian' \
  "$work/nosudo.out" || fail "no sudo: no install line in: $(cat "$work/nosudo.out")"
grep -q 'sudo is not available' "$work/nosudo.out" || fail "no sudo: reason not given"
[ ! -s "$work/nosudo.log" ] || fail "no sudo: ran $(cat "$work/nosudo.log")"

# Root: apt-get itself, only the missing packages.
run root 0 no appstream
[ "$(rc root)" = 0 ] || fail "root: exit $(rc root): $(cat "$work/root.out")"
printf '%s\n' "apt-get update [DEBIAN_FRONTEND=]" \
  "apt-get install -y --no-install-recommends appstream [DEBIAN_FRONTEND=noninteractive]" |
  diff - "$work/root.log" || fail "root: unexpected calls"

# A user with sudo: both apt-get calls through sudo.
run withsudo 1000 yes appstream lintian
[ "$(rc withsudo)" = 0 ] || fail "sudo: exit $(rc withsudo): $(cat "$work/withsudo.out")"
printf '%s\n' sudo "apt-get update [DEBIAN_FRONTEND=]" sudo \
  "apt-get install -y --no-install-recommends appstream lintian [DEBIAN_FRONTEND=noninteractive]" |
  diff - "$work/withsudo.log" || fail "sudo: unexpected calls"

# A user whose sudo refuses: a failure, and the line to run as root.
run sudofails 1000 fails lintian
[ "$(rc sudofails)" != 0 ] || fail "sudo refused: exit 0"
grep -qx '    apt-get install --no-install-recommends lintian' "$work/sudofails.out" ||
  fail "sudo refused: no install line in: $(cat "$work/sudofails.out")"

# Building and starting the program asks for nothing of the tests, Windows or the checks.
PROFILES="build run" run start 1000 no lintian wine64 clang-format libgtest-dev qt6-base-dev
grep -qx '    apt-get install --no-install-recommends qt6-base-dev' "$work/start.out" ||
  fail "build and run: asked for more than qt6-base-dev: $(cat "$work/start.out")"
PROFILES="no-such-profile" run unknown 0 no
[ "$(rc unknown)" = 2 ] || fail "an unknown profile: exit $(rc unknown)"

[ "$failures" -eq 0 ] || exit 1
echo "deps.sh ok"
