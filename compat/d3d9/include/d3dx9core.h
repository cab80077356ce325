// The D3DX 9 font the program draws its text with: D3DXCreateFontW and
// ID3DXFont::DrawTextA. ID3DXSprite is declared only, for DrawTextA's first
// argument: the font always uses its own sprite.
#pragma once

#include <d3d9.h>

struct ID3DXFont;
struct ID3DXSprite;
typedef ID3DXFont* LPD3DXFONT;
typedef ID3DXSprite* LPD3DXSPRITE;

struct ID3DXSprite : IUnknown
{
protected:
    ~ID3DXSprite() = default;
};

struct ID3DXFont : IUnknown
{
    // Draws `Count` characters of `pString` (all of it up to its terminator
    // when Count is -1) in pRect; returns the height of the text in pixels, 0
    // on failure. With DT_CALCRECT nothing is drawn and pRect gets the bottom
    // of the text.
    virtual INT DrawTextA(ID3DXSprite* pSprite, LPCSTR pString, INT Count, LPRECT pRect,
                          DWORD Format, D3DCOLOR Color) = 0;

protected:
    ~ID3DXFont() = default;
};

HRESULT WINAPI D3DXCreateFontW(IDirect3DDevice9* pDevice, INT Height, UINT Width, UINT Weight,
                               UINT MipLevels, BOOL Italic, DWORD CharSet, DWORD OutputPrecision,
                               DWORD Quality, DWORD PitchAndFamily, LPCWSTR pFaceName,
                               ID3DXFont** ppFont);

// DrawText formats (winuser.h), unless the Win32 header has them already.
#ifndef DT_TOP
#define DT_TOP 0x00000000
#define DT_LEFT 0x00000000
#define DT_CENTER 0x00000001
#define DT_RIGHT 0x00000002
#define DT_VCENTER 0x00000004
#define DT_BOTTOM 0x00000008
#define DT_WORDBREAK 0x00000010
#define DT_SINGLELINE 0x00000020
#define DT_EXPANDTABS 0x00000040
#define DT_NOCLIP 0x00000100
#define DT_CALCRECT 0x00000400
#define DT_NOPREFIX 0x00000800
#endif

// Font creation values (wingdi.h), unless the Win32 header has them already.
#ifndef FW_NORMAL
#define FW_DONTCARE 0
#define FW_THIN 100
#define FW_LIGHT 300
#define FW_NORMAL 400
#define FW_BOLD 700
#endif
#ifndef DEFAULT_CHARSET
#define ANSI_CHARSET 0
#define DEFAULT_CHARSET 1
#endif
#ifndef OUT_DEFAULT_PRECIS
#define OUT_DEFAULT_PRECIS 0
#define OUT_TT_PRECIS 4
#define OUT_TT_ONLY_PRECIS 7
#endif
#ifndef DEFAULT_QUALITY
#define DEFAULT_QUALITY 0
#define ANTIALIASED_QUALITY 4
#define CLEARTYPE_QUALITY 5
#endif
#ifndef DEFAULT_PITCH
#define DEFAULT_PITCH 0
#define FIXED_PITCH 1
#define VARIABLE_PITCH 2
#define FF_DONTCARE 0x00
#define FF_SWISS 0x20
#endif
