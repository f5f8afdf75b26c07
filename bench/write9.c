/* The floor of the send benchmark: opens the pty it is given and writes the nine bytes of a dot
 * pattern, as little as a program can do to put a message on the line. */
#include <fcntl.h>
#include <unistd.h>

int main(int argc, char **argv)
{
    static const unsigned char message[9] = {0xFC, 0x18, 0x3C, 0x7E, 0xFF, 0xFF, 0x7E, 0x3C, 0x18};
    if (argc < 2)
        return 2;
    int fd = open(argv[1], O_RDWR | O_NOCTTY);
    if (fd < 0)
        return 5;
    int status = write(fd, message, sizeof message) == (ssize_t)sizeof message ? 0 : 5;
    close(fd);
    return status;
}
