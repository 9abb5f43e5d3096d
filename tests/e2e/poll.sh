# Waiting for something a program does, for the end-to-end tests (sourced).

now_ms() { local t=${EPOCHREALTIME/./}; echo $((t / 1000)); }

# Repeats a command every 50 ms until it succeeds or `seconds` have passed.
poll() {
  local seconds=$1
  shift
  local deadline=$(($(now_ms) + seconds * 1000))
  until "$@"; do
    (($(now_ms) < deadline)) || return 1
    sleep 0.05
  done
}
