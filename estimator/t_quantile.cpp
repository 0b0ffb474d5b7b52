#include "t_quantile.h"

#include <cmath>
#include <limits>

namespace {

// The continued fraction of the regularized incomplete beta function I_x(a, b), evaluated by
// the modified Lentz method; it converges fast for x < (a + 1)/(a + b + 2).
double BetaFraction(double a, double b, double x) {
    const double tiny = 1e-300;
    double c = 1.0;
    double d = 1.0 - (a + b) * x / (a + 1.0);
    d = 1.0 / (std::fabs(d) < tiny ? tiny : d);
    double h = d;
    for (int m = 1; m <= 100000; ++m) {
        for (int odd = 0; odd <= 1; ++odd) {
            const double num = odd == 0
                                   ? m * (b - m) * x / ((a + 2 * m - 1) * (a + 2 * m))
                                   : -(a + m) * (a + b + m) * x / ((a + 2 * m) * (a + 2 * m + 1));
            d = 1.0 + num * d;
            d = 1.0 / (std::fabs(d) < tiny ? tiny : d);
            c = 1.0 + num / c;
            c = std::fabs(c) < tiny ? tiny : c;
            h *= d * c;
            if (odd == 1 && std::fabs(d * c - 1.0) < 1e-16) {
                return h;
            }
        }
    }
    return h;
}

// ln Gamma(a + 1/2) - ln Gamma(a). For large a the two log-gammas agree in so many digits that
// their difference keeps too few; the asymptotic series then serves, its error below 1e-15.
double LogGammaHalfRatio(double a) {
    if (a < 25.0) {
        return std::lgamma(a + 0.5) - std::lgamma(a);
    }
    const double r = 1.0 / (a * a);
    return 0.5 * std::log(a) -
           (1.0 / 8.0 - r * (1.0 / 192.0 - r * (1.0 / 640.0 - r * (17.0 / 14336.0)))) / a;
}

// The probability above t >= 0 with n degrees of freedom: half of I_x(n/2, 1/2) at
// x = n/(n + t^2). ln x is taken as -log1p(t^2/n), which keeps its digits when x is near 1.
double UpperTail(double t, double n) {
    if (t <= 0.0) {
        return 0.5;
    }
    const double a = 0.5 * n;
    const double ratio = t * t / n;
    const double x = 1.0 / (1.0 + ratio);
    const double y = ratio / (1.0 + ratio);
    const double log_x = -std::log1p(ratio);
    const double front = std::exp(LogGammaHalfRatio(a) - 0.5 * std::log(std::acos(-1.0)) +
                                  a * log_x + 0.5 * (log_x + std::log(ratio)));
    if (x < (a + 1.0) / (a + 2.5)) {
        return 0.5 * front * BetaFraction(a, 0.5, x) / a;
    }
    return 0.5 - front * BetaFraction(0.5, a, y);
}

double Density(double t, double n) {
    return std::exp(LogGammaHalfRatio(0.5 * n) - 0.5 * std::log(n * std::acos(-1.0)) -
                    0.5 * (n + 1.0) * std::log1p(t * t / n));
}

} // namespace

double TQuantile(double p, int df) {
    if (!(p >= 0.5 && p < 1.0) || df < 1) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    // Newton's method from t = 0. The distribution function is concave above 0, so every step
    // lands below the root and the steps shrink towards it; they stop when rounding takes over.
    const double n = df;
    const double upper = 1.0 - p; // exact for p in [0.5, 1)
    double t = 0.0;
    for (int step = 0; step < 2000; ++step) {
        const double change = (UpperTail(t, n) - upper) / Density(t, n);
        if (!(change > 1e-15 * t)) {
            break;
        }
        t += change;
    }
    return t;
}
