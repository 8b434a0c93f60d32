#include "views/WhereToFindView.h"
