#!/usr/bin/env bash
# Builds the example with orvtool, has `orvtool graph` draw it, and has Graphviz's dot accept the drawing.
# Usage: orvtool_graph_dot_test.sh DOT EXAMPLES_DIR ORVTOOL... (ORVTOOL may be "wine orvtool.exe")
set -euo pipefail
dot=$1 examples=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$examples"/*.orv "$examples"/script.txt "$work/"
cd "$work"
"$@" build >/dev/null
"$@" graph out.orv >graph.dot
"$dot" -Tsvg graph.dot >graph.svg 2>dot.err
if [[ -s dot.err ]]; then
  cat dot.err
  echo "dot complained about the graph"
  exit 1
fi
for text in '<svg' 'Cruising Loop' 'Mission Failed Loop' '>end<'; do
  grep -q -- "$text" graph.svg || { echo "the drawing lacks '$text'"; exit 1; }
done
echo "dot drew $(grep -c '<g id="node' graph.svg) nodes and $(grep -c '<g id="edge' graph.svg) edges"
