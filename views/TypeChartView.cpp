#include "views/TypeChartView.h"
