#!/usr/bin/env bash
# The example Bazel workspace (examples/bazel), as a team builds it with the orv_music rule: in a scratch
# copy under the build folder, each set is what `orvtool build` makes of it; after `bazel clean` the build
# is served whole from --disk_cache, and a second copy at another path is served whole from an HTTP cache
# on loopback (nginx with WebDAV's PUT, the test's own); a changed source rebuilds its set alone; a source
# the set forgets to declare is not in the sandbox, and the set fails with the engine's message.
# Usage: bazel_test.sh BUILD_DIR SOURCE_DIR ORVTOOL BAZEL NGINX
set -euo pipefail
build=$1 source=$2 orvtool=$3 bazel=$4 nginx=$5
source "$(dirname "$0")/../support/test_frame.sh"

# Bazel's output bases and the caches under the build folder, as the test leaves them: removed, each
# Bazel server shut down, nginx stopped, whatever the way out.
scratch=$build/bazel_test
nginx_pid=""
finish() {
  local copy
  for copy in "$scratch"/one "$scratch"/two; do
    [[ -d $copy/examples/bazel ]] && (cd "$copy/examples/bazel" && bz shutdown) >/dev/null 2>&1
  done
  [[ -n $nginx_pid ]] && kill "$nginx_pid" 2>/dev/null && wait "$nginx_pid" 2>/dev/null
  # Bazel leaves its outputs read-only.
  chmod -R u+w "$scratch" 2>/dev/null
  rm -rf "$scratch" "$work"
}
trap finish EXIT
# bz COMMAND ARGS...: Bazel in the current workspace, its server and outputs under the scratch folder, on
# at most two cores, and gone after a minute idle should the trap never run.
bz() {
  "$bazel" --output_user_root="$scratch/root" --max_idle_secs=60 "$1" "${@:2}"
}
chmod -R u+w "$scratch" 2>/dev/null || true
rm -rf "$scratch"
mkdir -p "$scratch"

# What the workspace needs of the repository, at two paths: the rules and the example sets.
copy_of() {
  mkdir -p "$1"
  tar -C "$source" --exclude='examples/bazel/bazel-*' -cf - WORKSPACE bazel examples | tar -C "$1" -xf -
}
copy_of "$scratch/one"
copy_of "$scratch/two"

# Each set as orvtool builds it from its folder: the reference.
declare -A script=([example]=script.txt [harbour]=game/music/harbour/script.txt
  [convoy]=game/music/convoy/script.txt [boss]='game/music/boss #2 $final/script.txt')
