#!/usr/bin/env bash
# Prints a practice text of N words (deterministic): common English words and a few call
# signs, numbers and punctuation, in lines of at most 60 characters.
# usage: bench/make_text.sh WORDS
set -euo pipefail
awk -v n="$1" 'BEGIN {
    split("THE OF AND TO IN IS YOU THAT IT HE WAS FOR ON ARE AS WITH HIS THEY AT BE THIS HAVE " \
          "FROM OR ONE HAD BY WORD BUT NOT WHAT ALL WERE WE WHEN YOUR CAN SAID THERE USE AN " \
          "EACH WHICH SHE DO HOW THEIR IF WILL UP OTHER ABOUT OUT MANY THEN THEM THESE SO SOME " \
          "HER WOULD MAKE LIKE HIM INTO TIME HAS LOOK TWO MORE WRITE GO SEE NUMBER NO WAY COULD " \
          "PEOPLE MY THAN FIRST WATER BEEN CALL WHO OIL ITS NOW FIND LONG DOWN DAY DID GET COME " \
          "MADE MAY PART ANTENNA WEATHER RADIO STATION REPORT SIGNAL NAME QTH RIG POWER " \
          "CQ DE QX0ZZZ JA1XYZ 599 5NN 73 TU RST 100W GOOD MORNING EVENING THANKS AGAIN", w, " ")
    nw = length(w); seed = 12345; line = ""
    for (i = 0; i < n; i++) {
        seed = (seed * 1103515245 + 12345) % 2147483648
        word = w[int(seed / 65536) % nw + 1]
        if (seed % 13 == 0) word = word ","
        else if (seed % 17 == 0) word = word "."
        else if (seed % 29 == 0) word = word "?"
        if (length(line) + length(word) + 1 > 60) { print line; line = word }
        else line = (line == "" ? word : line " " word)
    }
    if (line != "") print line
}'
