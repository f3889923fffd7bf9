#pragma once
// A radio as a dealer might hand it over: a handful of 2 m channels with names and tones, and
// its information block filled in. Used to show the programs working without hardware.

#include "memory/radio_memory.h"

namespace rp70::sim {

/// The memory of the sample radio (band 3, 136 … 174 MHz).
RadioMemory SampleRadioMemory();

} // namespace rp70::sim
