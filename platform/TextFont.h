// One screen-text font that draws narrow strings into rectangles.
#pragma once

#include <d3dx9.h>

class CTextFont
{
public:
    CTextFont();
    ~CTextFont();

    // Creates the font on the process-wide device; the face name goes to the
    // system's font mapping unchanged.
    bool Create(int height, unsigned int width, const wchar_t* face);
    // Draws text into the rectangle at (left, top) of the given size, each
    // line centred. The top edge comes first. Returns the height drawn.
    int Draw(const char* text, int top, int left, int width, int height, D3DCOLOR colour);

private:
    ID3DXFont* m_font;
};
