# Prints every circle in a graph given as "from to" lines, one a line: "a -> b -> a". Exits 1 when there is
# one. A depth-first search; state 1 = on the current path, 2 = finished. A path back to a node on the
# current path is a circle, printed from that node round to it again.
NF == 2 { next_of[$1] = next_of[$1] " " $2; nodes[$1]; nodes[$2] }
function visit(n,    i, j, k, targets, t, line) {
    state[n] = 1
    path[++depth] = n
    k = split(next_of[n], targets, " ")
    for (i = 1; i <= k; ++i) {
        t = targets[i]
        if (state[t] == 1) {
            line = ""
            for (j = depth; path[j] != t; --j) line = " -> " path[j] line
            print t line " -> " t
            found = 1
        } else if (state[t] == 0) {
            visit(t)
        }
    }
    --depth
    state[n] = 2
}
END {
    for (n in nodes) if (state[n] == 0) visit(n)
    exit found ? 1 : 0
}
