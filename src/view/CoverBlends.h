#pragma once

// The blends belong to the examination; the view keeps its old include.
#include "examination/CoverBlends.h"
