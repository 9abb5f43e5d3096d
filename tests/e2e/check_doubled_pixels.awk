# Reads a plain PPM picture (P3) whose top-left corner lies on a magnified
# pixel's corner, and prints how many pixels differ from the top-left pixel
# of their 2 x 2 block, then how many are not black.
{
  for (i = 1; i <= NF; i++) {
    if ($i ~ /^#/) break
    if (header < 4) { if (header == 1) width = $i + 0; header++; continue }
    sample[filled++] = $i + 0
    if (filled < 3) continue
    filled = 0
    colour = sample[0] "," sample[1] "," sample[2]
    x = n % width; y = int(n / width); n++
    seen[x, y] = colour
    if (colour != seen[x - x % 2, y - y % 2]) differing++
    if (sample[0] > 8 || sample[1] > 8 || sample[2] > 8) lit++
  }
}
END { printf "%d %d\n", differing, lit }
