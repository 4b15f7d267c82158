#pragma once
// The runner's host of the front end these tests are built with (defined by the test main).

#include "tools/scenario/Host.h"

const scenario::Host& testHost();
