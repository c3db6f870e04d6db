/* Preloaded into a veltra-cli run by the kill harness. It counts the calls through which a program changes
 * files (writes, syncs, truncations, renames, removals) and, when VELTRA_KILL_AT is N, ends the process with
 * SIGKILL just before the N-th of them, as a crash or a power cut would end it there. Every moment at which
 * the files on disk can change is thus reachable, and a run is repeatable from its N. With
 * VELTRA_KILL_COUNT_FILE set, the number of such calls of a whole run is written there at exit. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <fcntl.h>
#include <signal.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/types.h>
#include <sys/uio.h>
#include <unistd.h>

static long calls;
static long killAt = -1;

static void before_change(void) {
    static int configured;
    if (!configured) {
        configured = 1;
        const char* at = getenv("VELTRA_KILL_AT");
        if (at && *at) killAt = atol(at);
    }
    if (++calls == killAt) raise(SIGKILL);
}

__attribute__((destructor)) static void report_count(void) {
    const char* file = getenv("VELTRA_KILL_COUNT_FILE");
    if (!file || !*file) return;
    FILE* f = fopen(file, "w");
    if (!f) return;
    fprintf(f, "%ld\n", calls);
    fclose(f);
}

#define NEXT(name) ((__typeof__(&name))dlsym(RTLD_NEXT, #name))

ssize_t write(int fd, const void* buf, size_t n) {
    before_change();
    return NEXT(write)(fd, buf, n);
}
ssize_t pwrite(int fd, const void* buf, size_t n, off_t at) {
    before_change();
    return NEXT(pwrite)(fd, buf, n, at);
}
ssize_t pwrite64(int fd, const void* buf, size_t n, off64_t at) {
    before_change();
    return NEXT(pwrite64)(fd, buf, n, at);
}
ssize_t writev(int fd, const struct iovec* iov, int count) {
    before_change();
    return NEXT(writev)(fd, iov, count);
}
int fsync(int fd) {
    before_change();
    return NEXT(fsync)(fd);
}
int fdatasync(int fd) {
    before_change();
    return NEXT(fdatasync)(fd);
}
int ftruncate(int fd, off_t length) {
    before_change();
    return NEXT(ftruncate)(fd, length);
}
int ftruncate64(int fd, off64_t length) {
    before_change();
    return NEXT(ftruncate64)(fd, length);
}
int rename(const char* from, const char* to) {
    before_change();
    return NEXT(rename)(from, to);
}
int unlink(const char* path) {
    before_change();
    return NEXT(unlink)(path);
}
int remove(const char* path) {
    before_change();
    return NEXT(remove)(path);
}
