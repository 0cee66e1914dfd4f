// The program's windows with a garment and a sleeve chosen and calculated
// from the garment's sample values, for the set-in sleeves' tests on the
// road.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <cmath>
#include <string>
#include <vector>

#include "tests/garments/GarmentWindowTest.h"
#include "tests/kernel/PdfPaths.h"

class SleeveWindowTest : public GarmentWindowTest {};
