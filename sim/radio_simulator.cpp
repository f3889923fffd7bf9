#include "radio_simulator.h"
