# The Cabrillo file of `zelkor --export cabrillo` for a log file, written by mawk: the reference
# that bench/compare.sh times the program against. The claimed score needs the whole log first,
# so the log is read twice:
#   mawk -f bench/cabrillo.awk LOG.zelk LOG.zelk > OUT.cbr
BEGIN {
    RS = "\r\n"; FS = "^"; ORS = "\r\n"
    group["S"] = 0; group["C"] = 1; group["R"] = 2; group["P"] = 2
    points["S"] = 1; points["C"] = 3; points["R"] = 2; points["P"] = 2
    split("callsign province section category operators name address1 address2 address3 comment1 comment2", field, " ")
    frequency["1,8"] = " 1800 "; frequency["14"] = "14000 "; frequency["21"] = "21000 "; frequency["28"] = "28000 "
    cabrilloMode["SSB"] = "PH "; cabrilloMode["CW"] = "CW "
}
FNR == 1 {
    pass++
    header = 0
    if (substr($0, 1, 7) == "zelk100") { swl = index(substr($0, 8), "hrd") > 0; header = 12 }
    if (pass == 2) WriteHeader()
}
FNR <= header {
    if (pass == 1 && FNR > 1) summary[field[FNR - 1]] = $0
    next
}
pass == 1 {
    if ($3 == "7") band = 1; else if ($3 == "3,5") band = 0; else next
    letter = substr($4, 1, 1)
    if (!(letter in group)) next
    mode = group[letter]
    code = swl ? $7 : $9
    slot = code ~ /^[A-Z][A-Z]+$/ ? substr(code, 1, 2) : "AA"
    totalPoints += points[letter]
    key = slot SUBSEP mode SUBSEP band
    if (!(key in seen)) { seen[key] = 1; multipliers++ }
    next
}
{
    time = length($2) >= 5 ? substr($2, 1, 2) substr($2, length($2) - 1) : $2
    if ($3 in frequency) f = frequency[$3]; else f = index($3, ",") ? " 3500 " : " 7000 "
    m = ($4 in cabrilloMode) ? cabrilloMode[$4] : "RY "
    date = substr($1, 7, 4) "-" substr($1, 4, 2) "-" substr($1, 1, 2)
    if (swl) printf "QSO: %s%s%s %s %-14s%-4s%s   %-14s\r\n", f, m, date, time, $5, $6, $7, $8
    else printf "QSO: %s%s%s %s %-14s%-4s%s   %-14s%-4s%-6s\r\n", f, m, date, time, summary["callsign"], $6, summary["province"], $5, $8, $9
}
function WriteHeader() {
    print "START-OF-LOG: 2.0"
    print "CREATED-BY: ZELKOR v1.0"
    print "CONTEST: 40/80 METRI"
    print "CALLSIGN: " summary["callsign"]
    print "CATEGORY: " summary["category"]
    print "OPERATORS: " summary["operators"]
    print "CLAIMED-SCORE: " sprintf("%.0f", totalPoints * multipliers)
    print "NAME: " summary["name"]
    if (summary["address1"] != "") print "ADDRESS: " summary["address1"]
    if (summary["address2"] != "") print "ADDRESS: " summary["address2"]
    if (summary["address3"] != "") print "ADDRESS: " summary["address3"]
    print "SOAPBOX: Prov. " summary["province"] " - Sezione " summary["section"]
    if (summary["comment1"] != "") print "SOAPBOX: " summary["comment1"]
    if (summary["comment2"] != "") print "SOAPBOX: " summary["comment2"]
}
END { print "END-OF-LOG: " }
