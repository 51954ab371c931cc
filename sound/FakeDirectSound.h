#pragma once
// Moved to the test support library; this path stays for existing includes.
#include "tests/support/FakeDirectSound.h"
