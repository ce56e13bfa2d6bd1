// Opening a data file of the game: regular files only, never blocking.
#include "engine/datafile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

FILE *opendatafile(const char *path, long maxbytes, long *size, const char **why)
{
    const char *refused = "";
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a
    // writer. The check is made on the file opened, not on its name, so
    // that nothing can be put in its place between the two.
    int fd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat st;
    FILE *f = NULL;
    if (fd < 0)
        refused = "is missing or unreadable";
    else if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        refused = "is not a regular file";
    else if (st.st_size > maxbytes)
        refused = "is too large";
    else if (!(f = fdopen(fd, "rb")))
        refused = "is missing or unreadable";
    if (!f && fd >= 0)
        close(fd);
    if (f && size)
        *size = st.st_size;
    if (why)
        *why = refused;
    return f;
}

static int fileclose(void *f)
{
    return fclose((FILE *)f);
}
static int filegetc(void *f)
{
    return getc_unlocked((FILE *)f);
}
static int fileungetc(int c, void *f)
{
    return ungetc(c, (FILE *)f);
}
static long fileread(void *p, long n, void *f)
{
    return fread(p, 1, n, (FILE *)f);
}
static int fileputc(int, void *)
{
    return EOF;
}
static long filewrite(const void *, long, void *)
{
    return 0;
}
static int fileskip(void *f, int n)
{
    return fseek((FILE *)f, n, SEEK_CUR);
}
static int fileeof(void *f)
{
    return feof((FILE *)f);
}
static int fileerror(void *f)
{
    return ferror((FILE *)f);
}
static PACKFILE_VTABLE readfile = {fileclose, filegetc, fileungetc, fileread, fileputc,
                                   filewrite, fileskip, fileeof,    fileerror};

PACKFILE *readpackfile(FILE *f)
{
    return pack_fopen_vtable(&readfile, f);
}
