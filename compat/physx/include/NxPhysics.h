// The physics SDK (2.8.1 interface) on Bullet: everything a program includes.
// Its enumerations are declared with int underneath, so that a value outside
// one is refused with an error line rather than being undefined behaviour.
#pragma once

#include "NxSimpleTypes.h"
#include "NxVec3.h"
#include "NxQuat.h"
#include "NxMat33.h"
#include "NxMat34.h"
#include "NxArray.h"
#include "NxPhysicsSDK.h"
#include "NxSceneDesc.h"
#include "NxScene.h"
#include "NxMaterialDesc.h"
#include "NxMaterial.h"
#include "NxShapeDesc.h"
#include "NxBoxShapeDesc.h"
#include "NxSphereShapeDesc.h"
#include "NxPlaneShapeDesc.h"
#include "NxShape.h"
#include "NxBodyDesc.h"
#include "NxActorDesc.h"
#include "NxActor.h"
#include "NxJointDesc.h"
#include "NxJointLimitSoftDesc.h"
#include "NxD6JointDesc.h"
#include "NxJoint.h"
#include "NxUtilLib.h"
