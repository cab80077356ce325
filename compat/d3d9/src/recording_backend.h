// The backend that needs no GPU or display: it keeps every call in the list
// of RecordedCalls() and draws nothing. Its presented image is the colour of
// the last full clear of the target before Present, and its font answers
// DrawTextA with a nominal height: lines × the font's height argument.
#pragma once

#include "backend.h"

namespace compat::d3d9
{

std::unique_ptr<DeviceBackend> MakeRecordingBackend(const DeviceCreation& creation);

// The nominal height of text in a recording font of the given height
// argument: one line per '\n'-separated line, |height| pixels each (16 for a
// height of 0, the default size); empty text has no lines.
INT NominalTextHeight(std::string_view text, DWORD format, INT height);

} // namespace compat::d3d9
