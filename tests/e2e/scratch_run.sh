# The processes, tmux server and scratch folder of an end-to-end run, and
# their clean-up (sourced). The sourcing script sets `work`, and as it goes
# `pid` and `xvfb_pid` (Xvfb runs) or `socket` (tmux runs).

# Stops a process of this shell, if there is one, and reaps it.
stop_process() {
  [[ -n "$1" ]] || return 0
  kill "$1" 2>/dev/null && wait "$1" 2>/dev/null
  return 0
}

# An Xvfb run ends with its program and its server stopped.
stop_xvfb_run() {
  stop_process "${pid:-}"
  stop_process "${xvfb_pid:-}"
  rm -rf "$work"
}

# A tmux server of the run's own, on a socket in the work folder.
tmux_() { tmux -S "$socket" "$@"; }

stop_tmux_run() {
  [[ -z "${socket:-}" ]] || tmux_ kill-server 2>/dev/null
  rm -rf "$work"
}

# A failed tmux run shows what its pane held.
fail_showing_pane() {
  echo "FAIL: $*"
  echo "--- the pane:"
  tmux_ capture-pane -p -t e2e 2>/dev/null | sed -n '1,40p' | cut -c1-120
  exit 1
}
