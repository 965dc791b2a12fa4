# Doxygen input filter. The headers keep the plain "//" comments of the code base; this
# turns them into documentation comments while Doxygen reads them. Lines are neither added
# nor removed, so warnings point at the real source lines.
#
#   - The comment block that opens a file (after "#pragma once" and a blank line)
#     documents the file: the blank line becomes "\file". When the file's first
#     declaration is a class, the block documents the class too.
#   - Every other whole-line comment documents the declaration that follows it. When more
#     declarations follow without a blank line, the comment speaks for all of them (as in
#     "// Factors between ... :" over a list of getters), and each of them gets it too.
#   - A comment after a declaration on the same line documents that declaration.

function is_comment(s) { return s ~ /^[ \t]*\/\/([^\/!]|$)/ }
function is_blank(s) { return s ~ /^[ \t]*$/ }
function count(s, c,    n, i) {
    n = 0
    for (i = 1; i <= length(s); i++)
        if (substr(s, i, 1) == c)
            n++
    return n
}

{ lines[NR] = $0 }

END {
    head = 0
    for (i = 1; i <= NR; i++) {
        if (lines[i] ~ /^#pragma once/) {
            if (i + 2 <= NR && is_blank(lines[i + 1]) && is_comment(lines[i + 2]))
                head = i + 2
            break
        }
    }

    # The text of the opening block, and the class it speaks for, if any.
    head_text = ""
    head_class = 0
    if (head) {
        for (i = head; i <= NR && is_comment(lines[i]); i++) {
            text = lines[i]
            sub(/^[ \t]*\/\/[ \t]?/, "", text)
            head_text = head_text " " text
        }
        for (; i <= NR; i++) {
            if (is_blank(lines[i]) || lines[i] ~ /^#/ || lines[i] ~ /^(class|struct) [A-Za-z_]+;/)
                continue
            if (lines[i] ~ /^(class|struct) .*\{[ \t]*$/)
                head_class = i
            break
        }
    }

    doc = ""        # the comment block above the current run of declarations
    done_first = 0  # the first declaration of the run has ended
    in_head = 0
    for (i = 1; i <= NR; i++) {
        line = lines[i]
        if (head && i == head - 1) {
            print "/// \\file"
            in_head = 1
            continue
        }
        if (is_comment(line)) {
            text = line
            sub(/^[ \t]*\/\/[ \t]?/, "", text)
            if (in_head) {
                print "///" substr(line, index(line, "//") + 2)
                continue
            }
            if (doc == "" || done_first) {
                doc = text
                done_first = 0
            } else {
                doc = doc " " text
            }
            sub(/\/\//, "///", line)
            print line
            continue
        }
        in_head = 0
        if (is_blank(line) || line ~ /^[ \t]*#/ || line ~ /^[ \t]*(public|protected|private):/) {
            doc = ""
            if (line ~ /^#define / && match(line, /[ \t]\/\/ /))
                line = substr(line, 1, RSTART) "///< " substr(line, RSTART + RLENGTH)
            print line
            continue
        }

        if (i == head_class)
            line = "/**" head_text " */ " line
        opens = count(line, "{")
        closes = count(line, "}")
        if (match(line, /[;{},][ \t]+\/\/ /)) {
            # A member with a comment of its own on the same line.
            pre = substr(line, 1, RSTART + RLENGTH - 4)
            post = substr(line, RSTART + RLENGTH - 3)
            sub(/^\/\//, "///<", post)
            line = pre post
        } else if (doc != "" && done_first && opens == closes && line ~ /[;}][ \t]*$/) {
            line = line " ///< " doc
        }
        print line

        if (opens != closes) {
            doc = ""
        } else if (line ~ /[;}]/) {
            done_first = 1
        }
    }
}
