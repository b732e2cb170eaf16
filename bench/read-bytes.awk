# Sums the bytes a traced process read from one file, from strace -f output
# with openat, read, pread64, readv and close: reads on any descriptor opened
# on that file, from its open to its close. Set target=NAME with -v; it must
# appear in the trace exactly as opened.
function key(pid, fd) { return pid ":" fd }
function result(text) { return match(text, /= [0-9]+$/) ? substr(text, RSTART + 2) + 0 : -1 }
function count(pid, fd, bytes) { if (key(pid, fd) in open_fds && bytes > 0) total += bytes }
{
    pid = $1
    line = $0
    sub(/^[0-9]+ +/, "", line)
}
# A call split by another thread's: its descriptor waits for the resumed half.
line ~ /^(read|pread64|readv)\(.*<unfinished \.\.\.>$/ {
    fd = line; sub(/^[a-z0-9]+\(/, "", fd); sub(/,.*/, "", fd)
    pending[pid] = fd
    next
}
line ~ /^<\.\.\. (read|pread64|readv) resumed>/ {
    if (pid in pending)
        count(pid, pending[pid], result(line))
    delete pending[pid]
    next
}
line ~ /^openat\(/ && index(line, "\"" target "\"") {
    fd = result(line)
    if (fd >= 0)
        open_fds[key(pid, fd)] = 1
    next
}
line ~ /^(read|pread64|readv)\(/ {
    fd = line; sub(/^[a-z0-9]+\(/, "", fd); sub(/,.*/, "", fd)
    count(pid, fd, result(line))
    next
}
line ~ /^close\(/ {
    fd = line; sub(/^close\(/, "", fd); sub(/\).*/, "", fd)
    delete open_fds[key(pid, fd)]
}
END { print total + 0 }
