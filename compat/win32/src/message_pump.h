// What the message pump keeps besides the queue.
#pragma once

namespace compat::win32
{

// Forgets the held keys (ResetForTests).
void ReleaseHeldKeys();

} // namespace compat::win32
