#pragma once

namespace game {

// The secret number for the limits typed and a value u in [0, 1): a whole step count from the
// lower limit towards the upper one, never passing either limit, so (1, 10) draws 1 to 10,
// (5, 10) 5 to 10 and (20, 10) 10 to 20. Finite limits always give a finite secret.
double DrawSecret(double lower, double upper, double u);

// The hidden upper limit of the No upper limit style, 1 to 100,000,000, from r in [0, 1).
double drawUpperLimit(double r);

// The upper limit of the No upper limit style seen from the lower limit: the drawn count of
// values starting at the lower limit.
double noUpperLimit(double lower, double drawnCount);

} // namespace game
