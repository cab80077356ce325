// A position and an orientation relative to an optional parent node; the
// parent chain gives the node's pose in the world. Nodes own neither their
// parent nor their children: whoever builds a tree keeps its nodes alive
// while any child may ask for its world pose. Angles are in degrees; vectors
// are rows, a vector v of a node's frame being v × R(orientation) in its
// parent's frame.
#pragma once

#include <d3dx9.h>

class CPoseNode
{
public:
    // No parent, at the origin, unturned, speed 0.
    CPoseNode();
    // Nodes are plain values: a copy has the same parent, pose and speed.
    CPoseNode(const CPoseNode& other) = default;
    // Copies the four fields, unless the copy would make this node its own
    // ancestor (one line on stderr, this node unchanged).
    CPoseNode& operator=(const CPoseNode& other);
    ~CPoseNode();

    // Sets the node whose frame this node's pose is given in (null: the
    // world). Refuses (false, one line on stderr) a parent that is this node
    // or one of its descendants, since world queries could then never end.
    bool SetParent(CPoseNode* parent);
    void SetPosition(float x, float y, float z);
    // Adds to the position, in the parent's frame whatever the orientation.
    void Move(float dx, float dy, float dz);
    // Turns the node about the axis (x, y, z) of its own frame.
    void Rotate(float x, float y, float z, float degrees);

    // The pose in the world, walking the parent chain anew on every call;
    // with localOnly, the pose relative to the parent.
    D3DXVECTOR3 GetWorldPosition(bool localOnly) const;
    D3DXQUATERNION GetWorldOrientation(bool localOnly) const;

    // One step of the kinematic flight of a node without parent: turn by the
    // three controls in proportion to the distance (the roll only when
    // airborne), move the distance forward along the own z axis, sink a
    // little when airborne, and never go below the floor height.
    void Fly(float pitch, float yaw, float roll, float distance);

    // SetPosition, Move, Rotate and Fly refuse non-finite arguments, and
    // Rotate a zero axis, with one line on stderr, leaving the node as it was.

private:
    // Whether `node` is this node or one of its ancestors.
    bool ChainContains(const CPoseNode* node) const;

    CPoseNode* m_parent;
    D3DXVECTOR3 m_position;
    D3DXQUATERNION m_orientation;
    float m_speed; // distance given to the last Fly
};
