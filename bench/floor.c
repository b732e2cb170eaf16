/* The floor quantlens-report is measured against: for every path listed in
   the file named by the argument (one per line), open the file, read its
   first 64 KB and close it. Prints the number of bytes read. */
#include <fcntl.h>
#include <stdio.h>
#include <string.h>
#include <unistd.h>

int main(int argc, char **argv)
{
    static char buffer[65536];
    char path[4096];
    long long total = 0;
    FILE *list = argc == 2 ? fopen(argv[1], "r") : NULL;
    if (list == NULL) {
        fprintf(stderr, "usage: floor LIST\n");
        return 2;
    }
    while (fgets(path, sizeof path, list) != NULL) {
        path[strcspn(path, "\n")] = '\0';
        int fd = open(path, O_RDONLY);
        if (fd < 0) {
            perror(path);
            return 1;
        }
        ssize_t n = read(fd, buffer, sizeof buffer);
        if (n > 0)
            total += n;
        close(fd);
    }
    fclose(list);
    printf("%lld\n", total);
    return 0;
}
