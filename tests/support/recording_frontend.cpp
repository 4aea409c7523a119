#include "support/recording_frontend.h"
