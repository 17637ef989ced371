#pragma once
// The start-up and good-bye sounds: plays a wave file named relative to
// the current directory, synchronously, and says nothing when it cannot.
#include "framework/types.h"

void PlayWaveSound(const CString& name);
