// What the program tells its page: that the first frame was presented, and
// that the program ended (with its status). The page listens for them.
#pragma once

namespace web
{

void SayFirstFrame();
void SayEnded(int status);

} // namespace web
