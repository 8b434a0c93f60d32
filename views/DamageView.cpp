#include "views/DamageView.h"
