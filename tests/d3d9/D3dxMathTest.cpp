// The D3DX math helpers against values worked out by hand from the D3DX
// definitions (row vectors, v * M). Only what D3DX documents: the same
// program runs against Windows' own d3dx9_43 (under Wine) and the stand-in.
#include <d3dx9.h>

#include <gtest/gtest.h>

#include <cmath>

namespace
{

constexpr float kTolerance = 1e-5f;

void ExpectRow(const D3DXMATRIX& m, int row, float a, float b, float c, float d)
{
    SCOPED_TRACE(::testing::Message() << "row " << row);
    EXPECT_NEAR(m(row, 0), a, kTolerance);
    EXPECT_NEAR(m(row, 1), b, kTolerance);
    EXPECT_NEAR(m(row, 2), c, kTolerance);
    EXPECT_NEAR(m(row, 3), d, kTolerance);
}

void ExpectVector(const D3DXVECTOR3& v, float x, float y, float z)
{
    EXPECT_NEAR(v.x, x, kTolerance);
    EXPECT_NEAR(v.y, y, kTolerance);
    EXPECT_NEAR(v.z, z, kTolerance);
}

void ExpectMatrixNear(const D3DXMATRIX& a, const D3DXMATRIX& b)
{
    for (UINT r = 0; r < 4; ++r)
        for (UINT c = 0; c < 4; ++c)
            EXPECT_NEAR(a(r, c), b(r, c), kTolerance) << "element " << r + 1 << c + 1;
}

D3DXVECTOR3 Transform(const D3DXVECTOR3& v, const D3DXMATRIX& m)
{
    D3DXVECTOR3 out;
    D3DXVec3TransformCoord(&out, &v, &m);
    return out;
}

D3DXQUATERNION Turn(float x, float y, float z, float degrees)
{
    const D3DXVECTOR3 axis(x, y, z);
    D3DXQUATERNION q;
    D3DXQuaternionRotationAxis(&q, &axis, D3DXToRadian(degrees));
    return q;
}

D3DXMATRIX MatrixOf(const D3DXQUATERNION& q)
{
    D3DXMATRIX m;
    D3DXMatrixRotationQuaternion(&m, &q);
    return m;
}

TEST(D3DXMatrix, LookAtFromBehindAndAboveTheOrigin)
{
    const D3DXVECTOR3 eye(0.0f, 2.5f, -10.0f), at(0.0f, 0.0f, 0.0f), up(0.0f, 1.0f, 0.0f);
    D3DXMATRIX view;
    ASSERT_EQ(D3DXMatrixLookAtLH(&view, &eye, &at, &up), &view);
    // z = (0, -2.5, 10) / sqrt(106.25), x = (1, 0, 0), y = z × x = (0, z.z, -z.y).
    const float zy = -2.5f / 10.307764f, zz = 10.0f / 10.307764f;
    ExpectRow(view, 0, 1.0f, 0.0f, 0.0f, 0.0f);
    ExpectRow(view, 1, 0.0f, zz, zy, 0.0f);
    ExpectRow(view, 2, 0.0f, -zy, zz, 0.0f);
    ExpectRow(view, 3, 0.0f, 0.0f, 10.307764f, 1.0f);
    // The eye lands on the origin, the target straight ahead at the distance.
    ExpectVector(Transform(eye, view), 0.0f, 0.0f, 0.0f);
    ExpectVector(Transform(at, view), 0.0f, 0.0f, 10.307764f);
}

TEST(D3DXMatrix, PerspectiveFovOfTheProgramsBackBuffer)
{
    D3DXMATRIX proj;
    ASSERT_EQ(D3DXMatrixPerspectiveFovLH(&proj, D3DX_PI / 4, 1870.0f / 1030.0f, 0.5f, 1000.0f),
              &proj);
    // ys = cot(pi/8) = 2.4142136, xs = ys / (1870/1030), q = 1000/999.5.
    ExpectRow(proj, 0, 1.3297540f, 0.0f, 0.0f, 0.0f);
    ExpectRow(proj, 1, 0.0f, 2.4142136f, 0.0f, 0.0f);
    ExpectRow(proj, 2, 0.0f, 0.0f, 1.0005003f, 1.0f);
    ExpectRow(proj, 3, 0.0f, 0.0f, -0.50025013f, 0.0f);

    EXPECT_NEAR(Transform(D3DXVECTOR3(0.0f, 0.0f, 0.5f), proj).z, 0.0f, kTolerance);
    EXPECT_NEAR(Transform(D3DXVECTOR3(3.0f, -2.0f, 1000.0f), proj).z, 1.0f, kTolerance);
    const float middle = Transform(D3DXVECTOR3(0.0f, 0.0f, 10.0f), proj).z;
    EXPECT_GT(middle, 0.0f);
    EXPECT_LT(middle, 1.0f);
}

TEST(D3DXMatrix, RotationYTurnsXTowardMinusZ)
{
    D3DXMATRIX r;
    D3DXMatrixRotationY(&r, D3DX_PI / 2);
    ExpectRow(r, 0, 0.0f, 0.0f, -1.0f, 0.0f);
    ExpectRow(r, 2, 1.0f, 0.0f, 0.0f, 0.0f);
    ExpectVector(Transform(D3DXVECTOR3(1.0f, 0.0f, 0.0f), r), 0.0f, 0.0f, -1.0f);
}

TEST(D3DXMatrix, QuaternionOfAQuarterTurnAboutYIsRotationY)
{
    D3DXMATRIX fromQuaternion = MatrixOf(Turn(0.0f, 1.0f, 0.0f, 90.0f));
    D3DXMATRIX rotationY;
    D3DXMatrixRotationY(&rotationY, D3DX_PI / 2);
    ExpectMatrixNear(fromQuaternion, rotationY);
}

TEST(D3DXMatrix, MultiplyAppliesTheFirstMatrixFirst)
{
    D3DXMATRIX t, r, tr;
    D3DXMatrixTranslation(&t, 1.0f, 0.0f, 0.0f);
    D3DXMatrixRotationY(&r, D3DX_PI / 2);
    D3DXMatrixMultiply(&tr, &t, &r);
    // Moved to (1, 0, 0), then turned onto (0, 0, -1).
    ExpectVector(Transform(D3DXVECTOR3(0.0f, 0.0f, 0.0f), tr), 0.0f, 0.0f, -1.0f);
    ExpectMatrixNear(t * r, tr);

    // The output may be an input.
    D3DXMATRIX inPlace = t;
    D3DXMatrixMultiply(&inPlace, &inPlace, &r);
    ExpectMatrixNear(inPlace, tr);
}

TEST(D3DXMatrix, TranslationAndIdentity)
{
    D3DXMATRIX t, i;
    D3DXMatrixTranslation(&t, 4.0f, 5.0f, 6.0f);
    ExpectRow(t, 3, 4.0f, 5.0f, 6.0f, 1.0f);
    ExpectVector(Transform(D3DXVECTOR3(1.0f, 2.0f, 3.0f), t), 5.0f, 7.0f, 9.0f);
    D3DXMatrixIdentity(&i);
    EXPECT_EQ(t * i, t);
}

TEST(D3DXQuaternion, MultiplyMeansFirstThenSecond)
{
    const D3DXQUATERNION aboutY = Turn(0.0f, 1.0f, 0.0f, 90.0f);
    const D3DXQUATERNION aboutX = Turn(1.0f, 0.0f, 0.0f, 90.0f);
    D3DXQUATERNION yThenX, xThenY;
    D3DXQuaternionMultiply(&yThenX, &aboutY, &aboutX);
    D3DXQuaternionMultiply(&xThenY, &aboutX, &aboutY);

    // x turns to -z about y, then -z turns to +y about x.
    ExpectVector(Transform(D3DXVECTOR3(1.0f, 0.0f, 0.0f), MatrixOf(yThenX)), 0.0f, 1.0f, 0.0f);
    // The other order leaves x alone first, then turns it to -z.
    ExpectVector(Transform(D3DXVECTOR3(1.0f, 0.0f, 0.0f), MatrixOf(xThenY)), 0.0f, 0.0f, -1.0f);
    ExpectMatrixNear(MatrixOf(yThenX), MatrixOf(aboutY) * MatrixOf(aboutX));
    ExpectMatrixNear(MatrixOf(aboutY * aboutX), MatrixOf(yThenX));
}

TEST(D3DXQuaternion, RotationAxisNormalisesTheAxisAndIdentityDoesNothing)
{
    const D3DXQUATERNION q = Turn(0.0f, 0.0f, 2.0f, 60.0f);
    EXPECT_NEAR(q.z, 0.5f, kTolerance);
    EXPECT_NEAR(q.w, std::cos(D3DX_PI / 6), kTolerance);
    D3DXQUATERNION identity, product;
    D3DXQuaternionIdentity(&identity);
    D3DXQuaternionMultiply(&product, &q, &identity);
    EXPECT_NEAR(product.z, q.z, kTolerance);
    EXPECT_NEAR(product.w, q.w, kTolerance);
}

TEST(D3DXVector, TransformCoordDividesByW)
{
    D3DXMATRIX m;
    D3DXMatrixTranslation(&m, 1.0f, 1.0f, 1.0f);
    m(0, 0) = m(1, 1) = m(2, 2) = 2.0f;
    m(3, 3) = 4.0f;
    // (2*1+1, 2*2+1, 2*3+1) / 4.
    ExpectVector(Transform(D3DXVECTOR3(1.0f, 2.0f, 3.0f), m), 0.75f, 1.25f, 1.75f);
}

TEST(D3DXVector, NormalizeGivesUnitVectorsAndLeavesZeroAlone)
{
    D3DXVECTOR3 v(3.0f, 0.0f, 4.0f);
    ASSERT_EQ(D3DXVec3Normalize(&v, &v), &v);
    ExpectVector(v, 0.6f, 0.0f, 0.8f);

    const D3DXVECTOR3 zero(0.0f, 0.0f, 0.0f);
    D3DXVECTOR3 out(9.0f, 9.0f, 9.0f);
    D3DXVec3Normalize(&out, &zero);
    EXPECT_EQ(out, zero);
}

} // namespace
