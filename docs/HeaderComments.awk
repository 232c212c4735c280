# Doxygen's input filter for the public headers, whose documentation is written as plain //
# comments: prints a header with those comments turned into Doxygen comments, the way a reader
# of the header takes them.
#  - A comment block right above a declaration documents it. When the block stands above a
#    run of declarations (up to the next blank line, comment or access specifier), it
#    documents each of them: every further declaration of the run gets the block's text as its
#    own comment, at the end of its line.
#  - A comment after a declaration, on the same line, documents that declaration.
#  - Any other comment (above a blank line or an #include, closing a namespace) stays plain.
# Lines are neither added nor removed, so that Doxygen's warnings name the header's own lines.

# A comment after code that ends a declaration or an enumerator documents it.
function trailing(line) {
    if (match(line, /[;,][ \t]*\/\/ /))
        return substr(line, 1, RSTART) " ///< " substr(line, RSTART + RLENGTH)
    return line
}

function flush_comment(    i) {
    for (i = 1; i <= ncomment; i++)
        print comment[i]
    ncomment = 0
}

# Prints the comment block as the documentation of the run of declarations below it.
function flush_run(    i, text, line, declarations) {
    text = ""
    for (i = 1; i <= ncomment; i++) {
        line = comment[i]
        sub(/^[ \t]*\/\/[ \t]?/, "", line)
        text = text (i > 1 ? " " : "") line
        sub(/\/\//, "///", comment[i])
        print comment[i]
    }
    declarations = 0
    for (i = 1; i <= nrun; i++) {
        line = run[i]
        if (line ~ /;[ \t]*$/ && ++declarations > 1)
            line = line " ///< " text
        print line
    }
    ncomment = nrun = 0
}

{
    if ($0 ~ /^[ \t]*\/\//) {
        if (nrun > 0)
            flush_run()
        comment[++ncomment] = $0
        next
    }
    if (ncomment > 0 && $0 !~ /^[ \t]*$/ && $0 !~ /^[ \t]*#include/ &&
        $0 !~ /^[ \t]*(public|protected|private):/) {
        run[++nrun] = trailing($0)
        # A class, struct or enum ends the run at its brace: its members have their own
        # comments.
        if ($0 ~ /[{}]/)
            flush_run()
        next
    }
    if (nrun > 0)
        flush_run()
    flush_comment()
    print trailing($0)
}

END {
    if (nrun > 0)
        flush_run()
    flush_comment()
}
