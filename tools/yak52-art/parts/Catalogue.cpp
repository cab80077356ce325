#include "parts/Catalogue.h"

#include "parts/Parts.h"
#include "world/MeshTable.h"

#include <iterator>

namespace yak52
{

const std::vector<PartFile>& Catalogue()
{
    // One builder for each entry of the world's mesh table, in the table's
    // order; beside each, the world's member its file is loaded into. A
    // builder out of place writes another part's file, which the generator's
    // test, comparing every file with the committed one, reports.
    static const std::function<TriangleList()> builders[] = {
        BuildNoseStrut,                              // m_frontStrutMesh
        BuildMainStrut,                              // m_mainStrutMesh
        [] { return BuildBrakeFlap(1.0); },          // m_rightBrakeFlapMesh
        [] { return BuildBrakeFlap(-1.0); },         // m_leftBrakeFlapMesh
        BuildCanopyFrame,                            // m_canopyFrameMesh
        BuildCanopyGlass,                            // m_canopyGlassMesh
        BuildAirframe,                               // m_fuselageMesh
        [] { return BuildAileron(-1.0); },           // m_leftAileronMesh
        [] { return BuildAileron(1.0); },            // m_rightAileronMesh
        BuildElevator,                               // m_elevatorMesh
        BuildPropeller,                              // m_propellerMesh
        BuildRudder,                                 // m_rudderMesh
        [] { return BuildWheel(WheelKind::Nose); },  // m_frontWheelMesh
        [] { return BuildWheel(WheelKind::Right); }, // m_rightWheelMesh
        [] { return BuildWheel(WheelKind::Left); },  // m_leftWheelMesh
    };
    static_assert(std::size(builders) == std::size(CWorld::s_meshTable),
                  "one builder for each mesh file the world loads");
    static const std::vector<PartFile> files = []
    {
        std::vector<PartFile> files;
        for (std::size_t i = 0; i < std::size(builders); ++i)
            files.push_back({GetMeshFileName(CWorld::s_meshTable[i]), builders[i]});
        return files;
    }();
    return files;
}

} // namespace yak52
