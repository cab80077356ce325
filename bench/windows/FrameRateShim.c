/* Preloaded into the unchanged native program (LD_PRELOAD): counts its
 * buffer swaps and, each second, writes to stderr how many frames a second
 * that was, in the words wined3d uses under WINEDEBUG=fps
 * ("@ approx NN.NNfps"), so that one script reads both. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdio.h>
#include <time.h>

typedef struct SDL_Window SDL_Window;

static double Seconds(void)
{
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (double)now.tv_sec + (double)now.tv_nsec / 1e9;
}

void SDL_GL_SwapWindow(SDL_Window* window)
{
    static double start = 0.0;
    static long frames = 0;
    /* POSIX's way of turning dlsym's answer into a function pointer. */
    void (*swap)(SDL_Window*);
    *(void**)&swap = dlsym(RTLD_NEXT, "SDL_GL_SwapWindow");
    if (swap)
        swap(window);
    const double now = Seconds();
    if (start == 0.0)
        start = now;
    ++frames;
    if (now - start >= 1.0)
    {
        fprintf(stderr, "frame-rate-shim: @ approx %.2ffps\n", (double)frames / (now - start));
        fflush(stderr);
        start = now;
        frames = 0;
    }
}
