// The counting stand-ins of frame_costs.h. Each is the executable's own
// definition of the library function, so the code linked in calls it
// directly and the shared libraries reach it through the executable's
// exported symbols; the real function is the next definition after the
// executable's (dlsym RTLD_NEXT), which under the address sanitizer is the
// sanitizer's own and the C library's after that. Allocation forwards to
// malloc and free, so every new meets its delete here whoever calls.
#include "frame_costs.h"

#include <GL/gl.h>
#include <dirent.h>
#include <dlfcn.h>
#include <fcntl.h>

#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <new>

// Zero before any constructor runs: the C++ run time allocates before main.
struct cost_counters {
    std::atomic<long> tex_uploads;
    std::atomic<long> file_opens;
    std::atomic<long> allocations;
};
static cost_counters counts;

typedef void (*tex_image_fn)(GLenum, GLint, GLint, GLsizei, GLsizei, GLint, GLenum, GLenum, const GLvoid*);
typedef void (*tex_sub_image_fn)(GLenum, GLint, GLint, GLint, GLsizei, GLsizei, GLenum, GLenum, const GLvoid*);
typedef FILE* (*fopen_fn)(const char*, const char*);
typedef int (*open_fn)(const char*, int, ...);
typedef int (*openat_fn)(int, const char*, int, ...);
typedef DIR* (*opendir_fn)(const char*);

// The real functions, found on first use: something may open a file before
// any constructor of ours has run. Two threads finding one at once store the
// same address.
struct real_functions {
    tex_image_fn tex_image;
    tex_sub_image_fn tex_sub_image;
    fopen_fn fopen;
    open_fn open;
    openat_fn openat;
    opendir_fn opendir;
};
static real_functions real;

template <typename F>
static F next_definition(F& slot, const char* name)
{
    if (!slot) slot = (F)dlsym(RTLD_NEXT, name);
    if (!slot) {
        fprintf(stderr, "frame_costs: no %s after the executable's\n", name);
        abort();
    }
    return slot;
}

static void count(std::atomic<long>& c) { c.fetch_add(1, std::memory_order_relaxed); }

framecoststruct frame_costs_now(void)
{
    framecoststruct f;
    f.tex_uploads = counts.tex_uploads.load(std::memory_order_relaxed);
    f.file_opens = counts.file_opens.load(std::memory_order_relaxed);
    f.allocations = counts.allocations.load(std::memory_order_relaxed);
    return f;
}

framecoststruct frame_costs_since(const framecoststruct& start)
{
    framecoststruct f = frame_costs_now();
    f.tex_uploads -= start.tex_uploads;
    f.file_opens -= start.file_opens;
    f.allocations -= start.allocations;
    return f;
}

// ---- texture uploads ------------------------------------------------------------

void glTexImage2D(GLenum target, GLint level, GLint internal_format, GLsizei w, GLsizei h, GLint border,
                             GLenum format, GLenum type, const GLvoid* pixels)
{
    count(counts.tex_uploads);
    next_definition(real.tex_image, "glTexImage2D")(target, level, internal_format, w, h, border, format, type,
                                                    pixels);
}

void glTexSubImage2D(GLenum target, GLint level, GLint x, GLint y, GLsizei w, GLsizei h, GLenum format,
                                GLenum type, const GLvoid* pixels)
{
    count(counts.tex_uploads);
    next_definition(real.tex_sub_image, "glTexSubImage2D")(target, level, x, y, w, h, format, type, pixels);
}

// ---- file opens -------------------------------------------------------------------

// open's third argument is there only when the flags create a file.
static mode_t mode_of(int flags, va_list args)
{
    if ((flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE) return (mode_t)va_arg(args, int);
    return 0;
}

FILE* fopen(const char* path, const char* mode)
{
    count(counts.file_opens);
    return next_definition(real.fopen, "fopen")(path, mode);
}

int open(const char* path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    mode_t mode = mode_of(flags, args);
    va_end(args);
    count(counts.file_opens);
    return next_definition(real.open, "open")(path, flags, mode);
}

int openat(int dir, const char* path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    mode_t mode = mode_of(flags, args);
    va_end(args);
    count(counts.file_opens);
    return next_definition(real.openat, "openat")(dir, path, flags, mode);
}

// With 64-bit offsets native, the large-file names are the same functions.
static_assert(sizeof(off_t) == 8, "off_t of 64 bits");
FILE* fopen64(const char* path, const char* mode) __attribute__((alias("fopen")));
int open64(const char* path, int flags, ...) __attribute__((alias("open")));
int openat64(int dir, const char* path, int flags, ...) __attribute__((alias("openat")));

// The C library opens a folder without passing through open.
DIR* opendir(const char* path)
{
    count(counts.file_opens);
    return next_definition(real.opendir, "opendir")(path);
}

// ---- allocations -------------------------------------------------------------------

static void* allocate(std::size_t n)
{
    count(counts.allocations);
    for (;;) {
        if (void* p = malloc(n ? n : 1)) return p;
        std::new_handler h = std::get_new_handler();
        if (!h) throw std::bad_alloc();
        h();
    }
}

static void* allocate_or_null(std::size_t n) noexcept
{
    try {
        return allocate(n);
    } catch (...) {
        return nullptr;
    }
}

void* operator new(std::size_t n) { return allocate(n); }
void* operator new[](std::size_t n) { return allocate(n); }
void* operator new(std::size_t n, const std::nothrow_t&) noexcept { return allocate_or_null(n); }
void* operator new[](std::size_t n, const std::nothrow_t&) noexcept { return allocate_or_null(n); }
void operator delete(void* p) noexcept { free(p); }
void operator delete[](void* p) noexcept { free(p); }
void operator delete(void* p, std::size_t) noexcept { free(p); }
void operator delete[](void* p, std::size_t) noexcept { free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { free(p); }
