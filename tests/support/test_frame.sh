# The frame every shell test runs in, sourced at its start: a scratch folder removed on exit, and
# failures counted as they come (`fail WHY`), so one run reports all of them before the test exits 1.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
