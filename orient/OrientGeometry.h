// Umbrella header for the stateless orientation library: records, notation
// text, direction-cosine primitives and the geometric constructions.
#pragma once

#include "orient/Constructions.h"
#include "orient/LinesInPlanes.h"
#include "orient/Primitives.h"
#include "orient/Records.h"
