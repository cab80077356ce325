// D3DX vector helpers.
#include <d3dx9math.h>

#include <cmath>

FLOAT WINAPI D3DXVec3Dot(const D3DXVECTOR3* pV1, const D3DXVECTOR3* pV2)
{
    if (pV1 == nullptr || pV2 == nullptr)
        return 0.0f;
    return pV1->x * pV2->x + pV1->y * pV2->y + pV1->z * pV2->z;
}

D3DXVECTOR3* WINAPI D3DXVec3Cross(D3DXVECTOR3* pOut, const D3DXVECTOR3* pV1, const D3DXVECTOR3* pV2)
{
    if (pOut == nullptr || pV1 == nullptr || pV2 == nullptr)
        return nullptr;
    const D3DXVECTOR3 v(pV1->y * pV2->z - pV1->z * pV2->y, pV1->z * pV2->x - pV1->x * pV2->z,
                        pV1->x * pV2->y - pV1->y * pV2->x);
    *pOut = v;
    return pOut;
}

FLOAT WINAPI D3DXVec3Length(const D3DXVECTOR3* pV)
{
    if (pV == nullptr)
        return 0.0f;
    return std::sqrt(D3DXVec3Dot(pV, pV));
}

D3DXVECTOR3* WINAPI D3DXVec3Normalize(D3DXVECTOR3* pOut, const D3DXVECTOR3* pV)
{
    if (pOut == nullptr || pV == nullptr)
        return nullptr;
    const FLOAT length = D3DXVec3Length(pV);
    if (length == 0.0f)
        *pOut = D3DXVECTOR3(0.0f, 0.0f, 0.0f);
    else
        *pOut = *pV / length;
    return pOut;
}

D3DXVECTOR3* WINAPI D3DXVec3TransformCoord(D3DXVECTOR3* pOut, const D3DXVECTOR3* pV,
                                           const D3DXMATRIX* pM)
{
    if (pOut == nullptr || pV == nullptr || pM == nullptr)
        return nullptr;
    const D3DXMATRIX& m = *pM;
    const FLOAT x = pV->x, y = pV->y, z = pV->z;
    const FLOAT w = x * m._14 + y * m._24 + z * m._34 + m._44;
    *pOut = D3DXVECTOR3(x * m._11 + y * m._21 + z * m._31 + m._41,
                        x * m._12 + y * m._22 + z * m._32 + m._42,
                        x * m._13 + y * m._23 + z * m._33 + m._43) /
            w;
    return pOut;
}
