# The yardstick for bench/external-wheel: the export lines of the external list (fields 1..7
# trimmed, numbers only, grid A 7 played as 42, ", " between values, CR LF) written by awk.
BEGIN { ORS = "\r\n" }
NR > 1 {
  sub(/\r$/, "")
  line = ""
  for (f = 1; f <= 7 && f <= NF; f++) {
    v = $f
    if (v !~ /^ *[-+]?[0-9]+ *$/) continue
    v = v + 0
    if (f <= 5 && v == 7) v = 42
    line = line (line == "" ? " " : ", ") v
  }
  print line
}
