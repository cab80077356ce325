// CGraphics::SetWorldFromPose on the recording device backend: the pose's
// matrix is R × T, and it goes in front of the device's world matrix.
#include "HandMatrix.h"
#include "RecordingDeviceTest.h"
#include "platform/Graphics.h"

#include <compat/d3d9.h>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace
{
class WorldFromPoseTest : public RecordingDeviceTest
{
protected:
    void SetUp() override
    {
        RecordingDeviceTest::SetUp();
        m_device = CGraphics::GetDevice();
    }

    static std::vector<compat::d3d9::RecordedCall> Calls(std::string_view method)
    {
        std::vector<compat::d3d9::RecordedCall> calls;
        for (const auto& call : compat::d3d9::RecordedCalls())
            if (call.method == method)
                calls.push_back(call);
        return calls;
    }

    D3DXMATRIX World()
    {
        D3DXMATRIX matWorld;
        EXPECT_EQ(m_device->GetTransform(D3DTS_WORLD, &matWorld), D3D_OK);
        return matWorld;
    }

    static void ExpectMatrix(const D3DMATRIX& actual, const hand::Matrix& expected)
    {
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c)
                EXPECT_NEAR(actual.m[r][c], expected.m[r][c], 1e-5) << "row " << r << ", col " << c;
    }

    IDirect3DDevice9* m_device = nullptr;
};

// 90 degrees about y: (0, sin 45°, 0, cos 45°).
const D3DXQUATERNION g_quarterTurnY(0, std::sqrt(0.5f), 0, std::sqrt(0.5f));
} // namespace

TEST_F(WorldFromPoseTest, MultipliesTheWorldByRotationThenTranslation)
{
    D3DXMATRIX matOld;
    D3DXMatrixTranslation(&matOld, 10, 20, 30);
    ASSERT_EQ(m_device->SetTransform(D3DTS_WORLD, &matOld), D3D_OK);
    compat::d3d9::ClearRecordedCalls();

    EXPECT_EQ(m_graphics->SetWorldFromPose(D3DXVECTOR3(1, 2, 3), g_quarterTurnY), D3D_OK);

    // R × T by hand: the quarter turn's rows (0 0 -1), (0 1 0), (1 0 0),
    // and the position as the last row.
    const hand::Matrix pose = hand::Turn('y', 90) * hand::Move(1, 2, 3);
    const auto multiplies = Calls("MultiplyTransform");
    ASSERT_EQ(multiplies.size(), 1u);
    EXPECT_EQ(multiplies[0].ints[0], D3DTS_WORLD);
    ASSERT_TRUE(multiplies[0].Has(compat::d3d9::RecordedCall::kMatrix));
    ExpectMatrix(multiplies[0].matrix, pose);

    // R × T × old: the old translation adds to the last row, (11, 22, 33).
    // The other order, old × R × T, would give (31, 22, -7).
    ExpectMatrix(World(), pose * hand::Move(10, 20, 30));
}

TEST_F(WorldFromPoseTest, SecondPoseGoesInFrontOfTheFirst)
{
    D3DXMATRIX matIdentity;
    D3DXMatrixIdentity(&matIdentity);
    ASSERT_EQ(m_device->SetTransform(D3DTS_WORLD, &matIdentity), D3D_OK);
    m_graphics->SetWorldFromPose(D3DXVECTOR3(0, 0, 5), g_quarterTurnY);
    m_graphics->SetWorldFromPose(D3DXVECTOR3(1, 0, 0), D3DXQUATERNION(0, 0, 0, 1));
    // The point (1, 0, 0) of the inner pose, turned by the outer quarter turn
    // to (0, 0, -1) and moved to (0, 0, 4).
    ExpectMatrix(World(), hand::Move(1, 0, 0) * hand::Turn('y', 90) * hand::Move(0, 0, 5));
}

TEST_F(WorldFromPoseTest, RefusesANonFinitePoseAndLeavesTheWorldAlone)
{
    const D3DXMATRIX before = World();
    compat::d3d9::ClearRecordedCalls();
    testing::internal::CaptureStderr();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(m_graphics->SetWorldFromPose(D3DXVECTOR3(0, nan, 0), g_quarterTurnY),
              D3DERR_INVALIDCALL);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("non-finite"), std::string::npos);
    EXPECT_TRUE(Calls("MultiplyTransform").empty());
    EXPECT_EQ(World(), before);
}

TEST(WorldFromPoseWithoutDevice, FailsWithAReason)
{
    CGraphics graphics;
    ASSERT_EQ(CGraphics::GetDevice(), nullptr);
    testing::internal::CaptureStderr();
    EXPECT_EQ(graphics.SetWorldFromPose(D3DXVECTOR3(0, 0, 0), D3DXQUATERNION(0, 0, 0, 1)),
              D3DERR_INVALIDCALL);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("no device"), std::string::npos);
}
