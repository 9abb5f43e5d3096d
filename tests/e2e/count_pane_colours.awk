# Reads a tmux pane captured with its colours (capture-pane -e) and counts the
# half-block pixels the terminal display drew: each upper-half block shows its
# foreground colour above its background colour. Pane rows before `upperTo`
# are the upper part, rows from `lowerFrom` on the lower part (rows between
# are not counted). Prints: upper pixels, upper ones not black, lower pixels,
# lower red, lower yellow, lower white.
# The bands hold the fire ramp's colours as the display's averaging leaves them.
function reset() { fr = fg = fb = br = bg = bb = 0 }
function sgr(parameters,    n, p, i) {
  n = split(parameters, p, ";")
  if (n == 0) { reset(); return }
  for (i = 1; i <= n; i++) {
    if (p[i] == "" || p[i] == 0) reset()
    else if (p[i] == 39) { fr = fg = fb = 0 }
    else if (p[i] == 49) { br = bg = bb = 0 }
    else if ((p[i] == 38 || p[i] == 48) && p[i + 1] == 2) {
      if (p[i] == 38) { fr = p[i + 2] + 0; fg = p[i + 3] + 0; fb = p[i + 4] + 0 }
      else { br = p[i + 2] + 0; bg = p[i + 3] + 0; bb = p[i + 4] + 0 }
      i += 4
    }
  }
}
function count(r, g, b) {
  if (row < upperTo) {
    upper++
    if (r > 8 || g > 8 || b > 8) upperLit++
    return
  }
  if (row < lowerFrom) return
  lower++
  if (r >= 120 && g <= 90 && b <= 90) red++
  else if (r >= 200 && g >= 140 && b <= 120) yellow++
  else if (r >= 220 && g >= 220 && b >= 180) white++
}
BEGIN { block = "\342\226\200"; esc = "\033" }
{
  row = NR - 1
  line = $0
  while (length(line) > 0) {
    if (substr(line, 1, 2) == esc "[" && match(line, /^\033\[[0-9;]*m/)) {
      sgr(substr(line, 3, RLENGTH - 3))
      line = substr(line, RLENGTH + 1)
    } else if (substr(line, 1, 3) == block) {
      count(fr, fg, fb)
      count(br, bg, bb)
      line = substr(line, 4)
    } else {
      line = substr(line, 2)
    }
  }
}
END { printf "%d %d %d %d %d %d\n", upper, upperLit, lower, red, yellow, white }
