// The opening screen: what the program estimates, from what, and by which formulas.
#pragma once

void OpeningScreen();
