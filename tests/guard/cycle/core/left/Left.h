#pragma once

// The folder check's own test: left and right include each other, low includes a ui file.
#include "right/Right.h"
