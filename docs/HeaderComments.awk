# Doxygen's input filter for the public headers, whose documentation is written as plain //
# comments: prints a header with those comments turned into Doxygen comments, the way a reader
# of the header takes them.
#  - A comment block right above a declaration documents it. When the block stands above a
#    run of declarations (up to the next blank line, comment, access specifier or end of a
#    class), it documents each of them: every further declaration of the run without a
#    comment of its own gets the block's text as its own comment, at the end of its line. A
#    declaration ends with a semicolon, with an inline body that closes on its line, or with a
#    Q_PROPERTY line; an enumerator ends with its comma.
#  - A comment after a declaration, an enumerator or a Q_PROPERTY, on the same line, documents
#    that declaration.
#  - A class, struct, enum or namespace that opens on a line ends the run there: its members
#    have their own comments. Neither the brace that closes it nor an access specifier (Qt's
#    signals and slots included) is documented.
#  - Any other comment (above a blank line, an #include or another preprocessor line but
#    #define, closing a namespace) stays plain.
# Lines are neither added nor removed, so that Doxygen's warnings name the header's own lines.

# A comment after code that ends a declaration, an enumerator or a Q_PROPERTY documents it.
function trailing(line) {
    if (match(line, /[;,][ \t]*\/\/ /) ||
        (line ~ /^[ \t]*Q_PROPERTY\(/ && match(line, /\)[ \t]*\/\/ /)))
        return substr(line, 1, RSTART) " ///< " substr(line, RSTART + RLENGTH)
    return line
}

# The count of opening braces of a line less its closing ones.
function brace_balance(line,    opening, closing) {
    opening = gsub(/\{/, "{", line)
    closing = gsub(/\}/, "}", line)
    return opening - closing
}

function ends_declaration(line) {
    return line ~ /;[ \t]*$/ || line ~ /\{.*\}[ \t]*$/ || line ~ /^[ \t]*Q_PROPERTY\(.*\)[ \t]*$/ ||
           line ~ /^[ \t]*[A-Za-z_][A-Za-z0-9_]*([ \t]*=[^,]*)?,[ \t]*$/
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
        if (line ~ /\/\/\/< /)
            ++declarations
        else if (ends_declaration(line) && ++declarations > 1)
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
    if (ncomment > 0 && $0 !~ /^[ \t]*$/ && ($0 !~ /^[ \t]*#/ || $0 ~ /^[ \t]*#[ \t]*define/) &&
        $0 !~ /^[ \t]*\}/ &&
        $0 !~ /^[ \t]*((public|protected|private)([ \t]+(slots|Q_SLOTS))?|signals|Q_SIGNALS):/) {
        run[++nrun] = trailing($0)
        if (brace_balance($0) != 0)
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
