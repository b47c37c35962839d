#pragma once

#include "view/View.h"
