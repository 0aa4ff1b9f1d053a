# A scratch folder for one flow and the processes it starts, all gone when the flow ends,
# however it ends. Sourced; sets work and pids.
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
