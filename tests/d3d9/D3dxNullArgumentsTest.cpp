// The stand-in's D3DX math refuses null pointers with a null result instead
// of crashing. Windows' own D3DX checks none of them, so this holds for the
// stand-in alone (D3dxMathTest.cpp holds for both).
#include <d3dx9.h>

#include <gtest/gtest.h>

TEST(D3DXStandIn, NullArgumentsGiveNullNotACrash)
{
    D3DXVECTOR3 v(1.0f, 2.0f, 3.0f);
    D3DXMATRIX m;
    EXPECT_EQ(D3DXVec3Normalize(nullptr, &v), nullptr);
    EXPECT_EQ(D3DXVec3TransformCoord(&v, &v, nullptr), nullptr);
    EXPECT_EQ(D3DXMatrixMultiply(&m, nullptr, &m), nullptr);
    EXPECT_EQ(D3DXMatrixLookAtLH(&m, &v, nullptr, &v), nullptr);
    EXPECT_EQ(D3DXQuaternionMultiply(nullptr, nullptr, nullptr), nullptr);
}
