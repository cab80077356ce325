// What the world draws, in order: CWorld::s_drawTable gives each mesh drawn
// with the physics body whose pose it takes and that body's start place, the
// shift in world axes from that pose (the struts sit beside their wheels),
// and the world's material it is drawn in. Render draws from it; the art
// renderer draws the same meshes at the start places from it.
#pragma once

#include "world/World.h"

#include <NxPhysics.h>
#include <d3dx9.h>

struct DrawTableEntry
{
    NxActor** actor;
    const NxVec3* start;
    D3DXVECTOR3 offset;
    D3DMATERIAL9 CWorld::*material;
    CMesh* CWorld::*mesh;
};
