# Reads a plain PPM picture (P3, maximum 255) and prints five counts: pixels,
# red ones, yellow ones, white ones, and those that are not black.
# The bands hold the fire ramp's colours with room for the flicker.
function classify(r, g, b) {
  if (r >= 160 && g <= 90 && b <= 90) red++
  else if (r >= 200 && g >= 160 && b <= 120) yellow++
  else if (r >= 230 && g >= 230 && b >= 200) white++
  if (r > 8 || g > 8 || b > 8) lit++
  pixels++
}
{
  for (i = 1; i <= NF; i++) {
    if ($i ~ /^#/) break               # a comment runs to the end of the line
    if (header < 4) { header++; continue }   # P3, width, height, maximum
    sample[filled++] = $i + 0
    if (filled == 3) { classify(sample[0], sample[1], sample[2]); filled = 0 }
  }
}
END { printf "%d %d %d %d %d\n", pixels, red, yellow, white, lit }
