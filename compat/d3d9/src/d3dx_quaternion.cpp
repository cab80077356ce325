// D3DX quaternion helpers: (x, y, z, w), a turn of angle a about unit axis n
// being (n sin(a/2), cos(a/2)).
#include <d3dx9math.h>

#include <cmath>

D3DXQUATERNION D3DXQUATERNION::operator*(const D3DXQUATERNION& q) const
{
    D3DXQUATERNION out;
    D3DXQuaternionMultiply(&out, this, &q);
    return out;
}

D3DXQUATERNION* WINAPI D3DXQuaternionIdentity(D3DXQUATERNION* pOut)
{
    if (pOut == nullptr)
        return nullptr;
    *pOut = D3DXQUATERNION(0.0f, 0.0f, 0.0f, 1.0f);
    return pOut;
}

D3DXQUATERNION* WINAPI D3DXQuaternionRotationAxis(D3DXQUATERNION* pOut, const D3DXVECTOR3* pV,
                                                  FLOAT Angle)
{
    if (pOut == nullptr || pV == nullptr)
        return nullptr;
    D3DXVECTOR3 axis;
    D3DXVec3Normalize(&axis, pV);
    const FLOAT s = std::sin(Angle / 2.0f);
    *pOut = D3DXQUATERNION(axis.x * s, axis.y * s, axis.z * s, std::cos(Angle / 2.0f));
    return pOut;
}

D3DXQUATERNION* WINAPI D3DXQuaternionMultiply(D3DXQUATERNION* pOut, const D3DXQUATERNION* pQ1,
                                              const D3DXQUATERNION* pQ2)
{
    if (pOut == nullptr || pQ1 == nullptr || pQ2 == nullptr)
        return nullptr;
    // Hamilton product a * b with a = pQ2, b = pQ1: b's turn happens first.
    const D3DXQUATERNION a = *pQ2, b = *pQ1;
    *pOut = D3DXQUATERNION(a.w * b.x + a.x * b.w + a.y * b.z - a.z * b.y,
                           a.w * b.y - a.x * b.z + a.y * b.w + a.z * b.x,
                           a.w * b.z + a.x * b.y - a.y * b.x + a.z * b.w,
                           a.w * b.w - a.x * b.x - a.y * b.y - a.z * b.z);
    return pOut;
}
