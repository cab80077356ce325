#include "world/MeshTable.h"

const MeshTableEntry CWorld::s_meshTable[15] = {
    {&CWorld::m_frontStrutMesh, "..\\art\\3d\\yak_52\\i_stokF.txt"},
    {&CWorld::m_mainStrutMesh, "..\\art\\3d\\yak_52\\i_lstok.txt"},
    {&CWorld::m_rightBrakeFlapMesh, "..\\art\\3d\\yak_52\\i_brakeflapr.txt"},
    {&CWorld::m_leftBrakeFlapMesh, "..\\art\\3d\\yak_52\\i_brakeflapl.txt"},
    {&CWorld::m_canopyFrameMesh, "..\\art\\3d\\yak_52\\i_pereplet.txt"},
    {&CWorld::m_canopyGlassMesh, "..\\art\\3d\\yak_52\\i_glass.txt"},
    {&CWorld::m_fuselageMesh, "..\\art\\3d\\yak_52\\i_fuselag.txt"},
    {&CWorld::m_leftAileronMesh, "..\\art\\3d\\yak_52\\i_eleron_l.txt"},
    {&CWorld::m_rightAileronMesh, "..\\art\\3d\\yak_52\\i_eleron_r.txt"},
    {&CWorld::m_elevatorMesh, "..\\art\\3d\\yak_52\\i_elevator.txt"},
    {&CWorld::m_propellerMesh, "..\\art\\3d\\yak_52\\i_propeller.txt"},
    {&CWorld::m_rudderMesh, "..\\art\\3d\\yak_52\\i_vrudder.txt"},
    {&CWorld::m_frontWheelMesh, "..\\art\\3d\\yak_52\\i_Wheel_front.txt"},
    {&CWorld::m_rightWheelMesh, "..\\art\\3d\\yak_52\\i_Wheel_right.txt"},
    {&CWorld::m_leftWheelMesh, "..\\art\\3d\\yak_52\\i_Wheel_left.txt"},
};
