#include "views/MovesView.h"
