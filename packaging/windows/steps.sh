# Sourced by the scripts that work in steps (the Windows build): `step NAME COMMAND...`
# runs COMMAND between two lines of the script's own `say`, the second with the time it
# took. Also `minutes SECONDS`: "N min M s".
minutes() { echo "$(($1 / 60)) min $(($1 % 60)) s"; }
step() {
  local name=$1 started=$SECONDS
  shift
  say "$name..."
  "$@"
  say "$name: done in $(minutes $((SECONDS - started)))"
}
