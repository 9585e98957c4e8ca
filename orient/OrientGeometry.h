// SPDX-License-Identifier: MIT
// Umbrella header for the stateless orientation library: records, notation
// text, direction-cosine primitives and the geometric constructions.
#pragma once

#include "orient/Constructions.h"
#include "orient/DrillCore.h"
#include "orient/LinesInPlanes.h"
#include "orient/NumberText.h"
#include "orient/Primitives.h"
#include "orient/Records.h"
#include "orient/Rotation.h"
#include "orient/TextFormatting.h"
#include "orient/TextParsing.h"
