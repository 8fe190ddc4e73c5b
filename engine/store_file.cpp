#include "engine/store_file.h"
// (implemented by the engine work)
