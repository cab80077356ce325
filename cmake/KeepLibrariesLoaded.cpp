// Linked into every program of the sanitizer build: dlclose leaves libraries
// loaded.
//
// A library that keeps a one-time allocation in its globals leaks it when it
// is unloaded, and LeakSanitizer then reports it against a module it can no
// longer name, so no suppression can match it. Mesa does this: its DRI driver
// allocates a buffer once (under pthread_once) while EGL initialises, and EGL
// unloads the driver when the display is terminated, in every test that
// opens a window. With every library kept loaded, such allocations stay
// reachable from their library, and what LeakSanitizer reports is what our
// own code leaks.
extern "C" int dlclose(void*)
{
    return 0;
}
