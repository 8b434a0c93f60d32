// (to be written)
#pragma once
