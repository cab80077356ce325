#include "platform/TextFont.h"

#include "platform/Graphics.h"

#include <cstring>

CTextFont::CTextFont() : m_font(nullptr) {}

CTextFont::~CTextFont()
{
    if (m_font)
    {
        m_font->Release();
        m_font = nullptr;
    }
}

bool CTextFont::Create(int height, unsigned int width, const wchar_t* face)
{
    return D3DXCreateFontW(CGraphics::GetDevice(), height, width, 20, 10, FALSE, 10,
                           OUT_TT_ONLY_PRECIS, 10, 10, face, &m_font) == S_OK;
}

int CTextFont::Draw(const char* text, int top, int left, int width, int height, D3DCOLOR colour)
{
    RECT lpRect;
    lpRect.left = left;
    lpRect.top = top;
    lpRect.right = left + width;
    lpRect.bottom = top + height;
    return m_font->DrawTextA(nullptr, text, static_cast<INT>(std::strlen(text)), &lpRect, DT_CENTER,
                             colour);
}
