# Replaces each pairing line of a draw (between its two 29-dash lines) by a
# mark, since the pairings are random. A line in a draw that looks like
# neither a pairing nor a name line is left as it is, so it is compared.
# Run with LC_ALL=C: the text may be UTF-8 or CP932.
/^-----------------------------$/ { inside = !inside; print; next }
inside && /^([0-9]+| [^ ].*):  [^ ].* \/ [^ ].*$/ { print "<pairing>"; next }
{ print }
