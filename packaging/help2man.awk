# Turns the --help text (src/app/help.txt) into a manual page, so the two never disagree.
# Shape of the text: "Usage: " line; description paragraphs; "Heading:" lines opening sections
# whose entries are "  TERM  description" with continuation lines indented further.
# Usage: awk -v version=X.Y.Z -f help2man.awk help.txt > kelvaro.1

function roff(s) {
    gsub(/\\/, "\\e", s)
    gsub(/-/, "\\-", s)
    if (s ~ /^[.']/)
        s = "\\&" s
    return s
}

BEGIN {
    print ".TH KELVARO 1 \"\" \"Kelvaro " version "\" \"User Commands\""
    section = ""
    named = 0
}

/^Usage: / {
    sub(/^Usage: [^ ]+ ?/, "")
    synopsis = "\\fBkelvaro\\fR " roff($0)
    next
}

/^$/ {
    if (section == "DESCRIPTION")
        pending_pp = 1
    next
}

/^[A-Z][A-Za-z ]*:$/ {
    section = toupper(substr($0, 1, length($0) - 1))
    print ".SH " section
    next
}

/^  [^ ]/ {
    line = substr($0, 3)
    split_at = match(line, /  +/)
    if (split_at) {
        term = substr(line, 1, split_at - 1)
        text = substr(line, split_at + RLENGTH)
    } else {
        term = line
        text = ""
    }
    print ".TP"
    print "\\fB" roff(term) "\\fR"
    if (text != "")
        print roff(text)
    next
}

/^   / {
    sub(/^ +/, "")
    print roff($0)
    next
}

{
    if (!named) {
        # The description's first words name the program; the synopsis follows the name.
        summary = $0
        sub(/\.$/, "", summary)
        sub(/[.:] .*/, "", summary)
        print ".SH NAME"
        print "kelvaro \\- " roff(tolower(substr(summary, 1, 1)) substr(summary, 2))
        print ".SH SYNOPSIS"
        print synopsis
        print ".SH DESCRIPTION"
        named = 1
        section = "DESCRIPTION"
    } else if (pending_pp) {
        print ".PP"
    }
    pending_pp = 0
    print roff($0)
}