declare -A product=([example]=example.orv [harbour]=harbour.orv [convoy]=convoy.orv [boss]=assets/boss.orv)
sets=(example harbour convoy boss)
references() {
  local set
  rm -rf "$work/reference" && mkdir -p "$work/reference"
  for set in "${sets[@]}"; do
    "$orvtool" build -q -o "$work/reference/$set.orv" "$1/examples/${script[$set]}" ||
      fail "orvtool build does not build $set from $1"
  done
}
# matches COPY WHAT: every product of COPY's bazel-bin is the reference's bytes.
matches() {
  local set
  for set in "${sets[@]}"; do
    cmp -s "$1/examples/bazel/bazel-bin/${product[$set]}" "$work/reference/$set.orv" ||
      fail "$2: ${product[$set]} differs from orvtool build's"
  done
}
# builds COPY WHAT FLAGS...: bazel build //... in COPY, its log in $log; a failure fails the test.
log=$work/bazel.log
builds() {
  local copy=$1 what=$2
  shift 2
  (cd "$copy/examples/bazel" && bz build --jobs=2 --local_cpu_resources=2 --spawn_strategy=linux-sandbox \
    --repo_env=ORVTOOL_PREFIX="$build" "$@" //...) >"$log" 2>&1 || fail "$what: the build fails: $(cat "$log")"
}
# ran WHAT SANDBOXED HITS: the last build ran SANDBOXED actions in the sandbox and got HITS from a cache.
ran() {
  local summary sandboxed hits
  summary=$(grep -E '^INFO: [0-9]+ processes?:' "$log" || true)
  sandboxed=$(grep -oE '[0-9]+ linux-sandbox' <<<"$summary" | grep -oE '^[0-9]+' || echo 0)
  hits=$(grep -oE '[0-9]+ remote cache hit' <<<"$summary" | grep -oE '^[0-9]+' || echo 0)
  [[ $sandboxed == "$2" && $hits == "$3" ]] ||
    fail "$1: $sandboxed actions run and $hits cache hits, expected $2 and $3: ${summary:-no summary}"
}

# --- The first build: each set in the sandbox, quiet, and served to both caches.
# nginx on a loopback port of its own, a WebDAV folder under the scratch folder its cache.
http=$scratch/http
mkdir -p "$http/cache"
user_line=""
((EUID != 0)) || user_line="user $(id -un) $(id -gn);"
for port in $(shuf -i 20000-60000 -n 20); do
  cat >"$http/nginx.conf" <<EOF
$user_line
daemon off;
master_process off;
pid $http/nginx.pid;
error_log $http/error.log;
events { worker_connections 64; }
http {
  access_log off;
  client_body_temp_path $http/body;
  proxy_temp_path $http/proxy;
  fastcgi_temp_path $http/fastcgi;
  uwsgi_temp_path $http/uwsgi;
  scgi_temp_path $http/scgi;
  client_max_body_size 0;
  server {
    listen 127.0.0.1:$port;
    root $http/cache;
    location / {
      dav_methods PUT;
      create_full_put_path on;
    }
  }
}
EOF
  "$nginx" -p "$http" -e "$http/error.log" -c "$http/nginx.conf" &
  nginx_pid=$!
  for _ in $(seq 50); do
    (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null && break 2
    kill -0 "$nginx_pid" 2>/dev/null || break
    sleep 0.1
  done
  kill "$nginx_pid" 2>/dev/null && wait "$nginx_pid" 2>/dev/null
  nginx_pid=""
done
[[ -n $nginx_pid ]] || { echo "FAIL: nginx does not start: $(cat "$http/error.log")"; exit 1; }
cache="http://127.0.0.1:$port"

one=$scratch/one two=$scratch/two
references "$one"
builds "$one" "the first build" --disk_cache="$scratch/disk" --remote_cache="$cache"
ran "the first build" 4 0
matches "$one" "the first build"
# A line a set, and none of the engine's progress nor of the sandbox's own.
[[ $(grep -c '^INFO: From\|Processing script\|linux-sandbox.cc' "$log") == 0 ]] ||
  fail "the build's log holds more than a line a set: $(cat "$log")"
[[ -n $(find "$http/cache" -type f) ]] || fail "nothing was put in the HTTP cache"

# --- After bazel clean, the disk cache serves every set.
(cd "$one/examples/bazel" && bz clean) >/dev/null 2>&1
builds "$one" "the build after bazel clean" --disk_cache="$scratch/disk"
ran "the build after bazel clean" 0 4
matches "$one" "the build after bazel clean"

# --- A second copy at another path, its own Bazel server, served every set by the HTTP cache.
builds "$two" "the second copy" --remote_cache="$cache"
ran "the second copy" 0 4
matches "$two" "the second copy"

# --- One source changed: its set rebuilt, and no other.
printf '\x7f' | dd of="$two/examples/game/music/harbour/skirmish_loop.orv" bs=1 seek=100 conv=notrunc status=none
references "$two"
cmp -s "$work/reference/harbour.orv" "$one/examples/bazel/bazel-bin/harbour.orv" && fail "the change changes nothing"
builds "$two" "a changed source" --remote_cache="$cache"
ran "a changed source" 1 0
matches "$two" "a changed source"

# --- A source left out of the set's srcs: not in the sandbox, though it is in the workspace.
sed -i '/harbour\/harbour_loop.orv/d' "$two/examples/bazel/BUILD.bazel"
if (cd "$two/examples/bazel" && bz build --jobs=2 --spawn_strategy=linux-sandbox --repo_env=ORVTOOL_PREFIX="$build" \
  //:harbour) >"$log" 2>&1; then
  fail "harbour builds without declaring harbour_loop.orv"
fi
grep -qF 'Error opening "harbour_loop.orv", aborting.' "$log" ||
  fail "the undeclared source fails without the engine's message: $(cat "$log")"

if ((failures)); then
  echo "$failures failures"
  exit 1
fi
echo "the ${#sets[@]} example sets built by Bazel as orvtool builds them, served whole by the disk cache and" \
  "by an HTTP cache at another path, one set rebuilt for its changed source, an undeclared source refused"
