/* Preloaded into the unchanged program (LD_PRELOAD): at its first buffer
 * swap, once the swap is done, it writes the milliseconds since the moment
 * given in ZARV_BENCH_START_NS (nanoseconds of the real-time clock, as
 * `date +%s%N` gives them, taken just before the program was started) and ends the process. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>
#include <unistd.h>

typedef struct SDL_Window SDL_Window;

void SDL_GL_SwapWindow(SDL_Window* window)
{
    /* POSIX's way of turning dlsym's answer into a function pointer. */
    void (*swap)(SDL_Window*);
    *(void**)&swap = dlsym(RTLD_NEXT, "SDL_GL_SwapWindow");
    if (swap)
        swap(window);
    /* What was drawn is on its way out once the driver has finished it. */
    void* (*getProc)(const char*);
    *(void**)&getProc = dlsym(RTLD_NEXT, "SDL_GL_GetProcAddress");
    void (*finish)(void) = NULL;
    if (getProc)
        *(void**)&finish = getProc("glFinish");
    if (finish)
        finish();
    struct timespec now;
    clock_gettime(CLOCK_REALTIME, &now);
    const char* start = getenv("ZARV_BENCH_START_NS");
    const double ms =
        ((double)now.tv_sec * 1e9 + (double)now.tv_nsec - (start ? strtod(start, NULL) : 0.0)) /
        1e6;
    fprintf(stderr, "first frame presented %.1f ms after start\n", ms);
    fflush(stderr);
    _exit(0);
}
