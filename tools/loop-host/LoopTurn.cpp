#include "LoopTurn.h"

#include <windows.h>

namespace host
{

bool PumpOneMessage()
{
    MSG msg = {};
    if (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return msg.message != WM_QUIT;
}

} // namespace host
