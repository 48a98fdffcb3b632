// Host layer: the serial ports over POSIX termios. See host.h.
//
// Sections: ports, sending.
#include "host.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

// ---- ports ---------------------------------------------------------------

// The device a port name stands for: a USB adapter or a virtual port is
// given its COM number through the environment, as on the other system.
static const char* port_path(int port)
{
    const char* named = getenv(port == 0 ? "VOLANTO_COM1" : "VOLANTO_COM2");
    if (named && named[0]) return named;
    return port == 0 ? "/dev/ttyS0" : "/dev/ttyS1";
}

static int fail_open(int fd, int stage, int* sys_err)
{
    *sys_err = errno;
    close(fd);
    return stage;
}

int host_serial_open(int port, int baud, int* handle, int* sys_err)
{
    *handle = host_serial_invalid;
    *sys_err = 0;
    speed_t speed;
    if (baud == 4800) speed = B4800;
    else if (baud == 38400) speed = B38400;
    else {
        *sys_err = EINVAL;
        return HS_PARAMS;
    }

    // Non-blocking from the start: a line held down must not stall the open.
    int fd = open(port_path(port), O_WRONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        *sys_err = errno;
        return HS_OPEN;
    }

    termios t;
    if (tcgetattr(fd, &t) != 0) return fail_open(fd, HS_STATE, sys_err);
    cfmakeraw(&t);
    t.c_cflag &= ~(CSIZE | PARENB | CSTOPB | CRTSCTS);
    t.c_cflag |= CS8 | CLOCAL;
    t.c_iflag &= ~(IXON | IXOFF | IXANY);
    cfsetospeed(&t, speed);
    cfsetispeed(&t, speed);
    if (tcsetattr(fd, TCSANOW, &t) != 0) return fail_open(fd, HS_STATE, sys_err);
    // Not shared: others are kept out while it is ours, where the system lets us.
    ioctl(fd, TIOCEXCL);

    if (tcflush(fd, TCOFLUSH) != 0) return fail_open(fd, HS_SETUP, sys_err);

    // No time-outs: a write never waits for the line.
    int flags = fcntl(fd, F_GETFL);
    if (flags < 0 || fcntl(fd, F_SETFL, flags | O_NONBLOCK) != 0) return fail_open(fd, HS_TIMEOUTS, sys_err);

    *handle = fd;
    return HS_OK;
}

// ---- sending -------------------------------------------------------------

// What the device did not take of the last write: it goes out before
// anything else, so the stream never holds a piece of a packet followed by
// another packet. A pseudo-terminal tells nothing of its room beforehand,
// so only a write shows what it takes.
struct serial_rest {
    int fd = host_serial_invalid;
    int len = 0;
    unsigned char bytes[host_serial_queue];
};
static serial_rest rest;

// Writes what the device takes now: the count, or -1 when it fails.
static int put_now(int fd, const unsigned char* p, int n)
{
    int done = 0;
    while (done < n) {
        ssize_t w = write(fd, p + done, (size_t)(n - done));
        if (w > 0) done += (int)w;
        else if (w < 0 && errno == EINTR) continue;
        else if (w < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) break;
        else {
            if (w == 0) errno = EIO;
            return -1;
        }
    }
    return done;
}

int host_serial_write(int handle, const void* buf, int n, int* sys_err)
{
    *sys_err = 0;
    if (handle < 0 || n < 0 || n > host_serial_queue) {
        *sys_err = handle < 0 ? EBADF : EMSGSIZE;
        return -1;
    }
    if (rest.fd == handle && rest.len > 0) {
        int w = put_now(handle, rest.bytes, rest.len);
        if (w < 0) {
            *sys_err = errno;
            return -1;
        }
        memmove(rest.bytes, rest.bytes + w, (size_t)(rest.len - w));
        rest.len -= w;
        if (rest.len > 0) return 0;
    }
    // A serial line tells how much still waits in its queue; the rest of
    // the queue must take all n bytes.
    int queued = 0;
    if (ioctl(handle, TIOCOUTQ, &queued) == 0 && queued + n > host_serial_queue) return 0;

    const unsigned char* p = (const unsigned char*)buf;
    int w = put_now(handle, p, n);
    if (w < 0) {
        *sys_err = errno;
        return -1;
    }
    if (w == 0) return 0;
    if (w < n) {
        rest.fd = handle;
        rest.len = n - w;
        memcpy(rest.bytes, p + w, (size_t)rest.len);
    }
    return n;
}

void host_serial_close(int handle)
{
    if (handle < 0) return;
    if (rest.fd == handle) {
        rest.fd = host_serial_invalid;
        rest.len = 0;
    }
    // A pseudo-terminal's other side keeps the flag: the next open would be refused.
    ioctl(handle, TIOCNXCL);
    close(handle);
}
