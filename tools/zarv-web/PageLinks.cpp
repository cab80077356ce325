#include "PageLinks.h"

#include <emscripten.h>

namespace web
{

void SayFirstFrame()
{
    EM_ASM({
        if (Module.onFirstFrame)
            Module.onFirstFrame();
    });
}

void SayEnded(int status)
{
    EM_ASM(
        {
            if (Module.onEnded)
                Module.onEnded($0);
        },
        status);
}

} // namespace web
