# The score report of `zelkor --score` for a log file, computed by mawk: the reference that
# bench/compare.sh times the program against. Same numbers, same text (LF line ends).
#   mawk -f bench/score.awk LOG.zelk
BEGIN {
    RS = "\r\n"; FS = "^"
    split("80m ssb,80m cw,80m rtty/psk,40m ssb,40m cw,40m rtty/psk,TOT.", label, ",")
    points["S"] = 1; points["C"] = 3; points["R"] = 2; points["P"] = 2
    group["S"] = 0; group["C"] = 1; group["R"] = 2; group["P"] = 2
}
NR == 1 && substr($0, 1, 7) == "zelk100" {
    swl = index(substr($0, 8), "hrd") > 0
    header = 12
}
NR <= header { next }
{
    number = NR - header
    if ($3 == "7") band = 1
    else if ($3 == "3,5") band = 0
    else { printf "Ignorato QSO n. %d per BANDA errata.\n", number > "/dev/stderr"; next }
    letter = substr($4, 1, 1)
    if (!(letter in group)) { printf "Ignorato QSO n. %d per MODO errato.\n", number > "/dev/stderr"; next }
    mode = group[letter]
    code = swl ? $7 : $9
    slot = code ~ /^[A-Z][A-Z]+$/ ? substr(code, 1, 2) : "AA"
    row = band * 3 + mode
    contacts[row]++
    score[row] += points[letter]
    key = slot SUBSEP mode SUBSEP band
    if (!(key in seen)) { seen[key] = 1; mult[row]++ }
}
function grouped(n,    s, out) {
    s = sprintf("%.0f", n); out = ""
    while (length(s) > 3) { out = "." substr(s, length(s) - 2) out; s = substr(s, 1, length(s) - 3) }
    return s out
}
END {
    printf "\n Punteggio (finale o parziale)\n\n Banda e modo   N.%s   Punti  Molt.  Tot. banda\n", swl ? "Hrd" : "Qso"
    print " ------------  ------  ------  -----  ----------"
    for (row = 0; row < 6; row++) {
        printf " %-14s%6s  %6s  %5s  %10s\n", label[row + 1], grouped(contacts[row]), grouped(score[row]), grouped(mult[row]), grouped(score[row] * mult[row])
        tc += contacts[row]; tp += score[row]; tm += mult[row]
    }
    print " -----------------------------------------------"
    printf " %-14s%6s  %6s  %5s  \n\n PUNTEGGIO TOTALE = %s\n", label[7], grouped(tc), grouped(tp), grouped(tm), grouped(tp * tm)
}
